#pragma once

#include <string>

#include "stats/ChartSource.h"

// The weight-loss chart: the user's weight month by month over a year of the diary, with the
// weights predicted for diets of 500, 1000 and 1500 kcal a day below the sedentary calorie need,
// optionally with extra daily exercise (the overlay position, 0 to 4).
class CWeightLossChart {
public:
    CWeightLossChart(const ChartSource& source, std::string unitSystem, int overlayPosition)
        : m_source(source), m_unitSystem(std::move(unitSystem)), m_overlay(overlayPosition) {}

    // Always rebuilds the chart; an empty diary leaves it with its texts and no series.
    void Build();

private:
    // The daily calorie need at activity level 0, from the row added last.
    double BaseNeed();
    // Filters the table to one year round the entries' dates, sorted by date; false when no
    // entry is left.
    bool SelectWindow();
    void SetTexts(const std::string& title);
    void AddMonthGroups(int startMonth);
    void AddActualSeries(int startMonth);
    void AddDietSeries(double baseNeed);

    ChartSource m_source;
    std::string m_unitSystem;
    int m_overlay;
};
