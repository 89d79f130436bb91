#pragma once

#include <string>
#include <vector>

#include "foods/FoodLog.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/OleDateTime.h"

// The foods logged on one day, with their total: the day opens on the day given and the date
// picker shows any other. REMOVE takes the chosen line out of the log at once.
class CFoodLogDayDlg : public CDialog {
public:
    CFoodLogDayDlg(const char* diaryPath, const COleDateTime& day);

    BOOL OnControlNotify(UINT code, int id) override;

    CListCtrl& Lines() { return m_lines; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Reads the picked day's lines and shows them with their total, choosing line `chosen` (the
    // last when there are fewer).
    void ShowDay(int chosen = 0);
    void OnDatePicked();
    void OnRemove();
    void OnClose();

    static const MessageMapEntry<CFoodLogDayDlg> kMessageMap[];

    CFoodLog m_log;
    COleDateTime m_day;
    std::vector<LoggedFood> m_shown;
    CListCtrl m_lines;
    CStatic m_total;
};
