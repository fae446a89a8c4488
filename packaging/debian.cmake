# The Debian package of the linux build (CPack): lanset-qt and lanset-cli with the menu entry,
# the icon and the manual pages, dependencies computed by dpkg-shlibdeps. Made by
# "cmake --build --preset linux --target package" in build/linux/packages/; scripts/check-deb
# checks it.
include(GNUInstallDirs)
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/lanset)

# Manual pages and the changelog are installed compressed (gzip -9n), as Debian policy has it.
find_program(GZIP gzip REQUIRED)
set(_compressed)
foreach(page lanset-cli lanset-qt)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1.in ${CMAKE_CURRENT_BINARY_DIR}/${page}.1 @ONLY)
  list(APPEND _compressed ${CMAKE_CURRENT_BINARY_DIR}/${page}.1)
endforeach()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/README.md ${CMAKE_CURRENT_BINARY_DIR}/README.md COPYONLY)
list(APPEND _compressed ${CMAKE_CURRENT_BINARY_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/README.md)
set(_gz)
foreach(file ${_compressed})
  add_custom_command(OUTPUT ${file}.gz COMMAND ${GZIP} -9nkf ${file} DEPENDS ${file} VERBATIM)
  list(APPEND _gz ${file}.gz)
endforeach()
add_custom_target(debian_files ALL DEPENDS ${_gz})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lanset-cli.1.gz ${CMAKE_CURRENT_BINARY_DIR}/lanset-qt.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/README.md.gz
              ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright
        DESTINATION ${_doc})
# A plan to start from: lanset-cli apply reads find's own CSV.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/examples/rack.csv DESTINATION ${_doc}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lanset)
set(CPACK_PACKAGE_VERSION ${LANSET_VERSION})
set(CPACK_PACKAGE_VENDOR ${LANSET_PUBLISHER})
set(CPACK_PACKAGE_CONTACT "${LANSET_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find Ethernet boards and set their network addresses")
set(CPACK_PACKAGE_DESCRIPTION "lanset finds the maker's Ethernet boards on the local network by UDP broadcast
(port 21210) and sets their ID, IP address, subnet mask, default gateway and
DHCP setting: one board, or a whole batch numbered by an ID pattern with
consecutive addresses.

This package holds lanset-qt, the program's windows, and lanset-cli, the same
work from a terminal or a script.")
# cpack installs what the build made, stripped under /usr, by the build's own install script:
# a project install would first build all that "all" holds (the tests too). The package target
# still builds everything first.
set(_install ${CMAKE_BINARY_DIR}/cpack_install.cmake)
file(WRITE ${_install} "set(CMAKE_INSTALL_PREFIX /usr)\nset(CMAKE_INSTALL_DO_STRIP 1)\n"
                       "include(\"${CMAKE_BINARY_DIR}/cmake_install.cmake\")\n")
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_INSTALL_SCRIPTS ${_install})
include(CPack)
