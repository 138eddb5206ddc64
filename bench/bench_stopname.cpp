// SPDX-License-Identifier: GPL-3.0-or-later
// The stop-name strip: drawing a name (SetChimei) with the glyph cache warm,
// as at every stop of a route, and the first time each character is seen;
// and the processor time a scrolling name costs while the strip repaints, at
// the design size and magnified three times, and next to a scroll driven by a
// loop that sleeps 1 ms and lets pending window messages run on every pass.

#include "controls/stopname/ChimeiCtl_DX.h"
#include "controls/stopname/ChimeiLayout.h"
#include "controls/stopname/ChimeiScroll.h"
#include "reslib/Clock.h"
#include "reslib/Fonts.h"

#include <QApplication>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <thread>

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

// The typefaces are found and loaded at the first name drawn in the process;
// that is start-up, not scrolling, so it happens before anything is measured.
void loadTypefaces()
{
    ChimeiCtl_DX strip;
    strip.SetChimei(nameOf(20));
}

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

// Processor and wall time added up over several stretches of a run.
class Stopwatch
{
public:
    template<typename Run>
    void time(Run run)
    {
        const double wall0 = seconds(CLOCK_MONOTONIC);
        const double cpu0 = seconds(CLOCK_PROCESS_CPUTIME_ID);
        run();
        cpu_ += seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
        wall_ += seconds(CLOCK_MONOTONIC) - wall0;
    }
    double wall() const { return wall_; }
    double percent() const { return wall_ > 0 ? 100.0 * cpu_ / wall_ : 0.0; }

private:
    double cpu_ = 0;
    double wall_ = 0;
};

struct Share
{
    double wall = 0;
    double percent = 0; // processor time of the whole process over wall time
    int paints = 0;
};

template<typename Run>
Share measure(QWidget &strip, Run run)
{
    PaintCounter counter;
    strip.installEventFilter(&counter);
    strip.show();
    QCoreApplication::processEvents();
    Stopwatch watch;
    watch.time(run);
    strip.removeEventFilter(&counter);
    strip.hide();
    return {watch.wall(), watch.percent(), counter.paints};
}

