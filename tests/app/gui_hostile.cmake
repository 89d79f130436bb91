# Hostile texts and edge dates driven through the diary, foods and statistics panels.
morvane_test(HostileInputTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/HostileInputTest.cpp
  LIBS morvane_diary morvane_foods morvane_stats SQLite::SQLite3 GUI)
