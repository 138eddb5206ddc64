// SPDX-License-Identifier: GPL-3.0-or-later
// The GTFS import (kerubara-data gtfs) of a large feed: 60 000 fare rules and
// 20 000 stop times, read from a folder and from a .zip, up to the four files
// written. Aimed at 1 s.
// gtfs-routes on a feed whose one trip has 12 000 or 40 000 stops: its time
// and the peak resident memory of the process. Run one size a process for
// its own peak, e.g.
//   bench_gtfs --benchmark_filter='BM_GtfsRoutesLongTrip/stops:40000'
//
// gtfs --all on a whole operator of 250 routes, both ways (500 folders),
// against gtfs of one of its routes: time and peak resident memory.
//
// And a hostile one: a small .zip whose stop_times.txt unpacks to 100 or
// 500 MiB, imported in a process of its own (this program started again with
// --import) for its time and its peak resident memory (aimed under 400 MiB).

#include "tools/DataTool.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kStops = 250;     // on each trip of route R1, two to a zone
constexpr int kTrips = 80;      // 80 x 250 = 20 000 stop times
constexpr int kRules = 60000;   // R1's 125 x 125 zone pairs, the rest for other routes
constexpr int kZones = kStops / 2;

QHash<QString, QByteArray> largeFeed()
{
    QHash<QString, QByteArray> files;
    files.insert(QStringLiteral("routes.txt"), "route_id,route_short_name\nR1,1\nR2,2\nR3,3\nR4,4\n");
    QByteArray stops = "stop_id,stop_name,zone_id\n";
    for (int s = 0; s < kStops; ++s)
        stops += "S" + QByteArray::number(s) + "," + QStringLiteral("停留所%1丁目").arg(s).toUtf8() + ",Z"
            + QByteArray::number(s / 2) + "\n";
    files.insert(QStringLiteral("stops.txt"), stops);
    QByteArray trips = "route_id,trip_id,direction_id\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence,pickup_type\n";
    for (int t = 0; t < kTrips; ++t) {
        const QByteArray id = "T" + QByteArray::number(t);
        trips += "R1," + id + "," + QByteArray::number(t % 2) + "\n";
        for (int s = 0; s < kStops; ++s) {
            const int minute = 6 * 60 + t * 10 + s;
            const QByteArray at = QStringLiteral("%1:%2:00").arg(minute / 60).arg(minute % 60, 2, 10, QChar(u'0')).toUtf8();
            times += id + "," + at + "," + at + ",S" + QByteArray::number(t % 2 ? kStops - 1 - s : s) + ","
                + QByteArray::number(s + 1) + ",0\n";
        }
    }
    files.insert(QStringLiteral("trips.txt"), trips);
    files.insert(QStringLiteral("stop_times.txt"), times);
    QByteArray attributes = "fare_id,price,currency_type\n";
    for (int zones = 0; zones < kZones; ++zones)
        attributes += "F" + QByteArray::number(zones) + "," + QByteArray::number(150 + 10 * zones) + ",JPY\n";
    files.insert(QStringLiteral("fare_attributes.txt"), attributes);
    QByteArray rules = "fare_id,route_id,origin_id,destination_id\n";
    for (int r = 0; r < kRules; ++r) {
        const int pair = r % (kZones * kZones);
        const int a = pair / kZones;
        const int b = pair % kZones;
        rules += "F" + QByteArray::number(std::abs(a - b)) + ",R" + QByteArray::number(1 + r / (kZones * kZones)) + ",Z"
            + QByteArray::number(a) + ",Z" + QByteArray::number(b) + "\n";
    }
    files.insert(QStringLiteral("fare_rules.txt"), rules);
    return files;
}

bool writeFolder(const QString &folder, const QHash<QString, QByteArray> &files)
{
    QDir().mkpath(folder);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile f(QDir(folder).filePath(it.key()));
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

bool writeZip(const QString &path, const QHash<QString, QByteArray> &files)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        zip_file_add(archive, it.key().toUtf8().constData(),
                     zip_source_buffer(archive, it.value().constData(), static_cast<zip_uint64_t>(it.value().size()), 0), 0);
    return zip_close(archive) == 0;
}

