morvane_test(morvane_diary_dlg_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryDlgTest.cpp
  LIBS morvane_diary SQLite::SQLite3
  GUI)
