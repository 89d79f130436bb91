// The program's dialog templates: sizes and positions in dialog units, controls in template
// order. Every window of the program is built from one of these.

#include "platform/DialogTemplate.h"
#include "res/resource.h"

namespace {

// One control a line, as the templates read.
// clang-format off
using K = ControlKind;

constexpr const char* kTemplateFace = "MS Sans Serif";
constexpr int kTemplatePoints = 8;
constexpr DWORD kPanelStyle = DS_CHILD;

const DialogTemplate kAboutBox{
    IDD_ABOUTBOX, 196, 39, "About Morvane", DS_CAPTION | DS_SYSMENU | DS_MODAL_FRAME,
    kTemplateFace, kTemplatePoints,
    {
        {IDC_STATIC, K::Static, "Morvane diet diary, version 8.0.2", 28, 12, 139, 15, CS_NONE, 0},
    }};

const DialogTemplate kMainWindow{
    IDD_MORVANE_DIALOG, 464, 305, "morvane",
    DS_VISIBLE | DS_CAPTION | DS_SYSMENU | DS_MINIMIZE_BOX | DS_MODAL_FRAME,
    kTemplateFace, kTemplatePoints,
    {
        {IDC_DIARY, K::OwnerDrawButton, "DIARY", 2, 16, 53, 67, CS_TAB_STOP, 0},
        {IDC_STATS, K::OwnerDrawButton, "STATS", 2, 87, 53, 67, CS_TAB_STOP, 0},
        {IDC_FOODS, K::OwnerDrawButton, "FOODS", 2, 158, 53, 67, CS_TAB_STOP, 0},
        {IDC_HELP_BUTTON, K::OwnerDrawButton, "HELP", 2, 229, 53, 67, CS_TAB_STOP, 0},
        {IDC_PANEL_FRAME, K::Static, "", 72, 49, 384, 249, CS_GROUP_START, 0},
        {IDC_STATIC, K::Picture, "", 119, 3, 254, 32, CS_NONE, IDB_BANNER},
        {IDC_STATIC, K::Picture, "", 419, 3, 37, 32, CS_NONE, IDB_GRAPES},
    }};

const DialogTemplate kPanelHost{
    IDD_PANEL_HOST, 384, 249, "", kPanelStyle, kTemplateFace, kTemplatePoints, {}};

const DialogTemplate kFoodsPanel{
    IDD_FOODS, 384, 249, "", kPanelStyle, kTemplateFace, kTemplatePoints,
    {
        {IDC_FOOD_SEARCH, K::Edit, "", 96, 18, 239, 14,
         CS_BORDER | CS_TAB_STOP | CS_AUTO_HSCROLL, 0},
        // The user's own foods, in the tab order where they show: under the search box.
        {IDC_ADD_OWN_FOOD, K::PushButton, "ADD MY OWN FOOD...", 96, 35, 84, 13, CS_TAB_STOP, 0},
        {IDC_EDIT_OWN_FOOD, K::PushButton, "EDIT MY FOOD...", 184, 35, 70, 13, CS_TAB_STOP, 0},
        {IDC_SORT_NONE, K::RadioButton, "Sort by None", 48, 52, 57, 10, CS_NONE, 0},
        {IDC_SORT_CALORIES, K::RadioButton, "Sort by Calories", 110, 52, 65, 10, CS_NONE, 0},
        {IDC_SORT_CATEGORY, K::RadioButton, "Sort by Catergories", 180, 52, 75, 10, CS_NONE, 0},
        {IDC_SORT_DESCRIPTION, K::RadioButton, "Sort by Description", 260, 52, 75, 10, CS_NONE,
         0},
        {IDC_FOOD_LIST, K::ListView, "", 7, 81, 370, 125,
         CS_SINGLE_SELECTION | CS_SHOW_SELECTION_ALWAYS | CS_BORDER | CS_TAB_STOP, 0},
        {IDC_STATIC, K::GroupBox, "FOOD SEARCH", 7, 7, 370, 65, CS_NONE, 0},
        {IDC_STATIC, K::Static, "Enter Description of food", 13, 20, 79, 8, CS_GROUP_START, 0},
        // The food log.
        {IDC_STATIC, K::Static, "Servings", 7, 214, 30, 8, CS_NONE, 0},
        {IDC_SERVINGS, K::Edit, "", 38, 210, 24, 14, CS_BORDER | CS_TAB_STOP, 0},
        {IDC_ADD_TO_TODAY, K::PushButton, "ADD TO TODAY", 66, 210, 60, 14, CS_TAB_STOP, 0},
        {IDC_RECENT_FOODS, K::PushButton, "RECENT...", 130, 210, 48, 14, CS_TAB_STOP, 0},
        {IDC_COPY_YESTERDAY, K::PushButton, "COPY YESTERDAY", 182, 210, 72, 14, CS_TAB_STOP, 0},
        {IDC_TODAYS_FOODS, K::PushButton, "TODAY'S FOODS...", 305, 210, 72, 14, CS_TAB_STOP, 0},
        {IDC_STATIC, K::Static, "Quick entry", 7, 232, 40, 8, CS_NONE, 0},
        {IDC_QUICK_KCAL, K::Edit, "", 48, 228, 30, 14, CS_BORDER | CS_TAB_STOP, 0},
        {IDC_QUICK_NOTE, K::Edit, "", 81, 228, 97, 14, CS_BORDER | CS_AUTO_HSCROLL | CS_TAB_STOP,
         0},
        {IDC_QUICK_ADD, K::PushButton, "QUICK ADD", 182, 228, 50, 14, CS_TAB_STOP, 0},
        {IDC_TODAY_TOTAL, K::Static, "", 236, 232, 141, 8, CS_RIGHT_ALIGN, 0},
    }};

const DialogTemplate kFoodLogDay{
    IDD_FOOD_LOG_DAY, 300, 188, "Foods logged", DS_CAPTION | DS_SYSMENU | DS_MODAL_FRAME,
    kTemplateFace, kTemplatePoints,
    {
        {IDC_STATIC, K::Static, "Day", 7, 11, 16, 8, CS_NONE, 0},
        {IDC_LOG_DATE, K::DatePicker, "", 26, 7, 70, 15, CS_TAB_STOP, 0},
        {IDC_LOG_LINES, K::ListView, "", 7, 27, 286, 134,
         CS_SINGLE_SELECTION | CS_SHOW_SELECTION_ALWAYS | CS_BORDER | CS_TAB_STOP, 0},
        {IDC_LOG_DAY_TOTAL, K::Static, "", 7, 170, 170, 8, CS_NONE, 0},
        {IDC_REMOVE_LINE, K::PushButton, "REMOVE", 186, 167, 50, 14, CS_TAB_STOP, 0},
        {IDC_CLOSE_LOG, K::PushButton, "CLOSE", 243, 167, 50, 14, CS_TAB_STOP, 0},
    }};

const DialogTemplate kOwnFood{
    IDD_OWN_FOOD, 230, 108, "My own food", DS_CAPTION | DS_SYSMENU | DS_MODAL_FRAME,
    kTemplateFace, kTemplatePoints,
    {
        {IDC_STATIC, K::Static, "Category", 7, 11, 50, 8, CS_NONE, 0},
        {IDC_OWN_CATEGORY, K::Edit, "", 60, 7, 163, 14,
         CS_BORDER | CS_AUTO_HSCROLL | CS_TAB_STOP, 0},
        {IDC_STATIC, K::Static, "Description", 7, 29, 50, 8, CS_NONE, 0},
        {IDC_OWN_DESCRIPTION, K::Edit, "", 60, 25, 163, 14,
         CS_BORDER | CS_AUTO_HSCROLL | CS_TAB_STOP, 0},
        {IDC_STATIC, K::Static, "Calories (kcal)", 7, 47, 50, 8, CS_NONE, 0},
        {IDC_OWN_CALORIES, K::Edit, "", 60, 43, 40, 14, CS_BORDER | CS_TAB_STOP, 0},
        {IDC_STATIC, K::Static, "Amount", 7, 65, 50, 8, CS_NONE, 0},
        {IDC_OWN_AMOUNT, K::Edit, "", 60, 61, 163, 14, CS_BORDER | CS_AUTO_HSCROLL | CS_TAB_STOP,
         0},
        {IDC_DELETE_OWN_FOOD, K::PushButton, "DELETE", 7, 87, 50, 14, CS_TAB_STOP | CS_HIDDEN,
         0},
        {IDC_SAVE_OWN_FOOD, K::PushButton, "SAVE", 119, 87, 50, 14, CS_TAB_STOP, 0},
        {IDC_CANCEL_OWN_FOOD, K::PushButton, "CANCEL", 173, 87, 50, 14, CS_TAB_STOP, 0},
    }};

// Its track bar is a tab stop, as the diary's are, so that the keyboard reaches it too.
const DialogTemplate kStatsPanel{
    IDD_STATS, 384, 249, "", kPanelStyle, kTemplateFace, kTemplatePoints,
    {
        {IDC_BMI_BUTTON, K::PushButton, "BMI", 7, 228, 50, 14, CS_TAB_STOP, 0},
        {IDC_BMR_BUTTON, K::PushButton, "BMR", 60, 228, 50, 14, CS_TAB_STOP, 0},
        {IDC_WEIGHT_BUTTON, K::PushButton, "WEIGHT", 113, 228, 50, 14, CS_TAB_STOP, 0},
        {IDC_CHART, K::StaticFrame, "", 7, 7, 370, 220, CS_NONE, 0},
        {IDC_ACTIVITY_SLIDER, K::TrackBar, "", 280, 227, 91, 15, CS_TICKS_TOP | CS_TAB_STOP, 0},
        {IDC_ACTIVITY_CAPTION, K::Static, "", 184, 230, 93, 8, CS_RIGHT_ALIGN | CS_GROUP_START,
         0},
    }};

// Edits, push buttons, track bars, the date picker and the first radio of each group are tab
// stops, as resource compilers make them by default.
const DialogTemplate kDiaryPanel{
    IDD_DIARY, 384, 249, "", kPanelStyle, kTemplateFace, kTemplatePoints,
    {
        {IDC_HELP_TEXT, K::Static, "Static", 13, 10, 262, 18, CS_NONE, 0},
        {IDC_ENTRY_LABEL, K::Edit, "", 290, 14, 84, 12,
         CS_READ_ONLY | CS_RIGHT_ALIGN | CS_NO_BORDER, 0},
        {IDC_STATIC, K::GroupBox, "About You", 10, 31, 269, 39, CS_NONE, 0},
        {IDC_STATIC, K::Static, "Name", 15, 49, 20, 8, CS_NONE, 0},
        {IDC_NAME, K::Edit, "", 38, 46, 76, 14, CS_BORDER | CS_AUTO_HSCROLL | CS_TAB_STOP, 0},
        {IDC_STATIC, K::Static, "Age", 120, 49, 14, 8, CS_NONE, 0},
        {IDC_AGE, K::Edit, "", 137, 46, 48, 14, CS_BORDER | CS_DIGITS_ONLY | CS_TAB_STOP, 0},
        {IDC_MALE, K::RadioButton, "Male", 199, 49, 31, 10, CS_GROUP_START | CS_TAB_STOP, 0},
        {IDC_FEMALE, K::RadioButton, "Female", 235, 49, 39, 10, CS_NONE, 0},
        {IDC_STATIC, K::GroupBox, "Date", 288, 31, 86, 39, CS_NONE, 0},
        {IDC_ENTRY_DATE, K::DatePicker, "", 299, 46, 61, 15, CS_TAB_STOP, 0},
        {IDC_STATIC, K::GroupBox, "Todays Activities", 10, 74, 269, 39, CS_NONE, 0},
        {IDC_NO_EXERCISE, K::RadioButton, "No exercise", 19, 90, 53, 10,
         CS_GROUP_START | CS_TAB_STOP, 0},
        {IDC_LIGHT_EXERCISE, K::RadioButton, "Light exercise/sport", 79, 83, 78, 10, CS_NONE, 0},
        {IDC_MODERATE_EXERCISE, K::RadioButton, "Moderate exercise/sport", 79, 98, 93, 10,
         CS_NONE, 0},
        {IDC_HARD_EXERCISE, K::RadioButton, "Hard exercise/sport", 180, 83, 78, 10, CS_NONE, 0},
        {IDC_VERY_HARD_EXERCISE, K::RadioButton, "Very hard exercise/sport", 180, 98, 93, 10,
         CS_NONE, 0},
        {IDC_STATIC, K::GroupBox, "Todays Calory Intake", 288, 74, 86, 39, CS_NONE, 0},
        {IDC_CALORIES, K::Edit, "", 299, 88, 61, 14, CS_BORDER | CS_AUTO_HSCROLL | CS_TAB_STOP,
         0},
        {IDC_STATIC, K::GroupBox, "Measurements", 10, 117, 364, 102, CS_NONE, 0},
        {IDC_IMPERIAL, K::RadioButton, "Display weights and measures as Imperial ", 39, 131, 148,
         10, CS_GROUP_START | CS_TAB_STOP, 0},
        {IDC_METRIC, K::RadioButton, "Display weights and measures as Metric", 207, 131, 141, 10,
         CS_NONE, 0},
        {IDC_STATIC, K::Static, "Set Weight", 12, 151, 36, 8, CS_NONE, 0},
        {IDC_WEIGHT_SLIDER, K::TrackBar, "", 58, 148, 309, 15, CS_TICKS_TOP | CS_TAB_STOP, 0},
        {IDC_WEIGHT_TEXT, K::Static, "", 137, 168, 149, 8, CS_NONE, 0},
        {IDC_STATIC, K::Static, "Set Height", 12, 188, 34, 8, CS_NONE, 0},
        {IDC_HEIGHT_SLIDER, K::TrackBar, "", 58, 185, 309, 15, CS_TICKS_TOP | CS_TAB_STOP, 0},
        {IDC_HEIGHT_TEXT, K::Static, "", 137, 205, 149, 8, CS_NONE, 0},
        {IDC_CREATE_NEW_ENTRY, K::PushButton, "CREATE NEW ENTRY", 15, 224, 92, 14, CS_TAB_STOP,
         0},
        {IDC_SAVE, K::PushButton, "SAVE", 224, 224, 50, 14, CS_TAB_STOP, 0},
        {IDC_FIRST, K::PushButton, "<<", 278, 224, 20, 14, CS_TAB_STOP, 0},
        {IDC_PREVIOUS, K::PushButton, "<", 302, 224, 20, 14, CS_TAB_STOP, 0},
        {IDC_NEXT, K::PushButton, ">", 326, 224, 20, 14, CS_TAB_STOP, 0},
        {IDC_LAST, K::PushButton, ">>", 350, 224, 20, 14, CS_TAB_STOP, 0},
        // The shown entry's body mass index and calorie need, under the weight and height.
        {IDC_BMI_TEXT, K::Static, "", 12, 168, 122, 8, CS_NONE, 0},
        {IDC_NEED_TEXT, K::Static, "", 12, 205, 122, 8, CS_NONE, 0},
        // The food log's total for the shown date, under the calories it can fill in.
        {IDC_LOG_TOTAL, K::Static, "", 292, 104, 50, 8, CS_HIDDEN, 0},
        {IDC_USE_LOG_TOTAL, K::PushButton, "USE", 344, 103, 27, 9, CS_TAB_STOP | CS_HIDDEN, 0},
    }};

const std::vector<const DialogTemplate*> kAllTemplates{
    &kAboutBox, &kMainWindow, &kPanelHost, &kFoodsPanel, &kStatsPanel, &kDiaryPanel,
    &kFoodLogDay, &kOwnFood};

// clang-format on

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
    for (const DialogTemplate* dialog : kAllTemplates) {
        if (dialog->id == id) {
            return dialog;
        }
    }
    return nullptr;
}

const std::vector<const DialogTemplate*>& AllDialogTemplates() {
    return kAllTemplates;
}
