morvane_library(morvane_stats_model
  SOURCES ChartGroup.cpp ChartData.cpp SeriesColours.cpp ChartLayout.cpp ChartText.cpp
          ChartSource.cpp RecentHistoryChart.cpp WeightLossChart.cpp
  LIBS morvane_diary_model morvane_platform_core)
