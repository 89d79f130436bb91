#pragma once

// Resource ids of the program: dialog templates, controls, bitmaps, icon, strings and the
// about entry of the system menu. Code names ids through these, never by bare number.

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_MORVANE_DIALOG 102
#define IDD_PANEL_HOST 130
#define IDD_FOODS 171
#define IDD_STATS 173
#define IDD_DIARY 175
#define IDD_FOOD_LOG_DAY 190
#define IDD_OWN_FOOD 191

// Strings, icon, system menu
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128
#define IDM_ABOUTBOX 0x0010
#define IDM_RESTORE_BACKUP 0x0020
#define IDM_EXPORT_CSV 0x0030
#define IDM_IMPORT_CSV 0x0040

// Bitmaps
#define IDB_BACKGROUND 155
#define IDB_STATS_NORMAL 157
#define IDB_STATS_FOCUS 160
#define IDB_STATS_PRESSED 161
#define IDB_DIARY_NORMAL 163
#define IDB_DIARY_PRESSED 164
#define IDB_DIARY_FOCUS 165
#define IDB_FOODS_NORMAL 166
#define IDB_FOODS_PRESSED 167
#define IDB_FOODS_FOCUS 168
#define IDB_BANNER 177
#define IDB_GRAPES 178
#define IDB_HELP_PRESSED 179
#define IDB_HELP_NORMAL 180
#define IDB_HELP_FOCUS 181

// Controls without an id of their own (group boxes, labels, pictures)
#define IDC_STATIC (-1)

// Main window
#define IDC_FOODS 1004
#define IDC_DIARY 1006
#define IDC_STATS 1007
#define IDC_PANEL_FRAME 1008
#define IDC_HELP_BUTTON 1009

// Diary panel
#define IDC_NAME 1020
#define IDC_AGE 1022
#define IDC_IMPERIAL 1028
#define IDC_METRIC 1029
#define IDC_SAVE 1030
#define IDC_WEIGHT_SLIDER 1038
#define IDC_HEIGHT_SLIDER 1039
#define IDC_WEIGHT_TEXT 1040
#define IDC_HEIGHT_TEXT 1041
#define IDC_ENTRY_DATE 1042
#define IDC_CALORIES 1047
#define IDC_ENTRY_LABEL 1048
#define IDC_HELP_TEXT 1049
#define IDC_PREVIOUS 1052
#define IDC_NEXT 1055
#define IDC_FIRST 1059
#define IDC_LAST 1060
#define IDC_MALE 1061
#define IDC_FEMALE 1062
#define IDC_NO_EXERCISE 1063
#define IDC_LIGHT_EXERCISE 1064
#define IDC_MODERATE_EXERCISE 1065
#define IDC_HARD_EXERCISE 1066
#define IDC_VERY_HARD_EXERCISE 1067
#define IDC_CREATE_NEW_ENTRY 1068
#define IDC_LOG_TOTAL 1100
#define IDC_USE_LOG_TOTAL 1101
#define IDC_BMI_TEXT 1110
#define IDC_NEED_TEXT 1111

// Foods panel
#define IDC_FOOD_LIST 1010
#define IDC_FOOD_SEARCH 1011
#define IDC_SORT_CALORIES 1016
#define IDC_SORT_CATEGORY 1017
#define IDC_SORT_DESCRIPTION 1018
#define IDC_SORT_NONE 1019
#define IDC_ADD_OWN_FOOD 1080
#define IDC_EDIT_OWN_FOOD 1081
#define IDC_SERVINGS 1082
#define IDC_ADD_TO_TODAY 1083
#define IDC_RECENT_FOODS 1084
#define IDC_COPY_YESTERDAY 1085
#define IDC_TODAYS_FOODS 1086
#define IDC_QUICK_KCAL 1087
#define IDC_QUICK_NOTE 1088
#define IDC_QUICK_ADD 1089
#define IDC_TODAY_TOTAL 1090

// A day's food log
#define IDC_LOG_DATE 1091
#define IDC_LOG_LINES 1092
#define IDC_LOG_DAY_TOTAL 1093
#define IDC_REMOVE_LINE 1094
#define IDC_CLOSE_LOG 1095

// A food of the user's own
#define IDC_OWN_CATEGORY 1096
#define IDC_OWN_DESCRIPTION 1097
#define IDC_OWN_CALORIES 1098
#define IDC_OWN_AMOUNT 1099
#define IDC_DELETE_OWN_FOOD 1102
#define IDC_SAVE_OWN_FOOD 1103
#define IDC_CANCEL_OWN_FOOD 1104

// Statistics panel
#define IDC_CHART 1027
#define IDC_BMI_BUTTON 1050
#define IDC_WEIGHT_BUTTON 1051
#define IDC_BMR_BUTTON 1052
#define IDC_ACTIVITY_SLIDER 1055
#define IDC_ACTIVITY_CAPTION 1056
