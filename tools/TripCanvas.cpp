// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TripCanvas.h"

#include "reslib/PixelZoom.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace kerubara::datatool {
namespace {

// The content's bounding box at 1×: the panel with the bar under it, the
// ticket to the right of both.
QSize groupSize(const CanvasContent &content)
{
    const QSize ticket = content.ticket.isEmpty() ? QSize(0, 0) : content.ticket; // QSize() is -1 by -1
    const int leftHeight = content.panel.height() + content.barHeight;
    return {content.panel.width() + ticket.width(), std::max(leftHeight, ticket.height())};
}

CanvasLayout place(const CanvasContent &content, QSize canvas, int factor)
{
    const QSize group = groupSize(content) * factor;
    const QPoint origin((canvas.width() - group.width()) / 2, (canvas.height() - group.height()) / 2);
    CanvasLayout layout;
    layout.canvas = canvas;
    layout.factor = factor;
    layout.panel = QRect(origin, content.panel * factor);
    if (!content.ticket.isEmpty())
        layout.ticket = QRect(QPoint(layout.panel.right() + 1, origin.y()), content.ticket * factor);
    if (content.barHeight > 0)
        layout.bar = QRect(QPoint(origin.x(), layout.panel.bottom() + 1),
                           QSize(layout.panel.width(), content.barHeight * factor));
    return layout;
}

} // namespace

std::variant<CanvasLayout, CanvasRefusal> fitCanvas(const CanvasContent &content, QSize size)
{
    if (size.width() % 2 != 0 || size.height() % 2 != 0)
        return CanvasRefusal::OddSide;
    if (size.width() > kMaxCanvasSide || size.height() > kMaxCanvasSide)
        return CanvasRefusal::TooLarge;
    const QSize group = groupSize(content);
    if (group.isEmpty())
        return CanvasRefusal::TooSmall;
    const int factor = std::min(size.width() / group.width(), size.height() / group.height());
    if (factor < 1)
        return CanvasRefusal::TooSmall;
    return place(content, size, factor);
}

CanvasLayout naturalCanvas(const CanvasContent &content, int factor)
{
    const QSize group = groupSize(content) * factor;
    return place(content, QSize(group.width() + group.width() % 2, group.height() + group.height() % 2), factor);
}

std::optional<QSize> parseCanvasSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX×]([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1)
        return std::nullopt;
    return size;
}

std::optional<QColor> parseBackground(const QString &text)
{
    const QString name = text.trimmed();
    // #AARRGGBB would say how transparent, which a video cannot be.
    if (name.startsWith(u'#') && name.size() != 4 && name.size() != 7)
        return std::nullopt;
    const QColor colour = QColor::fromString(name);
    if (!colour.isValid() || colour.alpha() != 255)
        return std::nullopt;
    return colour;
}

CanvasPainter::CanvasPainter(const CanvasLayout &layout, QColor background)
    : layout_(layout), background_(background)
{
}

QImage CanvasPainter::compose(const QImage &panel, const QImage *ticket, const DrawBar &drawBar)
{
    QImage image(layout_.canvas, QImage::Format_RGB32);
    image.fill(background_);
    QPainter painter(&image);
    painter.drawImage(layout_.panel.topLeft(), zoomedByWholePixels(panel, layout_.factor));
    if (ticket && !layout_.ticket.isEmpty())
        painter.drawImage(layout_.ticket.topLeft(), zoomedByWholePixels(*ticket, layout_.factor));
    if (drawBar && !layout_.bar.isEmpty())
        drawBar(painter, layout_.bar, layout_.factor);
    painter.end();
    return image;
}

QImage contactSheet(const std::vector<QImage> &frames, QColor background)
{
    // A panel at 1× (502 pixels) keeps every dot; a larger canvas is shrunk.
    constexpr int kThumbWidth = 640;
    constexpr int kGap = 8;
    constexpr int kMaxColumns = 6;
    if (frames.empty())
        return {};
    std::vector<QImage> thumbs;
    thumbs.reserve(frames.size());
    for (const QImage &frame : frames)
        thumbs.push_back(frame.width() > kThumbWidth
                             ? frame.scaledToWidth(kThumbWidth, Qt::SmoothTransformation)
                             : frame);
    const int count = static_cast<int>(thumbs.size());
    const int columns = std::min(kMaxColumns, static_cast<int>(std::ceil(std::sqrt(double(count)))));
    const int rows = (count + columns - 1) / columns;
    QSize cell;
    for (const QImage &thumb : thumbs)
        cell = cell.expandedTo(thumb.size());
    QImage sheet(columns * cell.width() + (columns + 1) * kGap, rows * cell.height() + (rows + 1) * kGap,
                 QImage::Format_RGB32);
    sheet.fill(background);
    QPainter painter(&sheet);
    for (int i = 0; i < count; ++i)
        painter.drawImage(kGap + (i % columns) * (cell.width() + kGap), kGap + (i / columns) * (cell.height() + kGap),
                          thumbs[static_cast<std::size_t>(i)]);
    return sheet;
}

} // namespace kerubara::datatool
