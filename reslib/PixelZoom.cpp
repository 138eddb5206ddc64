// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/PixelZoom.h"

#include <cstring>

namespace kerubara {

QImage zoomedByWholePixels(const QImage &image, int factor)
{
    if (factor < 2 || image.isNull())
        return image;
    // Four bytes a pixel on both sides, so a row is repeated pixel by pixel
    // and then copied as a whole; no filtering is involved.
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage source = image.convertToFormat(format);
    QImage out(source.width() * factor, source.height() * factor, format);
    const auto rowBytes = static_cast<std::size_t>(out.width()) * sizeof(QRgb);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *first = reinterpret_cast<QRgb *>(out.scanLine(y * factor));
        for (int x = 0; x < source.width(); ++x) {
            for (int i = 0; i < factor; ++i)
                first[x * factor + i] = in[x];
        }
        for (int i = 1; i < factor; ++i)
            std::memcpy(out.scanLine(y * factor + i), first, rowBytes);
    }
    return out;
}

} // namespace kerubara
