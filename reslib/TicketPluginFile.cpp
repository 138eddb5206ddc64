// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/TicketPluginFile.h"

#include "reslib/BoundedRead.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>

namespace kerubara {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
const QString kFormat = QStringLiteral("kerubara-ticket 1");

enum class Section { None, Plugin, Comment, Companies, Layout };

struct SectionName
{
    const char16_t *name;
    Section section;
};
constexpr std::array<SectionName, 4> kSections{{
    {u"Plugin", Section::Plugin},
    {u"Comment", Section::Comment},
    {u"Companies", Section::Companies},
    {u"Layout", Section::Layout},
}};

// A [Plugin] key that holds one PlgInfoRecord field, with the values it takes.
struct IntKey
{
    const char16_t *name;
    std::size_t field;
    std::int64_t min;
    std::int64_t max;
};
constexpr std::array<IntKey, 13> kIntKeys{{
    {u"Width", PlgWidth, 1, 2000},
    {u"Height", PlgHeight, 1, 2000},
    {u"PrintDate", PlgPrintDate, kInt32Min, kInt32Max},
    {u"PrintTime", PlgPrintTime, kInt32Min, kInt32Max},
    {u"PrintRoute", PlgPrintRoute, kInt32Min, kInt32Max},
    {u"PrintStopName", PlgPrintStopName, kInt32Min, kInt32Max},
    {u"Barcode", PlgBarcode, kInt32Min, kInt32Max},
    {u"BarcodeCount", PlgBarcodeCount, 0, 10},
    {u"RouteMax", PlgRouteMax, 0, 999999999},
    {u"BarcodeScheme", PlgBarcodeScheme, kInt32Min, kInt32Max},
    {u"StopMin", PlgStopMin, 0, 32767},
    {u"StopMax", PlgStopMax, 0, 32767},
    {u"CompanySwitch", PlgCompanySwitch, kInt32Min, kInt32Max},
}};

struct BarcodeName
{
    const char16_t *name;
    BarcodeType type;
};
constexpr std::array<BarcodeName, 4> kBarcodeNames{{
    {u"NW7", BarcodeType::Nw7},
    {u"ITF", BarcodeType::Itf},
    {u"CODE39", BarcodeType::Code39},
    {u"CODE128", BarcodeType::Code128},
}};

struct ItemName
{
    const char16_t *name;
    TicketItem item;
};
constexpr std::array<ItemName, kTicketItemCount> kItemNames{{
    {u"Caption", TicketItem::Caption},
    {u"Number", TicketItem::Number},
    {u"Date", TicketItem::Date},
    {u"Time", TicketItem::Time},
    {u"Route", TicketItem::Route},
    {u"StopName", TicketItem::StopName},
    {u"Company", TicketItem::Company},
    {u"Barcode", TicketItem::Barcode},
}};

bool sameName(QStringView a, const char16_t *b)
{
    return a.compare(QStringView(b), Qt::CaseInsensitive) == 0;
}

// A decimal integer with an optional sign and nothing else; nothing when it
// is not one or has more digits than any value we take.
std::optional<std::int64_t> parseDecimal(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        i = 1;
    }
    if (i >= text.size() || text.size() - i > 12)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

// An integer in min..max, or the reason it is not one.
std::optional<QString> checkInteger(QStringView key, QStringView text, std::int64_t min, std::int64_t max,
                                    std::int64_t &value)
{
    const auto parsed = parseDecimal(text);
    if (!parsed)
        return QStringLiteral("%1 の値「%2」は整数ではありません。").arg(key, text);
    if (*parsed < min || *parsed > max)
        return QStringLiteral("%1 の値「%2」は範囲外です（%3～%4）。").arg(key, text).arg(min).arg(max);
    value = *parsed;
    return std::nullopt;
}

std::optional<QColor> parseColour(QStringView text)
{
    if (text.startsWith(u'#'))
        text = text.mid(1);
    if (text.size() != 6)
        return std::nullopt;
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 16);
    if (!ok || text.startsWith(u'+') || text.startsWith(u'-'))
        return std::nullopt;
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// "left,top,width,height[,size[,normal|bold[,left|center|right[,#RRGGBB]]]]";
// an empty optional field keeps its default.
std::optional<QString> parseItem(QStringView key, QStringView text, TicketItem item, ItemLayout &layout)
{
    layout = defaultItemLayout(item, 0, 0);
    const QList<QStringView> parts = text.split(u',');
    if (parts.size() < 4 || parts.size() > 8)
        return QStringLiteral("%1 は「左,上,幅,高さ[,文字の大きさ[,太さ[,揃え[,色]]]]」の形で書きます（「%2」）。")
            .arg(key, text);
    std::array<std::int64_t, 5> numbers{};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::int64_t min = k < 2 ? 0 : 1;
        if (auto why = checkInteger(key, parts[qsizetype(k)].trimmed(), min, 2000, numbers[k]))
            return why;
    }
    layout.box = QRect(int(numbers[0]), int(numbers[1]), int(numbers[2]), int(numbers[3]));
    const auto field = [&](qsizetype k) { return k < parts.size() ? parts[k].trimmed() : QStringView(); };
    if (!field(4).isEmpty()) {
        if (auto why = checkInteger(key, field(4), 1, 1000, numbers[4]))
            return why;
        layout.size = int(numbers[4]);
    }
    if (const QStringView weight = field(5); !weight.isEmpty()) {
        if (!sameName(weight, u"normal") && !sameName(weight, u"bold"))
            return QStringLiteral("%1 の太さ「%2」は normal か bold で書きます。").arg(key, weight);
        layout.bold = sameName(weight, u"bold");
    }
    if (const QStringView align = field(6); !align.isEmpty()) {
        if (sameName(align, u"left"))
            layout.align = Qt::AlignLeft;
        else if (sameName(align, u"center"))
            layout.align = Qt::AlignHCenter;
        else if (sameName(align, u"right"))
            layout.align = Qt::AlignRight;
        else
            return QStringLiteral("%1 の揃え「%2」は left、center、right のどれかで書きます。").arg(key, align);
    }
    if (const QStringView colour = field(7); !colour.isEmpty()) {
        const auto c = parseColour(colour);
        if (!c)
            return QStringLiteral("%1 の色「%2」は #RRGGBB（16進数）で書きます。").arg(key, colour);
        layout.colour = *c;
    }
    return std::nullopt;
}

