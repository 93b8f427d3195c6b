# The Debian package: `cmake --build build --target package` writes
# build/korvex-mini-configurator_VERSION_ARCH.deb with every install() rule of the project.
# Included last by the top-level CMakeLists.txt, after all install() rules.

set(KORVEX_PACKAGE_NAME korvex-mini-configurator)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KORVEX_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korvex Mini Configurator developers <korvex-configurator@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for the Korvex Mini APRS station")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the settings of a Korvex Mini, a stand-alone APRS station
(digipeater, APRS-IS I-gate, weather and telemetry reporter), over USB HID,
shows them on tabs, checks them and writes them back. It also uploads device
firmware, saves and loads the settings as configuration files and builds
remote update files. korvex-cli does the same from the command line. A udev
rule gives the user at the seat access to the device.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/debian/postinst ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian's copyright file and changelog, dated by SOURCE_DATE_EPOCH when it is set.
string(TIMESTAMP KORVEX_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP KORVEX_PACKAGE_YEAR "%Y" UTC)
set(doc_dir ${CMAKE_BINARY_DIR}/package-doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${doc_dir}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${doc_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${doc_dir}/changelog.gz
    COMMAND gzip -9nc ${doc_dir}/changelog > ${doc_dir}/changelog.gz
    DEPENDS ${doc_dir}/changelog VERBATIM)
add_custom_target(package-changelog ALL DEPENDS ${doc_dir}/changelog.gz)
install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${KORVEX_PACKAGE_NAME})

include(CPack)
