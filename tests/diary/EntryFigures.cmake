morvane_test(EntryFiguresTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/EntryFiguresTest.cpp
  LIBS morvane_diary_model)