// A 20-character name scrolling for 10 seconds on a shown strip, at Speed 200
// at the design size and magnified, and at Speed 1 (the console's lowest,
// a pixel every three seconds or so): processor time of the whole process
// over wall time.
void BM_ScrollCpuShare(benchmark::State &state)
{
    const int zoom = static_cast<int>(state.range(0));
    const auto speed = static_cast<std::int16_t>(state.range(1));
    loadTypefaces();
    for (auto _ : state) {
        ChimeiCtl_DX strip;
        setPanelColours(strip);
        strip.setZoom(zoom);
        strip.setSpeed(speed);
        const Share share = measure(strip, [&] {
            strip.SetChimei(nameOf(20));
            QEventLoop loop;
            QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
            loop.exec();
        });
        state.counters["cpu_percent"] = share.percent;
        state.counters["paints"] = share.paints;
        state.counters["canvas_left"] = strip.canvasLeft();
        std::printf("scroll at Speed %d, zoom %d, for %.1f s: %.2f %% of one core, %d repaints\n", speed, zoom,
                    share.wall, share.percent, share.paints);
    }
}
BENCHMARK(BM_ScrollCpuShare)
    ->ArgNames({"zoom", "speed"})
    ->Args({1, 200})
    ->Args({3, 200})
    ->Args({1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);


// A scroll driven by one loop, here only to be measured against ours. Every
// pass lets pending window messages run, moves the canvas, sleeps 1 ms,
// repaints the strip and lets the messages run twice more, as a scroll built
// on a sleeping loop does; when the name has left the strip it sleeps
// through the whole pause. It moves the canvas exactly as ours does
// (ChimeiScroll, from the same clock, so the name crosses the strip at the
// same speed) and paints the same viewport; only the way the scroll is driven
// differs.
class LoopScrollStrip : public QWidget
{
public:
    explicit LoopScrollStrip(const ChimeiCtl_DX &drawn)
        : canvas_(drawn.canvas()), back_(kerubara::toQColor(drawn.BackColor()))
    {
        setFixedSize(kerubara::kStripWidth, kerubara::kViewportHeight);
    }

    int passes() const { return passes_; }

    void scrollFor(std::int16_t speed, std::int32_t startWait, qint64 milliseconds)
    {
        kerubara::ChimeiScroll motion;
        const qint64 end = kerubara::steadyMilliseconds() + milliseconds;
        motion.start(kerubara::steadyMilliseconds(), kerubara::kStripWidth, canvas_.width());
        left_ = kerubara::kStripWidth;
        repaint();
        QCoreApplication::processEvents();
        while (kerubara::steadyMilliseconds() < end) {
            QCoreApplication::processEvents();
            motion.advanceTo(kerubara::steadyMilliseconds(), speed, startWait);
            if (motion.passes() > 0)
                left_ = motion.left();
            ++passes_;
            if (motion.pausing()) {
                // The name has left the strip: the loop sleeps the whole
                // pause at once, and the program waits with it.
                repaint();
                QCoreApplication::processEvents();
                const qint64 resume = std::min(motion.nextPassMs(startWait), end);
                std::this_thread::sleep_for(
                    std::chrono::milliseconds(std::max<qint64>(resume - kerubara::steadyMilliseconds(), 0)));
                continue;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            repaint(); // the canvas, on every pass
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        }
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        const QRect viewport(0, 0, kerubara::kStripWidth, kerubara::kViewportHeight);
        painter.fillRect(viewport, back_);
        const QRect placed(left_, -1, canvas_.width(), canvas_.height());
        const QRect visible = placed.intersected(viewport);
        if (!visible.isEmpty())
            painter.drawImage(visible.topLeft(), canvas_, visible.translated(-placed.topLeft()));
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(0, 0, viewport.right(), 0);
        painter.drawLine(0, 0, 0, viewport.bottom());
        painter.setPen(Qt::white);
        painter.drawLine(1, viewport.bottom(), viewport.right(), viewport.bottom());
        painter.drawLine(viewport.right(), 1, viewport.right(), viewport.bottom());
    }

private:
    QImage canvas_;
    QColor back_;
    int left_ = kerubara::kStripWidth;
    int passes_ = 0;
};

// Wakes the program exactly when our scroll's timer does (the same motion,
// from the same clock, asleep until the canvas would move a whole pixel) and
// does nothing else: what waking alone costs on this machine, the least any
// scroll that shows each of those steps can cost.
class IdleWakeUps : public QObject
{
public:
    IdleWakeUps()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { wake(); });
    }

    void runFor(std::int16_t speed, std::int32_t startWait, int canvasWidth, qint64 milliseconds)
    {
        speed_ = speed;
        startWait_ = startWait;
        motion_.start(kerubara::steadyMilliseconds(), kerubara::kStripWidth, canvasWidth);
        wake();
        QEventLoop wait;
        QTimer::singleShot(std::chrono::milliseconds(milliseconds), &wait, &QEventLoop::quit);
        wait.exec();
        timer_.stop();
        motion_.stop();
    }

private:
    void wake()
    {
        const qint64 now = kerubara::steadyMilliseconds();
        motion_.advanceTo(now, speed_, startWait_);
        timer_.start(motion_.msUntilNextChange(now, speed_, startWait_));
    }

    QTimer timer_;
    kerubara::ChimeiScroll motion_;
    std::int16_t speed_ = 0;
    std::int32_t startWait_ = 0;
};

constexpr std::int32_t kScrollWait = 1500;
constexpr int kRounds = 5;
constexpr qint64 kRoundMs = 2'000;

