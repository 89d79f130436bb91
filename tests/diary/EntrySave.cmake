morvane_test(EntrySaveTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/EntrySaveTest.cpp
  LIBS morvane_diary_model SQLite::SQLite3)
