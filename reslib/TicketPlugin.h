#pragma once

#include <QString>

#include <cstdint>

class QPainter;

// Draws the numbered ticket of a ticket plug-in into the preview's painter:
// the plug-in file, the stop name, the ticket date text, the time (hh:mm:ss),
// the route number, the stop's ticket number, the stop position and the
// chosen company (-1 for none).
void ZR8_DrawSeiriken(const QString &plugin, QPainter &dc, const QString &chimei, const QString &date,
                      const QString &time, std::int32_t route, std::int16_t seirikenNo, std::int16_t stopPos,
                      std::int32_t company);
