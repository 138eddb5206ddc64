// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolFiles.h"

namespace kerubara::datatool {

std::optional<OleColor> parseRgb(QString text)
{
    if (text.startsWith(u'#'))
        text.remove(0, 1);
    if (text.size() != 6 || text.startsWith(u'+') || text.startsWith(u'-'))
        return std::nullopt;
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return rgb(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>(value & 0xFF));
}

QString formatRgb(OleColor color)
{
    return toQColor(color).name(QColor::HexRgb).mid(1).toUpper();
}

} // namespace kerubara::datatool
