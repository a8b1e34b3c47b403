# make package: a Debian package of what `cmake --install` puts under /usr, its run-time
# dependencies worked out by dpkg-shlibdeps from the linked libraries.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reckora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Reckora developers")
set(CPACK_PACKAGE_CONTACT "The Reckora developers <developers@reckora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "adding machine with a paper tape")
set(CPACK_PACKAGE_DESCRIPTION
  "Reckora Calculator is a desktop adding machine for office arithmetic: running totals with an
item count, multiplication and division chains, percentages, a memory register and fixed
decimal places, with every step written on a paper tape that scrolls, prints and undoes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://reckora.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations name the buttons of the message boxes and the file dialog in the user's
# language: without them a German or French window asks with English buttons, so they are a
# dependency (dpkg-shlibdeps adds the libraries). Qt draws the design's fonts with Liberation
# Sans and Mono.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")

include(CPack)
