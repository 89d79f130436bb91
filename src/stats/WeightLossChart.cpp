#include "stats/WeightLossChart.h"

#include <cstdio>
#include <iterator>

#include "store/FormatBuffer.h"

namespace {

constexpr double kSedentaryFactor = 1.2;
constexpr double kActivityFactors[] = {1.375, 1.55, 1.725, 1.9};  // activity 1 to 4
constexpr int kDietStep = 500;                                    // kcal a day
constexpr double kSmallestDiet = 1200;  // kcal a day; a diet must stay above it
constexpr int kDietCount = 3;
constexpr double kKilosPerKcal = 0.000129;
constexpr int kDaysPerWeek = 7;
constexpr int kWeeksPerMonth = 4;
constexpr double kPredictionFloor = 40.0;  // kg
constexpr double kWindowDays = 365;
constexpr double kDaysAfterNewest = 31;
constexpr double kDaysBeforeOldest = 1;

constexpr const char* kTitle = "Weight Loss Chart - Actual & Predicted ";
constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct Overlay {
    const char* label;
    int extraKcal;
};
constexpr Overlay kOverlays[] = {{"", 0},
                                 {"incl l.activity", 200},
                                 {"incl m.activity", 600},
                                 {"incl h.activity", 900},
                                 {"incl ex.activtiy", 1300}};

const Overlay& OverlayAt(int position) {
    const bool known = position >= 0 && position < static_cast<int>(std::size(kOverlays));
    return kOverlays[known ? position : 0];
}

// Months from `from` forward to `to`, both 1 to 12.
int MonthsForward(int from, int to) {
    return ((to - from) % 12 + 12) % 12;
}

// `days` after `start`, but no later than the calendar's last day, so that entries near the end
// of year 9999 still fall inside the window.
COleDateTime WindowEnd(const COleDateTime& start, double days) {
    const COleDateTime end = start + COleDateTimeSpan(days);
    if (start.GetStatus() == COleDateTime::valid && end.GetStatus() != COleDateTime::valid) {
        return COleDateTime(9999, 12, 31, 0, 0, 0);
    }
    return end;
}

}  // namespace

void CWeightLossChart::Build() {
    CDiaryTable& table = m_source.table;
    table.m_filter.AssignText("");
    table.m_sort.AssignText("");
    table.Requery();
    if (table.m_rowsRead == 0) {
        SetTexts(kTitle);
        return;
    }
    const double baseNeed = BaseNeed();
    if (!SelectWindow()) {
        SetTexts(kTitle);
        return;
    }
    table.MoveFirst();
    ReadEntryDate(table, m_source.entryDate);
    const int startMonth = m_source.entryDate.GetMonth();
    const int startYear = m_source.entryDate.GetYear();
    SetTexts(kTitle + std::to_string(startYear) + "-" + std::to_string(startYear + 1));
    AddMonthGroups(startMonth);
    AddActualSeries(startMonth);
    AddDietSeries(baseNeed);
}

double CWeightLossChart::BaseNeed() {
    CDiaryTable& table = m_source.table;
    table.MoveLast();
    const int activity = table.m_nActivity;
    if (activity < 1 || activity > static_cast<int>(std::size(kActivityFactors))) {
        return table.m_dBMR;
    }
    return table.m_dBMR / kActivityFactors[activity - 1] * kSedentaryFactor;
}

bool CWeightLossChart::SelectWindow() {
    CDiaryTable& table = m_source.table;
    table.m_sort.AssignText("[Date] ASC");
    table.Requery();
    table.MoveLast();
    ReadEntryDate(table, m_source.lastEntryDate);
    table.MoveFirst();
    ReadEntryDate(table, m_source.entryDate);

    const COleDateTime& oldest = m_source.entryDate;
    const COleDateTime& newest = m_source.lastEntryDate;
    COleDateTime lower;
    COleDateTime upper;
    if (oldest + COleDateTimeSpan(kWindowDays - kDaysAfterNewest) < newest) {
        upper = WindowEnd(newest, kDaysAfterNewest);
        lower = upper - COleDateTimeSpan(kWindowDays);
    } else {
        lower = oldest - COleDateTimeSpan(kDaysBeforeOldest);
        upper = WindowEnd(lower, kWindowDays);
    }
    // A single entry is shown whatever its date.
    if (table.m_recordCount > 1) {
        FormatBuffer(table.m_filter, "[Date] BETWEEN '%s' AND '%s'",
                     lower.Format("%Y/%m/%d").c_str(), upper.Format("%Y/%m/%d").c_str());
    }
    table.m_sort.AssignText("[Date] ASC");
    table.Requery();
    return table.m_rowsRead > 0;
}

void CWeightLossChart::SetTexts(const std::string& title) {
    CChartData& chart = m_source.chart;
    chart.ClearChart();
    const bool imperial = m_unitSystem == "Imperial";
    chart.SetYAxisTitle(imperial ? "Weight in Stones" : "Weight in Kilos");
    chart.SetStonesScale(imperial ? TRUE : FALSE);
    chart.SetXAxisTitle("Date");
    chart.SetChartTitle(title);
}

void CWeightLossChart::AddMonthGroups(int startMonth) {
    for (int g = 0; g < kChartGroupCount; ++g) {
        CChartGroup& group = m_source.groups[static_cast<size_t>(g)];
        group.SetName(kMonthNames[(startMonth - 1 + g) % 12]);
        m_source.chart.AddGroup(&group);
    }
}

// Month by month: the first month shows the weight the window starts with, every later month
// the last weight entered in it; a month without entries has no point. A row whose date is no
// date is left out.
void CWeightLossChart::AddActualSeries(int startMonth) {
    CDiaryTable& table = m_source.table;
    const int series = m_source.chart.AddSeries("My Weight Loss");
    table.MoveFirst();
    const int firstWeight = TruncateValue(table.m_dWeight);
    int month = startMonth;
    int group = 0;
    for (int visited = 0; visited < table.m_rowsRead && !table.IsEOF();
         ++visited, table.MoveNext()) {
        if (!ReadEntryDate(table, m_source.entryDate)) {
            continue;
        }
        const int rowMonth = m_source.entryDate.GetMonth();
        group += MonthsForward(month, rowMonth);
        month = rowMonth;
        if (group < kChartGroupCount) {
            const int weight = group == 0 ? firstWeight : TruncateValue(table.m_dWeight);
            m_source.groups[static_cast<size_t>(group)].SetValue(series,
                                                                 static_cast<DWORD>(weight));
        }
    }
}

void CWeightLossChart::AddDietSeries(double baseNeed) {
    CDiaryTable& table = m_source.table;
    const Overlay& overlay = OverlayAt(m_overlay);
    for (int k = 1; k <= kDietCount; ++k) {
        const double diet = baseNeed - kDietStep * k;
        if (diet <= kSmallestDiet) {
            return;
        }
        table.MoveFirst();
        char name[128];
        std::snprintf(name, sizeof name, "%0.0f %s %s", diet, "Cals Diet", overlay.label);
        const int series = m_source.chart.AddSeries(name);
        const double deficit = overlay.extraKcal + kDietStep * k;
        const double monthlyLoss = deficit * kKilosPerKcal * kDaysPerWeek * kWeeksPerMonth;
        double weight = table.m_dWeight;
        for (int g = 0; g < kChartGroupCount; ++g) {
            if (g > 0 && weight > kPredictionFloor) {
                weight -= monthlyLoss;
            }
            m_source.groups[static_cast<size_t>(g)].SetValue(
                series, static_cast<DWORD>(TruncateValue(weight)));
        }
    }
}
