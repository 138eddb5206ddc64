// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ticket plug-in calls of the resource library. A plug-in is a text file
// (reslib/TicketPluginFile.h); every call reads it afresh, so an edited file
// shows at the next call.

#include "reslib/TicketPluginFile.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>

class QPainter;

// Reads what the plug-in at `path` can print into `info`. Returns 1 for a
// valid plug-in, 0 when the file is missing or not a valid plug-in (then
// `info` is left as it was).
std::int32_t ZR8_GetPlgInfo(const QString &path, PlgInfoRecord &info);

// Draws the numbered ticket of a ticket plug-in into the preview's painter:
// the plug-in file, the stop name, the ticket date text, the time (hh:mm:ss),
// the route number, the stop's ticket number, the stop position and the
// chosen company (-1 for none). The ticket fills the painter's whole device
// and prints the time as hh:mm; a file that is not a valid plug-in, or a stop
// whose ticket number is 0 (or below), draws nothing.
void ZR8_DrawSeiriken(const QString &plugin, QPainter &dc, const QString &chimei, const QString &date,
                      const QString &time, std::int32_t route, std::int16_t seirikenNo, std::int16_t stopPos,
                      std::int32_t company);

namespace kerubara {

// What one ticket shows besides the plug-in's own design.
struct TicketText
{
    QString stopName;
    QString date;
    QString time;
    std::int32_t route = 0;
    std::int32_t number = 0;   // the stop's ticket number
    std::int32_t company = -1; // index into the plug-in's companies, -1 = none
};

// The face of a ticket's text: IPAPGothic, whose 0 is plain where IPAGothic's
// is slashed, or IPAMincho for Face=Mincho, each by its name in Fonts.h. Bold
// text takes the real bold of Noto Sans CJK JP or Noto Serif CJK JP
// (fonts-noto-cjk), or the IPA face made bold when that is not installed.
QFont ticketFont(const TicketLayout &layout, bool bold);

// Draws the ticket into `picture`, scaling the plug-in's Width x Height design
// to the picture's size: the paper, the caption 整理券 and the ticket number,
// then each item the plug-in prints. Nothing is drawn outside `picture`. A
// text too long for its box is drawn smaller; a stop name first goes onto two
// lines when that keeps it larger. The time prints as hh:mm. A ticket number
// below 1 issues no ticket: nothing at all is drawn.
void drawTicket(QPainter &p, const QRect &picture, const TicketPlugin &plugin, const TicketText &text);

// The content of each barcode the ticket shows (Barcode = 1: BarcodeCount
// times the same content); empty when the plug-in prints none or the route
// or ticket number is out of the barcode's range.
QStringList ticketBarcodes(const TicketPlugin &plugin, std::int32_t route, std::int32_t number);

} // namespace kerubara
