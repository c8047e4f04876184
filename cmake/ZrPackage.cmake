# The Debian package zr3500-loader, made by CPack from the install rules: ./scripts/package, or
# `cpack -G DEB` in a configured build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zr3500-loader)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZR3500 Loader maintainers <maintainers@users.noreply.c-seed-6b450eb7.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for the ZR3500 servo drive")
# The synopsis is the summary above; CPack indents the lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ZR3500 Loader talks to the ZR3500 brushless servo drive over an RS-232 line:
program download, parameter upload and download, an off-line parameter
editor with printed reports, a live front panel, an oscilloscope and a drive
finder over ports 1 to 4, in Italian, English and French.

The package also holds zr3500-cli (the drive link from the command line),
zr3500-sim (a simulated drive on a pseudo-terminal) and GlsKit2, the
library of custom-painted Qt controls the loader is built with, with its
headers, CMake package and Qt Designer plugin.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends from the libraries the programs link (dpkg-shlibdeps); the SQLite driver and the
# platform plugins are loaded at run time, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# libGlsKit2 is a public library: a shlibs file and the ldconfig trigger. (CPack also writes a
# postinst and postrm that call ldconfig for any library under /usr/lib; it has no switch to
# leave them out, so lintian warns maintscript-calls-ldconfig.)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
