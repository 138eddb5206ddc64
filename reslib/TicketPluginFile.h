// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ticket plug-ins (*.4SP): plain UTF-8 text files that describe a numbered
// ticket (整理券): what it can print, a note for the user, the company names
// and where each item sits on the paper. Reading one only reads that one
// file; nothing in it is ever run.
//
//     [Plugin]                     what the ticket prints (PlgInfoRecord)
//     Format=kerubara-ticket 1
//     Width=200
//     Height=300
//     ...
//     [Comment]                    free text for the options window
//     [Companies]                  one company name a line
//     [Layout]                     paper, ink, typeface and the item boxes
//
// README.md describes every key.

#include <QByteArrayView>
#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// What a plug-in can print, as the options window and the control panel read
// it: fourteen signed 32-bit fields, numbered 0 to 13 (see kerubara::PlgField).
struct PlgInfoRecord
{
    std::array<std::int32_t, 14> field{};

    friend bool operator==(const PlgInfoRecord &, const PlgInfoRecord &) = default;
};

namespace kerubara {

// The fields of PlgInfoRecord by meaning. For the print flags (PrintDate to
// Barcode) only the value 1 means yes.
enum PlgField : std::size_t {
    PlgReserved = 0,   // always 0
    PlgWidth,          // preview picture width
    PlgHeight,         // preview picture height
    PlgPrintDate,      // 1 = prints the date
    PlgPrintTime,      // 1 = prints the time
    PlgPrintRoute,     // 1 = prints the route number
    PlgPrintStopName,  // 1 = prints the stop name
    PlgBarcode,        // 1 = prints barcodes
    PlgBarcodeCount,   // how many barcodes
    PlgRouteMax,       // highest route number a barcode can carry (1..this)
    PlgBarcodeScheme,  // 1 = serial numbering, else route number + direction flag
    PlgStopMin,        // lowest ticket number a barcode can carry
    PlgStopMax,        // highest ticket number
    PlgCompanySwitch,  // >= 1 = prints one of several company names
};

enum class BarcodeType { Nw7, Itf, Code39, Code128 };

// The items a ticket can show, in the order they are drawn.
enum class TicketItem { Caption, Number, Date, Time, Route, StopName, Company, Barcode };
inline constexpr std::size_t kTicketItemCount = 8;

// Where one item goes, in the plug-in's own pixels (0,0 is the top left of a
// Width x Height ticket). A text shrinks until it fits its box.
struct ItemLayout
{
    QRect box;
    int size = 0;              // text height in pixels; 0 = from the box height
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
    QColor colour;             // invalid = the ticket's ink
};

struct TicketLayout
{
    QColor paper{Qt::white};
    QColor ink{Qt::black};
    bool mincho = false;       // the "ＭＳ 明朝" face instead of "ＭＳ ゴシック"
    int border = 0;            // width of a frame line round the paper, 0 = none
    std::array<std::optional<ItemLayout>, kTicketItemCount> items; // unset = the default place
};

struct TicketPlugin
{
    PlgInfoRecord info;
    std::optional<BarcodeType> barcodeType;
    QString comment;
    QStringList companies;
    TicketLayout layout;
};

// Why a file is not a plug-in: the 1-based line, or 0 when the problem is the
// file as a whole (missing, empty, too large), what is wrong and the values
// its message shows, in the order the kind names them.
struct TicketPluginError
{
    enum class Kind {
        None,
        // The file as a whole:
        Missing,
        NotAFile,
        NotRegularFile,   // a device or a named pipe
        CannotOpen,       // values: the system's words
        TooLarge,         // over kMaxTicketPluginBytes
        Empty,
        NotUtf8,
        // Its lines:
        BeforeSection,    // values: the line
        UnknownSection,   // values: its name
        SectionTwice,     // values: its name
        NotKeyValue,      // values: the line
        UnknownKey,       // values: the section, the key
        KeyTwice,         // values: the key
        NotInteger,       // values: the key, the value
        OutOfRange,       // values: the key, the value, the least, the most
        BadItem,          // values: the key, the value
        BadWeight,        // values: the key, the weight
        BadAlignment,     // values: the key, the alignment
        BadColour,        // values: the key, the colour
        BadFormat,        // values: the format wanted, the value
        BadBarcodeType,   // values: the value
        BadFace,          // values: the value
        // What the file leaves out:
        NoPluginSection,
        NoFormat,         // values: the format wanted
        MissingKey,       // values: the key
        NoBarcodeType,
        StopsReversed,    // values: StopMin, StopMax
    };
    Kind kind = Kind::None;
    int line = 0;
    QStringList values{};
};

// Either a plug-in or the reason it was refused.
struct TicketPluginRead
{
    std::optional<TicketPlugin> plugin;
    TicketPluginError error;
};

inline constexpr qint64 kMaxTicketPluginBytes = 1024 * 1024;

// Reads a plug-in from the bytes of its file.
TicketPluginRead parseTicketPlugin(QByteArrayView bytes);

// Reads the plug-in file at `path` (at most 1 MiB).
TicketPluginRead readTicketPlugin(const QString &path);

// Where an item goes when the plug-in's [Layout] does not say: a column of
// boxes down a ticket of the given size.
ItemLayout defaultItemLayout(TicketItem item, int width, int height);

// The item's layout, the plug-in's own or the default one.
ItemLayout itemLayout(const TicketPlugin &plugin, TicketItem item);

} // namespace kerubara
