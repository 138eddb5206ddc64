#include "reslib/TicketPlugin.h"

#include <QPainter>

void ZR8_DrawSeiriken(const QString &plugin, QPainter &dc, const QString &chimei, const QString &date,
                      const QString &time, std::int32_t route, std::int16_t seirikenNo, std::int16_t stopPos,
                      std::int32_t company)
{
    // Ticket plug-ins are not read yet: no plug-in draws anything, and the
    // preview stays clear.
    Q_UNUSED(plugin);
    Q_UNUSED(dc);
    Q_UNUSED(chimei);
    Q_UNUSED(date);
    Q_UNUSED(time);
    Q_UNUSED(route);
    Q_UNUSED(seirikenNo);
    Q_UNUSED(stopPos);
    Q_UNUSED(company);
}
