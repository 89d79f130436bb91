morvane_test(FoodsDlgTest GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodsDlgTest.cpp
  LIBS morvane_foods)
