// Building and drawing each chart on a diary of ten years of daily entries (layout and painting
// on an image of the panel chart's size), against raw SQLite reading the rows each chart shows
// with one direct query. Read each BuildAndDraw figure as a ratio to the Raw figure of the same
// chart; Draw alone is the picture without the diary.

#include <benchmark/benchmark.h>

#include "ChartBench.h"
#include "stats/ChartPainter.h"

namespace {

const CSize kChartSize(555, 357);

template <class Build>
void BM_BuildAndDraw(benchmark::State& state, Build build) {
    ChartBenchState chart;
    CImageDC image(kChartSize.cx, kChartSize.cy);
    for (auto _ : state) {
        build(chart.Source());
        benchmark::DoNotOptimize(DrawChart(&image, chart.m_chart, kChartSize));
    }
}

void BM_DrawBmiChart(benchmark::State& state) {
    ChartBenchState chart;
    CImageDC image(kChartSize.cx, kChartSize.cy);
    BuildBmi(chart.Source());
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawChart(&image, chart.m_chart, kChartSize));
    }
}

BENCHMARK_CAPTURE(BM_BuildAndDraw, BmiChart, BuildBmi);
BENCHMARK_CAPTURE(BM_BuildAndDraw, BmrChart, BuildBmr);
BENCHMARK_CAPTURE(BM_BuildAndDraw, WeightChart, BuildWeight);
BENCHMARK(BM_DrawBmiChart);

}  // namespace
