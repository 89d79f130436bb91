# Damaged, foreign, planted and half-written files, read and written through the record store
# and the diary table.
set(diary_rows ${PROJECT_SOURCE_DIR}/tests/stats/DiaryRows.cpp)

morvane_test(DamagedFileTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DamagedFileTest.cpp ${diary_rows}
  LIBS morvane_diary_model)
morvane_test(UntrustedSchemaTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/UntrustedSchemaTest.cpp
  LIBS morvane_diary_model)

# The child the interrupted-write test kills part way through its one transaction.
add_executable(rewrite_format_child ${CMAKE_CURRENT_LIST_DIR}/rewrite_format_child.cpp)
target_compile_options(rewrite_format_child PRIVATE ${MORVANE_WARNINGS})
target_link_libraries(rewrite_format_child PRIVATE morvane_diary_model)

morvane_test(InterruptedWriteTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/InterruptedWriteTest.cpp ${diary_rows}
  LIBS morvane_diary_model)
target_compile_definitions(InterruptedWriteTest
  PRIVATE MORVANE_REWRITE_FORMAT="$<TARGET_FILE:rewrite_format_child>")
add_dependencies(InterruptedWriteTest rewrite_format_child)
