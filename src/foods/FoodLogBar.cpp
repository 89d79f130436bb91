#include "foods/FoodLogBar.h"

#include <utility>

#include "foods/FoodLogDayDlg.h"
#include "foods/FoodLogTexts.h"
#include "platform/MessageBox.h"
#include "res/resource.h"

namespace {

// Where the recent foods' menu entries start; each entry's id is this plus its index.
constexpr UINT kFirstRecentCommand = 1;
constexpr size_t kMenuDescriptionCharacters = 50;

// A menu entry shows "&" only when it is doubled.
std::string MenuText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '&') {
            escaped += '&';
        }
    }
    return escaped;
}

std::string RecentEntry(const LoggedFood& line) {
    return MenuText(Shortened(line.food.description, kMenuDescriptionCharacters)) +
           " \xE2\x80\x93 " + ServingsText(line.servings) + " \xC3\x97 " +
           GroupedKcal(line.food.calories) + " kcal";
}

COleDateTime Today() {
    return COleDateTime::GetCurrentTime();
}

}  // namespace

const MessageMapEntry<CFoodLogBar> CFoodLogBar::kMessageMap[] = {
    {BN_CLICKED, IDC_ADD_TO_TODAY, &CFoodLogBar::OnAddToToday},
    {BN_CLICKED, IDC_RECENT_FOODS, &CFoodLogBar::OnRecent},
    {BN_CLICKED, IDC_COPY_YESTERDAY, &CFoodLogBar::OnCopyYesterday},
    {BN_CLICKED, IDC_QUICK_ADD, &CFoodLogBar::OnQuickAdd},
    {BN_CLICKED, IDC_TODAYS_FOODS, &CFoodLogBar::OnTodaysFoods},
};

CFoodLogBar::CFoodLogBar(CDialog& panel, const char* diaryPath,
                         std::function<const FoodRow*()> chosenFood)
    : m_panel(panel),
      m_diaryPath(diaryPath),
      m_chosenFood(std::move(chosenFood)),
      m_log(diaryPath) {}

void CFoodLogBar::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_SERVINGS, m_servings);
    DDX_Control(pDX, IDC_QUICK_KCAL, m_quickKcal);
    DDX_Control(pDX, IDC_QUICK_NOTE, m_quickNote);
    DDX_Control(pDX, IDC_TODAY_TOTAL, m_todayTotal);
}

void CFoodLogBar::OnInitDialog() {
    m_servings.SetWindowText("1");
    m_quickKcal.SetCueBanner("kcal");
    m_quickNote.SetCueBanner("what it was");
}

void CFoodLogBar::Refresh() {
    std::vector<LoggedFood> lines;
    if (!m_log.ReadDay(Today(), lines)) {
        m_today = {};
        m_recent.clear();
        m_todayTotal.SetWindowText("Today: the food log could not be read (" + m_log.LastError() +
                                   ")");
    } else {
        m_today = TotalOf(lines);
        m_todayTotal.SetWindowText(TodayTotalText(m_today));
        if (!m_log.ReadRecent(m_recent)) {
            m_recent.clear();
        }
    }
    if (CWnd* recent = m_panel.GetDlgItem(IDC_RECENT_FOODS)) {
        recent->EnableWindow(m_recent.empty() ? FALSE : TRUE);
    }
}

BOOL CFoodLogBar::OnControlNotify(UINT code, int id) {
    return DispatchMessageMap(this, kMessageMap, code, id);
}

bool CFoodLogBar::TellIfNotLogged(bool written) {
    if (!written) {
        AfxMessageBox("The food was not logged: " + m_log.LastError() + ".", MB_OK);
    }
    Refresh();
    return written;
}

void CFoodLogBar::LogFood(const FoodRow& food, bool oneServing) {
    double servings = 1.0;
    if (!oneServing &&
        !ParseNumber(m_servings.GetWindowText(), kFewestServings, kMostServings, servings)) {
        AfxMessageBox("Type the servings as a number from 0.25 to 20, for example 1 or 0.5.",
                      MB_OK);
        return;
    }
    TellIfNotLogged(m_log.Log(Today(), food, servings));
}

void CFoodLogBar::OnAddToToday() {
    const FoodRow* food = m_chosenFood();
    if (food == nullptr) {
        AfxMessageBox("Choose a food in the list first.", MB_OK);
        return;
    }
    LogFood(*food, false);
}

void CFoodLogBar::OnRecent() {
    Refresh();
    CMenu menu;
    for (size_t i = 0; i < m_recent.size(); ++i) {
        menu.AppendMenu(MF_STRING, kFirstRecentCommand + static_cast<UINT>(i),
                        RecentEntry(m_recent[i]));
    }
    CRect button;
    if (CWnd* recent = m_panel.GetDlgItem(IDC_RECENT_FOODS)) {
        recent->GetWindowRect(&button);
    }
    const UINT chosen =
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, button.left, button.bottom, &m_panel);
    if (chosen >= kFirstRecentCommand && chosen - kFirstRecentCommand < m_recent.size()) {
        const LoggedFood line = m_recent[chosen - kFirstRecentCommand];
        TellIfNotLogged(m_log.Log(Today(), line.food, line.servings));
    }
}

void CFoodLogBar::OnCopyYesterday() {
    const COleDateTime today = Today();
    const COleDateTime yesterday = today - COleDateTimeSpan(1.0);
    std::vector<LoggedFood> lines;
    if (!m_log.ReadDay(yesterday, lines)) {
        AfxMessageBox("Yesterday's foods could not be read: " + m_log.LastError() + ".", MB_OK);
        return;
    }
    if (lines.empty()) {
        AfxMessageBox("Nothing was logged yesterday.", MB_OK);
        return;
    }
    Refresh();
    if (m_today.lines > 0 &&
        AfxMessageBox("Today has foods logged already. Copy yesterday's foods to today as well?",
                      MB_YESNO) != IDYES) {
        return;
    }
    int32_t copied = 0;
    TellIfNotLogged(m_log.CopyDay(yesterday, today, copied));
}

void CFoodLogBar::OnQuickAdd() {
    int32_t kcal = 0;
    if (!ParseWholeNumber(m_quickKcal.GetWindowText(), kFewestQuickKcal, kMostQuickKcal, kcal)) {
        AfxMessageBox("Type the kcal of the quick entry as a whole number from 1 to 10000.", MB_OK);
        return;
    }
    if (TellIfNotLogged(m_log.LogQuickEntry(Today(), kcal, m_quickNote.GetWindowText()))) {
        m_quickKcal.SetWindowText("");
        m_quickNote.SetWindowText("");
    }
}

void CFoodLogBar::OnTodaysFoods() {
    CFoodLogDayDlg day(m_diaryPath, Today());
    day.DoModal();
    Refresh();
}
