morvane_test(DiaryDlgTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryDlgTest.cpp
  LIBS morvane_diary SQLite::SQLite3
  GUI)
