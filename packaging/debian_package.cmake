# The Debian package, made by `cpack -G DEB` in the build folder: trelumo_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelumo)
set(CPACK_PACKAGE_VENDOR "Trelumo contributors")
set(CPACK_PACKAGE_CONTACT "${TRELUMO_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converter between euros and Spanish pesetas")
# The description's lines as the package's control file has them, within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "Trelumo converts money between euros and Spanish pesetas at
the fixed legal rate of 166.386 pesetas to the euro. Type an amount in either
field and press TAB: the other field fills in, and a sentence states the
conversion. Its interface is in Spanish.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TRELUMO_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TRELUMO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the program links come from dpkg-shlibdeps. The toolkit's window system plugins
# are loaded at run time, and some releases ship the X11 one in a package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# qt6-wayland: on a Wayland desktop, the program is a Wayland client of its own rather than an X
# client through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2, qt6-wayland")

include(CPack)
