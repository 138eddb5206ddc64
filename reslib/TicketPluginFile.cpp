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

using Why = std::optional<TicketPluginError>;

// What is wrong with a value, its line to be filled in.
Why refusal(TicketPluginError::Kind kind, const QStringList &values = {})
{
    return TicketPluginError{kind, 0, values};
}

// An integer in min..max, or the reason it is not one.
Why checkInteger(QStringView key, QStringView text, std::int64_t min, std::int64_t max,
                                    std::int64_t &value)
{
    const auto parsed = parseDecimal(text);
    if (!parsed)
        return refusal(TicketPluginError::Kind::NotInteger, {key.toString(), text.toString()});
    if (*parsed < min || *parsed > max)
        return refusal(TicketPluginError::Kind::OutOfRange,
                       {key.toString(), text.toString(), QString::number(min), QString::number(max)});
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
Why parseItem(QStringView key, QStringView text, TicketItem item, ItemLayout &layout)
{
    layout = defaultItemLayout(item, 0, 0);
    const QList<QStringView> parts = text.split(u',');
    if (parts.size() < 4 || parts.size() > 8)
        return refusal(TicketPluginError::Kind::BadItem, {key.toString(), text.toString()});
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
            return refusal(TicketPluginError::Kind::BadWeight, {key.toString(), weight.toString()});
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
            return refusal(TicketPluginError::Kind::BadAlignment, {key.toString(), align.toString()});
    }
    if (const QStringView colour = field(7); !colour.isEmpty()) {
        const auto c = parseColour(colour);
        if (!c)
            return refusal(TicketPluginError::Kind::BadColour, {key.toString(), colour.toString()});
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
            return TicketPluginError{TicketPluginError::Kind::BeforeSection, number, {trimmed}};
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
            return refuse(0, TicketPluginError::Kind::NoPluginSection);
        if (!keyLines_.contains(QStringLiteral("Format")))
            return refuse(pluginLine_, TicketPluginError::Kind::NoFormat, {kFormat});
        for (const char16_t *required : {u"Width", u"Height"}) {
            if (!keyLines_.contains(QString::fromUtf16(required)))
                return refuse(pluginLine_, TicketPluginError::Kind::MissingKey, {QString::fromUtf16(required)});
        }
        const auto &field = plugin_.info.field;
        if (field[PlgBarcode] == 1 && !plugin_.barcodeType)
            return refuse(keyLines_.value(QStringLiteral("Barcode")),
                          TicketPluginError::Kind::NoBarcodeType);
        if (field[PlgStopMin] > field[PlgStopMax])
            return refuse(std::max(keyLines_.value(QStringLiteral("StopMin")), keyLines_.value(QStringLiteral("StopMax"))),
                          TicketPluginError::Kind::StopsReversed,
                          {QString::number(field[PlgStopMin]), QString::number(field[PlgStopMax])});
        while (!comment_.isEmpty() && comment_.back().trimmed().isEmpty())
            comment_.removeLast();
        plugin_.comment = comment_.join(u'\n');
        return {plugin_, {}};
    }

private:
    bool seen(Section s) const { return seenSections_[static_cast<std::size_t>(s)]; }

    static TicketPluginRead refuse(int line, TicketPluginError::Kind kind, const QStringList &values = {})
    {
        return {std::nullopt, {kind, line, values}};
    }

    std::optional<TicketPluginError> header(int number, QStringView name)
    {
        const auto known = std::find_if(kSections.begin(), kSections.end(),
                                        [&](const SectionName &s) { return sameName(name, s.name); });
        if (known == kSections.end())
            return TicketPluginError{TicketPluginError::Kind::UnknownSection, number, {name.toString()}};
        if (seen(known->section))
            return TicketPluginError{TicketPluginError::Kind::SectionTwice, number, {QString::fromUtf16(known->name)}};
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
            return TicketPluginError{TicketPluginError::Kind::NotKeyValue, number, {line}};
        const QStringView key = QStringView(line).left(eq).trimmed();
        const QStringView value = QStringView(line).mid(eq + 1).trimmed();
        const std::optional<QString> canonical =
            section_ == Section::Plugin ? pluginKeyName(key) : layoutKeyName(key);
        if (!canonical)
            return TicketPluginError{TicketPluginError::Kind::UnknownKey, number,
                                     {section_ == Section::Plugin ? QStringLiteral("Plugin") : QStringLiteral("Layout"),
                                      key.toString()}};
        const QString seenAs = (section_ == Section::Plugin ? QStringLiteral("P:") : QStringLiteral("L:")) + *canonical;
        if (seenKeys_.contains(seenAs))
            return TicketPluginError{TicketPluginError::Kind::KeyTwice, number, {*canonical}};
        seenKeys_.insert(seenAs);
        if (section_ == Section::Plugin)
            keyLines_.insert(*canonical, number);
        Why why = section_ == Section::Plugin ? pluginValue(*canonical, value) : layoutValue(*canonical, value);
        if (why)
            why->line = number;
        return why;
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

    Why pluginValue(const QString &key, QStringView value)
    {
        if (key == u"Format") {
            if (value != kFormat)
                return refusal(TicketPluginError::Kind::BadFormat, {kFormat, value.toString()});
            return std::nullopt;
        }
        if (key == u"BarcodeType") {
            for (const BarcodeName &b : kBarcodeNames) {
                if (sameName(value, b.name)) {
                    plugin_.barcodeType = b.type;
                    return std::nullopt;
                }
            }
            return refusal(TicketPluginError::Kind::BadBarcodeType, {value.toString()});
        }
        const IntKey &k = *std::find_if(kIntKeys.begin(), kIntKeys.end(), [&](const IntKey &i) { return key == i.name; });
        std::int64_t v = 0;
        if (auto why = checkInteger(key, value, k.min, k.max, v))
            return why;
        plugin_.info.field[k.field] = static_cast<std::int32_t>(v);
        return std::nullopt;
    }

    Why layoutValue(const QString &key, QStringView value)
    {
        TicketLayout &layout = plugin_.layout;
        if (key == u"Paper" || key == u"Ink") {
            const auto c = parseColour(value);
            if (!c)
                return refusal(TicketPluginError::Kind::BadColour, {key, value.toString()});
            (key == u"Paper" ? layout.paper : layout.ink) = *c;
            return std::nullopt;
        }
        if (key == u"Face") {
            if (!sameName(value, u"Gothic") && !sameName(value, u"Mincho"))
                return refusal(TicketPluginError::Kind::BadFace, {value.toString()});
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
        return {std::nullopt, {TicketPluginError::Kind::TooLarge}};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.isEmpty())
        return {std::nullopt, {TicketPluginError::Kind::Empty}};
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
            return {std::nullopt, {TicketPluginError::Kind::NotUtf8, number}};
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
        return {std::nullopt, {TicketPluginError::Kind::Missing}};
    case FileOpening::Folder:
        return {std::nullopt, {TicketPluginError::Kind::NotAFile}};
    case FileOpening::NotRegular:
        return {std::nullopt, {TicketPluginError::Kind::NotRegularFile}};
    case FileOpening::Failed:
        return {std::nullopt, {TicketPluginError::Kind::CannotOpen, 0, {reason}}};
    }
    if (file.size() > kMaxTicketPluginBytes)
        return {std::nullopt, {TicketPluginError::Kind::TooLarge}};
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