// Reads the file line by line; each step either goes on or ends with the
// reason for refusing the file.
class Parser
{
public:
    std::optional<TicketPluginError> feed(int number, const QString &line)
    {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']'))
            return header(number, QStringView(trimmed).mid(1, trimmed.size() - 2).trimmed());
        if (section_ == Section::Comment) {
            comment_ << line;
            return std::nullopt;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            return std::nullopt;
        switch (section_) {
        case Section::None:
            return TicketPluginError{number, QStringLiteral("区分（[Plugin] など）より前に「%1」があります。").arg(trimmed)};
        case Section::Companies:
            plugin_.companies << trimmed;
            return std::nullopt;
        default:
            return keyValue(number, trimmed);
        }
    }

    TicketPluginRead finish()
    {
        if (!seen(Section::Plugin))
            return refuse(0, QStringLiteral("[Plugin] の区分がありません。"));
        if (!keyLines_.contains(QStringLiteral("Format")))
            return refuse(pluginLine_, QStringLiteral("Format=%1 がありません。").arg(kFormat));
        for (const char16_t *required : {u"Width", u"Height"}) {
            if (!keyLines_.contains(QString::fromUtf16(required)))
                return refuse(pluginLine_, QStringLiteral("%1 がありません（1～2000 の整数）。")
                                               .arg(QString::fromUtf16(required)));
        }
        const auto &field = plugin_.info.field;
        if (field[PlgBarcode] == 1 && !plugin_.barcodeType)
            return refuse(keyLines_.value(QStringLiteral("Barcode")),
                          QStringLiteral("Barcode=1 のときは BarcodeType（NW7、ITF、CODE39、CODE128）が必要です。"));
        if (field[PlgStopMin] > field[PlgStopMax])
            return refuse(std::max(keyLines_.value(QStringLiteral("StopMin")), keyLines_.value(QStringLiteral("StopMax"))),
                          QStringLiteral("StopMin（%1）が StopMax（%2）より大きくなっています。")
                              .arg(field[PlgStopMin])
                              .arg(field[PlgStopMax]));
        while (!comment_.isEmpty() && comment_.back().trimmed().isEmpty())
            comment_.removeLast();
        plugin_.comment = comment_.join(u'\n');
        return {plugin_, {}};
    }