// Runs the data tool with `args` in every iteration of `state`.
void runEachIteration(benchmark::State &state, const QStringList &args)
{
    for (auto _ : state) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        if (kerubara::datatool::run(args, outStream, errStream) != 0)
            state.SkipWithError(qPrintable(err));
    }
}

void BM_GtfsImport(benchmark::State &state)
{
    QTemporaryDir dir;
    const QHash<QString, QByteArray> files = largeFeed();
    const QString feed = state.range(0) ? dir.filePath(QStringLiteral("feed.zip")) : dir.filePath(QStringLiteral("feed"));
    if (!(state.range(0) ? writeZip(feed, files) : writeFolder(feed, files))) {
        state.SkipWithError("the feed could not be written");
        return;
    }
    const QStringList args{QStringLiteral("gtfs"), feed, QStringLiteral("--route"), QStringLiteral("R1"),
                           QStringLiteral("--chimes"), dir.path(), dir.filePath(QStringLiteral("out"))};
    runEachIteration(state, args);
}
BENCHMARK(BM_GtfsImport)
    ->ArgName("zip")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One route whose one trip stops at `stops` stops, ten to a fare zone, with
// one flat fare.
QHash<QString, QByteArray> longTripFeed(int stops)
{
    QHash<QString, QByteArray> files;
    files.insert(QStringLiteral("routes.txt"), "route_id,route_short_name\nR1,1\n");
    files.insert(QStringLiteral("trips.txt"), "route_id,trip_id,direction_id\nR1,T,0\n");
    QByteArray names = "stop_id,stop_name,zone_id\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    for (int s = 0; s < stops; ++s) {
        const QByteArray id = "S" + QByteArray::number(s);
        names += id + ",停留所" + QByteArray::number(s) + ",Z" + QByteArray::number(s / 10) + "\n";
        times += "T,7:00:00,7:00:00," + id + "," + QByteArray::number(s + 1) + "\n";
    }
    files.insert(QStringLiteral("stops.txt"), names);
    files.insert(QStringLiteral("stop_times.txt"), times);
    files.insert(QStringLiteral("fare_attributes.txt"), "fare_id,price\nF,200\n");
    files.insert(QStringLiteral("fare_rules.txt"), "fare_id,route_id\nF,R1\n");
    return files;
}

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

