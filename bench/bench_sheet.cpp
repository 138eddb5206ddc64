// SPDX-License-Identifier: GPL-3.0-or-later
// The route sheet of the data tool (kerubara-data route-sheet): a 301-stop
// route on one sheet, from reading the fare data to the written PNG, with and
// without the announcements beside the stops. Aimed at 2 s.

#include "FareBytes.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "tools/DataTool.h"

#include <QTemporaryDir>
#include <QTextStream>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

// 301 stops with names of 3 to 16 characters (the long ones scroll on the
// panel) and fares rising by 20 a stop from 150.
QByteArray route301()
{
    const QString pool = QStringLiteral("市立総合病院前国立がんセンター東口中央公園北駅八重洲南ヶ丘緑町三丁目");
    std::vector<testing::StopBytes> stops;
    for (int s = 1; s <= 301; ++s) {
        testing::StopBytes stop;
        const int length = 3 + (s * 7) % 14;
        stop.name = kerubara::cp932::encode(pool.mid(s % 20, length));
        stop.ticket = static_cast<std::int16_t>(s);
        for (int k = 1; k <= 12; ++k)
            stop.cols.push_back(static_cast<std::int16_t>(s >= k ? 150 + 20 * (s - k) : 0));
        stops.push_back(stop);
    }
    return testing::fareFileBytes(301, stops);
}

// Two announcements a stop, the second moving the bus on.
QByteArray tape301()
{
    QString text;
    for (int s = 1; s <= 301; ++s)
        text += QStringLiteral("停留所%1です。お忘れ物のないようご注意ください。,0,1\r\n次の停留所へまいります。,1,0\r\n").arg(s);
    return kerubara::cp932::encode(text);
}

void BM_RouteSheet301(benchmark::State &state)
{
    QTemporaryDir dir;
    testing::writeFile(dir.filePath(QStringLiteral("301.hy3")), route301());
    testing::writeFile(dir.filePath(QStringLiteral("301tp.csv")), tape301());
    QStringList args{QStringLiteral("route-sheet"), dir.filePath(QStringLiteral("301.hy3")),
                     dir.filePath(QStringLiteral("301.png"))};
    if (state.range(0) != 0)
        args << QStringLiteral("--tape") << dir.filePath(QStringLiteral("301tp.csv"));
    for (auto _ : state) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = kerubara::datatool::run(args, outStream, errStream);
        if (status != 0)
            state.SkipWithError(qPrintable(err));
    }
}
BENCHMARK(BM_RouteSheet301)
    ->ArgName("tape")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