private:
    bool seen(Section s) const { return seenSections_[static_cast<std::size_t>(s)]; }

    static TicketPluginRead refuse(int line, const QString &reason) { return {std::nullopt, {line, reason}}; }

    std::optional<TicketPluginError> header(int number, QStringView name)
    {
        const auto known = std::find_if(kSections.begin(), kSections.end(),
                                        [&](const SectionName &s) { return sameName(name, s.name); });
        if (known == kSections.end())
            return TicketPluginError{number, QStringLiteral("「[%1]」という区分はありません（[Plugin]、[Comment]、"
                                                            "[Companies]、[Layout] のどれかです）。")
                                                 .arg(name)};
        if (seen(known->section))
            return TicketPluginError{number, QStringLiteral("区分 [%1] が2回あります。").arg(QString::fromUtf16(known->name))};
        seenSections_[static_cast<std::size_t>(known->section)] = true;
        section_ = known->section;
        if (section_ == Section::Plugin)
            pluginLine_ = number;
        return std::nullopt;
    }

    std::optional<TicketPluginError> keyValue(int number, const QString &line)
    {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            return TicketPluginError{number, QStringLiteral("「キー=値」の形ではありません（「%1」）。").arg(line)};
        const QStringView key = QStringView(line).left(eq).trimmed();
        const QStringView value = QStringView(line).mid(eq + 1).trimmed();
        const std::optional<QString> canonical =
            section_ == Section::Plugin ? pluginKeyName(key) : layoutKeyName(key);
        if (!canonical)
            return TicketPluginError{number, QStringLiteral("[%1] に「%2」というキーはありません。")
                                                 .arg(section_ == Section::Plugin ? QStringLiteral("Plugin") : QStringLiteral("Layout"), key)};
        const QString seenAs = (section_ == Section::Plugin ? QStringLiteral("P:") : QStringLiteral("L:")) + *canonical;
        if (seenKeys_.contains(seenAs))
            return TicketPluginError{number, QStringLiteral("キー %1 が2回あります。").arg(*canonical)};
        seenKeys_.insert(seenAs);
        if (section_ == Section::Plugin)
            keyLines_.insert(*canonical, number);
        std::optional<QString> why =
            section_ == Section::Plugin ? pluginValue(*canonical, value) : layoutValue(*canonical, value);
        if (why)
            return TicketPluginError{number, *why};
        return std::nullopt;
    }

    static std::optional<QString> pluginKeyName(QStringView key)
    {
        for (const char16_t *name : {u"Format", u"BarcodeType"}) {
            if (sameName(key, name))
                return QString::fromUtf16(name);
        }
        for (const IntKey &k : kIntKeys) {
            if (sameName(key, k.name))
                return QString::fromUtf16(k.name);
        }
        return std::nullopt;
    }

    static std::optional<QString> layoutKeyName(QStringView key)
    {
        for (const char16_t *name : {u"Paper", u"Ink", u"Face", u"Border"}) {
            if (sameName(key, name))
                return QString::fromUtf16(name);
        }
        for (const ItemName &item : kItemNames) {
            if (sameName(key, item.name))
                return QString::fromUtf16(item.name);
        }
        return std::nullopt;
    }

    std::optional<QString> pluginValue(const QString &key, QStringView value)
    {
        if (key == u"Format") {
            if (value != kFormat)
                return QStringLiteral("Format は「%1」でなければなりません（「%2」）。").arg(kFormat, value);
            return std::nullopt;
        }
        if (key == u"BarcodeType") {
            for (const BarcodeName &b : kBarcodeNames) {
                if (sameName(value, b.name)) {
                    plugin_.barcodeType = b.type;
                    return std::nullopt;
                }
            }
            return QStringLiteral("BarcodeType「%1」は NW7、ITF、CODE39、CODE128 のどれかで書きます。").arg(value);
        }
        const IntKey &k = *std::find_if(kIntKeys.begin(), kIntKeys.end(), [&](const IntKey &i) { return key == i.name; });
        std::int64_t v = 0;
        if (auto why = checkInteger(key, value, k.min, k.max, v))
            return why;
        plugin_.info.field[k.field] = static_cast<std::int32_t>(v);
        return std::nullopt;
    }

    std::optional<QString> layoutValue(const QString &key, QStringView value)
    {
        TicketLayout &layout = plugin_.layout;
        if (key == u"Paper" || key == u"Ink") {
            const auto c = parseColour(value);
            if (!c)
                return QStringLiteral("%1 の色「%2」は #RRGGBB（16進数）で書きます。").arg(key, value);
            (key == u"Paper" ? layout.paper : layout.ink) = *c;
            return std::nullopt;
        }
        if (key == u"Face") {
            if (!sameName(value, u"Gothic") && !sameName(value, u"Mincho"))
                return QStringLiteral("Face「%1」は Gothic か Mincho で書きます。").arg(value);
            layout.mincho = sameName(value, u"Mincho");
            return std::nullopt;
        }
        if (key == u"Border") {
            std::int64_t v = 0;
            if (auto why = checkInteger(key, value, 0, 50, v))
                return why;
            layout.border = int(v);
            return std::nullopt;
        }
        const ItemName &item =
            *std::find_if(kItemNames.begin(), kItemNames.end(), [&](const ItemName &i) { return key == i.name; });
        ItemLayout parsed;
        if (auto why = parseItem(key, value, item.item, parsed))
            return why;
        layout.items[static_cast<std::size_t>(item.item)] = parsed;
        return std::nullopt;
    }

    Section section_ = Section::None;
    int pluginLine_ = 0;
    std::array<bool, 5> seenSections_{};
    QSet<QString> seenKeys_;
    QHash<QString, int> keyLines_;
    QStringList comment_;
    TicketPlugin plugin_;
};

