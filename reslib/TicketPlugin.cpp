// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/TicketPlugin.h"

#include "reslib/Fonts.h"
#include "reslib/TicketBarcode.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace kerubara {
namespace {

// Saves the painter's state for a scope.
class SavedPainter
{
public:
    explicit SavedPainter(QPainter &p) : p_(p) { p_.save(); }
    ~SavedPainter() { p_.restore(); }
    SavedPainter(const SavedPainter &) = delete;
    SavedPainter &operator=(const SavedPainter &) = delete;

private:
    QPainter &p_;
};

void clipTo(QPainter &p, const QRect &rect)
{
    p.setClipRect(rect, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

// Maps the plug-in's Width x Height design onto the picture.
class DesignScale
{
public:
    DesignScale(const QRect &picture, const PlgInfoRecord &info)
        : picture_(picture), sx_(double(picture.width()) / std::max(1, info.field[PlgWidth])),
          sy_(double(picture.height()) / std::max(1, info.field[PlgHeight]))
    {
    }

    // A design box in picture pixels, cut to the picture.
    QRect box(const QRect &design) const
    {
        const int left = int(std::lround(design.left() * sx_));
        const int top = int(std::lround(design.top() * sy_));
        const int right = int(std::lround((design.left() + design.width()) * sx_));
        const int bottom = int(std::lround((design.top() + design.height()) * sy_));
        return QRect(picture_.left() + left, picture_.top() + top, right - left, bottom - top) & picture_;
    }

    // A design length (text size, line width) in picture pixels.
    double length(double design) const { return design * std::min(sx_, sy_); }

private:
    QRect picture_;
    double sx_;
    double sy_;
};

// Where a line of text sits: its em square centred on the line, the
// baseline 0.88 em below the square's top, as the IPA faces place their own.
// Faces with a tall line box (Noto CJK's bold) then look the same size as the
// IPA ones at the same pixel size instead of shrinking to fit their line box.
constexpr double kEmAscent = 0.88;
// The gap between the two lines of a wrapped text, in ems.
constexpr double kLineGap = 0.1;

// The kind of script of a character, to find where a name's words meet:
// kanji, hiragana, katakana (with its long vowel mark) or anything else.
enum class Script { Kanji, Hiragana, Katakana, Other };

Script scriptOf(QChar c)
{
    if (c == u'ー')
        return Script::Katakana;
    switch (c.script()) {
    case QChar::Script_Han:
        return Script::Kanji;
    case QChar::Script_Hiragana:
        return Script::Hiragana;
    case QChar::Script_Katakana:
        return Script::Katakana;
    default:
        return Script::Other;
    }
}

// A Japanese name has no spaces between its words, but a word often ends
// where the script changes (病院前|バスターミナル) or after a ・ or a blank.
bool wordsMeet(QChar before, QChar after)
{
    return before == u'・' || before.isSpace() || scriptOf(before) != scriptOf(after);
}

// The text on two lines no wider than `width`, broken where Japanese text may
// break: where words meet if that keeps the lines near enough in length,
// else as evenly as it can. Nothing when no break gives two such lines.
std::optional<QStringList> splitInTwo(const QString &text, const QFontMetricsF &metrics, double width)
{
    std::optional<QStringList> best;
    double bestScore = 0;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < text.size(); at = breaks.toNextBoundary()) {
        const QString first = text.left(at).trimmed();
        const QString second = text.mid(at).trimmed();
        const double firstWidth = metrics.horizontalAdvance(first);
        const double secondWidth = metrics.horizontalAdvance(second);
        if (first.isEmpty() || second.isEmpty() || firstWidth > width || secondWidth > width)
            continue;
        double score = std::abs(firstWidth - secondWidth);
        if (wordsMeet(text[at - 1], text[at]))
            score -= (firstWidth + secondWidth) / 4;
        if (!best || score < bestScore) {
            best = QStringList{first, second};
            bestScore = score;
        }
    }
    return best;
}

// A text set to fit its box: the font at its pixel size and the lines.
struct FittedText
{
    QFont font;
    QStringList lines;
};

// The text on one line at the largest pixel size, at most `size`, at which
// it fits the box; nothing when not even one pixel does.
std::optional<FittedText> fitOneLine(QFont font, const QString &text, const QSize &box, int size)
{
    size = std::min(size, box.height());
    while (size >= 1) {
        font.setPixelSize(size);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        if (width <= box.width())
            return FittedText{font, {text}};
        size = std::min(size - 1, int(size * box.width() / width));
    }
    return std::nullopt;
}

// The text on two lines at the largest pixel size, at most `size`, at which
// both fit the box; nothing when not even one pixel does.
std::optional<FittedText> fitTwoLines(QFont font, const QString &text, const QSize &box, int size)
{
    size = std::min(size, int(box.height() / (2 + kLineGap)));
    while (size >= 1) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        if (const std::optional<QStringList> lines = splitInTwo(text, metrics, box.width()))
            return FittedText{font, *lines};
        // Two lines hold at most twice the box's width.
        const double width = std::max(1.0, metrics.horizontalAdvance(text));
        size = std::min(size - 1, int(size * 2 * box.width() / width));
    }
    return std::nullopt;
}

// The text at the pixel size `wanted` when it fits the box on one line.
// Otherwise a text that may wrap goes onto two lines when they let it stay
// larger than one line would; else it is made smaller until it fits.
std::optional<FittedText> fitText(const QFont &font, const QString &text, const QSize &box, int wanted, bool wraps)
{
    std::optional<FittedText> oneLine = fitOneLine(font, text, box, wanted);
    if (!wraps || (oneLine && oneLine->font.pixelSize() == std::min(wanted, box.height())))
        return oneLine;
    std::optional<FittedText> twoLines = fitTwoLines(font, text, box, wanted);
    if (twoLines && (!oneLine || twoLines->font.pixelSize() > oneLine->font.pixelSize()))
        return twoLines;
    return oneLine;
}

// The text size an item asks for, in picture pixels: its own, or most of
// its box's height.
int wantedSize(const ItemLayout &item, const QRect &box, const DesignScale &scale)
{
    if (item.size > 0)
        return std::max(1, int(std::lround(scale.length(item.size))));
    return std::max(1, box.height() * 85 / 100);
}

QColor itemColour(const TicketPlugin &plugin, const ItemLayout &item)
{
    return item.colour.isValid() ? item.colour : plugin.layout.ink;
}

// Draws the fitted lines, centred as a block in the box and each aligned as
// the item asks.
void drawLines(QPainter &p, const QRect &box, const FittedText &fitted, Qt::Alignment align)
{
    const double size = fitted.font.pixelSize();
    const double pitch = size * (1 + kLineGap);
    const double height = size + pitch * double(fitted.lines.size() - 1);
    const QFontMetricsF metrics(fitted.font);
    double baseline = box.top() + (box.height() - height) / 2 + kEmAscent * size;
    for (const QString &line : fitted.lines) {
        const double width = metrics.horizontalAdvance(line);
        double x = box.left();
        if (align & Qt::AlignHCenter)
            x += (box.width() - width) / 2;
        else if (align & Qt::AlignRight)
            x += box.width() - width;
        p.drawText(QPointF(x, baseline), line);
        baseline += pitch;
    }
}

void drawItemText(QPainter &p, const QRect &box, const QString &text, const ItemLayout &item, int wanted,
                  const TicketLayout &look, const QColor &colour, bool wraps = false)
{
    if (box.isEmpty() || text.isEmpty())
        return;
    const std::optional<FittedText> fitted = fitText(ticketFont(look, item.bold), text, box.size(), wanted, wraps);
    if (!fitted)
        return;
    SavedPainter saved(p);
    clipTo(p, box);
    p.setFont(fitted->font);
    p.setPen(colour);
    drawLines(p, box, *fitted, item.align);
}

// The time as the ticket prints it: the hours and minutes of the hh:mm:ss it
// is given; any other text as it is.
QString printedTime(const QString &time)
{
    const QTime parsed = QTime::fromString(time, QStringLiteral("HH:mm:ss"));
    return parsed.isValid() ? parsed.toString(QStringLiteral("HH:mm")) : time;
}

// The text of an item the ticket shows, or nothing when the plug-in does not
// print it. Only the value 1 of a print flag prints its item.
std::optional<QString> itemText(const TicketPlugin &plugin, TicketItem item, const TicketText &text)
{
    const auto &field = plugin.info.field;
    switch (item) {
    case TicketItem::Caption:
        return QStringLiteral("整理券");
    case TicketItem::Number:
        return QString::number(text.number);
    case TicketItem::Date:
        return field[PlgPrintDate] == 1 ? std::optional(text.date) : std::nullopt;
    case TicketItem::Time:
        return field[PlgPrintTime] == 1 ? std::optional(printedTime(text.time)) : std::nullopt;
    case TicketItem::Route:
        return field[PlgPrintRoute] == 1 ? std::optional(QStringLiteral("系統 %1").arg(text.route)) : std::nullopt;
    case TicketItem::StopName:
        return field[PlgPrintStopName] == 1 ? std::optional(text.stopName) : std::nullopt;
    case TicketItem::Company:
        if (field[PlgCompanySwitch] >= 1 && text.company >= 0 && text.company < plugin.companies.size())
            return plugin.companies[text.company];
        return std::nullopt;
    case TicketItem::Barcode:
        break;
    }
    return std::nullopt;
}

bool printsBarcodes(const TicketPlugin &plugin)
{
    const auto &field = plugin.info.field;
    return field[PlgBarcode] == 1 && field[PlgBarcodeCount] >= 1 && plugin.barcodeType.has_value();
}

// The barcodes, stacked in the barcode box; 範囲外 in their place when the
// route or ticket number is beyond what they can carry.
void drawBarcodes(QPainter &p, const DesignScale &scale, const TicketPlugin &plugin, const TicketText &text)
{
    if (!printsBarcodes(plugin))
        return;
    const ItemLayout item = itemLayout(plugin, TicketItem::Barcode);
    const QRect area = scale.box(item.box);
    if (area.isEmpty())
        return;
    const QColor ink = itemColour(plugin, item);
    const std::optional<QString> content = ticketBarcodeContent(plugin, text.route, text.number);
    if (!content) {
        // A note where the barcode would be, not a headline: without a size
        // of its own it takes two fifths of the box's height.
        const int size = item.size > 0 ? wantedSize(item, area, scale) : std::max(1, area.height() * 2 / 5);
        drawItemText(p, area, QStringLiteral("範囲外"), item, size, plugin.layout, ink);
        return;
    }
    const int count = plugin.info.field[PlgBarcodeCount];
    const int gap = count > 1 ? std::max(1, area.height() / (count * 6)) : 0;
    const int rowHeight = std::max(1, (area.height() - gap * (count - 1)) / count);
    SavedPainter saved(p);
    clipTo(p, area);
    for (int row = 0; row < count; ++row) {
        const QRect rowArea(area.left(), area.top() + row * (rowHeight + gap), area.width(), rowHeight);
        drawBarcode(p, rowArea, *plugin.barcodeType, *content, ink, plugin.layout.paper, item.align);
    }
}

void drawBorder(QPainter &p, const QRect &picture, const TicketPlugin &plugin, const DesignScale &scale)
{
    if (plugin.layout.border <= 0)
        return;
    const double width = std::max(1.0, std::round(scale.length(plugin.layout.border)));
    SavedPainter saved(p);
    p.setPen(QPen(plugin.layout.ink, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(picture).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

} // namespace

QFont ticketFont(const TicketLayout &layout, bool bold)
{
    const QString &face = layout.mincho ? kMinchoFace : kPGothicFace;
    QFont font(face);
    if (bold) {
        font.setFamilies({layout.mincho ? QStringLiteral("Noto Serif CJK JP") : QStringLiteral("Noto Sans CJK JP"),
                          face});
        font.setWeight(QFont::Bold);
    }
    return font;
}

void drawTicket(QPainter &p, const QRect &picture, const TicketPlugin &plugin, const TicketText &text)
{
    // A stop whose ticket number is 0 issues no ticket.
    if (picture.isEmpty() || text.number < 1)
        return;
    SavedPainter saved(p);
    clipTo(p, picture);
    p.fillRect(picture, plugin.layout.paper);
    const DesignScale scale(picture, plugin.info);
    drawBorder(p, picture, plugin, scale);
    for (std::size_t k = 0; k < kTicketItemCount; ++k) {
        const auto item = static_cast<TicketItem>(k);
        if (item == TicketItem::Barcode) {
            drawBarcodes(p, scale, plugin, text);
            continue;
        }
        const std::optional<QString> shown = itemText(plugin, item, text);
        if (!shown)
            continue;
        const ItemLayout layout = itemLayout(plugin, item);
        const QRect box = scale.box(layout.box);
        drawItemText(p, box, *shown, layout, wantedSize(layout, box, scale), plugin.layout,
                     itemColour(plugin, layout), item == TicketItem::StopName);
    }
}

QStringList ticketBarcodes(const TicketPlugin &plugin, std::int32_t route, std::int32_t number)
{
    if (!printsBarcodes(plugin))
        return {};
    const std::optional<QString> content = ticketBarcodeContent(plugin, route, number);
    if (!content)
        return {};
    return QStringList(plugin.info.field[PlgBarcodeCount], *content);
}

} // namespace kerubara

std::int32_t ZR8_GetPlgInfo(const QString &path, PlgInfoRecord &info)
{
    const kerubara::TicketPluginRead read = kerubara::readTicketPlugin(path);
    if (!read.plugin)
        return 0;
    info = read.plugin->info;
    return 1;
}

void ZR8_DrawSeiriken(const QString &plugin, QPainter &dc, const QString &chimei, const QString &date,
                      const QString &time, std::int32_t route, std::int16_t seirikenNo,
                      [[maybe_unused]] std::int16_t stopPos, std::int32_t company)
{
    // The stop position is not printed: the ticket number names the stop.
    const QPaintDevice *device = dc.device();
    if (!device)
        return;
    const kerubara::TicketPluginRead read = kerubara::readTicketPlugin(plugin);
    if (!read.plugin)
        return;
    kerubara::drawTicket(dc, QRect(0, 0, device->width(), device->height()), *read.plugin,
                         {chimei, date, time, route, seirikenNo, company});
}
