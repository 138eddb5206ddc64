// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

#include <functional>
#include <optional>
#include <variant>
#include <vector>

// The frame of a trip video made to a size of the maker's choice: the panel
// (and the ticket beside it) magnified by the largest whole factor that fits,
// each design pixel a square block as the panel's own zoom makes it, with
// the information bar under the panel, centred on a plain background.
namespace kerubara::datatool {

// The longest side a canvas may have: 8K, far beyond what the encoders'
// levels take for granted, but not a size that exhausts the memory.
inline constexpr int kMaxCanvasSide = 7680;

// The dark neutral the canvas has unless the maker chooses another colour.
inline constexpr QRgb kDefaultBackground = 0xff202124;

// What a canvas holds, in design pixels (the panel at 1×).
struct CanvasContent
{
    QSize panel;
    QSize ticket;      // empty: no ticket
    int barHeight = 0; // 0: no information bar; it is as wide as the panel
};

// Where each part lies, in canvas pixels.
struct CanvasLayout
{
    QSize canvas;
    int factor = 1;
    QRect panel;
    QRect ticket; // empty without a ticket
    QRect bar;    // empty without a bar

    bool operator==(const CanvasLayout &) const = default;
};

// Why a size cannot be the canvas.
enum class CanvasRefusal {
    OddSide,  // the codecs take only even widths and heights
    TooLarge, // a side beyond kMaxCanvasSide
    TooSmall, // the content does not fit at 1×
};

// The content fitted into a canvas of `size`: the largest whole factor at
// which it fits, centred.
std::variant<CanvasLayout, CanvasRefusal> fitCanvas(const CanvasContent &content, QSize size);

// The canvas that just holds the content at `factor`, made even for the
// codecs (no --size given).
CanvasLayout naturalCanvas(const CanvasContent &content, int factor);

// A size written as WIDTHxHEIGHT (1920x1080); nothing unless both are
// positive whole numbers.
std::optional<QSize> parseCanvasSize(const QString &text);

// A colour by its name (black, green), #RGB or #RRGGBB; nothing for what is
// not a colour or is not opaque (a video has no transparency).
std::optional<QColor> parseBackground(const QString &text);

// The panel and ticket images (design pixels) magnified onto the background
// where the layout places them, and the bar drawn in its place.
class CanvasPainter
{
public:
    // Draws the bar into the painter, in the rectangle given, at the factor.
    using DrawBar = std::function<void(QPainter &, const QRect &, int)>;

    CanvasPainter(const CanvasLayout &layout, QColor background);

    const CanvasLayout &layout() const { return layout_; }

    // One frame; `ticket` may be null, `drawBar` empty when there is no bar.
    QImage compose(const QImage &panel, const QImage *ticket, const DrawBar &drawBar);

private:
    CanvasLayout layout_;
    QColor background_;
};

// The frames side by side in rows, each made no wider than a thumbnail, on
// the background: a contact sheet.
QImage contactSheet(const std::vector<QImage> &frames, QColor background);

} // namespace kerubara::datatool
