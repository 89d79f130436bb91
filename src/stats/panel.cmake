# The chart window and the statistics panel (windows; needs the platform layer on Qt).
morvane_library(morvane_stats
  SOURCES ChartPainter.cpp ChartCtrl.cpp StatsDlg.cpp
  LIBS morvane_stats_model morvane_platform)
