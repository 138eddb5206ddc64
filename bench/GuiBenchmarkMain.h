// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main function of a benchmark that draws widgets: Qt's offscreen
// platform unless another is set, the IPA faces in place of the Windows ones,
// then Google Benchmark.

#include "reslib/Fonts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

inline int runGuiBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1; // the benchmark's own options are not Qt's
    QApplication app(qtArgc, argv);
    const QStringList missing = kerubara::installFontSubstitutions();
    if (!missing.isEmpty())
        std::fprintf(stderr, "fonts missing: %s\n", qPrintable(missing.join(QStringLiteral(", "))));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
