// SPDX-License-Identifier: GPL-3.0-or-later
// The ticket preview's work at each stop: ZR8_DrawSeiriken of the full sample
// plug-in (reading the file, the texts and an NW-7 barcode), and
// ZR8_GetPlgInfo, which the options window calls when a plug-in is chosen.
// Targets: a drawing within 2 ms, reading the plug-in within 0.5 ms (median).

#include "reslib/TicketPlugin.h"

#include <QImage>
#include <QPainter>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

const QString kFull = QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-full.4SP");

void BM_DrawSeirikenFullSample(benchmark::State &state)
{
    QImage preview(200, 256, QImage::Format_RGB32);
    QPainter dc(&preview);
    std::int16_t number = 1;
    for (auto _ : state) {
        // A different ticket number each time, so every barcode is encoded anew.
        number = number == 99 ? 1 : number + 1;
        ZR8_DrawSeiriken(kFull, dc, QStringLiteral("国立がんセンター東病院前"), QStringLiteral("07-12-2026"),
                         QStringLiteral("08:15:00"), 12, number, number, 1);
        benchmark::DoNotOptimize(preview.constBits());
    }
}
BENCHMARK(BM_DrawSeirikenFullSample)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_GetPlgInfoFullSample(benchmark::State &state)
{
    for (auto _ : state) {
        PlgInfoRecord info;
        benchmark::DoNotOptimize(ZR8_GetPlgInfo(kFull, info));
        benchmark::DoNotOptimize(info.field.data());
    }
}
BENCHMARK(BM_GetPlgInfoFullSample)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
