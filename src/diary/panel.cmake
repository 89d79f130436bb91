# The diary panel (windows; needs the platform layer on Qt).
morvane_library(morvane_diary
  SOURCES DiaryDlg.cpp
  LIBS morvane_diary_model morvane_platform)
