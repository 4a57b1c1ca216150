# SPDX-FileCopyrightText: the Konsultasi THT authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack -G DEB` in a build tree (scripts/package does it
# all). dpkg-shlibdeps works out the Qt libraries the binary links; the fonts
# are named by hand because the program only asks fontconfig for them by
# family (runtime/look.cpp), which no tool can see.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME konsultasi-tht)
set(CPACK_PACKAGE_VENDOR "Pengembang Konsultasi THT")
set(CPACK_PACKAGE_CONTACT "Pengembang Konsultasi THT <pengembang@konsultasi-tht.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-urw-base35")
# Without it a Wayland session still works, through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The control file's synopsis is the summary; this is the long text below it.
set(CPACK_PACKAGE_DESCRIPTION "Sistem pakar kecil berbahasa Indonesia. Pengguna mendaftarkan namanya,
menjawab pertanyaan ya atau tidak tentang gejala, lalu melihat penyakit
tenggorokan yang sesuai beserta saran pengobatannya, yang dapat dicetak.")

include(CPack)
