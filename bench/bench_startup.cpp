// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the simulator: from starting a process to both windows shown,
// and the resident memory afterwards. Each run is a fresh process (this
// program started again with --child), so dynamic loading, Qt's start-up and
// the panel's own start-up all count. Prints the median over the runs.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_startup [runs]

#include "reslib/Fonts.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

int child(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kerubara::installFontSubstitutions();
    kerubara::Simulator simulator;
    simulator.start();
    // Shown means painted: let the first paint events run.
    QCoreApplication::processEvents();
    const bool shown = simulator.form1().isVisible() && simulator.ctl().isVisible();
    std::printf("ready %d %ld\n", shown ? 1 : 0, residentKiB());
    std::fflush(stdout);
    return shown ? 0 : 1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    std::vector<double> millis;
    std::vector<double> mebibytes;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QElapsedTimer clock;
        clock.start();
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!process.waitForReadyRead(10000)) {
            std::fprintf(stderr, "run %d: no answer from the child\n", i);
            return 1;
        }
        QByteArray line = process.readLine();
        while (!line.startsWith("ready") && process.waitForReadyRead(10000))
            line = process.readLine();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const QList<QByteArray> parts = line.trimmed().split(' ');
        process.waitForFinished(10000);
        if (parts.size() < 3 || parts[1] != "1") {
            std::fprintf(stderr, "run %d: windows not shown\n", i);
            return 1;
        }
        millis.push_back(ms);
        mebibytes.push_back(parts[2].toDouble() / 1024.0);
    }
    std::printf("start-up to both windows shown: median %.1f ms, min %.1f ms, max %.1f ms (%d runs)\n",
                median(millis), *std::min_element(millis.begin(), millis.end()),
                *std::max_element(millis.begin(), millis.end()), runs);
    std::printf("resident memory after start-up: median %.1f MiB\n", median(mebibytes));
    return 0;
}
