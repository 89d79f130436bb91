# One keystroke of the foods search on a synthetic 100 000-row table and on the shipped table.
morvane_bench(FoodsBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodsBench.cpp ${CMAKE_CURRENT_LIST_DIR}/FoodsBenchTables.cpp
  LIBS morvane_foods_model morvane_test_support SQLite::SQLite3)
target_compile_definitions(FoodsBench
  PRIVATE MORVANE_SHIPPED_FOODS="${CMAKE_BINARY_DIR}/foods.qeldb")
add_dependencies(FoodsBench morvane_foods_db)
