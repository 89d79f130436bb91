# Start-up to the first visible window on a ten-year diary, whole processes, against a bare Qt
# window started the same way in the same run.
add_executable(morvane_bare_window ${CMAKE_CURRENT_LIST_DIR}/BareWindow.cpp)
target_compile_options(morvane_bare_window PRIVATE ${MORVANE_WARNINGS})
target_link_libraries(morvane_bare_window PRIVATE Qt6::Widgets)
morvane_bench(StartupBench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp ${PROJECT_SOURCE_DIR}/tests/stats/DiaryRows.cpp
  LIBS morvane_diary_model morvane_test_support)
target_compile_definitions(StartupBench PRIVATE
  MORVANE_PROGRAM="$<TARGET_FILE:morvane>"
  MORVANE_BARE_WINDOW="$<TARGET_FILE:morvane_bare_window>"
  MORVANE_SHIPPED_FOODS="${CMAKE_BINARY_DIR}/foods.qeldb")
add_dependencies(StartupBench morvane morvane_bare_window morvane_foods_db)
