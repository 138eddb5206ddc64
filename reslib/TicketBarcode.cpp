// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/TicketBarcode.h"

#include <QPainter>

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace kerubara {
namespace {

// Light modules a scanner needs on each side of a linear barcode.
constexpr int kQuietModules = 10;

int digitCount(std::int64_t value)
{
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

QString padded(std::int64_t value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

struct Bar
{
    int start; // in narrow-element units from the symbol's left edge
    int width;
};

struct Bars
{
    int modules = 0; // the symbol's width in narrow-element units
    std::vector<Bar> bars;
};

int symbology(BarcodeType type)
{
    switch (type) {
    case BarcodeType::Nw7:
        return BARCODE_CODABAR;
    case BarcodeType::Itf:
        return BARCODE_C25INTER;
    case BarcodeType::Code39:
        return BARCODE_CODE39;
    case BarcodeType::Code128:
        return BARCODE_CODE128;
    }
    return BARCODE_CODE128;
}

// The data zint encodes: NW-7 needs its start and stop characters.
QByteArray symbolData(BarcodeType type, const QString &content)
{
    const QByteArray digits = content.toLatin1();
    return type == BarcodeType::Nw7 ? "A" + digits + "A" : digits;
}

// zint draws the wide elements of NW-7 and Code 39 twice as wide as the
// narrow ones; scanners read them far more surely at three times (the ratio
// both symbologies recommend for small modules, and the one zint gives ITF).
int elementWidth(BarcodeType type, int modules)
{
    const bool twoWidths = type == BarcodeType::Nw7 || type == BarcodeType::Code39;
    return twoWidths && modules == 2 ? 3 : modules;
}

// The bars of the symbol, in narrow-element units, from zint's vector output
// (whose unit is a fixed multiple of one module).
std::optional<Bars> encode(BarcodeType type, const QString &content)
{
    using Symbol = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;
    const Symbol symbol(ZBarcode_Create(), &ZBarcode_Delete);
    if (!symbol)
        return std::nullopt;
    symbol->symbology = symbology(type);
    symbol->show_hrt = 0;
    const QByteArray data = symbolData(type, content);
    const int encoded = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()),
                                        static_cast<int>(data.size()));
    if (encoded >= ZINT_ERROR || symbol->width <= 0)
        return std::nullopt;
    if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector)
        return std::nullopt;
    const double unit = symbol->vector->width / symbol->width;
    Bars result;
    int moduleEnd = 0; // where the last bar ended, in modules
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next) {
        const int start = int(std::lround(r->x / unit));
        const int width = int(std::lround(r->width / unit));
        const int barStart = result.modules + elementWidth(type, start - moduleEnd);
        result.bars.push_back({barStart, elementWidth(type, width)});
        result.modules = barStart + elementWidth(type, width);
        moduleEnd = start + width;
    }
    result.modules += elementWidth(type, symbol->width - moduleEnd);
    return result;
}

int alignedLeft(const QRect &area, int width, Qt::Alignment align)
{
    if (align & Qt::AlignLeft)
        return area.left();
    if (align & Qt::AlignRight)
        return area.left() + area.width() - width;
    return area.left() + (area.width() - width) / 2;
}

} // namespace

std::optional<QString> ticketBarcodeContent(const TicketPlugin &plugin, std::int32_t route, std::int32_t number)
{
    const auto &field = plugin.info.field;
    if (route < 1 || route > field[PlgRouteMax] || number < field[PlgStopMin] || number > field[PlgStopMax])
        return std::nullopt;
    QString content = padded(route, digitCount(field[PlgRouteMax]));
    if (field[PlgBarcodeScheme] != 1)
        content += u'0';
    content += padded(number, digitCount(field[PlgStopMax]));
    if (plugin.barcodeType == BarcodeType::Itf && content.size() % 2 != 0)
        content.prepend(u'0');
    return content;
}

bool drawBarcode(QPainter &p, const QRect &area, BarcodeType type, const QString &content, const QColor &ink,
                 const QColor &paper, Qt::Alignment align)
{
    const std::optional<Bars> symbol = encode(type, content);
    if (!symbol || area.isEmpty())
        return false;
    const int total = symbol->modules + 2 * kQuietModules;
    int pixels = area.width() / total;
    if (pixels == 0 && symbol->modules <= area.width())
        pixels = 1; // a narrower quiet zone reads more surely than squeezed bars
    if (pixels >= 1) {
        // Whole pixels a unit, so every bar keeps its true width.
        const int barsWidth = symbol->modules * pixels;
        const int quiet = std::min(kQuietModules * pixels, (area.width() - barsWidth) / 2);
        const int left = alignedLeft(area, barsWidth + 2 * quiet, align);
        p.fillRect(QRect(left, area.top(), barsWidth + 2 * quiet, area.height()), paper);
        for (const Bar &bar : symbol->bars)
            p.fillRect(QRect(left + quiet + bar.start * pixels, area.top(), bar.width * pixels, area.height()), ink);
        return true;
    }
    // Too narrow for whole pixels: squeeze the symbol into the area.
    const double module = double(area.width()) / total;
    p.fillRect(area, paper);
    for (const Bar &bar : symbol->bars)
        p.fillRect(QRectF(area.left() + (kQuietModules + bar.start) * module, area.top(), bar.width * module,
                          area.height()),
                   ink);
    return true;
}

} // namespace kerubara
