// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

namespace kerubara {

// The windows are laid out in twips, 15 to the pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

// A type size in points as pixels at 96 dots per inch (14 pt is 19 px), so
// drawing does not depend on the screen's resolution.
inline int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

} // namespace kerubara
