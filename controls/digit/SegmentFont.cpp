// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/digit/SegmentFont.h"

#include <QColor>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kerubara {
namespace {

constexpr SegmentMask bits(std::initializer_list<Segment> segments)
{
    SegmentMask m = 0;
    for (Segment s : segments)
        m = static_cast<SegmentMask>(m | segmentBit(s));
    return m;
}

constexpr std::array<SegmentMask, 10> kDigitMasks{
    bits({SegA, SegB, SegC, SegD, SegE, SegF}),       // 0
    bits({SegB, SegC}),                               // 1
    bits({SegA, SegB, SegD, SegE, SegG}),             // 2
    bits({SegA, SegB, SegC, SegD, SegG}),             // 3
    bits({SegB, SegC, SegF, SegG}),                   // 4
    bits({SegA, SegC, SegD, SegF, SegG}),             // 5
    bits({SegA, SegC, SegD, SegE, SegF, SegG}),       // 6
    bits({SegA, SegB, SegC}),                         // 7
    kEightMask,                                       // 8
    bits({SegA, SegB, SegC, SegD, SegF, SegG}),       // 9
};

// Letters by their exact case first; a letter with only one form on seven
// segments is shown with that form in either case.
SegmentMask letterMask(char16_t c)
{
    switch (c) {
    case u'C': return bits({SegA, SegD, SegE, SegF});
    case u'c': return bits({SegD, SegE, SegG});
    case u'H': return bits({SegB, SegC, SegE, SegF, SegG});
    case u'h': return bits({SegC, SegE, SegF, SegG});
    case u'O': return kDigitMasks[0];
    case u'o': return bits({SegC, SegD, SegE, SegG});
    case u'U': return bits({SegB, SegC, SegD, SegE, SegF});
    case u'u': return bits({SegC, SegD, SegE});
    default: break;
    }
    switch (QChar::toUpper(c)) {
    case u'A': return bits({SegA, SegB, SegC, SegE, SegF, SegG});
    case u'B': return bits({SegC, SegD, SegE, SegF, SegG});
    case u'D': return bits({SegB, SegC, SegD, SegE, SegG});
    case u'E': return bits({SegA, SegD, SegE, SegF, SegG});
    case u'F': return bits({SegA, SegE, SegF, SegG});
    case u'G': return bits({SegA, SegC, SegD, SegE, SegF});
    case u'I': return bits({SegE, SegF});
    case u'J': return bits({SegB, SegC, SegD, SegE});
    case u'L': return bits({SegD, SegE, SegF});
    case u'N': return bits({SegC, SegE, SegG});
    case u'P': return bits({SegA, SegB, SegE, SegF, SegG});
    case u'Q': return bits({SegA, SegB, SegC, SegF, SegG});
    case u'R': return bits({SegE, SegG});
    case u'S': return kDigitMasks[5];
    case u'T': return bits({SegD, SegE, SegF, SegG});
    case u'Y': return bits({SegB, SegC, SegD, SegF, SegG});
    default: return 0;
    }
}

// The centre lines of the seven segments inside a digit box: the corners
// where the segments meet.
struct Skeleton
{
    QPointF tl, tr, ml, mr, bl, br;

    Skeleton(QRectF box, qreal half)
    {
        const qreal left = box.left() + half;
        const qreal right = box.right() - half;
        const qreal mid = box.center().y();
        tl = {left, box.top() + half};
        tr = {right, box.top() + half};
        ml = {left, mid};
        mr = {right, mid};
        bl = {left, box.bottom() - half};
        br = {right, box.bottom() - half};
    }

