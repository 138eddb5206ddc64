// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTextStream;

// The render-digits command of the data tool: draws one digit display as a
// PNG, so data authors can see how a value and a format will look.
namespace kerubara::datatool {

// `args` are the arguments after the command name. Returns 0 on success,
// 1 for a value that cannot be shown or a file that cannot be written,
// 2 for bad usage. Needs a QApplication.
int renderDigits(const QStringList &args, QTextStream &err);

} // namespace kerubara::datatool
