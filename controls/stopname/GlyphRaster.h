// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/OleColor.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

// The glyph raster of the stop-name strip: one character at a time is printed
// in black on a small white raster, and every inked pixel becomes one dot of
// the strip (a 2 × 2 square on a 3-pixel pitch).
namespace kerubara {

inline constexpr int kRasterSize = 18;   // the raster is 18 × 18 pixels
inline constexpr int kSampleCount = 19;  // sampled at 19 × 19 positions
inline constexpr int kDotPitch = 3;
inline constexpr int kDotSize = 2;

// Pixel height of a face at `points` on a 96-dots-per-inch display, rounded
// to whole pixels as text is sized there (14 and 14.25 points give 19, 12
// points give 16).
int pixelSizeForPoints(double points);

// The raster's typeface settings.
struct RasterFont
{
    QString face;
    double points = 14.25;
    bool bold = false;

    bool operator==(const RasterFont &) const = default;
};

// `text` printed on a fresh 18 × 18 raster (white, at 96 dots per inch) in
// black, without antialiasing, with the top of its text cell at `printY`
// (the baseline at printY + the face's ascent), from x = 0.
QImage printOnRaster(const RasterFont &font, int printY, const QString &text);

// The ink samples of a raster: column c, row r (0..18) is ink when the
// raster's pixel there is exactly black; positions outside the raster never
// are.
class GlyphDots
{
public:
    bool ink(int column, int row) const { return (rows_[static_cast<std::size_t>(row)] >> column) & 1u; }
    void setInk(int column, int row) { rows_[static_cast<std::size_t>(row)] |= 1u << column; }
    int count() const;
    bool operator==(const GlyphDots &) const = default;

private:
    std::array<std::uint32_t, kSampleCount> rows_{};
};

GlyphDots sampleRaster(const QImage &raster);

// Draws the dots of `dots` on `canvas` (kept as an RGB32 image) with the glyph origin
// at (x, y): sample (c, r) fills the square from (x + 3c, y + 3r) to
// (x + 3c + 1, y + 3r + 1) in `colour`. Dots are clipped to the canvas.
void drawDots(QImage &canvas, int x, int y, const GlyphDots &dots, OleColor colour);

// Prints and samples glyphs, remembering each result by face, size, weight,
// print position and text, because a route's stop names use few characters
// and each is printed again at every stop.
class GlyphRasterizer
{
public:
    struct Glyph
    {
        QImage raster;
        GlyphDots dots;
    };

    const Glyph &print(const RasterFont &font, int printY, const QString &text);
    qsizetype cachedCount() const { return cache_.size(); }

private:
    struct Key
    {
        RasterFont font;
        int printY;
        QString text;
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed) noexcept;

    static constexpr qsizetype kMaxCached = 4096;
    QHash<Key, Glyph> cache_;
};

} // namespace kerubara
