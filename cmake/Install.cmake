# What `cmake --install` lays out (prefix and DESTDIR honoured), in the standard folders:
#   bin/                                   quoran-wizard, quoran-wizard-script, tasim
#   share/applications/                    quoran-wizard.desktop
#   share/metainfo/                        org.example.quoran_wizard.metainfo.xml (AppStream)
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
install(FILES ${CMAKE_BINARY_DIR}/metainfo/org.example.quoran_wizard.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/icons/scalable/apps/quoran-wizard.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${QUORAN_ICON_SIZES})
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/quoran-wizard.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# The manual pages name the factory profile by its installed path, so they are made again for the
# prefix the install has (/usr for the Debian package, whatever the build tree was configured for).
foreach(page quoran-wizard quoran-wizard-script tasim)
    install(CODE "
        set(PROJECT_VERSION \"${PROJECT_VERSION}\")
        set(CMAKE_INSTALL_FULL_DATADIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
        configure_file(\"${PROJECT_SOURCE_DIR}/docs/man/${page}.1\"
            \"${CMAKE_BINARY_DIR}/man/installed/${page}.1\" @ONLY)
        execute_process(COMMAND gzip -9n -f \"${CMAKE_BINARY_DIR}/man/installed/${page}.1\"
            COMMAND_ERROR_IS_FATAL ANY)")
    install(FILES ${CMAKE_BINARY_DIR}/man/installed/${page}.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/quoran.ini
    DESTINATION ${CMAKE_INSTALL_DATADIR}/quoran-wizard)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/data/debian/copyright
    ${CMAKE_BINARY_DIR}/doc/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quoran-wizard)
