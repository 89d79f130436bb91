morvane_test(DiaryCsvTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryCsvTest.cpp
  LIBS morvane_diary_model SQLite::SQLite3)
target_compile_definitions(DiaryCsvTest
  PRIVATE MORVANE_SAMPLE_CSV="${PROJECT_SOURCE_DIR}/docs/sample-diary.csv")
