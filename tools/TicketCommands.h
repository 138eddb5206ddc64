// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

namespace kerubara::datatool {

// plugin FILE.4SP: prints what the program reads from a ticket plug-in: the
// line "PlgInfo" with the fourteen fields, the capability list as the options
// window shows it, then "[Comment]" with the note and "[Companies]" with one
// company name a line. A refused file gets one line on `err` with the file,
// the line and the reason, and status 1.
int showPlugin(const QString &path, QTextStream &out, QTextStream &err);

// render-ticket FILE.4SP OUT.png [options]: draws the plug-in's ticket as the
// control panel's preview shows it, as a PNG of the plug-in's Width x Height,
// and prints "barcode: CONTENT" for each barcode on it. Needs a QApplication.
// Returns 0 on success, 1 for a refused plug-in or an unwritable file, 2 on
// bad usage.
int renderTicket(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
