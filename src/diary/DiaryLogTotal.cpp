#include "diary/DiaryLogTotal.h"

#include <vector>

#include "foods/FoodLogTexts.h"
#include "res/resource.h"

CDiaryLogTotal::CDiaryLogTotal(CDialog& panel, const char* diaryPath)
    : m_panel(panel), m_log(diaryPath) {}

void CDiaryLogTotal::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_LOG_TOTAL, m_text);
}

DayTotal CDiaryLogTotal::ShowFor(const COleDateTime& day) {
    std::vector<LoggedFood> lines;
    m_shown = m_log.ReadDay(day, lines) ? TotalOf(lines) : DayTotal{};
    const int show = m_shown.lines > 0 ? SW_SHOW : SW_HIDE;
    m_text.SetWindowText("Log: " + GroupedKcal(m_shown.kcal));
    m_text.ShowWindow(show);
    if (CWnd* use = m_panel.GetDlgItem(IDC_USE_LOG_TOTAL)) {
        use->ShowWindow(show);
    }
    return m_shown;
}

void CDiaryLogTotal::Use(CEdit& calories) const {
    // Digits alone: the save reads the calories as a whole number.
    calories.SetWindowText(std::to_string(m_shown.kcal));
}
