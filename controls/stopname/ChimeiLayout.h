// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// Where the characters of a stop name go on the canvas of the stop-name strip,
// and how the name is cut into the units that are drawn one per cell.
namespace kerubara {

// Geometry of the strip, in pixels.
inline constexpr int kStripWidth = 432;     // eight cells: the visible strip
inline constexpr int kViewportHeight = 58;
inline constexpr int kCanvasHeight = 56;
inline constexpr int kCellWidth = 54;       // 18 dot pitches of 3 pixels
inline constexpr int kCellsOnStrip = kStripWidth / kCellWidth;

struct ChimeiLayout
{
    int start = 0;                 // x of the first character's cell
    int pitch = 0;                 // distance from one character to the next
    int canvasWidth = kStripWidth; // 432, or wider for long names
    bool startsOffStrip = false;   // canvas first placed just right of the strip
    bool scrolls = false;          // too long to stand still
};

// The layout of a name of `byteLength` code page 932 bytes (two per
// character), with or without the "次は" prefix. Names of up to eight
// characters (six with the prefix) are spread over the strip; longer ones are
// laid out at a 54-pixel pitch on a wider canvas and scroll. The prefix takes
// the first two cells and counts as two more characters when deciding
// whether the name scrolls.
ChimeiLayout chimeiLayout(std::int32_t byteLength, bool prefixOn);

// The name cut into 2-byte units of its code page 932 form, from its start
// (the last unit holds one byte when the length is odd). A unit is given as
// the text of its bytes; a unit whose bytes cut through a double-byte
// character (as after a single-byte character) is given as an empty text,
// so that it shows nothing rather than half a character.
std::vector<QString> chimeiUnits(QStringView text);

} // namespace kerubara
