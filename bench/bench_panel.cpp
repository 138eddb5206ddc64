// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's work as the user sees it: applying the settings (SetProp), a
// step forward to the fares and the name redrawn, a route setting of a
// 301-stop route (without its 3-second lamp test, which is a deliberate
// sleep), and the processor share of a name scrolling on the whole panel at
// 1× and 3×.

#include "FareBytes.h"
#include "OptionControls.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/ApiSleep.h"
#include "reslib/Fonts.h"
#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

namespace {

void BM_SetProp(benchmark::State &state)
{
    kerubara::Simulator simulator;
    simulator.start();
    kerubara::frmOption &option = simulator.option();
    int style = 0;
    for (auto _ : state) {
        // A different numbering style each time, so every label really changes.
        kerubara::setListIndex(controls(option).Combo2, static_cast<std::int16_t>(style));
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
        controls(simulator.option()).Text2[0]->setText(dir.path());
        controls(simulator.option()).Text2[1]->setText(dir.path());
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

double seconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A 20-character name scrolling at Speed 200 for 10 seconds on the shown fare
// panel, at the zoom given: processor time of the whole process over wall
// time. Sound goes to a null output, so only the windows count.
void BM_PanelScrollCpuShare(benchmark::State &state)
{
    const int zoom = static_cast<int>(state.range(0));
    const kerubara::ScopedAudioOutput silent([] { return std::make_unique<kerubara::NullAudioOutput>(); });
    for (auto _ : state) {
        kerubara::Simulator simulator;
        simulator.start();
        kerubara::Form1 &panel = simulator.form1();
        panel.setZoom(zoom);
        panel.controlsForTesting().ChimeiCtl->setSpeed(200);
        QEventLoop settle;
        QTimer::singleShot(500, &settle, &QEventLoop::quit);
        settle.exec();

        const double wall0 = seconds(CLOCK_MONOTONIC);
        const double cpu0 = seconds(CLOCK_PROCESS_CPUTIME_ID);
        panel.controlsForTesting().ChimeiCtl->SetChimei(QStringLiteral("市立総合病院前国立がんセンター東口中央"));
        QEventLoop loop;
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        loop.exec();
        const double wall = seconds(CLOCK_MONOTONIC) - wall0;
        const double share = 100.0 * (seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0) / wall;
        state.counters["cpu_percent"] = share;
        std::printf("panel scroll at Speed 200, zoom %d (%s), for %.1f s: %.2f %% of one core\n", zoom,
                    qPrintable(QGuiApplication::platformName()), wall, share);
    }
}
BENCHMARK(BM_PanelScrollCpuShare)->ArgName("zoom")->Arg(1)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
