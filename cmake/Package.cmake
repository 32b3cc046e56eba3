# The Debian package: `cpack -G DEB` in the build folder makes tessary_<version>_<arch>.deb
# from everything `cmake --install` puts in place (cmake/Install.cmake). A program whose folder
# installs itself with install(TARGETS ...), such as a Hall of Fame server, goes into the same
# package with no change here; dpkg-shlibdeps adds the libraries it needs to Depends.

set(TESSARY_MAINTAINER "Tessary developers <tessary@example.org>"
  CACHE STRING "Maintainer named in the Debian package")

# What Debian wants of every package: its copyright, a compressed changelog without a time
# stamp, and a manual page for each program.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog
  @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/tessary.6.gz
  COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/packaging/tessary.6
    > ${CMAKE_BINARY_DIR}/packaging/tessary.6.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/tessary.6)
add_custom_target(tessary_package_docs ALL
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_BINARY_DIR}/packaging/tessary.6.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION share/doc/tessary)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tessary.6.gz DESTINATION share/man/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION share/lintian/overrides RENAME tessary)

set(CPACK_PACKAGE_NAME tessary)
set(CPACK_PACKAGE_VENDOR "Tessary developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture-swap puzzle game")
set(CPACK_PACKAGE_DESCRIPTION "\
Tessary cuts one to four pictures of your own into a grid of up to 50 x 50
pieces and shuffles them in view; you swap the pieces back with the mouse.
Hints and assists help at a cost to the score, and the best results go into
a 30-place Hall of Fame. Sound effects, background music and sample pictures
are included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSARY_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The background music is General MIDI, played through a soundfont: the one FluidSynth
# prefers, or any other that provides the default one. WebP and TIFF pictures are read by Qt's
# extra image plugins, which the game loads at run time and so no library check finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "timgm6mb-soundfont | sf3-soundfont-gm | sf2-soundfont-gm, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
