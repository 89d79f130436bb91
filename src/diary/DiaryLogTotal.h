#pragma once

#include <string>

#include "foods/FoodLog.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/OleDateTime.h"

// The diary panel's view of the food log: the total logged on the shown date, under the
// calories box, with USE to put it there. Showing it and USE write nothing; the user saves as
// before.
class CDiaryLogTotal {
public:
    CDiaryLogTotal(CDialog& panel, const char* diaryPath);

    void DoDataExchange(CDataExchange* pDX);
    // Shows the day's total, or nothing when nothing was logged that day (or the log cannot be
    // read). Returns the total shown.
    DayTotal ShowFor(const COleDateTime& day);
    // Puts the total shown into the calories box.
    void Use(CEdit& calories) const;

private:
    CDialog& m_panel;
    CFoodLog m_log;
    DayTotal m_shown;
    CStatic m_text;
};
