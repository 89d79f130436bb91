# cmake --install: the program, the shipped food table, the icon, a launcher that starts the
# program in the per-user data directory, and a desktop entry for that launcher.
include(GNUInstallDirs)

install(TARGETS morvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/morvane-launch.sh
  DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME morvane-launch)
install(FILES ${CMAKE_BINARY_DIR}/foods.qeldb DESTINATION ${CMAKE_INSTALL_DATADIR}/morvane)
install(FILES ${PROJECT_SOURCE_DIR}/res/bitmaps/128-256.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME morvane.png)

# The program opens its files by bare name, so the desktop starts it in the data directory of
# the user who configured the build.
if(DEFINED ENV{XDG_DATA_HOME} AND NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
  set(data_dir "$ENV{XDG_DATA_HOME}/morvane")
else()
  set(data_dir "$ENV{HOME}/.local/share/morvane")
endif()
# The launcher's path is known only at install time (cmake --install --prefix).
set(desktop_entry ${CMAKE_CURRENT_BINARY_DIR}/morvane.desktop)
install(CODE "
  set(launcher \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/morvane-launch\")
  set(data_dir \"${data_dir}\")
  configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/morvane.desktop.in\" \"${desktop_entry}\" @ONLY)
")
install(FILES ${desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
