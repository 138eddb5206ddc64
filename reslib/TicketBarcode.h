// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reslib/TicketPluginFile.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

class QPainter;

namespace kerubara {

// The digits a ticket's barcode carries: the route number zero-padded to as
// many digits as the plug-in's highest route (RouteMax); for serial numbering
// (BarcodeScheme 1) the ticket number follows, zero-padded to the digits of
// StopMax; for the route number + direction flag scheme a direction digit 0
// comes first, then the padded ticket number. ITF encodes digit pairs, so an
// odd count gets one more leading 0. Nothing when the route is outside
// 1..RouteMax or the ticket number outside StopMin..StopMax: the ticket then
// prints 範囲外 instead.
std::optional<QString> ticketBarcodeContent(const TicketPlugin &plugin, std::int32_t route, std::int32_t number);

// Draws `content` as a barcode of the given kind into `area`: bars as tall as
// the area, each module a whole number of pixels where the area is wide
// enough, with a quiet zone of paper on both sides. Draws nothing and returns
// false when the content cannot be encoded in that kind.
bool drawBarcode(QPainter &p, const QRect &area, BarcodeType type, const QString &content, const QColor &ink,
                 const QColor &paper, Qt::Alignment align);

} // namespace kerubara
