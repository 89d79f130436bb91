# ADD TO TODAY in the foods panel on a log of ten years, through the windows, against raw SQLite.
morvane_bench(FoodLogDlgBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodLogDlgBench.cpp ${CMAKE_CURRENT_LIST_DIR}/FoodLogBenchData.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FoodsBenchTables.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp
  LIBS morvane_foods morvane_test_driver morvane_test_support SQLite::SQLite3)
target_compile_definitions(FoodLogDlgBench
  PRIVATE MORVANE_SHIPPED_FOODS="${CMAKE_BINARY_DIR}/foods.qeldb")
add_dependencies(FoodLogDlgBench morvane_foods_db)
