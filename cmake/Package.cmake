# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages: `cpack -G DEB` in the build folder makes, from one run,
# tessary_<version>_<arch>.deb, the game (the "game" component: everything cmake/Install.cmake
# puts in place), and tessary-hof_<version>_<arch>.deb, the online Hall of Fame server (the
# "server" component). dpkg-shlibdeps gives each package the libraries its own programs link,
# so a player never pulls in the server's database libraries.

set(TESSARY_MAINTAINER "Tessary developers <tessary@example.org>"
  CACHE STRING "Maintainer named in the Debian package")

# What Debian wants of every package: its copyright, a compressed changelog without a time
# stamp, and a manual page for each program.
set(pages ${CMAKE_BINARY_DIR}/packaging/tessary.6.gz)
if(TARGET tessary-hof)
  list(APPEND pages ${CMAKE_BINARY_DIR}/packaging/tessary-hof.1.gz)
endif()
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog
  @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
foreach(page tessary.6 tessary-hof.1)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${page}.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/packaging/${page}
      > ${CMAKE_BINARY_DIR}/packaging/${page}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page})
endforeach()
add_custom_target(tessary_package_docs ALL
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${pages})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION share/doc/tessary COMPONENT game)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tessary.6.gz DESTINATION share/man/man6
  COMPONENT game)
if(TARGET tessary-hof)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
    ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION share/doc/tessary-hof COMPONENT server)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/tessary-hof.default
    DESTINATION share/doc/tessary-hof/examples RENAME default COMPONENT server)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/tessary-hof.nginx
    DESTINATION share/doc/tessary-hof/examples RENAME nginx COMPONENT server)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/tessary-hof.1.gz DESTINATION share/man/man1
    COMPONENT server)
  # The unit goes where systemd looks for a package's units; Debian's layout moves it below.
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/tessary-hof.service
    DESTINATION lib/systemd/system COMPONENT server)
endif()

set(CPACK_PACKAGE_NAME tessary)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game)
if(TARGET tessary-hof)
  list(APPEND CPACK_COMPONENTS_ALL server)
endif()
set(CPACK_PACKAGE_VENDOR "Tessary developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Each package's description starts with its own summary line; a CPACK_PACKAGE_DESCRIPTION_SUMMARY
# would be put before both.
set(TESSARY_SUMMARY "picture-swap puzzle game")
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
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME tessary)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
set(CPACK_DEBIAN_GAME_DESCRIPTION "${TESSARY_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
# The background music is General MIDI, played through a soundfont: the one FluidSynth
# prefers, or any other that provides the default one. WebP and TIFF pictures are read by Qt's
# extra image plugins, which the game loads at run time and so no library check finds. The
# online Hall of Fame opens in the browser.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS
  "timgm6mb-soundfont | sf3-soundfont-gm | sf2-soundfont-gm, qt6-image-formats-plugins")
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS xdg-utils)

set(CPACK_DEBIAN_SERVER_PACKAGE_NAME tessary-hof)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION web)
set(CPACK_DEBIAN_SERVER_DESCRIPTION "online Hall of Fame server for Tessary
tessary-hof serves the page the game's Online HOF button opens and takes the
results its Website HOF entry choice sends, keeping the best of them in SQLite
or PostgreSQL. A systemd unit runs it as a user of its own, off
until enabled.")

# Debian's layout for a game: the game in /usr/games, the server's unit in /lib/systemd; a
# plain `cmake --install` keeps bin/ and lib/.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianLayout.cmake)

include(CPack)
