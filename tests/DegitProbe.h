// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads a digit display's picture back: which segments of each position are
// lit, judged at pixels that each segment covers fully.

#include "controls/digit/M_Degit.h"

#include <QImage>

namespace testing {

struct DigitPicture
{
    QImage image;
    kerubara::SegmentFont font;
    kerubara::OleColor back = 0x808080;
    kerubara::OleColor base = 0x969696;
    kerubara::OleColor lit = 0x72D2F8;
};

inline DigitPicture pictureOf(const kerubara::M_Degit &d)
{
    using namespace kerubara;
    return {d.image(), SegmentFont(glyphStyle(d.DegitStyle()), degitSizeClass(d.DegitSize()), d.fontBold()),
            d.BackColor(), d.BaseForeColor(), d.DegitForeColor()};
}

inline QPoint probeAt(const DigitPicture &p, int position, kerubara::Segment s)
{
    return QPoint(position * p.font.advance(), 0) + p.font.probe(s);
}

// Which of the three colours the pixel is nearest to: 0 back, 1 base, 2 lit.
inline int shadeAt(const DigitPicture &p, QPoint at)
{
    const QColor c = p.image.pixelColor(at);
    int best = 0, bestDistance = INT_MAX;
    const kerubara::OleColor colours[] = {p.back, p.base, p.lit};
    for (int i = 0; i < 3; ++i) {
        const QColor q = kerubara::toQColor(colours[i]);
        const int dr = c.red() - q.red(), dg = c.green() - q.green(), db = c.blue() - q.blue();
        if (dr * dr + dg * dg + db * db <= bestDistance) {
            bestDistance = dr * dr + dg * dg + db * db;
            best = i;
        }
    }
    return best;
}

// What the picture shows, one character per position (0 = leftmost): the
// digit, "-", "." or " " whose segments are lit, "?" for another pattern,
// and "!" where a segment shows neither colour, i.e. the unlit "8" is missing.
inline QString shownText(const DigitPicture &p)
{
    using namespace kerubara;
    QString text;
    for (int pos = 0; pos < p.image.width() / p.font.advance(); ++pos) {
        SegmentMask mask = 0;
        bool eight = true;
        for (int s = 0; s < SegmentCount; ++s) {
            const int shade = shadeAt(p, probeAt(p, pos, static_cast<Segment>(s)));
            if (shade == 2)
                mask |= segmentBit(static_cast<Segment>(s));
            eight = eight && (shade != 0 || s == SegDP);
        }
        QChar shown = eight ? u'?' : u'!';
        for (QChar c : QStringLiteral("0123456789- .")) {
            if (eight && segmentMask(c) == mask)
                shown = c;
        }
        text += shown;
    }
    return text;
}

} // namespace testing
