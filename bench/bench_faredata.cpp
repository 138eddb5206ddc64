// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a route's fare data: a full 301-stop file read by LoadFareFile, as a
// route setting does it.

#include "operation/OperatingState.h"

#include "FareBytes.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_LoadFareFile301(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("301.hy3");
    testing::writeFile(path, testing::routeBytes(301));
    kerubara::OperatingState s;
    for (auto _ : state) {
        const auto result = s.LoadFareFile(path, 1);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LoadFareFile301)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
