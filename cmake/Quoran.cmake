# Helpers shared by the folders' CMakeLists.txt.

include_guard(GLOBAL)

# quoran_library(NAME SOURCES ... [DEPENDS ...]): a static library for one folder. Includes are
# written from the top of the tree ("platform/win32.h", "src/serial/log.h").
function(quoran_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    endif()
endfunction()
