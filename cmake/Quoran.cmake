# Helpers shared by the folders' CMakeLists.txt.

include_guard(GLOBAL)

# quoran_library(NAME [GLOB] [SOURCES ...] [PUBLIC ...] [PRIVATE ...]): the static library of one
# folder.
#   GLOB: take every *.cpp of the folder as its sources (the wizard's own folders do this, so that
#         adding a file never touches the build description).
#   PUBLIC: the libraries whose headers this library's headers include (its users need them too).
#   PRIVATE: the libraries only its sources use.
# Includes are written from the top of the tree ("platform/win32.h", "src/serial/log.h"). Which
# folder may include which is docs/ARCHITECTURE.md's table; the test `layers.includes` holds
# every include line and every library's dependencies to it.
function(quoran_library name)
    cmake_parse_arguments(ARG "GLOB" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    set(sources ${ARG_SOURCES})
    if(ARG_GLOB)
        file(GLOB globbed CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
        list(APPEND sources ${globbed})
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
    set_property(GLOBAL APPEND PROPERTY QUORAN_LIBRARIES ${name})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set_property(TARGET ${name} PROPERTY QUORAN_FOLDER ${folder})
endfunction()
