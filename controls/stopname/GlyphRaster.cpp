// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/GlyphRaster.h"

#include "reslib/Units.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>

namespace kerubara {
namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;

} // namespace

int pixelSizeForPoints(double points)
{
    return pointsToPixels(points);
}

QImage printOnRaster(const RasterFont &font, int printY, const QString &text)
{
    QImage raster(kRasterSize, kRasterSize, QImage::Format_RGB32);
    raster.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    raster.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    raster.fill(Qt::white);
    if (text.isEmpty())
        return raster;

    QFont qfont(font.face);
    qfont.setPixelSize(std::max(1, pixelSizeForPoints(font.points)));
    qfont.setBold(font.bold);
    // The strip samples single pixels: ink must be pure black, never grey.
    qfont.setStyleStrategy(QFont::NoAntialias);
    qfont.setKerning(false);

    QPainter painter(&raster);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    painter.drawText(0, printY + QFontMetrics(qfont).ascent(), text);
    return raster;
}

int GlyphDots::count() const
{
    int n = 0;
    for (const std::uint32_t row : rows_)
        n += std::popcount(row);
    return n;
}

GlyphDots sampleRaster(const QImage &raster)
{
    const QImage image = raster.format() == QImage::Format_RGB32 ? raster
                                                                  : raster.convertToFormat(QImage::Format_RGB32);
    GlyphDots dots;
    const int width = std::min(image.width(), kSampleCount);
    const int height = std::min(image.height(), kSampleCount);
    for (int row = 0; row < height; ++row) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(row));
        for (int column = 0; column < width; ++column) {
            if ((line[column] & 0x00FFFFFFu) == 0)
                dots.setInk(column, row);
        }
    }
    return dots;
}

void drawDots(QImage &canvas, int x, int y, const GlyphDots &dots, OleColor colour)
{
    if (canvas.format() != QImage::Format_RGB32)
        canvas.convertTo(QImage::Format_RGB32);
    const QRgb pixel = toQColor(colour).rgb();
    const int width = canvas.width();
    const int height = canvas.height();
    for (int row = 0; row < kSampleCount; ++row) {
        for (int column = 0; column < kSampleCount; ++column) {
            if (!dots.ink(column, row))
                continue;
            const int left = x + kDotPitch * column;
            const int top = y + kDotPitch * row;
            for (int py = std::max(top, 0); py < std::min(top + kDotSize, height); ++py) {
                auto *line = reinterpret_cast<QRgb *>(canvas.scanLine(py));
                for (int px = std::max(left, 0); px < std::min(left + kDotSize, width); ++px)
                    line[px] = pixel;
            }
        }
    }
}

size_t qHash(const GlyphRasterizer::Key &key, size_t seed) noexcept
{
    return qHashMulti(seed, key.font.face, key.font.points, key.font.bold, key.printY, key.text);
}

const GlyphRasterizer::Glyph &GlyphRasterizer::print(const RasterFont &font, int printY, const QString &text)
{
    Key key{font, printY, text};
    const auto found = cache_.constFind(key);
    if (found != cache_.constEnd())
        return found.value();
    if (cache_.size() >= kMaxCached)
        cache_.clear();
    Glyph glyph;
    glyph.raster = printOnRaster(font, printY, text);
    glyph.dots = sampleRaster(glyph.raster);
    return cache_.insert(std::move(key), std::move(glyph)).value();
}

} // namespace kerubara
