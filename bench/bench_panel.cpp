// Applying the settings to the panel (SetProp): labels, twelve fare digits and
// the clock, the stop-name strip and the backlight picture.

#include "app/Simulator.h"
#include "reslib/Fonts.h"
#include "settings/SettingValues.h"
#include "settings/frmOption.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

namespace {

void BM_SetProp(benchmark::State &state)
{
    kerubara::Simulator simulator;
    simulator.start();
    kerubara::frmOption &option = simulator.option();
    int style = 0;
    for (auto _ : state) {
        // A different numbering style each time, so every label really changes.
        kerubara::setListIndex(option.Combo2, static_cast<std::int16_t>(style));
        style = (style + 1) % 12;
        option.SetProp();
    }
}
BENCHMARK(BM_SetProp)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kerubara::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