void BM_GtfsRoutesLongTrip(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString feed = dir.filePath(QStringLiteral("feed"));
    if (!writeFolder(feed, longTripFeed(static_cast<int>(state.range(0))))) {
        state.SkipWithError("the feed could not be written");
        return;
    }
    const QStringList args{QStringLiteral("gtfs-routes"), feed};
    runEachIteration(state, args);
    state.counters["peak_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_GtfsRoutesLongTrip)
    ->ArgName("stops")
    ->Arg(12000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
// One route of 30 stops run by as many trips as it takes for stop_times.txt
// to reach `mebibytes` MiB, every trip at the same times, so that it packs
// small. The text goes through a file beside the zip: it is never held.
bool writeHugeZip(const QString &path, int mebibytes)
{
    constexpr int kTripStops = 30;
    const QString textPath = path + QStringLiteral(".stop_times");
    QFile text(textPath);
    if (!text.open(QIODevice::WriteOnly))
        return false;
    const qint64 target = qint64(mebibytes) << 20;
    QByteArray chunk = "trip_id,arrival_time,departure_time,stop_id,stop_sequence,pickup_type\n";
    QByteArray trips = "route_id,trip_id,direction_id\n";
    for (int t = 0; text.size() + chunk.size() < target; ++t) {
        const QByteArray id = "T" + QByteArray::number(t);
        trips += "R1," + id + ",0\n";
        for (int s = 0; s < kTripStops; ++s) {
            const QByteArray at = "7:" + QByteArray::number(10 + s) + ":00";
            chunk += id + "," + at + "," + at + ",S" + QByteArray::number(s) + "," + QByteArray::number(s + 1) + ",0\n";
        }
        if (chunk.size() > (1 << 20)) {
            if (text.write(chunk) != chunk.size())
                return false;
            chunk.clear();
        }
    }
    if (text.write(chunk) != chunk.size())
        return false;
    text.close();

    QHash<QString, QByteArray> files;
    files.insert(QStringLiteral("routes.txt"), "route_id,route_short_name\nR1,1\n");
    QByteArray stops = "stop_id,stop_name,zone_id\n";
    for (int s = 0; s < kTripStops; ++s)
        stops += "S" + QByteArray::number(s) + "," + QStringLiteral("停留所%1").arg(s).toUtf8() + ",Z" + QByteArray::number(s / 3) + "\n";
    files.insert(QStringLiteral("stops.txt"), stops);
    files.insert(QStringLiteral("trips.txt"), trips);
    files.insert(QStringLiteral("fare_attributes.txt"), "fare_id,price\nF,200\n");
    files.insert(QStringLiteral("fare_rules.txt"), "fare_id,route_id\nF,R1\n");
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        zip_file_add(archive, it.key().toUtf8().constData(),
                     zip_source_buffer(archive, it.value().constData(), static_cast<zip_uint64_t>(it.value().size()), 0), 0);
    zip_file_add(archive, "stop_times.txt", zip_source_file(archive, QFile::encodeName(textPath).constData(), 0, -1), 0);
    const bool written = zip_close(archive) == 0;
    QFile::remove(textPath);
    return written;
}

// The child: one import, then its status, peak resident memory in KiB and
// the processor seconds it took (the wall time of a shared machine is not).
int importChild(const QStringList &args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = kerubara::datatool::run(args, outStream, errStream);
    errStream.flush();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("imported %d %ld %.3f\n", status, usage.ru_maxrss, cpuSeconds);
    if (status != 0)
        std::fprintf(stderr, "%s", err.toLocal8Bit().constData());
    return status;
}

// What one import in a process of its own cost, as the child reports it.
struct ChildImport
{
    bool imported = false;
    double peakMiB = 0;
    double cpuSeconds = 0;
};

// Runs this program again with `args` (--import ...), timing it for `state`.
ChildImport runImportChild(benchmark::State &state, const QStringList &args)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), args);
    child.waitForFinished(-1);
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    const QList<QByteArray> answer = child.readAllStandardOutput().trimmed().split(' ');
    if (answer.size() < 3 || answer[0] != "imported" || answer[1] != "0")
        return {};
    return {true, answer[2].toDouble() / 1024, answer.value(3).toDouble()};
}

void BM_GtfsImportHugeStopTimes(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString feed = dir.filePath(QStringLiteral("huge.zip"));
    if (!writeHugeZip(feed, static_cast<int>(state.range(0)))) {
        state.SkipWithError("the feed could not be written");
        return;
    }
    const QStringList args{QStringLiteral("--import"), QStringLiteral("gtfs"), feed, QStringLiteral("--route"),
                           QStringLiteral("R1"), QStringLiteral("--chimes"), dir.path(), dir.filePath(QStringLiteral("out"))};
    double peakMiB = 0;
    for (auto _ : state) {
        const ChildImport run = runImportChild(state, args);
        if (!run.imported) {
            state.SkipWithError("the import failed");
            return;
        }
        peakMiB = std::max(peakMiB, run.peakMiB);
    }
    state.counters["peak_MiB"] = peakMiB;
    state.counters["zip_KiB"] = static_cast<double>(QFileInfo(feed).size()) / 1024;
}
BENCHMARK(BM_GtfsImportHugeStopTimes)
    ->ArgName("stop_times_MiB")
    ->Arg(100)
    ->Arg(500)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// A whole operator: `routes` routes, each run both ways by kOperatorTrips
// trips a direction over kOperatorStops of 2 000 shared stops, three stops to
// a fare zone and a fare for every pair of the route's zones.
constexpr int kOperatorStops = 30;
constexpr int kOperatorTrips = 20;

