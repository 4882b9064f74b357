# The test suites of the Windows build (cmake/mingw-w64.cmake), run under Wine: the suites that
# need nothing of Linux, the end-to-end scripts against tasim (a Linux program) on a COM port of
# a Wine prefix, the native window on a virtual screen, and the installer.

# GoogleTest from Debian's sources (libgtest-dev), built by the cross compiler (GTest::gtest and
# GTest::gmock). Its own code is not held to our warnings.
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(target gtest gmock)
    target_compile_options(${target} PRIVATE -Wno-error)
endforeach()

# The folders of tests/ whose suites run here; tests/windows adds the rest.
function(quoran_windows_folders out)
    set(${out} support layers framework framework/headless framework/win32 res profile commands
        identify pages app windows PARENT_SCOPE)
endfunction()

# Files of those suites that need Linux: a child process by fork, pseudo-terminals or the
# simulated adapter in the test's own process. Their cases run in the Linux build only.
set(QUORAN_LINUX_ONLY_TESTS CatalogueTest.cpp ConfigExchangeTest.cpp IdentifyTest.cpp
    SendCommandTest.cpp
    DownloadPagesTest.cpp IDingPageTest.cpp NetworkWholeRunTest.cpp PortPageTest.cpp
    RouteTableTest.cpp WaitProgressTest.cpp WizardFixtureTest.cpp)

# Cases that hold the Linux build to its own rules, where Windows answers otherwise: a path
# whose folders end with '/', a damaged profile (a NUL byte inside a section's name), which
# the system reads its own way, and a profile's text after a save, whose lines the system's
# profile functions end with "\r\n".
set(QUORAN_LINUX_ONLY_CASES ProfilePath.FileBesideExecutable_WhenPathTaken
    ProfileFile.DamagedFileListsWhatItCanRead_WhenBinaryBytesAndLongNames
    Rows/DeclinedDiscard.KeepsTheLoadedConfigurationTheOneTheSaveWrites/*)

# quoran_gtest's sources and libraries for Windows: without the files above and the simulated
# adapter.
macro(quoran_windows_suite sources_var libraries_var)
    foreach(linux_only ${QUORAN_LINUX_ONLY_TESTS})
        list(FILTER ${sources_var} EXCLUDE REGEX "/${linux_only}$")
    endforeach()
    list(REMOVE_ITEM ${libraries_var} sim)
endmacro()

# Every test runs in the build's Wine prefix, with its server started once, on the virtual
# screen of the run (tests/windows).
set(QUORAN_SUITE_PROPERTIES FIXTURES_REQUIRED wine)
# The GoogleTest filters' tails that leave those cases out: after other negative patterns, and
# after positive ones.
list(JOIN QUORAN_LINUX_ONLY_CASES ":" skipped)
set(QUORAN_ALSO_SKIPPED ":${skipped}")
set(QUORAN_SKIPPED "-${skipped}")
