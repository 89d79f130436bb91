#include "foods/FoodLogDayDlg.h"

#include <algorithm>

#include "foods/FoodLogTexts.h"
#include "platform/MessageBox.h"
#include "res/resource.h"

namespace {

struct LineColumn {
    const char* heading;
    int format;
    int width;  // pixels; 0 takes what the others leave
};

constexpr LineColumn kLineColumns[] = {
    {"Food", LVCFMT_LEFT, 0},
    {"Amount", LVCFMT_LEFT, 90},
    {"Servings", LVCFMT_CENTER, 60},
    {"kcal", LVCFMT_RIGHT, 60},
};

}  // namespace

const MessageMapEntry<CFoodLogDayDlg> CFoodLogDayDlg::kMessageMap[] = {
    {DTN_DATETIMECHANGE, IDC_LOG_DATE, &CFoodLogDayDlg::OnDatePicked},
    {BN_CLICKED, IDC_REMOVE_LINE, &CFoodLogDayDlg::OnRemove},
    {BN_CLICKED, IDC_CLOSE_LOG, &CFoodLogDayDlg::OnClose},
};

CFoodLogDayDlg::CFoodLogDayDlg(const char* diaryPath, const COleDateTime& day)
    : CDialog(IDD_FOOD_LOG_DAY), m_log(diaryPath), m_day(day) {}

void CFoodLogDayDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOG_LINES, m_lines);
    DDX_Control(pDX, IDC_LOG_DAY_TOTAL, m_total);
    DDX_DateTimeCtrl(pDX, IDC_LOG_DATE, m_day);
}

BOOL CFoodLogDayDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CRect client;
    m_lines.GetClientRect(&client);
    int fixed = 0;
    for (const LineColumn& column : kLineColumns) {
        fixed += column.width;
    }
    int index = 0;
    for (const LineColumn& column : kLineColumns) {
        m_lines.InsertColumn(index++, column.heading, column.format,
                             column.width > 0 ? column.width : client.Width() - fixed);
    }
    ShowDay();
    return TRUE;
}

BOOL CFoodLogDayDlg::OnControlNotify(UINT code, int id) {
    return DispatchMessageMap(this, kMessageMap, code, id);
}

void CFoodLogDayDlg::ShowDay(int chosen) {
    m_lines.DeleteAllItems();
    if (!m_log.ReadDay(m_day, m_shown)) {
        m_total.SetWindowText("The food log could not be read: " + m_log.LastError() + ".");
        return;
    }
    int row = 0;
    for (const LoggedFood& line : m_shown) {
        m_lines.InsertItem(row, line.food.description);
        m_lines.SetItemText(row, 1, line.food.amount);
        m_lines.SetItemText(row, 2, ServingsText(line.servings));
        m_lines.SetItemText(row, 3, GroupedKcal(LineKcal(line)));
        ++row;
    }
    if (!m_shown.empty()) {
        const int item = std::min(chosen, row - 1);
        m_lines.SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    m_total.SetWindowText("Total: " + DayTotalText(TotalOf(m_shown)));
    if (CWnd* remove = GetDlgItem(IDC_REMOVE_LINE)) {
        remove->EnableWindow(m_shown.empty() ? FALSE : TRUE);
    }
}

void CFoodLogDayDlg::OnDatePicked() {
    UpdateData(TRUE);
    ShowDay();
}

void CFoodLogDayDlg::OnRemove() {
    const int item = m_lines.GetNextItem(-1, LVNI_SELECTED);
    if (item < 0 || item >= static_cast<int>(m_shown.size())) {
        return;
    }
    if (!m_log.Remove(m_shown[item].rowId)) {
        AfxMessageBox("The food was not removed: " + m_log.LastError() + ".", MB_OK);
    }
    // The next line takes the removed one's place in the choice.
    ShowDay(item);
}

void CFoodLogDayDlg::OnClose() {
    EndDialog(IDOK);
}
