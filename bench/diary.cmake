# The daily backup at start-up over ten years of days, against raw SQLite reading its rows.
morvane_bench(DiaryBackupBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryBackupBench.cpp ${PROJECT_SOURCE_DIR}/tests/stats/DiaryRows.cpp
  LIBS morvane_diary_model morvane_test_support SQLite::SQLite3)
