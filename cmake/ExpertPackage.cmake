# The Debian package (make package): CPack's DEB generator over the install
# rules, installed under /usr. Dependencies come from the binaries' shared
# libraries (dpkg-shlibdeps); the package's own libraries are private
# (lib/expert-control) and found through RUNPATH.
set(EXPERT_MAINTAINER "Expert Control maintainers <maintainers@users.noreply.c-seed-8145cc66.example>")

# What Debian asks of every package's documentation directory: the copyright
# file and a compressed changelog.
set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/expert-control)
set(EXPERT_CHANGELOG_DATE "Sun, 06 Dec 2026 00:00:00 +0000")  # EXPERT_RELEASE_DATE
configure_file(${CMAKE_SOURCE_DIR}/resources/package/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
find_program(EXPERT_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND ${EXPERT_GZIP} -9nkf ${CMAKE_BINARY_DIR}/package/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/package/changelog
  VERBATIM)
add_custom_target(expert_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/resources/package/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
        DESTINATION ${_docdir})

# Only in the package, not in `make install`: what lintian is told about
# the ldconfig calls CPack adds (see the file).
install(FILES ${CMAKE_SOURCE_DIR}/resources/package/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME expert-control
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_PACKAGE_NAME expert-control)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Expert Control maintainers")
set(CPACK_PACKAGE_CONTACT "${EXPERT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "projector detailed settings, with a desktop host and a simulator")
set(CPACK_PACKAGE_DESCRIPTION "Expert Control keeps a list of projectors, shows whether each is on, and
opens the detailed settings of one of them: picture, display, signal,
audio, screen and the projector's own options. Projectors are reached on
the network, with the package's own protocol or PJLink, or on a serial
port.

The package holds the desktop application expert-host, its command-line
companion expertctl for many projectors at once, the simulated projector
pjsim, the JSON-lines automation driver expert-driver and the viewer
expert-qt-view, with their manual pages. Texts are in English and
Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${EXPERT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese texts need a font that has them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
