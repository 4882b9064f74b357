# What `cmake --install` lays out (prefix and DESTDIR honoured), in the standard folders:
#   bin/                                   quoran-wizard, quoran-wizard-script, tasim
#   share/applications/                    quoran-wizard.desktop
#   share/icons/hicolor/{scalable,NxN}/apps/ quoran-wizard.svg and .png
#   share/man/man1/                        the three manual pages
#   share/quoran-wizard/quoran.ini         the factory profile an installed wizard starts from
#   share/doc/quoran-wizard/               README.md, copyright, changelog.gz
# An installed wizard keeps its own files in the user's folder (platform/posix/ProgramFolder.h).
include_guard(GLOBAL)
include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS quoran-wizard quoran-wizard-script tasim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/quoran-wizard.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/icons/scalable/apps/quoran-wizard.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${QUORAN_ICON_SIZES})
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/quoran-wizard.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
foreach(page quoran-wizard quoran-wizard-script tasim)
    install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/quoran.ini
    DESTINATION ${CMAKE_INSTALL_DATADIR}/quoran-wizard)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/data/debian/copyright
    ${CMAKE_BINARY_DIR}/doc/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quoran-wizard)
