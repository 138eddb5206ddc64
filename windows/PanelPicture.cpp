// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/PanelPicture.h"

#include "controls/digit/SegmentFont.h"

#include <QFont>
#include <QPainter>

namespace kerubara {
namespace {

constexpr QColor kFrame(222, 222, 214);
constexpr int kFaceLeft = 24, kFaceTop = 13, kFaceBottom = 227;
constexpr int kTableTop = 119, kRowRule = 174, kCaptionRule = 101;
constexpr int kDesignWidth = 502, kDesignFaceRight = 477;
constexpr std::array<int, 5> kCellRules{164, 227, 290, 352, 416};

// Pixel rectangles of the digit areas: the same places the fare digits take.
constexpr std::array<int, 6> kDigitLefts{105, 167, 231, 293, 356, 420};
constexpr std::array<int, 2> kDigitTops{143, 198};

// The face for fare cells of `digits` digits: each cell one digit position
// wider than the design's three for each digit more, the stop-name window
// moved to stay in the middle.
struct Face
{
    int digits;
    int growth; // pixels each cell grows
    int width() const { return kDesignWidth + 6 * growth; }
    int right() const { return kDesignFaceRight + 6 * growth; }
    int shiftAbove() const { return 3 * growth; }
};

Face faceFor(int digits)
{
    return {digits, (digits - 3) * degitSizeClass(2).positionWidth()};
}

void drawFrame(QPainter &p, const Face &face)
{
    const int right = face.right();
    p.fillRect(0, 0, face.width(), 252, kFrame);
    // A thin bevel: light above and left of the face, shadow below and right.
    p.setPen(QColor(246, 246, 240));
    p.drawLine(kFaceLeft - 2, kFaceBottom + 2, kFaceLeft - 2, kFaceTop - 2);
    p.drawLine(kFaceLeft - 2, kFaceTop - 2, right + 2, kFaceTop - 2);
    p.setPen(QColor(150, 150, 142));
    p.drawLine(kFaceLeft - 1, kFaceBottom + 1, kFaceLeft - 1, kFaceTop - 1);
    p.drawLine(kFaceLeft - 1, kFaceTop - 1, right + 1, kFaceTop - 1);
    p.setPen(QColor(246, 246, 240));
    p.drawLine(right + 2, kFaceTop - 2, right + 2, kFaceBottom + 2);
    p.drawLine(kFaceLeft - 2, kFaceBottom + 2, right + 2, kFaceBottom + 2);
    p.setPen(QColor(180, 180, 172));
    p.drawLine(right + 1, kFaceTop - 1, right + 1, kFaceBottom + 1);
    p.drawLine(kFaceLeft - 1, kFaceBottom + 1, right + 1, kFaceBottom + 1);
    p.fillRect(QRect(QPoint(kFaceLeft, kFaceTop), QPoint(right, kFaceBottom)), Qt::black);
    const int shift = face.shiftAbove();
    p.fillRect(QRect(QPoint(38 + shift, 19), QPoint(468 + shift, 73)), QColor(128, 128, 128));
}

void drawRules(QPainter &p, const Face &face)
{
    p.setPen(Qt::white);
    p.drawLine(kFaceLeft, kTableTop, face.right(), kTableTop);
    p.drawLine(kCaptionRule, kRowRule, face.right(), kRowRule);
    p.drawLine(kCaptionRule, kTableTop, kCaptionRule, kFaceBottom);
    for (std::size_t i = 0; i < kCellRules.size(); ++i) {
        const int x = kCellRules[i] + static_cast<int>(i + 1) * face.growth;
        p.drawLine(x, kTableTop, x, kFaceBottom);
    }
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

void drawDimDigits(QPainter &p, const Face &face)
{
    // An unlit eight for each position of each fare digit, as on the real
    // face: the fare digits' glyphs (style B, size class 2, bold) in a dark
    // area.
    const SegmentFont glyphs(glyphStyle(1), degitSizeClass(2), true);
    const QColor area(40, 40, 40);
    const QColor unlit(78, 78, 78);
    for (const int top : kDigitTops) {
        for (std::size_t cell = 0; cell < kDigitLefts.size(); ++cell) {
            const int left = kDigitLefts[cell] + static_cast<int>(cell) * face.growth;
            p.fillRect(left, top, face.digits * glyphs.advance(), glyphs.height(), area);
            for (int i = 0; i < face.digits; ++i)
                glyphs.draw(p, QPoint(left + i * glyphs.advance(), top), kEightMask, unlit);
        }
    }
}

} // namespace

QPixmap drawBuiltInPanel(int fareDigits)
{
    const Face face = faceFor(fareDigits);
    QImage image(face.width(), 252, QImage::Format_RGB32);
    QPainter p(&image);
    drawFrame(p, face);
    drawRules(p, face);
    drawCaptions(p);
    drawDimDigits(p, face);
    p.end();
    return QPixmap::fromImage(image);
}

} // namespace kerubara
