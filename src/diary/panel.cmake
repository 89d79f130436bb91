# The diary panel (windows; needs the platform layer on Qt). It shows the food log's total.
morvane_library(morvane_diary
  SOURCES DiaryDlg.cpp DiaryLogTotal.cpp
  LIBS morvane_diary_model morvane_foods_model morvane_platform)
