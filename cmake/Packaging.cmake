# The Debian package: `cpack -G DEB` in the build folder writes armorwright_<version>_<arch>.deb of
# what `cmake --install` puts in place, under /usr. scripts/package.sh builds, installs and checks it.
include(GNUInstallDirs)

set(AW_PACKAGE_MAINTAINER "Armorwright developers <maintainers@armorwright.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

# Debian wants a copyright file and a changelog in the package's documentation folder.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
string(TIMESTAMP aw_package_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
file(ARCHIVE_CREATE OUTPUT ${PROJECT_BINARY_DIR}/debian/changelog.gz PATHS ${PROJECT_BINARY_DIR}/debian/changelog
     FORMAT raw COMPRESSION GZip)
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME armorwright)
set(CPACK_PACKAGE_VENDOR "Armorwright developers")
set(CPACK_PACKAGE_CONTACT "${AW_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vehicle designer for a tabletop combat game")
# The control file's lines are kept short, as Debian asks.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Armorwright builds a vehicle under a tabletop combat game's vehicle\n"
       "construction rules and shows its threat values and cost after every edit.\n"
       "It replays each calculation step by step, saves designs as .vkd files\n"
       "and turns them into text, HTML or JPEG record sheets or printouts.\n"
       "The command-line tool armorwright-cli does the same without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (dpkg-dev) names the libraries the programs link; the record sheets name Arial,
# which fontconfig maps to Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