// True when the bytes are well-formed UTF-8: decoding turns every bad
// sequence into U+FFFD, which does not encode back to the same bytes.
bool isUtf8(QByteArrayView bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace

TicketPluginRead parseTicketPlugin(QByteArrayView bytes)
{
    if (bytes.size() > kMaxTicketPluginBytes)
        return {std::nullopt, {0, QStringLiteral("ファイルが大きすぎます（1 MiB まで）。")}};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.isEmpty())
        return {std::nullopt, {0, QStringLiteral("空のファイルです。")}};
    Parser parser;
    int number = 0;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        ++number;
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!isUtf8(line))
            return {std::nullopt, {number, QStringLiteral("UTF-8 として読めない文字があります。")}};
        if (auto error = parser.feed(number, QString::fromUtf8(line)))
            return {std::nullopt, *error};
        start = end + 1;
    }
    return parser.finish();
}

TicketPluginRead readTicketPlugin(const QString &path)
{
    QFile file(path);
    QString reason;
    switch (openRegularFile(file, &reason)) {
    case FileOpening::Opened:
        break;
    case FileOpening::Missing:
        return {std::nullopt, {0, QStringLiteral("ファイルが見つかりません。")}};
    case FileOpening::Folder:
        return {std::nullopt, {0, QStringLiteral("ファイルではありません。")}};
    case FileOpening::NotRegular:
        return {std::nullopt, {0, QStringLiteral("通常のファイルではありません（デバイスや名前付きパイプは読みません）。")}};
    case FileOpening::Failed:
        return {std::nullopt, {0, QStringLiteral("ファイルを開けません（%1）。").arg(reason)}};
    }
    if (file.size() > kMaxTicketPluginBytes)
        return {std::nullopt, {0, QStringLiteral("ファイルが大きすぎます（1 MiB まで）。")}};
    // Read one byte past the limit, in case the file grew since it was sized.
    return parseTicketPlugin(file.read(kMaxTicketPluginBytes + 1));
}

ItemLayout defaultItemLayout(TicketItem item, int width, int height)
{
    // Rows as fractions of the ticket's height (in per mille), full width
    // less a small margin.
    struct Row
    {
        int top;
        int bottom;
        bool bold;
        Qt::Alignment align;
    };
    static constexpr std::array<Row, kTicketItemCount> rows{{
        {120, 220, true, Qt::AlignHCenter},  // Caption
        {220, 520, true, Qt::AlignHCenter},  // Number
        {700, 775, false, Qt::AlignLeft},    // Date
        {775, 850, false, Qt::AlignLeft},    // Time
        {530, 610, false, Qt::AlignLeft},    // Route
        {610, 700, false, Qt::AlignLeft},    // StopName
        {30, 110, false, Qt::AlignHCenter},  // Company
        {860, 970, false, Qt::AlignHCenter}, // Barcode
    }};
    const Row &row = rows[static_cast<std::size_t>(item)];
    const int margin = width / 16;
    ItemLayout layout;
    layout.box = QRect(margin, height * row.top / 1000, width - 2 * margin, height * (row.bottom - row.top) / 1000);
    layout.bold = row.bold;
    layout.align = row.align;
    return layout;
}

ItemLayout itemLayout(const TicketPlugin &plugin, TicketItem item)
{
    const auto &own = plugin.layout.items[static_cast<std::size_t>(item)];
    if (own)
        return *own;
    return defaultItemLayout(item, plugin.info.field[PlgWidth], plugin.info.field[PlgHeight]);
}

} // namespace kerubara
