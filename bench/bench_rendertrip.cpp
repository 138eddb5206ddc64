// SPDX-License-Identifier: GPL-3.0-or-later
// render-trip on the 30-stop sample route with its tape, its chimes and the
// real voice, 30 frames a second, H.264 and AAC: how many times faster than
// real time at 1× and 2× zoom and on a 1080p canvas with the information
// bar, and the peak resident memory of the process. Run one a process for
// its own peak, e.g.
//   bench_rendertrip --benchmark_filter='zoom:1/'
//   bench_rendertrip --benchmark_filter=1080p
// The sample must be built first (the targets sample_route and demo).

#include "tools/PanelCommands.h"

#include "GuiBenchmarkMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include <sys/resource.h>

namespace {

// The length of a video file in seconds, as its container says.
double videoSeconds(const QString &path)
{
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return 0;
    avformat_find_stream_info(format, nullptr);
    const double seconds = format->duration > 0 ? format->duration / double(AV_TIME_BASE) : 0;
    avformat_close_input(&format);
    return seconds;
}

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// Renders the sample trip with `options` into `outName` once and reports the
// video's length, the speed against real time and the peak memory.
void renderSampleTrip(benchmark::State &state, const QString &outName, const QStringList &options)
{
    const QDir sample(QStringLiteral(KERUBARA_SAMPLE_DIR));
    QTemporaryDir dir;
    const QString out = dir.filePath(outName);
    const QStringList args = QStringList{QStringLiteral("render-trip"), sample.filePath(QStringLiteral("12.hy3")), out,
                                         QStringLiteral("--settings"), sample.filePath(QStringLiteral("demo-settings.in4")),
                                         QStringLiteral("--tape"), sample.filePath(QStringLiteral("12tp.csv"))}
        + options;
    QString messages;
    QTextStream err(&messages);
    for (auto _ : state) {
        if (kerubara::datatool::runWithPanel(args, err, err) != 0) {
            err.flush();
            state.SkipWithError(qPrintable(messages));
            return;
        }
    }
    const double seconds = videoSeconds(out);
    state.counters["video_s"] = seconds;
    // Video seconds made per second of wall time.
    state.counters["x_realtime"] = benchmark::Counter(seconds, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_MiB"] = peakResidentMiB();
}

void BM_RenderTrip(benchmark::State &state)
{
    renderSampleTrip(state, QStringLiteral("trip.mp4"), {QStringLiteral("--zoom"), QString::number(state.range(0))});
}
BENCHMARK(BM_RenderTrip)->ArgName("zoom")->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The same trip as a video maker uploads it: 1920x1080 with the information
// bar, H.264 and AAC.
void BM_RenderTrip1080p(benchmark::State &state)
{
    renderSampleTrip(state, QStringLiteral("trip1080.mp4"),
                     {QStringLiteral("--size"), QStringLiteral("1920x1080"), QStringLiteral("--info")});
}
BENCHMARK(BM_RenderTrip1080p)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
