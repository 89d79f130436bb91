morvane_test(ByteBufferTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/ByteBufferTest.cpp LIBS morvane_store)
morvane_test(FormatBufferTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormatBufferTest.cpp LIBS morvane_store)
morvane_test(SqliteTableTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/SqliteTableTest.cpp LIBS morvane_store)
morvane_test(CsvTextTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/CsvTextTest.cpp LIBS morvane_store)
