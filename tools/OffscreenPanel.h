// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/PanelSnapshot.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

class QTextStream;

namespace kerubara {
struct MsgBoxCall;
class Form1;
class Simulator;
} // namespace kerubara

// What the commands that draw with the program's own windows share: the
// program started offscreen, its route checked and reached as the driver
// reaches it, and the panel taken as an image.
namespace kerubara::datatool {

// While alive, Qt's own notes and warnings are dropped: they are about the
// windows the tool draws with and never shows (a platform without window
// shapes or stacking), not about the data. Errors still get through.
class QuietQt
{
public:
    QuietQt();
    ~QuietQt();
    QuietQt(const QuietQt &) = delete;
    QuietQt &operator=(const QuietQt &) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);
    static inline QtMessageHandler previous_ = nullptr;
};

// Each path that is not empty names a file that can be read; false after
// saying on `err` which one cannot and why. The program passes over a
// missing settings file in silence; a command would draw something else
// than asked, so every file it is given must be there.
bool inputsReadable(const QStringList &paths, QTextStream &err);

// A message box the program would show, written as a warning on `err` and
// answered OK.
int messageAsWarning(const MsgBoxCall &call, QTextStream &err);

// Installs the typeface substitutions and warns on `err` of fonts missing.
void prepareFonts(QTextStream &err);

// The program with its windows never shown, started: the settings file, if
// given, read at the end of start-up as the program reads it, as a run that
// never writes it (what it says of a damaged file says so). The user's
// preferences (kerubara.conf) are neither read nor kept: what a command
// draws depends on its options and the settings file alone.
std::unique_ptr<Simulator> offscreenSimulator(const QString &settingsFile);

// The number of stops of the fare data at `path` with `section`, as route
// setting would load it; nothing after saying on `err` why the route cannot
// be set.
std::optional<int> routeStopCount(const QString &path, std::int16_t section, QTextStream &err);

// Drawing the panel offscreen, shared with the windows.
using kerubara::panelImage;
using kerubara::reachStop;
using kerubara::routeDigitsOf;

} // namespace kerubara::datatool
