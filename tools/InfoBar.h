// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class QPainter;

namespace kerubara {
class OperationEngine;
}

// The information bar under the panel of a trip video: the route and where
// the bus is bound, the stop the strip names, the trip's clock, and a line
// of the stops passed and to come.
namespace kerubara::datatool {

// The bar's height in design pixels; it is as wide as the panel.
inline constexpr int kInfoBarHeight = 96;

// What the bar shows at one moment.
struct InfoBarText
{
    QString route;    // the route number
    QString headsign; // where the bus is bound, as it is to be read
    QString stopName; // the strip's name, empty when the strip is blank
    bool next = false; // the strip says 次は before the name
    QString clock;    // the trip's time of day
    int stops = 0;    // the stops of the trip
    int reached = 0;  // the stop shown among them, 1-based; 0 before the first

    bool operator==(const InfoBarText &) const = default;
};

// Draws the bar into `area` (canvas pixels), every length of its design
// multiplied by `factor`, with the program's own typeface.
void drawInfoBar(QPainter &painter, const QRect &area, int factor, const InfoBarText &text);

// The place a greeting such as 「このバスは、市役所行きです。」 names, with
// its 行き (of 「A、B経由、C行き」 only C); nothing when the announcement is
// no such greeting.
std::optional<QString> headsignOfGreeting(const QString &announcement);

// Follows what the unit shows for the bar: the strip's name as the engine
// sends it, the stop shown, the tape's greeting for the headsign when none
// is given, and the wall clock the trip runs on.
class InfoBarFollower : public QObject
{
    Q_OBJECT

public:
    // The trip runs from stop `from` to `to` (1-based) of route `route`.
    InfoBarFollower(OperationEngine &unit, const QString &route, const QString &headsign, int from, int to);

    InfoBarText text();

private:
    OperationEngine &unit_;
    InfoBarText text_;
    int from_;
    bool headsignGiven_;
};

} // namespace kerubara::datatool