QHash<QString, QByteArray> operatorFeed(int routes)
{
    constexpr int kSharedStops = 2000;
    constexpr int kRouteZones = kOperatorStops / 3;
    QHash<QString, QByteArray> files;
    QByteArray stops = "stop_id,stop_name,zone_id\n";
    for (int s = 0; s < kSharedStops; ++s)
        stops += "S" + QByteArray::number(s) + "," + QStringLiteral("停留所%1").arg(s).toUtf8() + ",Z"
            + QByteArray::number(s / 3) + "\n";
    QByteArray routeRows = "route_id,route_short_name\n";
    QByteArray trips = "route_id,trip_id,direction_id,trip_headsign\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    QByteArray attributes = "fare_id,price\n";
    for (int zones = 0; zones < kRouteZones; ++zones)
        attributes += "F" + QByteArray::number(zones) + "," + QByteArray::number(170 + 30 * zones) + "\n";
    QByteArray rules = "fare_id,route_id,origin_id,destination_id\n";
    for (int r = 0; r < routes; ++r) {
        const QByteArray route = "R" + QByteArray::number(r);
        routeRows += route + "," + QByteArray::number(r + 1) + "\n";
        const int first = (r * 7) % (kSharedStops - kOperatorStops) / 3 * 3; // a zone's first stop
        for (int a = 0; a < kRouteZones; ++a)
            for (int b = 0; b < kRouteZones; ++b)
                rules += "F" + QByteArray::number(std::abs(a - b)) + "," + route + ",Z" + QByteArray::number(first / 3 + a)
                    + ",Z" + QByteArray::number(first / 3 + b) + "\n";
        for (int t = 0; t < 2 * kOperatorTrips; ++t) {
            const int direction = t % 2;
            const QByteArray trip = route + "T" + QByteArray::number(t);
            trips += route + "," + trip + "," + QByteArray::number(direction) + ",停留所"
                + QByteArray::number(direction ? first : first + kOperatorStops - 1) + "\n";
            for (int s = 0; s < kOperatorStops; ++s) {
                const int minute = 6 * 60 + t * 15 + s * 2;
                const QByteArray at = QByteArray::number(minute / 60) + ":" + QByteArray::number(minute % 60).rightJustified(2, '0') + ":00";
                const int stop = first + (direction ? kOperatorStops - 1 - s : s);
                times += trip + "," + at + "," + at + ",S" + QByteArray::number(stop) + "," + QByteArray::number(s + 1) + "\n";
            }
        }
    }
    files.insert(QStringLiteral("routes.txt"), routeRows);
    files.insert(QStringLiteral("stops.txt"), stops);
    files.insert(QStringLiteral("trips.txt"), trips);
    files.insert(QStringLiteral("stop_times.txt"), times);
    files.insert(QStringLiteral("fare_attributes.txt"), attributes);
    files.insert(QStringLiteral("fare_rules.txt"), rules);
    return files;
}

// gtfs --all on a feed of 250 routes (500 route folders), against gtfs of
// one of its routes: each in a process of its own (this program started
// again with --import) for its time and its peak resident memory.
void BM_GtfsImportAll(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString feed = dir.filePath(QStringLiteral("feed"));
    const QHash<QString, QByteArray> files = operatorFeed(250);
    if (!writeFolder(feed, files)) {
        state.SkipWithError("the feed could not be written");
        return;
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    const QStringList which = state.range(0) ? QStringList{QStringLiteral("--all")}
                                             : QStringList{QStringLiteral("--route"), QStringLiteral("R0")};
    const QStringList args = QStringList{QStringLiteral("--import"), QStringLiteral("gtfs"), feed} + which
        + QStringList{QStringLiteral("--chimes"), dir.path(), out};
    double peakMiB = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        QDir(out).removeRecursively();
        const ChildImport run = runImportChild(state, args);
        if (!run.imported) {
            state.SkipWithError("the import failed");
            return;
        }
        peakMiB = std::max(peakMiB, run.peakMiB);
        cpuSeconds += run.cpuSeconds;
    }
    state.counters["peak_MiB"] = peakMiB;
    state.counters["cpu_s"] = cpuSeconds / static_cast<double>(state.iterations());
    state.counters["folders"] = static_cast<double>(QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
    state.counters["stop_times_MiB"] = static_cast<double>(files.value(QStringLiteral("stop_times.txt")).size()) / (1 << 20);
}
BENCHMARK(BM_GtfsImportAll)
    ->ArgName("all")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--import") {
        QCoreApplication app(argc, argv);
        return importChild(QCoreApplication::arguments().mid(2));
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
