# SPDX-License-Identifier: GPL-3.0-or-later
# Linux install (`cmake --install`): the game in bin/, its program folder in share/tessary/,
# and a menu entry with icons and AppStream metadata where desktops and software centres look,
# all named by the game's id, com.morvane.Tessary. Every rule here belongs to the "game"
# component, the tessary package (cmake/Package.cmake).
#
# The game finds its program folder as <prefix>/share/tessary when its own folder holds no
# sound list (see ProgramFolders), so the two folder names are fixed here rather than taken
# from GNUInstallDirs, whose values a packager may change.

set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)
set(TESSARY_APP_ID com.morvane.Tessary)

install(TARGETS tessary RUNTIME DESTINATION bin)

# Everything the program folder holds at run time: the sound list, sounds, music, sample
# pictures and their list, icons, the help page and its pictures, and the first-run settings.
# A system install is read-only for players, so the settings and the Hall of Fame go to each
# player's own data folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION share/tessary
  PATTERN ".*" EXCLUDE)

# The menu entry opens pictures and saved games ("Open with Tessary"); the MIME package makes
# file managers know a saved game by its first line.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TESSARY_APP_ID}.desktop
  DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TESSARY_APP_ID}.mime.xml
  DESTINATION share/mime/packages RENAME ${TESSARY_APP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TESSARY_APP_ID}.metainfo.xml
  DESTINATION share/metainfo)

foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/app/tessary-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${TESSARY_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/app/tessary.svg
  DESTINATION share/icons/hicolor/scalable/apps RENAME ${TESSARY_APP_ID}.svg)
