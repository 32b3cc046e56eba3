# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack once each component is staged, before it is packed: moves what Debian keeps
# elsewhere than a plain install does. The game goes to /usr/games; a unit of systemd goes to
# /lib/systemd/system, where Debian 12's tools look for a package's units.
# remove_if_empty(FOLDER): a folder the move left with nothing in it goes too.
function(remove_if_empty folder)
  file(GLOB left "${folder}/*")
  if(NOT left)
    file(REMOVE_RECURSE "${folder}")
  endif()
endfunction()

file(GLOB staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY} ${staged})
  set(usr "${root}/usr")
  if(EXISTS "${usr}/bin/tessary")
    file(MAKE_DIRECTORY "${usr}/games")
    file(RENAME "${usr}/bin/tessary" "${usr}/games/tessary")
    remove_if_empty("${usr}/bin")
  endif()
  if(EXISTS "${usr}/lib/systemd/system")
    file(MAKE_DIRECTORY "${root}/lib/systemd")
    file(RENAME "${usr}/lib/systemd/system" "${root}/lib/systemd/system")
    remove_if_empty("${usr}/lib/systemd")
    remove_if_empty("${usr}/lib")
  endif()
endforeach()
