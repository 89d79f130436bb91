# The shipped food table: res/foods.csv written into foods.qeldb at the top of the build tree
# with the program's own food table. Rebuilt whenever the list or the generator changes; the
# run script, the install target and the tests of the shipped table take it from there.
set(MORVANE_FOODS_CSV ${PROJECT_SOURCE_DIR}/res/foods.csv)
set(MORVANE_SHIPPED_FOODS ${CMAKE_BINARY_DIR}/foods.qeldb)

add_executable(morvane_make_foods_db ${CMAKE_CURRENT_LIST_DIR}/make_foods_db.cpp)
target_compile_options(morvane_make_foods_db PRIVATE ${MORVANE_WARNINGS})
target_link_libraries(morvane_make_foods_db PRIVATE morvane_foods_model)

add_custom_command(
  OUTPUT ${MORVANE_SHIPPED_FOODS}
  COMMAND morvane_make_foods_db ${MORVANE_FOODS_CSV} ${MORVANE_SHIPPED_FOODS}
  DEPENDS morvane_make_foods_db ${MORVANE_FOODS_CSV}
  COMMENT "Building the food table foods.qeldb from res/foods.csv"
  VERBATIM)
add_custom_target(morvane_foods_db ALL DEPENDS ${MORVANE_SHIPPED_FOODS})
