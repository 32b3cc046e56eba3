# Linux install (`cmake --install`): the game in bin/, its program folder in share/tessary/,
# and a menu entry with icons where desktops look for them.
#
# The game finds its program folder as <prefix>/share/tessary when its own folder holds no
# sound list (see ProgramFolders), so the two folder names are fixed here rather than taken
# from GNUInstallDirs, whose values a packager may change.

install(TARGETS tessary RUNTIME DESTINATION bin)

# Everything the program folder holds at run time: the sound list, sounds, music, sample
# pictures and their list, icons, the help page and its pictures, and the first-run settings.
# A system install is read-only for players, so the settings and the Hall of Fame go to each
# player's own data folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION share/tessary
  PATTERN ".*" EXCLUDE)

# The menu entry opens pictures and saved games ("Open with Tessary"); the MIME package makes
# file managers know a saved game by its first line.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tessary.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tessary-mime.xml DESTINATION share/mime/packages
  RENAME tessary.xml)

foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/app/tessary-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME tessary.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/app/tessary.svg
  DESTINATION share/icons/hicolor/scalable/apps)
