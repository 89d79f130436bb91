# The food log's reads on a log of ten years, a search with the user's own foods merged in, and
# one food logged, against raw SQLite.
morvane_bench(FoodLogBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodLogBench.cpp ${CMAKE_CURRENT_LIST_DIR}/FoodLogBenchData.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FoodsBenchTables.cpp
  LIBS morvane_foods_model morvane_test_support SQLite::SQLite3)
target_compile_definitions(FoodLogBench
  PRIVATE MORVANE_SHIPPED_FOODS="${CMAKE_BINARY_DIR}/foods.qeldb")
add_dependencies(FoodLogBench morvane_foods_db)
