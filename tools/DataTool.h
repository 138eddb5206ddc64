// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTextStream;

namespace kerubara::datatool {

// Runs one command of the data tool. `args` are the arguments after the
// program name; normal output goes to `out`, messages to `err`. Returns the
// exit status: 0 success, 1 bad input or a problem found, 2 bad usage.
int run(const QStringList &args, QTextStream &out, QTextStream &err);

// Writes `message` and the hint to the help text to `err`; returns 2, the
// exit status of bad usage.
int usageError(QTextStream &err, const QString &message);

// True when the command draws pictures and so needs a GUI application
// (on Qt's offscreen platform when there is no display).
bool needsGui(const QStringList &args);

} // namespace kerubara::datatool
