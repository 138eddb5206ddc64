// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QPainterPath>
#include <QPoint>

#include <array>
#include <cstdint>

class QColor;
class QPainter;

// The glyphs of a digit display: seven segments (and a decimal point) drawn
// from geometry, in three styles and four size classes. Every character is
// exactly one position wide; "8" lights all seven segments, the space none.

namespace kerubara {

//  aaa
// f   b
//  ggg
// e   c
//  ddd .
enum Segment : int { SegA, SegB, SegC, SegD, SegE, SegF, SegG, SegDP, SegmentCount };

// Bit s set = segment s lit.
using SegmentMask = std::uint8_t;
constexpr SegmentMask segmentBit(Segment s)
{
    return static_cast<SegmentMask>(1u << s);
}
constexpr SegmentMask kEightMask = 0x7F;

// The segments that show `c`. Digits 0-9; " " none; "-" the middle segment;
// "_" the bottom one; "=" middle and bottom; "." the decimal point; the
// letters a seven-segment display can show (A b C c d E F G H h I J L n O o P
// q r S t U u y, lower case falling back to the upper-case form and the other
// way round where only one exists). Any other character (K, M, V, W, X, Z,
// kana, kanji, ...) lights nothing.
SegmentMask segmentMask(QChar c);

// The three glyph styles. DegitStyle 1 is B, 2 is C, any other value A.
//   A: slanted segments with pointed (bevelled) ends
//   B: upright rectangular segments with gaps at the corners, pixel-crisp
//   C: upright rows of round lamps, like a module built from single LEDs
enum class GlyphStyle { A, B, C };
GlyphStyle glyphStyle(std::int16_t degitStyle);

// A size class: width of one position and height of the control, in twips
// (15 twips to the pixel). The classes stand for glyph fonts of 18, 24, 27
// and 14 points.
struct DegitSizeClass
{
    int positionTwips;
    int heightTwips;
    constexpr int positionWidth() const { return positionTwips / 15; }
    constexpr int height() const { return heightTwips / 15; }
};

// DegitSize 0..3; any other value is class 0.
DegitSizeClass degitSizeClass(std::int16_t degitSize);

class SegmentFont
{
public:
    SegmentFont(GlyphStyle style, const DegitSizeClass &size, bool bold);

    GlyphStyle style() const { return style_; }
    bool bold() const { return bold_; }
    int advance() const { return advance_; }
    int height() const { return height_; }

    // Draws the segments of `mask` in `color` into the position whose top
    // left corner is `origin`.
    void draw(QPainter &painter, QPoint origin, SegmentMask mask, const QColor &color) const;

    // A pixel (relative to the position's top left corner) that segment `s`
    // covers fully: where to look to see whether it is lit.
    QPoint probe(Segment s) const { return probes_[s]; }

private:
    void buildStyleA();
    void buildStyleB();
    void buildStyleC();

    GlyphStyle style_;
    bool bold_;
    int advance_;
    int height_;
    int thickness_;
    std::array<QPainterPath, SegmentCount> paths_;
    std::array<QPoint, SegmentCount> probes_{};
};

} // namespace kerubara
