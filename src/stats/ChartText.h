#pragma once

#include <string>

#include "stats/ChartData.h"

// The chart in words, for a screen reader: each series with its newest value, as the y axis
// labels it, then the span of the groups, e.g. "My BMI 25, Normal 19 from 10/08 to 07/12". A
// series without a value is left out; a chart without groups gives "".
std::string DescribeChart(const CChartData& chart);
