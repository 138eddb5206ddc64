// The stop-name strip: drawing a name (SetChimei) with the glyph cache warm,
// as at every stop of a route, and the first time each character is seen;
// and the processor time a scrolling name costs while the strip repaints, at
// the design size and magnified three times.

#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Fonts.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

namespace {

using kerubara::ChimeiCtl_DX;

// `count` characters of stop names, repeating.
QString nameOf(int count)
{
    const QString pool = QStringLiteral("市立総合病院前国立がんセンター東口中央公園北駅八重洲");
    QString name;
    for (int i = 0; i < count; ++i)
        name += pool[i % pool.size()];
    return name;
}

void setPanelColours(ChimeiCtl_DX &strip)
{
    strip.setBackColor(kerubara::rgb(64, 64, 64));
    strip.setForeColor(kerubara::rgb(255, 192, 128));
}

void BM_SetChimei(benchmark::State &state)
{
    ChimeiCtl_DX strip;
    setPanelColours(strip);
    strip.setTsugiwaMode(static_cast<std::int16_t>(state.range(1)));
    const QString name = nameOf(static_cast<int>(state.range(0)));
    strip.SetChimei(name);
    for (auto _ : state) {
        strip.SetChimei(name);
        benchmark::DoNotOptimize(strip.canvas().constBits());
    }
}
BENCHMARK(BM_SetChimei)
    ->ArgNames({"chars", "prefix"})
    ->Args({8, 0})
    ->Args({6, 1})
    ->Args({40, 0})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// A fresh control each time: every glyph is printed and sampled anew.
void BM_SetChimeiFirstTime(benchmark::State &state)
{
    const QString name = nameOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto strip = std::make_unique<ChimeiCtl_DX>();
        setPanelColours(*strip);
        state.ResumeTiming();
        strip->SetChimei(name);
        benchmark::DoNotOptimize(strip->canvas().constBits());
        state.PauseTiming();
        strip.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SetChimeiFirstTime)
    ->ArgName("chars")
    ->Arg(8)
    ->Arg(40)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

double seconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Counts the paint events the strip receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A 20-character name scrolling at Speed 200 for 10 seconds on a shown strip,
// at the design size and magnified: processor time of the whole process over
// wall time.
void BM_ScrollCpuShare(benchmark::State &state)
{
    const int zoom = static_cast<int>(state.range(0));
    for (auto _ : state) {
        ChimeiCtl_DX strip;
        setPanelColours(strip);
        strip.setZoom(zoom);
        strip.setSpeed(200);
        PaintCounter counter;
        strip.installEventFilter(&counter);
        strip.show();
        QCoreApplication::processEvents();

        const double wall0 = seconds(CLOCK_MONOTONIC);
        const double cpu0 = seconds(CLOCK_PROCESS_CPUTIME_ID);
        strip.SetChimei(nameOf(20));
        QEventLoop loop;
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        loop.exec();
        const double wall = seconds(CLOCK_MONOTONIC) - wall0;
        const double cpu = seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;

        const double share = 100.0 * cpu / wall;
        state.counters["cpu_percent"] = share;
        state.counters["paints"] = counter.paints;
        state.counters["canvas_left"] = strip.canvasLeft();
        std::printf("scroll at Speed 200, zoom %d, for %.1f s: %.2f %% of one core, %d repaints\n", zoom, wall, share,
                    counter.paints);
    }
}
BENCHMARK(BM_ScrollCpuShare)->ArgName("zoom")->Arg(1)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
