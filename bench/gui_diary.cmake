# Saving the profile with new units over ten years of days, and showing the panel, against raw
# SQLite doing the same row work.
morvane_bench(DiaryDlgBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryDlgBench.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp
  LIBS morvane_diary morvane_test_driver morvane_test_support SQLite::SQLite3)
