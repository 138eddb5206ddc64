// SPDX-License-Identifier: GPL-3.0-or-later
// The fare editor on a 301-stop route: opening the file into the model and
// the grid (drawn once), and pasting a whole column of 301 fares, as the
// window does it (clipboard, one undoable step, the grid redrawn) and as the
// model alone does it.

#include "editing/FareTableModel.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "windows/FareGridView.h"
#include "windows/frmFareEdit.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTemporaryDir>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

using kerubara::editing::FareTableModel;

// 301 stops, a ticket number each up to 150, fares rising by 20 a stop.
std::vector<kerubara::FareFileRecord> route301()
{
    std::vector<kerubara::FareFileRecord> stops;
    for (int s = 1; s <= 301; ++s) {
        kerubara::FareFileRecord stop;
        stop.chimei = kerubara::cp932::encode(QStringLiteral("停留所%1").arg(s));
        stop.seirikenNo = static_cast<std::int16_t>(std::min(s, 150));
        for (int k = 1; k <= 150; ++k)
            stop.cols[static_cast<std::size_t>(k - 1)] = static_cast<std::int16_t>(s >= k ? 150 + 20 * (s - k) : -1);
        stops.push_back(stop);
    }
    return stops;
}

QString column301(int fare)
{
    QString text;
    for (int s = 0; s < 301; ++s)
        text += QString::number(fare + s) + u'\n';
    return text;
}

void BM_OpenRoute301(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("301.hy3"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(*kerubara::serializeFareFile(route301()));
    file.close();
    kerubara::frmFareEdit editor;
    editor.resize(1200, 800);
    editor.show();
    for (auto _ : state) {
        if (!editor.openFile(path))
            state.SkipWithError("not opened");
        editor.grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenRoute301)->Unit(benchmark::kMillisecond);

void BM_PasteColumn301(benchmark::State &state)
{
    kerubara::frmFareEdit editor;
    editor.model().setFileRecords(route301());
    editor.resize(1200, 800);
    editor.show();
    int fare = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(column301(fare += 10));
        editor.grid()->setCurrentIndex(editor.model().index(0, FareTableModel::columnOfFare(1)));
        state.ResumeTiming();
        editor.pasteClipboard();
        editor.grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_PasteColumn301)->Unit(benchmark::kMillisecond);

void BM_ModelColumn301(benchmark::State &state)
{
    FareTableModel model;
    model.setFileRecords(route301());
    int fare = 0;
    for (auto _ : state) {
        fare += 10;
        kerubara::editing::CellBlock cells;
        for (int s = 0; s < 301; ++s)
            cells.push_back({QString::number(fare + s)});
        model.setBlock(0, FareTableModel::columnOfFare(1), cells);
    }
}
BENCHMARK(BM_ModelColumn301)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
