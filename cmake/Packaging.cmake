# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack` in the build folder makes the Debian package cobblewell_<version>_<arch>.deb from the
# "cobblewell" install component (the program from ui/, the desktop files from resources/linux
# and the icons from tools/icons); its dependencies are worked out from the program's shared
# libraries (dpkg-shlibdeps, from dpkg-dev). Its home page is the project's (CPack's default).
set(CPACK_PACKAGE_NAME cobblewell)
set(CPACK_PACKAGE_VENDOR "${COBBLEWELL_DEVELOPERS}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "puzzle game: stack balls of one colour five high")
set(CPACK_PACKAGE_DESCRIPTION
    "Balls of seven colours and a joker drop onto a board of nine by nine cells
a few at a time. Each turn you move one lone ball along a free path, into an
empty cell or onto a stack of its own colour; a stack of five clears and
scores. The game is over when no move is left.
Three levels, a top-ten table for each level and eight ball shapes.")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the game's own component: other install rules of the tree (tools, tests) stay out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};cobblewell;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${COBBLEWELL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland plugin lets the game run natively in a Wayland session (without it, only through
# Xwayland); xdg-open finds the desktop's browser for the About box's web address; Qt's
# catalogues translate its standard buttons and file dialog; a CJK font shows the Japanese,
# Chinese and Korean texts, and DejaVu the Arabic, Persian, Hebrew, Greek and Vietnamese ones,
# which the other fonts a desktop may default to (Liberation, Bitstream Vera) lack in part.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, xdg-utils, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
