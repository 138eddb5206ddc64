// SPDX-License-Identifier: GPL-3.0-or-later
// Redrawing a fare digit: writing a Value to a three-position, size-class 2,
// style B control (as the panel's fare cells are), which formats the value
// and draws every position into the backing image.

#include "controls/digit/M_Degit.h"

#include <QApplication>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

void redrawBench(benchmark::State &state, std::int16_t style)
{
    kerubara::M_Degit digit;
    digit.setKeta(3);
    digit.setDegitSize(2);
    digit.setDegitStyle(style);
    int fare = 100;
    for (auto _ : state) {
        // A different value each time, so every iteration is a real redraw.
        fare = fare == 990 ? 100 : fare + 10;
        digit.setValue(fare);
        benchmark::DoNotOptimize(digit.image().constBits());
    }
}

void BM_DigitRedrawFareStyleB(benchmark::State &state)
{
    redrawBench(state, 1);
}
void BM_DigitRedrawStyleA(benchmark::State &state)
{
    redrawBench(state, 0);
}
void BM_DigitRedrawStyleC(benchmark::State &state)
{
    redrawBench(state, 2);
}
BENCHMARK(BM_DigitRedrawFareStyleB)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_DigitRedrawStyleA)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_DigitRedrawStyleC)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
