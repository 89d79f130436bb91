morvane_bench(DiaryCsvBench SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryCsvBench.cpp
  LIBS morvane_diary_model morvane_test_support SQLite::SQLite3)
