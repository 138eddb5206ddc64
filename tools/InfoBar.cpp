// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/InfoBar.h"

#include "operation/OperationEngine.h"
#include "reslib/Clock.h"
#include "sound/mdlM_Tape.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace kerubara::datatool {
namespace {

const QColor kBarColour(0x0e, 0x11, 0x16);
const QColor kTextColour(0xf2, 0xf2, 0xf2);
const QColor kDimColour(0x8a, 0x8f, 0x98);
const QColor kAmber(0xff, 0xb0, 0x20);

QFont barFont(int pixels, bool bold)
{
    // The face the panel's labels use; prepareFonts maps it to an installed one.
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Draws `text` in `box`, cut short with … when it does not fit; returns the
// width it took.
int drawFitted(QPainter &painter, const QRect &box, const QString &text, const QFont &font, const QColor &colour,
               Qt::Alignment align = Qt::AlignLeft)
{
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, int(align | Qt::AlignVCenter), shown);
    return metrics.horizontalAdvance(shown);
}

// The line of stops: those passed dim, the one shown in amber, those to come
// as rings.
void drawProgress(QPainter &painter, const QRect &line, int factor, int stops, int reached)
{
    if (stops < 1)
        return;
    const int y = line.center().y();
    const double step = stops > 1 ? double(line.width()) / (stops - 1) : 0.0;
    const double radius = std::clamp(step / 3.0, 1.0, 4.0 * factor);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kDimColour, std::max(1, factor)));
    painter.drawLine(line.left(), y, line.right(), y);
    if (reached > 1) {
        painter.setPen(QPen(kAmber, 2 * std::max(1, factor)));
        painter.drawLine(QPointF(line.left(), y), QPointF(line.left() + step * (std::min(reached, stops) - 1), y));
    }
    for (int stop = 1; stop <= stops; ++stop) {
        const QPointF at(line.left() + step * (stop - 1), y);
        if (stop == reached) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kAmber);
            painter.drawEllipse(at, radius * 1.6, radius * 1.6);
        } else if (stop < reached) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kDimColour);
            painter.drawEllipse(at, radius, radius);
        } else {
            painter.setPen(QPen(kTextColour, std::max(1, factor)));
            painter.setBrush(kBarColour);
            painter.drawEllipse(at, radius, radius);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

void drawInfoBar(QPainter &painter, const QRect &area, int factor, const InfoBarText &text)
{
    painter.save();
    painter.fillRect(area, kBarColour);
    const int pad = 10 * factor;
    const QRect inner = area.adjusted(pad, 0, -pad, 0);

    // The route and headsign on the left, the clock on the right.
    const QRect first(inner.left(), area.top() + 6 * factor, inner.width(), 30 * factor);
    const QFont clockFont = barFont(24 * factor, true);
    const int clockWidth = QFontMetrics(clockFont).horizontalAdvance(text.clock);
    drawFitted(painter, first, text.clock, clockFont, kTextColour, Qt::AlignRight);
    QRect left = first.adjusted(0, 0, -(clockWidth + pad), 0);
    const QString route = QCoreApplication::translate("InfoBar", "系統 %1").arg(text.route);
    const int routeWidth = drawFitted(painter, left, route, barFont(20 * factor, false), kDimColour);
    left.setLeft(left.left() + routeWidth + pad);
    if (left.width() > 0)
        drawFitted(painter, left, text.headsign, barFont(24 * factor, true), kAmber);

    // The stop the strip names.
    const QRect second(inner.left(), area.top() + 38 * factor, inner.width(), 28 * factor);
    if (!text.stopName.isEmpty()) {
        QRect name = second;
        if (text.next) {
            const QString next = QCoreApplication::translate("InfoBar", "次は");
            name.setLeft(name.left() + drawFitted(painter, second, next, barFont(18 * factor, false), kDimColour) + pad);
        }
        drawFitted(painter, name, text.stopName, barFont(22 * factor, true), kTextColour);
    }

    const QRect line(inner.left() + 6 * factor, area.top() + 70 * factor, inner.width() - 12 * factor, 20 * factor);
    drawProgress(painter, line, factor, text.stops, text.reached);
    painter.restore();
}

std::optional<QString> headsignOfGreeting(const QString &announcement)
{
    static const QRegularExpression greeting(QStringLiteral("このバスは[、,，\\s]*([^。]+?)(?:行き|ゆき)"));
    const QRegularExpressionMatch match = greeting.match(announcement);
    if (!match.hasMatch())
        return std::nullopt;
    // 「市役所前、県立中央病院経由、緑ヶ丘車庫行き」: the bar has room for
    // where the bus ends, the last clause.
    const QString place = match.captured(1);
    return place.mid(place.lastIndexOf(u'、') + 1).trimmed() + QStringLiteral("行き");
}

InfoBarFollower::InfoBarFollower(OperationEngine &unit, const QString &route, const QString &headsign, int from,
                                 int to)
    : unit_(unit), from_(from), headsignGiven_(!headsign.isEmpty())
{
    text_.route = route;
    text_.headsign = headsign;
    text_.stops = to - from + 1;
    connect(&unit, &OperationEngine::nameShown, this,
            [this](const QString &name, std::int16_t drawnMode, std::int16_t) {
                text_.stopName = name;
                text_.next = drawnMode != 0;
            });
    connect(&unit, &OperationEngine::nameBlanked, this, [this] { text_.stopName.clear(); });
    connect(&unit, &OperationEngine::displayClearedChanged, this, [this](bool cleared) {
        if (cleared)
            text_.stopName.clear();
    });
}

InfoBarText InfoBarFollower::text()
{
    if (!headsignGiven_ && text_.headsign.isEmpty()) {
        for (const TapeRecord &record : unit_.tape().TapeData()) {
            if (const std::optional<QString> headsign = headsignOfGreeting(record.Text)) {
                text_.headsign = *headsign;
                break;
            }
        }
    }
    const bool routeSet = unit_.routeSet();
    text_.reached = routeSet ? std::clamp(unit_.state.nStopPos + 1 - from_ + 1, 0, text_.stops) : 0;
    text_.clock = wallClock().time().toString(QStringLiteral("HH:mm:ss"));
    return text_;
}

} // namespace kerubara::datatool
