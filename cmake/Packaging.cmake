# The Debian package (`make deb`): CPack's DEB generator over the install rules of
# cmake/Install.cmake, its library dependencies found by dpkg-shlibdeps, binaries stripped.
include_guard(GLOBAL)

# Packaging installs what is built; it never builds (`make deb` builds first, and the package test
# runs while other tests use the build tree).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(QUORAN_MAINTAINER "QUORAN Configuration Wizard developers <quoran-wizard@example.org>"
    CACHE STRING "The package's maintainer, as Debian writes it")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quoran-wizard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORAN_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration wizard for QUORAN ISDN terminal adapters")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "The QUORAN Configuration Wizard finds a QUORAN ISDN terminal adapter on a\n"
    "serial port, lets you edit named configurations of it (switch type, TEIs,\n"
    "SPIDs or MSNs, call control, data protocol, stored numbers, serial signals,\n"
    "the analogue port, bandwidth on demand) and sends one to the adapter as AT\n"
    "command lines.\n"
    ".\n"
    "The package also holds quoran-wizard-script, which runs the wizard from a\n"
    "script, and tasim, a simulated adapter on a pseudo-terminal for trying the\n"
    "wizard without hardware.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_FILE_NAME "quoran-wizard_${PROJECT_VERSION}_${CMAKE_SYSTEM_PROCESSOR}")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xvfb")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
