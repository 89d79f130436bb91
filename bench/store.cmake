morvane_bench(StoreBench SOURCES ${CMAKE_CURRENT_LIST_DIR}/StoreBench.cpp
  LIBS morvane_diary_model morvane_test_support SQLite::SQLite3)
