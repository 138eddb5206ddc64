// The panel's work as the user sees it: applying the settings (SetProp), a
// step forward to the fares and the name redrawn, and a route setting of a
// 301-stop route (without its 3-second lamp test, which is a deliberate
// sleep).

#include "FareBytes.h"
#include "app/Simulator.h"
#include "operation/frmCtl.h"
#include "reslib/ApiSleep.h"
#include "reslib/Fonts.h"
#include "settings/SettingValues.h"
#include "settings/frmOption.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "GuiBenchmarkMain.h"

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

// A started simulator with a 301-stop route 12 in a temporary folder.
struct Trip
{
    QTemporaryDir dir;
    kerubara::Simulator simulator;
    kerubara::ScopedSleepHandler noLampTestWait{[](int) {}};

    Trip()
    {
        testing::writeFile(dir.filePath("12.hy3"), testing::routeBytes(301));
        simulator.start();
        simulator.option().Text2[0]->setText(dir.path());
        simulator.option().Text2[1]->setText(dir.path());
    }

    void setRoute()
    {
        kerubara::frmCtl &ctl = simulator.ctl();
        ctl.CommandButton1_Click(10);
        ctl.CommandButton1_Click(1);
        ctl.CommandButton1_Click(2);
        ctl.CommandButton1_Click(11);
        ctl.CommandButton1_Click(1);
        ctl.Command1_Click(1);
    }
};

void BM_StepForward(benchmark::State &state)
{
    Trip trip;
    trip.setRoute();
    kerubara::frmCtl &ctl = trip.simulator.ctl();
    for (auto _ : state) {
        if (trip.simulator.state.nStopPos + 2 >= 301) {
            state.PauseTiming();
            trip.setRoute();
            state.ResumeTiming();
        }
        ctl.Command2_Click(1);
    }
}
BENCHMARK(BM_StepForward)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_RouteSetting301(benchmark::State &state)
{
    Trip trip;
    for (auto _ : state)
        trip.setRoute();
}
BENCHMARK(BM_RouteSetting301)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
