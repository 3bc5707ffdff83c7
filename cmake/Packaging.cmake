# Install layout and the Debian package. The help page goes to share/vt12set, where the
# installed program looks for it beside its bin directory.
include(GNUInstallDirs)

# Installing (and so packaging) builds only what is installed, not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(VT12_APP_ID com.durvik.vt12set)
set(VT12_RELEASE_DATE 2026-12-09)
# Where the pictures of resources/screenshots are published; AppStream wants them by URL. The
# host is a placeholder until the pictures have a public home.
set(VT12_SCREENSHOT_URL "https://durvik.invalid/vt12set/screenshots"
    CACHE STRING "Published location of the screenshots named in the AppStream metainfo")
set(VT12_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VT12_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS vt12set vt12sim vt12cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_SOURCE_DIR}/resources/help/Vantor 12 Help.mht"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vt12set)
install(FILES ${VT12_PACKAGING_DIR}/${VT12_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VT12_PACKAGING_DIR}/${VT12_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${VT12_PACKAGING_DIR}/${VT12_APP_ID}.metainfo.xml.in
               ${VT12_GENERATED_DIR}/${VT12_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VT12_GENERATED_DIR}/${VT12_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants man pages and the changelog compressed without a time stamp.
find_program(VT12_GZIP gzip REQUIRED)
function(vt12_install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    execute_process(COMMAND ${VT12_GZIP} -9nc ${source}
                    OUTPUT_FILE ${VT12_GENERATED_DIR}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    install(FILES ${VT12_GENERATED_DIR}/${name}.gz DESTINATION ${destination})
endfunction()
vt12_install_gzipped(${VT12_PACKAGING_DIR}/vt12set.1 ${CMAKE_INSTALL_MANDIR}/man1)
vt12_install_gzipped(${VT12_PACKAGING_DIR}/vt12sim.1 ${CMAKE_INSTALL_MANDIR}/man1)
vt12_install_gzipped(${VT12_PACKAGING_DIR}/vt12cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
vt12_install_gzipped(${VT12_PACKAGING_DIR}/changelog ${CMAKE_INSTALL_DOCDIR})
install(FILES ${VT12_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vt12set)
set(CPACK_PACKAGE_VENDOR Durvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vantor 12 tool maintainers <vt12set@durvik.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "setup and monitoring of the Vantor 12 controller")
set(CPACK_PACKAGE_DESCRIPTION
    "Desktop tool for technicians who commission and service the Vantor 12\n"
    "dust-extraction controller over its serial line (Modbus RTU). It reads\n"
    "and edits the controller's settings with read-back verification, shows\n"
    "the live state, drives a test mode, reads the counters and updates the\n"
    "firmware. Includes the controller simulator vt12sim.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Used at run time, so shlibdeps cannot see them: the fonts and the help browser's process.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6webenginecore6-bin")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