// The same 20-character name at the same speed for 10 seconds on a shown
// strip at the design size, scrolled by our timer and by the loop: the
// processor share of each and their ratio, and the share of waking alone as
// often as ours does. They take turns, two seconds at a time, so that
// whatever else the machine does in the meantime weighs on all alike; each
// turn starts the name from the right edge.
void BM_ScrollNextToLoop(benchmark::State &state)
{
    const auto speed = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        loadTypefaces();
        ChimeiCtl_DX strip;
        setPanelColours(strip);
        strip.setSpeed(speed);
        strip.setScrollStartWait(kScrollWait);
        strip.move(0, 0);

        // The loop shows the canvas our strip draws for the name.
        ChimeiCtl_DX drawn;
        setPanelColours(drawn);
        drawn.SetChimei(nameOf(20));
        const int canvasWidth = drawn.canvas().width();
        LoopScrollStrip loopStrip(drawn);
        drawn.SetChimei(nameOf(4)); // a name that fits: no scroll of its own while the two are measured
        loopStrip.move(0, 100);

        PaintCounter oursPaints;
        PaintCounter loopPaints;
        strip.show();
        loopStrip.show();
        QCoreApplication::processEvents();
        strip.installEventFilter(&oursPaints);
        loopStrip.installEventFilter(&loopPaints);

        Stopwatch ours;
        Stopwatch loop;
        Stopwatch idle;
        IdleWakeUps wakeUps;
        int oursLeft = 0;
        const std::array<std::function<void()>, 3> turns{
            [&] {
                // Drawing the name is not scrolling (the loop is handed the
                // canvas ready drawn): the clock runs from the moment the
                // scroll has started until it is ended.
                strip.SetChimei(nameOf(20));
                ours.time([&] {
                    QEventLoop wait;
                    QTimer::singleShot(std::chrono::milliseconds(kRoundMs), &wait, &QEventLoop::quit);
                    wait.exec();
                });
                oursLeft = strip.canvasLeft();
                strip.SetChimei(nameOf(4)); // a name that fits ends the scroll
            },
            [&] { loop.time([&] { loopStrip.scrollFor(speed, kScrollWait, kRoundMs); }); },
            [&] { idle.time([&] { wakeUps.runFor(speed, kScrollWait, canvasWidth, kRoundMs); }); },
        };
        // Who goes first changes from round to round: a turn that follows
        // the loop finds the caches warm from its passes, one that follows
        // the idle wake-ups finds them as a scroll on its own would.
        for (int round = 0; round < kRounds; ++round) {
            for (std::size_t turn = 0; turn < turns.size(); ++turn)
                turns[(turn + static_cast<std::size_t>(round)) % turns.size()]();
        }

        const double ratio = ours.percent() / loop.percent();
        state.counters["ours_cpu_percent"] = ours.percent();
        state.counters["loop_cpu_percent"] = loop.percent();
        state.counters["ratio"] = ratio;
        state.counters["idle_cpu_percent"] = idle.percent();
        state.counters["idle_ratio"] = idle.percent() / loop.percent();
        state.counters["ours_paints"] = oursPaints.paints;
        state.counters["loop_paints"] = loopPaints.paints;
        std::printf("20-character name, Speed %d, pause %d ms, %.0f s each in %d turns of %.0f s:\n", speed,
                    kScrollWait, ours.wall(), kRounds, kRoundMs / 1000.0);
        std::printf("  timer (ours):               %6.2f %% of one core, %d repaints (canvas at %d after each turn)\n",
                    ours.percent(), oursPaints.paints, oursLeft);
        std::printf("  loop (sleep 1 ms, events):  %6.2f %% of one core, %d repaints, %d passes\n", loop.percent(),
                    loopPaints.paints, loopStrip.passes());
        std::printf("  ratio ours / loop:          %6.3f (at most 0.1 wanted)\n", ratio);
        std::printf("  waking as often, idle:      %6.2f %% of one core, ratio to the loop %.3f\n", idle.percent(),
                    idle.percent() / loop.percent());
    }
}
// At Speed 200 and above every pass moves the name, so ours wakes at every
// pass, 64 times a second; below it ours sleeps through the passes that move nothing
// (Speed 100 moves half a pixel a pass, Speed 5, a freshly placed strip's,
// a pixel every 40 passes), while the loop's cost stays the same.
BENCHMARK(BM_ScrollNextToLoop)
    ->ArgName("speed")
    ->Arg(200)
    ->Arg(100)
    ->Arg(5)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
