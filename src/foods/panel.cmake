# The foods panel and its dialogs (windows; needs the platform layer on Qt). The food log and
# the user's own foods live in the diary file.
morvane_library(morvane_foods
  SOURCES FoodLogBar.cpp FoodLogDayDlg.cpp FoodsDlg.cpp OwnFoodDlg.cpp
  LIBS morvane_foods_model morvane_diary_model morvane_platform)
