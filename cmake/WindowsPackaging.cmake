# What the Windows build ships (built with the programs): the portable zip and the installer,
# both of the same files: the two programs (stripped), the factory quoran.ini, a README for
# Windows users and the licence, the text files with Windows line ends.
#   build-windows/quoran-wizard-VERSION-windows.zip        a folder of its own inside
#   build-windows/quoran-wizard-VERSION-setup.exe          NSIS (cmake/windows/installer.nsi)
include_guard(GLOBAL)

find_program(QUORAN_ZIP zip REQUIRED)
find_program(QUORAN_MAKENSIS makensis REQUIRED)
find_program(QUORAN_STRIP NAMES ${CMAKE_STRIP} x86_64-w64-mingw32-strip REQUIRED)

set(package_name quoran-wizard-${PROJECT_VERSION}-windows)
set(stage ${CMAKE_BINARY_DIR}/package/${package_name})
set(zip_file ${CMAKE_BINARY_DIR}/${package_name}.zip)
set(installer_file ${CMAKE_BINARY_DIR}/quoran-wizard-${PROJECT_VERSION}-setup.exe)

configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/README.txt ${stage}/README.txt @ONLY
    NEWLINE_STYLE WIN32)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/copyright ${stage}/LICENSE.txt @ONLY
    NEWLINE_STYLE WIN32)
configure_file(${PROJECT_SOURCE_DIR}/data/quoran.ini ${stage}/quoran.ini COPYONLY)

set(staged_programs ${stage}/quoran-wizard.exe ${stage}/quoran-wizard-script.exe)
add_custom_command(OUTPUT ${staged_programs} ${stage}/quoran-wizard.ico
    COMMAND ${QUORAN_STRIP} -o ${stage}/quoran-wizard.exe $<TARGET_FILE:quoran-wizard>
    COMMAND ${QUORAN_STRIP} -o ${stage}/quoran-wizard-script.exe
        $<TARGET_FILE:quoran-wizard-script>
    COMMAND ${CMAKE_COMMAND} -E copy
        ${CMAKE_BINARY_DIR}/src/app/main/windows/artwork/quoran-wizard.ico ${stage}/
    DEPENDS quoran-wizard quoran-wizard-script
    COMMENT "Staging the Windows programs")

# The icon is the installer's own, not one of the files it installs.
add_custom_command(OUTPUT ${zip_file}
    COMMAND ${CMAKE_COMMAND} -E remove -f ${zip_file}
    COMMAND ${QUORAN_ZIP} -q -X ${zip_file} ${package_name}/quoran-wizard.exe
        ${package_name}/quoran-wizard-script.exe ${package_name}/quoran.ini
        ${package_name}/README.txt ${package_name}/LICENSE.txt
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
    DEPENDS ${staged_programs} ${stage}/README.txt ${stage}/LICENSE.txt ${stage}/quoran.ini
    COMMENT "Packing ${package_name}.zip")

add_custom_command(OUTPUT ${installer_file}
    COMMAND ${QUORAN_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage}
        -DOUTFILE=${installer_file} ${PROJECT_SOURCE_DIR}/cmake/windows/installer.nsi
    DEPENDS ${staged_programs} ${stage}/quoran-wizard.ico ${stage}/README.txt
        ${stage}/LICENSE.txt ${stage}/quoran.ini ${PROJECT_SOURCE_DIR}/cmake/windows/installer.nsi
    COMMENT "Building the installer quoran-wizard-${PROJECT_VERSION}-setup.exe")

add_custom_target(windows_packages ALL DEPENDS ${zip_file} ${installer_file})
set(QUORAN_WINDOWS_INSTALLER ${installer_file})
