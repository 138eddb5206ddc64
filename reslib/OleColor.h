// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <cstdint>

namespace kerubara {

// A colour as the settings and the controls keep it: 24-bit RGB with red in
// the low byte (0x00BBGGRR).
using OleColor = std::uint32_t;

constexpr OleColor rgb(int red, int green, int blue)
{
    return static_cast<OleColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline QColor toQColor(OleColor c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

inline OleColor fromQColor(const QColor &c)
{
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace kerubara
