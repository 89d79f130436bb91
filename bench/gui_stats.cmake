# Building and drawing each chart over ten years of days, against raw SQLite reading its rows.
morvane_bench(StatsDrawBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StatsDrawBench.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp
          ${PROJECT_SOURCE_DIR}/tests/stats/DiaryRows.cpp
  LIBS morvane_stats morvane_test_support SQLite::SQLite3)
