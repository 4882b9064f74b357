# Helpers shared by the folders' CMakeLists.txt.

include_guard(GLOBAL)

# quoran_library(NAME [SOURCES ...] [GLOB] [DEPENDS ...]): the static library of one folder.
#   GLOB: take every *.cpp of the folder as its sources (the wizard's own folders do this, so that
#         adding a file never touches the build description).
#   DEPENDS: libraries it uses; a folder library that does not exist yet is skipped.
# Includes are written from the top of the tree ("platform/win32.h", "src/serial/log.h").
# The folders of the wizard (src/*) use one another freely, as one program's parts do; CMake
# resolves the cycles among these static libraries at link time.
function(quoran_library name)
    cmake_parse_arguments(ARG "GLOB" "" "SOURCES;DEPENDS" ${ARGN})
    set(sources ${ARG_SOURCES})
    if(ARG_GLOB)
        file(GLOB globbed CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
        list(APPEND sources ${globbed})
    endif()
    if(NOT sources)
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    # The wizard's libraries call one another in chains longer than two links (a test of one
    # folder can need identify -> commands -> profile -> app); the linker scans the cycle that
    # many times.
    set_target_properties(${name} PROPERTIES LINK_INTERFACE_MULTIPLICITY 4)
    foreach(dependency ${ARG_DEPENDS})
        if(dependency STREQUAL name)
            continue()
        elseif(dependency MATCHES "::")
            target_link_libraries(${name} PUBLIC ${dependency})
        else()
            target_link_libraries(${name} PUBLIC $<TARGET_NAME_IF_EXISTS:${dependency}>)
        endif()
    endforeach()
endfunction()

# Every library of the wizard, for executables and tests that link the whole program.
set(QUORAN_WIZARD_LIBRARIES app pages download commands identify profile serial res
    framework platform CACHE INTERNAL "")
