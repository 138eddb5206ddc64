// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings file (.in4): the records it carries and its byte layout.
//
// Eleven blocks follow each other with no header and no gaps. Numbers are
// little-endian, 16 or 32 bits; a text is a signed 16-bit byte count followed
// by that many bytes of code page 932, with no terminator. This unit knows no
// window: the program fills the records from its controls, the data tool from
// a text file, and both read and write the bytes through the functions here.

#include "reslib/OleColor.h"
#include "reslib/ResDialogs.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace kerubara {

// Texts are kept as the file keeps them, in code page 932, so that a text the
// user did not change is written back byte for byte.

// Block 1: the data folders.
struct FolderDataRecord
{
    std::array<QByteArray, 2> Text2;
};

// Block 2: the panel and the ticket numbers. Option3 is indexed by the
// control's index; the file orders it 0, 1, 7, 6, 3, 2, 4, 5.
struct PanelDataRecord
{
    std::int16_t Check1 = 0;
    std::array<OleColor, 3> Command5{};
    std::int16_t Combo2 = 0;
    std::int16_t Check2 = 0;
    std::array<std::int16_t, 8> Option3{};
    std::array<QByteArray, 3> txtSelectPanel;
};

// Block 3: the digit colours and the information digits. Check3 and Combo4
// are indexed by the control's index.
struct DegitDataRecord
{
    std::array<OleColor, 3> Command8{};
    std::array<std::int16_t, 5> Check3{};
    std::array<std::int16_t, 5> Combo4{};
};

// Block 4: the stop-name strip.
struct ChimeiDataRecord
{
    std::array<OleColor, 3> Command9{};
    std::int16_t Combo3 = 0;
    std::int16_t Check4 = 0;
    std::int16_t Combo6 = 0;
    std::int16_t Combo5 = 0;
    std::int16_t Check5 = 0;
};

// Block 5: the sounds. txtSelectSound has no member 2.
struct SoundDataRecord
{
    std::array<QByteArray, 11> txtSelectSound;
    std::array<std::int16_t, 4> Option2{};
    std::array<std::int16_t, 2> Option6{};
    std::int16_t Combo1 = 0;
    std::array<std::int16_t, 2> Option7{};
};

// Block 6: the ticket preview.
struct SeirikenDataRecord
{
    std::int16_t chkUseSeiriPrev = 0;
    QByteArray txtSeiriPlgDir;
    std::array<std::int16_t, 3> Option4{};
    QByteArray Label10;
};

// Block 7: the control panel's layout state.
struct CtrlDataRecord
{
    std::int16_t nBackFrame = 0;
    std::int32_t nScrollSpeed = 0;
    std::int32_t nScrollWait = 0;
    std::int16_t nLateNight = 0;
    std::int16_t nPreviewOpen = 0;
    std::int32_t nLeft = 0; // twips
    std::int32_t nTop = 0;  // twips
};

// Block 8: the fare panel's position, in twips.
struct FormPosRecord
{
    std::int32_t nLeft = 0;
    std::int32_t nTop = 0;
};

// Block 11: one fare digit's own format.
struct DegitUserRecord
{
    std::int16_t Shift = 0;
    std::int16_t ZeroMode = 0;
    std::int16_t FillZero = 0;
};

// Everything the file holds. A default record is what an empty file reads
// as: every number 0, every text empty.
struct SettingsRecords
{
    FolderDataRecord FolderData;
    PanelDataRecord PanelData;
    DegitDataRecord DegitData;
    ChimeiDataRecord ChimeiData;
    SoundDataRecord SoundData;
    SeirikenDataRecord SeirikenData;
    CtrlDataRecord CtrlData;       // block 7
    FormPosRecord FormPos;         // block 8
    CustomColors CustColors{};     // block 9
    std::int16_t DegitCount = 0;   // block 10: the program writes 12 and reads past it
    std::array<DegitUserRecord, 13> DegitUser{}; // block 11: 1..12, as the fare digits; 0 unused
};

