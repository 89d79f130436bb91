# The foods panel (windows; needs the platform layer on Qt).
morvane_library(morvane_foods
  SOURCES FoodsDlg.cpp
  LIBS morvane_foods_model morvane_platform)
