# Building each chart over ten years of days, against raw SQLite reading its rows.
morvane_bench(StatsBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StatsBench.cpp ${PROJECT_SOURCE_DIR}/tests/stats/DiaryRows.cpp
  LIBS morvane_stats_model morvane_test_support SQLite::SQLite3)
