morvane_test(DiaryTableTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryTableTest.cpp LIBS morvane_diary_model)