    // Segment s runs from line(s).first to line(s).second (not for the point).
    std::pair<QPointF, QPointF> line(Segment s) const
    {
        switch (s) {
        case SegA: return {tl, tr};
        case SegB: return {tr, mr};
        case SegC: return {mr, br};
        case SegD: return {bl, br};
        case SegE: return {ml, bl};
        case SegF: return {tl, ml};
        default: return {ml, mr};
        }
    }
};

QPoint pixelAt(QPointF p)
{
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

// A segment with pointed ends: a long hexagon around the line from p to q,
// `half` thick on each side, its tips `gap` short of the corners.
QPainterPath bevelledSegment(QPointF p, QPointF q, qreal half, qreal gap)
{
    const QPointF along = (q - p) / std::hypot(q.x() - p.x(), q.y() - p.y());
    const QPointF across(-along.y(), along.x());
    const QPointF a = p + along * gap;
    const QPointF b = q - along * gap;
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(a + along * half + across * half);
    path.lineTo(b - along * half + across * half);
    path.lineTo(b);
    path.lineTo(b - along * half - across * half);
    path.lineTo(a + along * half - across * half);
    path.closeSubpath();
    return path;
}

} // namespace

SegmentMask segmentMask(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return kDigitMasks[u - u'0'];
    switch (u) {
    case u'-': return segmentBit(SegG);
    case u'_': return segmentBit(SegD);
    case u'=': return bits({SegD, SegG});
    case u'.': return segmentBit(SegDP);
    default: return letterMask(u);
    }
}

GlyphStyle glyphStyle(std::int16_t degitStyle)
{
    switch (degitStyle) {
    case 1: return GlyphStyle::B;
    case 2: return GlyphStyle::C;
    default: return GlyphStyle::A;
    }
}

DegitSizeClass degitSizeClass(std::int16_t degitSize)
{
    switch (degitSize) {
    case 1: return {255, 390};
    case 2: return {285, 435};
    case 3: return {165, 225};
    default: return {195, 300};
    }
}

SegmentFont::SegmentFont(GlyphStyle style, const DegitSizeClass &size, bool bold)
    : style_(style), bold_(bold), advance_(size.positionWidth()), height_(size.height())
{
    // About an eighth of the position's width; bold adds a pixel.
    thickness_ = std::max(1, advance_ / 8) + (bold ? 1 : 0);
    switch (style) {
    case GlyphStyle::A: buildStyleA(); break;
    case GlyphStyle::B: buildStyleB(); break;
    case GlyphStyle::C: buildStyleC(); break;
    }
}

void SegmentFont::buildStyleA()
{
    // Slanted about 6 degrees: the box is narrowed by the slant so the
    // leaning glyph stays inside its position.
    const qreal slant = 0.1;
    const qreal marginX = std::max(1, advance_ / 8);
    const qreal marginY = std::max(1, height_ / 12);
    const QRectF frame(marginX, marginY, advance_ - 2 * marginX, height_ - 2 * marginY);
    const QRectF box(frame.left(), frame.top(), frame.width() - slant * frame.height(), frame.height());
    const qreal half = thickness_ / 2.0;
    const Skeleton sk(box, half);
    const QTransform lean(1, 0, -slant, 1, slant * frame.bottom(), 0);
    for (int s = SegA; s <= SegG; ++s) {
        const auto [p, q] = sk.line(static_cast<Segment>(s));
        paths_[s] = lean.map(bevelledSegment(p, q, half, 0.5));
        probes_[s] = pixelAt(lean.map((p + q) / 2));
    }
    const QRectF dot(box.right() + 0.5, box.bottom() - thickness_, thickness_, thickness_);
    paths_[SegDP].addPolygon(lean.map(QPolygonF(dot)));
    paths_[SegDP].closeSubpath();
    probes_[SegDP] = pixelAt(lean.map(dot.center()));
}

void SegmentFont::buildStyleB()
{
    // Whole pixels only: each segment is a rectangle of full pixels and the
    // corner squares where two segments would meet stay dark, so every
    // segment stands apart as on a lamp module.
    const int t = thickness_;
    const int marginX = std::max(1, (advance_ + 4) / 8);
    const int marginY = std::max(1, height_ / 12);
    const int x0 = marginX;
    const int x1 = advance_ - marginX; // exclusive
    const int y0 = marginY;
    const int y1 = height_ - marginY; // exclusive
    const int midTop = y0 + (y1 - y0 - t) / 2;
    const auto bar = [this](Segment s, int left, int top, int width, int height) {
        paths_[s].addRect(left, top, width, height);
        probes_[s] = QPoint(left + width / 2, top + height / 2);
    };
    const int across = x1 - x0 - 2 * t;
    bar(SegA, x0 + t, y0, across, t);
    bar(SegG, x0 + t, midTop, across, t);
    bar(SegD, x0 + t, y1 - t, across, t);
    const int upperHeight = midTop - (y0 + t);
    const int lowerHeight = y1 - t - (midTop + t);
    bar(SegF, x0, y0 + t, t, upperHeight);
    bar(SegB, x1 - t, y0 + t, t, upperHeight);
    bar(SegE, x0, midTop + t, t, lowerHeight);
    bar(SegC, x1 - t, midTop + t, t, lowerHeight);
    const int dp = std::min(t, marginX);
    bar(SegDP, x1, y1 - dp, dp, dp);
}

void SegmentFont::buildStyleC()
{
    // Lamps of whole pixels on an even grid: each segment is a row of lamps
    // between two corners, and the corner points of the grid are left out,
    // so the segments stand apart. The grid depends on the size class only:
    // two-pixel steps in the small classes, three in the large ones. Bold
    // lamps fill the step less one pixel along the segment and are two pixels
    // wide across it; plain lamps are single pixels.
    const int pitch = advance_ >= 17 ? 3 : 2;
    const int grid = 2; // the widest lamp
    const int along = bold_ ? pitch - 1 : 1;
    const int across = bold_ ? 2 : 1;
    // Up to five columns and nine rows (top, middle and bottom rows plus up
    // to three rows for each upright), centred in the position.
    const int columns = std::clamp((advance_ - 1 - grid) / pitch + 1, 3, 5);
    const int uprightRows = std::clamp(((height_ - 1 - grid) / pitch - 2) / 2, 1, 3);
    const int rows = 2 * uprightRows + 3;
    const int rowPitch = (height_ - 1 - grid) / (rows - 1);
    const int left = (advance_ - ((columns - 1) * pitch + grid)) / 2;
    const int top = (height_ - ((rows - 1) * rowPitch + grid)) / 2;
    const auto lampAt = [&](int column, int row) { return QPoint(left + column * pitch, top + row * rowPitch); };
    const auto row = [&](Segment s, int r) {
        for (int c = 1; c < columns - 1; ++c) {
            const QPoint at = lampAt(c, r);
            paths_[s].addRect(at.x(), at.y(), along, across);
        }
        probes_[s] = lampAt(columns / 2, r) + QPoint(along / 2, across / 2);
    };
    const auto column = [&](Segment s, int c, int firstRow) {
        for (int r = firstRow; r < firstRow + uprightRows; ++r) {
            const QPoint at = lampAt(c, r);
            paths_[s].addRect(at.x(), at.y(), across, along);
        }
        probes_[s] = lampAt(c, firstRow + uprightRows / 2) + QPoint(across / 2, along / 2);
    };
    row(SegA, 0);
    row(SegG, uprightRows + 1);
    row(SegD, rows - 1);
    column(SegF, 0, 1);
    column(SegB, columns - 1, 1);
    column(SegE, 0, uprightRows + 2);
    column(SegC, columns - 1, uprightRows + 2);
    const QPoint dp = lampAt(columns - 1, rows - 1) + QPoint(grid + 1, 0);
    paths_[SegDP].addRect(dp.x(), dp.y(), along, across);
    probes_[SegDP] = dp;
}

void SegmentFont::draw(QPainter &painter, QPoint origin, SegmentMask mask, const QColor &color) const
{
    if (mask == 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing, style_ == GlyphStyle::A);
    painter.translate(origin);
    for (int s = 0; s < SegmentCount; ++s) {
        if (mask & segmentBit(static_cast<Segment>(s)))
            painter.fillPath(paths_[s], color);
    }
    painter.translate(-origin);
}

} // namespace kerubara
