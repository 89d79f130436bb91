morvane_test(BodyMeasuresTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/BodyMeasuresTest.cpp
  LIBS morvane_diary_model)
