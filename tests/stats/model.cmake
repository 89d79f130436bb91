morvane_test(ChartModelTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ChartDataTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ChartLayoutTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ChartTextTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RecentHistoryChartTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/WeightLossChartTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DiaryRows.cpp
  LIBS morvane_stats_model)
