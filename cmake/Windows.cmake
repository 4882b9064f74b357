# The Windows build (cmake/mingw-w64.cmake): what differs from the Linux one before any folder is
# added. The folders themselves choose their platform files (platform/, framework/win32/,
# src/app/main/windows/).
include_guard(GLOBAL)

# "platform/win32.h" is the system's API here (platform/windows/include/platform/win32.h): its
# folder comes before the tree's top on every target's include path.
include_directories(BEFORE ${PROJECT_SOURCE_DIR}/platform/windows/include)
# Windows 10 is the oldest system the programs run on (per-monitor DPI awareness, common
# controls 6); min and max stay the standard library's.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
# The C runtime's name for a descriptor that child processes do not inherit (the log's).
add_compile_definitions(O_CLOEXEC=_O_NOINHERIT)

# The C++ runtime, libgcc and winpthreads go into each program, so that it runs on a bare
# Windows.
add_link_options(-static)

# Tests and build steps run the programs under Wine, each ctest run in a prefix of its own.
set(QUORAN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run ${QUORAN_WINE_PREFIX})
