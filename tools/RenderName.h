// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTextStream;

namespace kerubara::datatool {

// render-name TEXT OUT.png [options]: draws a stop name as the stop-name
// strip's canvas shows it before it scrolls, and writes it as a PNG as wide
// as the canvas and 56 pixels high. `args` are the command's arguments
// (without "render-name"). Needs a QApplication. Returns 0 on success, 1 when
// the text cannot be shown or the file cannot be written, 2 on bad usage.
int renderName(const QStringList &args, QTextStream &err);

} // namespace kerubara::datatool
