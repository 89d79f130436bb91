morvane_test(DiaryBackupsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryBackupsTest.cpp
  LIBS morvane_diary_model SQLite::SQLite3)
