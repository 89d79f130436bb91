#pragma once

#include <functional>
#include <vector>

#include "foods/FoodLog.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"

// The foods panel's controls that log what the user eats today: servings and ADD TO TODAY for
// the food chosen in the list, RECENT... (one click logs a food again at its last servings),
// COPY YESTERDAY, a quick entry of kcal with a note, TODAY'S FOODS... and the line with today's
// total. Every change is written at once; a failure is told and changes nothing.
class CFoodLogBar {
public:
    // `chosenFood` gives the food chosen in the panel's list, or null.
    CFoodLogBar(CDialog& panel, const char* diaryPath, std::function<const FoodRow*()> chosenFood);

    void DoDataExchange(CDataExchange* pDX);
    void OnInitDialog();
    // Reads today's total and the recent foods again.
    void Refresh();
    // Logs the food at the servings typed, or at one serving.
    void LogFood(const FoodRow& food, bool oneServing);
    // Handles the bar's own buttons; FALSE for any other notification.
    BOOL OnControlNotify(UINT code, int id);

private:
    void OnAddToToday();
    void OnRecent();
    void OnCopyYesterday();
    void OnQuickAdd();
    void OnTodaysFoods();
    // Tells the user when a write failed; returns `written`.
    bool TellIfNotLogged(bool written);

    static const MessageMapEntry<CFoodLogBar> kMessageMap[];

    CDialog& m_panel;
    const char* m_diaryPath;
    std::function<const FoodRow*()> m_chosenFood;
    CFoodLog m_log;
    DayTotal m_today;
    std::vector<LoggedFood> m_recent;
    CEdit m_servings;
    CEdit m_quickKcal;
    CEdit m_quickNote;
    CStatic m_todayTotal;
};
