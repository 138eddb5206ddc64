// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/PanelPicture.h"

#include "controls/digit/SegmentFont.h"

#include <QFont>
#include <QPainter>

namespace kerubara {
namespace {

constexpr QColor kFrame(222, 222, 214);
constexpr int kFaceLeft = 24, kFaceTop = 13, kFaceRight = 477, kFaceBottom = 227;
constexpr int kTableTop = 119, kRowRule = 174, kCaptionRule = 101;
constexpr std::array<int, 5> kCellRules{164, 227, 290, 352, 416};

// Pixel rectangles of the digit areas: the same places the fare digits take.
constexpr std::array<int, 6> kDigitLefts{105, 167, 231, 293, 356, 420};
constexpr std::array<int, 2> kDigitTops{143, 198};

void drawFrame(QPainter &p)
{
    p.fillRect(0, 0, 502, 252, kFrame);
    // A thin bevel: light above and left of the face, shadow below and right.
    p.setPen(QColor(246, 246, 240));
    p.drawLine(kFaceLeft - 2, kFaceBottom + 2, kFaceLeft - 2, kFaceTop - 2);
    p.drawLine(kFaceLeft - 2, kFaceTop - 2, kFaceRight + 2, kFaceTop - 2);
    p.setPen(QColor(150, 150, 142));
    p.drawLine(kFaceLeft - 1, kFaceBottom + 1, kFaceLeft - 1, kFaceTop - 1);
    p.drawLine(kFaceLeft - 1, kFaceTop - 1, kFaceRight + 1, kFaceTop - 1);
    p.setPen(QColor(246, 246, 240));
    p.drawLine(kFaceRight + 2, kFaceTop - 2, kFaceRight + 2, kFaceBottom + 2);
    p.drawLine(kFaceLeft - 2, kFaceBottom + 2, kFaceRight + 2, kFaceBottom + 2);
    p.setPen(QColor(180, 180, 172));
    p.drawLine(kFaceRight + 1, kFaceTop - 1, kFaceRight + 1, kFaceBottom + 1);
    p.drawLine(kFaceLeft - 1, kFaceBottom + 1, kFaceRight + 1, kFaceBottom + 1);
    p.fillRect(QRect(QPoint(kFaceLeft, kFaceTop), QPoint(kFaceRight, kFaceBottom)), Qt::black);
    p.fillRect(QRect(QPoint(38, 19), QPoint(468, 73)), QColor(128, 128, 128));
}

void drawRules(QPainter &p)
{
    p.setPen(Qt::white);
    p.drawLine(kFaceLeft, kTableTop, kFaceRight, kTableTop);
    p.drawLine(kCaptionRule, kRowRule, kFaceRight, kRowRule);
    p.drawLine(kCaptionRule, kTableTop, kCaptionRule, kFaceBottom);
    for (const int x : kCellRules)
        p.drawLine(x, kTableTop, x, kFaceBottom);
}

void drawCaptions(QPainter &p)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(kFaceLeft, 122, kCaptionRule - kFaceLeft, 17), Qt::AlignCenter, QStringLiteral("整理券"));
    font.setPixelSize(24);
    p.setFont(font);
    p.drawText(QRect(kFaceLeft, 142, kCaptionRule - kFaceLeft, 32), Qt::AlignCenter, QStringLiteral("運"));
    p.drawText(QRect(kFaceLeft, 186, kCaptionRule - kFaceLeft, 32), Qt::AlignCenter, QStringLiteral("賃"));
}

void drawDimDigits(QPainter &p)
{
    // Three unlit eights where each fare digit sits, as on the real face:
    // the fare digits' glyphs (style B, size class 2, bold) in a dark area.
    const SegmentFont glyphs(glyphStyle(1), degitSizeClass(2), true);
    const QColor area(40, 40, 40);
    const QColor unlit(78, 78, 78);
    for (const int top : kDigitTops) {
        for (const int left : kDigitLefts) {
            p.fillRect(left, top, 3 * glyphs.advance(), glyphs.height(), area);
            for (int i = 0; i < 3; ++i)
                glyphs.draw(p, QPoint(left + i * glyphs.advance(), top), kEightMask, unlit);
        }
    }
}

} // namespace

QPixmap drawBuiltInPanel()
{
    QImage image(502, 252, QImage::Format_RGB32);
    QPainter p(&image);
    drawFrame(p);
    drawRules(p);
    drawCaptions(p);
    drawDimDigits(p);
    p.end();
    return QPixmap::fromImage(image);
}

} // namespace kerubara
