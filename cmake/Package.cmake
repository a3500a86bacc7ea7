# `make package`: a Debian package of what `cmake --install` installs, below /usr. Its
# dependencies are read from the libraries the program links (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Map editor for Civilization IV WorldBuilder saves")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessel opens the text maps that the WorldBuilder of Civilization IV and its expansions saves, \
edits every value of the file, checks a map against the game's rules and writes it back so that \
the game loads it again.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessel maintainers <tessel@invalid>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the platform plugins that show the windows at run time, where dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
