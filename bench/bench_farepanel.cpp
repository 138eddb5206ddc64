// SPDX-License-Identifier: GPL-3.0-or-later
// The fare editor's panel following the grid on a 301-stop route: a fare of
// the stop on show changed (the panel drawn again, at 1× and 3×), and a
// change elsewhere or none at all (the panel kept).

#include "windows/FarePanelView.h"

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<kerubara::FareRecord> route301()
{
    std::vector<kerubara::FareRecord> stops(kerubara::kFareRows);
    for (int s = 1; s <= kerubara::kFareRows; ++s) {
        kerubara::FareRecord &r = stops[static_cast<std::size_t>(s - 1)];
        r.Chimei = QStringLiteral("停留所%1").arg(s);
        r.SeirikenNo = static_cast<std::int16_t>(std::min(s, 48));
        for (int k = 1; k <= 48; ++k)
            r.Col(k) = static_cast<std::int16_t>(k <= s ? 100 + 10 * (s - k) : -1);
    }
    return stops;
}

// `changed`: 0 nothing, 1 a fare of the stop on show, 2 a fare of another stop.
void followEdits(benchmark::State &state, int changed)
{
    std::vector<kerubara::FareRecord> stops = route301();
    kerubara::FarePanelView view;
    const int zoom = static_cast<int>(state.range(0));
    const int width = view.sizeHint().width() * zoom;
    view.resize(width, view.heightForWidth(width));
    view.show();
    constexpr int shown = 150;
    view.showStop(stops, shown);
    std::int16_t fare = 0;
    for (auto _ : state) {
        if (changed != 0)
            stops[static_cast<std::size_t>(changed == 1 ? shown - 1 : 10)].Col(3) = ++fare;
        view.showStop(stops, shown);
    }
}

void BM_FarePanelFareOnShowChanged(benchmark::State &state)
{
    followEdits(state, 1);
}
BENCHMARK(BM_FarePanelFareOnShowChanged)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_FarePanelOtherStopChanged(benchmark::State &state)
{
    followEdits(state, 2);
}
BENCHMARK(BM_FarePanelOtherStopChanged)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FarePanelNothingChanged(benchmark::State &state)
{
    followEdits(state, 0);
}
BENCHMARK(BM_FarePanelNothingChanged)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
