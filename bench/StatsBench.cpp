// The three chart builders on a diary of ten years of daily entries, against raw SQLite reading
// the rows each chart shows with one direct query. Read each Build figure as a ratio to the Raw
// figure of the same chart in the same run.

#include <benchmark/benchmark.h>

#include "ChartBench.h"

namespace {

template <class Build>
void BM_Build(benchmark::State& state, Build build) {
    ChartBenchState chart;
    for (auto _ : state) {
        build(chart.Source());
        benchmark::DoNotOptimize(chart.m_chart.GetSeriesCount());
    }
}

BENCHMARK_CAPTURE(BM_Build, BmiChart, BuildBmi);
BENCHMARK_CAPTURE(BM_Build, BmrChart, BuildBmr);
BENCHMARK_CAPTURE(BM_Build, WeightChart, BuildWeight);

}  // namespace

BENCHMARK_MAIN();
