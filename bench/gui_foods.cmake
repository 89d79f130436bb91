# One keystroke in the foods panel (reopen, filter, requery, fill the list) against raw SQLite.
morvane_bench(FoodsDlgBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodsDlgBench.cpp ${CMAKE_CURRENT_LIST_DIR}/FoodsBenchTables.cpp
          ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp
  LIBS morvane_foods morvane_test_driver morvane_test_support SQLite::SQLite3)
target_compile_definitions(FoodsDlgBench
  PRIVATE MORVANE_SHIPPED_FOODS="${CMAKE_BINARY_DIR}/foods.qeldb")
add_dependencies(FoodsDlgBench morvane_foods_db)
