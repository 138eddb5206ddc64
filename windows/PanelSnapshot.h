// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

namespace kerubara {

class Form1;
class OperationEngine;

// The panel drawn without showing it: a stop reached as the driver reaches
// it, and the panel taken as an image. The data tool's renderings draw with
// these, and so the fare editor's panel view can be held to the same pixels.

// The route number route setting takes for the fare data at `path`: the
// digits of the file's name.
QString routeDigitsOf(const QString &path);

// The panel as it shows `stop` (1-based), reached as the driver reaches it:
// route setting (with whatever time the sleep seam gives its lamp test),
// then データ送り or データ戻し from the section's stop.
void reachStop(OperationEngine &unit, const QString &fareFile, std::int16_t section, int stop);

// The panel as an image of its own size, whatever the screen's scale.
QImage panelImage(Form1 &panel);

} // namespace kerubara
