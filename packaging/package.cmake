# The Debian package: cpack -G DEB in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/package.sh does both). Its runtime libraries come from what the program really
# links (dpkg-shlibdeps); the font, the window-system plugins and the browser opener are named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${MORVANE_RELEASE})
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGE_CONTACT "The Morvane developers <maintainers@morvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diet diary with BMI, calorie and weight charts")
set(CPACK_PACKAGE_DESCRIPTION
"Morvane keeps a day-by-day diary of one person's weight, height, activity
and calorie intake in a local SQLite file. It works out the body mass index
and the daily calorie need of each entry, and charts the recent history:
body mass index against the reference lines, calorie intake against need,
and weight against the weight predicted for three diets.
.
A table of more than 800 everyday foods gives their calories. Weights and
heights show in metric units or in stones, pounds, feet and inches.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.morvane.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The desktop entry is written at install time for the prefix it lands in, so the package is
# staged with DESTDIR under the configured prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