namespace settingsfile {

// The program writes this many digit records and says so in block 10.
inline constexpr std::int16_t kDigitRecords = 12;
// The longest text a 16-bit count can describe.
inline constexpr qsizetype kMaxTextBytes = 32767;

enum class FieldKind { Int16, Int32, Color, Text };

// What holds a field while the program runs, and so what values it can take.
enum class Holder {
    State,  // the windows' places, the custom colours, the digit formats:
            // collected and restored by the part of the program keeping them
    Text,   // a text box or label of the options window
    Check,  // a check box of the options window: 0 or 1
    Color,  // a colour button of the options window
    List,   // a list of the options window: the chosen entry, -1 for none
    Option, // an option button of the options window: -1 chosen, 0 not;
            // exactly one button of its group is chosen
    Slider, // a slider of the control panel
};

// One field of the file: its name (the setting's control, or the record and
// member for the window state: "Text2(0)", "CtrlData.nLeft", "DegitUser(3).Shift"),
// the block holding it, where its value lives and what holds it.
struct Field
{
    QString name;
    int block = 0;
    std::variant<std::int16_t *, std::int32_t *, OleColor *, QByteArray *> value;
    Holder holder = Holder::State;
    // The values a list or a slider takes; a list's minimum is -1 (nothing chosen).
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    // An option button's group, numbered in file order; -1 for other fields.
    int group = -1;

    FieldKind kind() const;
    // The value of a number or a colour; 0 for a text.
    std::int32_t number() const;
};

// Every field of the file in file order, pointing into `records`. This is the
// one list of the settings: the file's layout, the data tool's names, the
// options window's binding and the ranges checked on reading all follow it.
std::vector<Field> fields(SettingsRecords &records);
// The field of `records` named `name` ("Text2(0)"), if there is one.
std::optional<Field> field(SettingsRecords &records, const QString &name);

// How reading ended before block 11 was complete.
enum class Damage {
    None,
    ShortFile,     // the file ends inside or before a field
    CountPastEnd,  // a text's count runs past the end of the file
    NegativeCount, // a text's count is below 0
};

struct ReadResult
{
    SettingsRecords records;
    Damage damage = Damage::None;
    // The index (into fields()) of the first field not read from the file,
    // and the byte offset where it starts; all fields read when damage is None.
    qsizetype firstMissing = -1;
    qsizetype missingAt = 0;
    std::int16_t badCount = 0; // the count of CountPastEnd and NegativeCount
    qsizetype trailingBytes = 0; // bytes after block 11
};

// Reads a file's bytes. It never fails: a field that is not wholly in the file
// reads as 0 or empty, and so do all after it. A text whose count runs past
// the end (or is negative) ends the reading the same way.
ReadResult read(QByteArrayView bytes);

// The bytes of a file holding `records`. Block 10 is written as it stands in
// the records. A text longer than kMaxTextBytes is cut at a character boundary
// and written with the count of the bytes written.
QByteArray bytes(const SettingsRecords &records);

// The settings of a program that starts without a settings file: the options
// window's initial values, the control panel's sliders at their lowest, both
// windows at 0, block 10 = 12 and `today` (yyyy/MM/dd) as the fixed ticket date.
SettingsRecords initialRecords(const QDate &today);

// The size of the longest file: block 11 ends there at the latest.
qsizetype maxFileBytes();

// The longest beginning of `text` (code page 932) that is at most `limit`
// bytes and does not split a double-byte character.
QByteArray fitText(const QByteArray &text, qsizetype limit = kMaxTextBytes);

// ---- What the windows can hold ---------------------------------------------

// These views are taken from fields().

// A list whose chosen entry the file keeps, and how many entries it has: a
// stored index must be -1 (nothing chosen) or 0..entries-1.
struct ListField
{
    QString name;
    int entries = 0;
};
const std::vector<ListField> &listFields();

// The values among the first `fieldsRead` fields (in fields() order) that a
// list or a slider of the windows cannot take.
struct BadValue
{
    qsizetype field = 0; // index into fields()
    std::int32_t value = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool list = false; // a list's index; else a slider's value
};
std::vector<BadValue> badValues(SettingsRecords &records, qsizetype fieldsRead);

// How many fields, in file order, came from the file.
qsizetype fieldsRead(const ReadResult &result);

// The groups of option buttons, by field name; the window selects exactly
// one member of each.
const std::vector<QStringList> &optionGroups();

// The control panel's sliders and the values they take.
struct SliderField
{
    QString name;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
};
const std::vector<SliderField> &sliderFields();

} // namespace settingsfile
} // namespace kerubara
