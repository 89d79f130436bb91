morvane_test(StatsPanelTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ChartPainterTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/StatsDlgTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DiaryRows.cpp
  LIBS morvane_stats
  GUI)
