// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// The data tool's commands that draw the whole fare panel with the program's
// own windows. They live apart from the file commands, which need only the
// leaf libraries.
namespace kerubara::datatool {

// render-panel FILE.hy3 --stop N OUT.png [options]: the fare panel exactly as
// the program shows it at stop N, drawn offscreen by the program's own panel
// window and written as a PNG of the window's size. Needs a QApplication.
// Returns 0 on success, 1 when a file cannot be read or written or the stop
// is not on the route, 2 on bad usage.
int renderPanel(const QStringList &args, QTextStream &err);

// Runs one command of the data tool, these included (see datatool::run).
int runWithPanel(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
