morvane_test(FoodsDlgTest GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodsDlgTest.cpp
  LIBS morvane_foods SQLite::SQLite3)
morvane_test(FoodLogDayDlgTest GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodLogDayDlgTest.cpp
  LIBS morvane_foods SQLite::SQLite3)
