morvane_test(FoodTableTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodTableTest.cpp
  LIBS morvane_foods_model)
morvane_test(FoodSearchTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodSearchTest.cpp
  LIBS morvane_foods_model)

# The food table the build ships, checked where the build writes it.
morvane_test(ShippedFoodsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/ShippedFoodsTest.cpp
  LIBS morvane_foods_model)
target_compile_definitions(ShippedFoodsTest
  PRIVATE MORVANE_SHIPPED_FOODS="${CMAKE_BINARY_DIR}/foods.qeldb")
add_dependencies(ShippedFoodsTest morvane_foods_db)

morvane_test(MakeFoodsDbTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MakeFoodsDbTest.cpp
  LIBS morvane_foods_model)
target_compile_definitions(MakeFoodsDbTest
  PRIVATE MORVANE_MAKE_FOODS_DB="$<TARGET_FILE:morvane_make_foods_db>")
add_dependencies(MakeFoodsDbTest morvane_make_foods_db)

morvane_test(FoodLogTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FoodLogTest.cpp
  LIBS morvane_foods_model SQLite::SQLite3)
morvane_test(OwnFoodsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OwnFoodsTest.cpp
  LIBS morvane_foods_model SQLite::SQLite3)
