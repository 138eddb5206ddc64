// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

namespace kerubara {

// The fare panel can be shown magnified by a whole factor. Drawing stays in
// design pixels; only what reaches the screen is magnified, each design pixel
// becoming a factor × factor block, so dots and segments stay crisp.

// `image` with every pixel repeated `factor` times across and down (a factor
// below 2 gives the image as it is). The result is RGB32, or premultiplied
// ARGB32 when the image has an alpha channel.
QImage zoomedByWholePixels(const QImage &image, int factor);

// A rectangle in design pixels as it lies on the magnified surface.
constexpr QRect zoomedRect(const QRect &rect, int factor)
{
    return {rect.x() * factor, rect.y() * factor, rect.width() * factor, rect.height() * factor};
}

} // namespace kerubara
