# The Debian package of the Linux program: `cpack -G DEB` in the release build folder.
include(GNUInstallDirs)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/orvanta)
set(changelog ${PROJECT_BINARY_DIR}/changelog)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${changelog}
  COMMAND gzip -9nf ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(orvanta_changelog ALL DEPENDS ${changelog}.gz)
install(FILES packaging/copyright ${changelog}.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Orvanta developers")
set(CPACK_PACKAGE_CONTACT "Orvanta developers <orvanta@orvanta.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "show when this computer ran and who was logged in")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta reads the computer's event history and rebuilds one run per boot:
when the computer was switched on and off, how long it ran and who was logged
in. It shows the runs in a window as a report list and a bar chart, with the
current uptime and totals in the status bar. Its texts are Simplified Chinese.

It reads this machine's login records (/var/log/wtmp) or a file it is given:
a wtmp file or a legacy Windows event log file (.evt). With --report it
prints the same as tab-separated text and needs no display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvanta.example/")
# The dependencies are the shared libraries the executable really links, as dpkg-shlibdeps
# finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
