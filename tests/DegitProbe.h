#pragma once

// Reading a digit display's picture back: which segments of each position
// are lit, judged at pixels that each segment covers fully.

#include "controls/digit/M_Degit.h"
#include "controls/digit/SegmentFont.h"

#include <QImage>
#include <QString>

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
    return {d.image(),
            SegmentFont(glyphStyle(d.DegitStyle()), degitSizeClass(d.DegitSize()), d.fontBold()),
            d.BackColor(), d.BaseForeColor(), d.DegitForeColor()};
}

enum class Shade { Back, Base, Lit };

// The colour of the three that the pixel is nearest to.
inline Shade shadeAt(const DigitPicture &p, QPoint at)
{
    const QColor c = p.image.pixelColor(at);
    const auto distance = [&c](kerubara::OleColor o) {
        const QColor q = kerubara::toQColor(o);
        const int dr = c.red() - q.red(), dg = c.green() - q.green(), db = c.blue() - q.blue();
        return dr * dr + dg * dg + db * db;
    };
    const int back = distance(p.back), base = distance(p.base), lit = distance(p.lit);
    if (lit <= base && lit <= back)
        return Shade::Lit;
    return base <= back ? Shade::Base : Shade::Back;
}

inline QPoint probeAt(const DigitPicture &p, int position, kerubara::Segment s)
{
    return QPoint(position * p.font.advance(), 0) + p.font.probe(s);
}

// The segments of position `position` (0 = leftmost) drawn in the lit colour.
inline kerubara::SegmentMask litSegments(const DigitPicture &p, int position)
{
    kerubara::SegmentMask mask = 0;
    for (int s = 0; s < kerubara::SegmentCount; ++s) {
        const auto seg = static_cast<kerubara::Segment>(s);
        if (shadeAt(p, probeAt(p, position, seg)) == Shade::Lit)
            mask |= kerubara::segmentBit(seg);
    }
    return mask;
}

// True when every one of the seven segments of the position shows either
// the lit or the base colour: the unlit "8" is there under the value.
inline bool eightVisible(const DigitPicture &p, int position)
{
    for (int s = kerubara::SegA; s <= kerubara::SegG; ++s) {
        if (shadeAt(p, probeAt(p, position, static_cast<kerubara::Segment>(s))) == Shade::Back)
            return false;
    }
    return true;
}

// What the picture shows, one character per position: the digit or "-"
// whose segments are lit, " " for none, "?" for any other pattern.
inline QString shownText(const DigitPicture &p)
{
    static const QString known = QStringLiteral("0123456789- .");
    QString text;
    for (int pos = 0; pos < p.image.width() / p.font.advance(); ++pos) {
        const kerubara::SegmentMask mask = litSegments(p, pos);
        QChar shown = u'?';
        for (QChar c : known) {
            if (kerubara::segmentMask(c) == mask) {
                shown = c;
                break;
            }
        }
        text += shown;
    }
    return text;
}

} // namespace testing
