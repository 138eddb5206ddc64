// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class QFileDevice;

namespace kerubara {

// One announcement of a route's broadcast data file.
struct TapeRecord
{
    QString Text;              // what is spoken
    std::int16_t StepFlag = 0; // 1: arriving here by a tape step also steps the stop
    std::int16_t SoundFlag = 0; // 1, 2, 3: which pre-announcement sound; else none

    bool operator==(const TapeRecord &) const = default;
};

// Why a broadcast data file is refused.
struct TapeDataError
{
    enum class Kind {
        TooLarge,       // larger than kMaxTapeFileBytes (line 0)
        ReadFailed,     // `systemError` says why (line 0)
        CutOff,         // the file ends inside a record
        FlagOutOfRange, // a flag outside -32768..32767
        TooManyFields,  // the fields make more records than there are lines
        Other,          // another run-time error: `number` says which
    };
    Kind kind = Kind::CutOff;
    int line = 0;   // 1-based line to mend: where reading failed, or the blank line before it
    int number = 0; // the run-time error (VbError number)
    int failedLine = 0; // where reading failed, when `line` is a blank line read as a field before the failure; else 0
    QString systemError{};
};

// Something in a readable file that a data author should know.
struct TapeDataWarning
{
    enum class Kind {
        Utf8File,        // the file seems saved as UTF-8
        FullWidthStep,   // values: the step flag as written, the value read
        FullWidthSound,  // values: the sound flag as written, the value read
        Undecodable,     // values: the 1-based byte of the text, the byte in hex
    };
    Kind kind = Kind::Utf8File;
    int line = 0;
    QStringList values{};
};

struct TapeDataResult
{
    // One entry per line of the file; lines that no record reached are empty.
    std::vector<TapeRecord> records;
    std::optional<TapeDataError> error;
    std::vector<TapeDataWarning> warnings;
};

// Reads the bytes of a broadcast data file: Shift-JIS text, one announcement
// per line, each three comma-separated fields (text, step flag, sound flag)
// read by the rules of SequentialInput. The table has as many entries as the
// file has lines. The data is refused when a record is cut off by the end of
// the file, a flag is outside -32768..32767, or the fields make more records
// than there are lines; when a blank line inside the data was read before
// that, the error names the blank line, which shifted every field after it.
// Blank lines after the last record are allowed, and a trailing Ctrl-Z ends
// the data. Flags written with full-width digits get a warning, and so does,
// once, a file saved as UTF-8 (its text would be read as Shift-JIS).
TapeDataResult readTapeData(const QByteArray &bytes);

// The largest broadcast data file read. A route's announcements take a few
// kilobytes; a larger file is not broadcast data, and its lines alone would
// fill memory.
inline constexpr qint64 kMaxTapeFileBytes = qint64(4) << 20;

// Reads an open broadcast data file as readTapeData does. A file larger than
// kMaxTapeFileBytes is refused unread: the error then has line 0.
TapeDataResult readTapeFile(QFileDevice &file);

// The broadcast data file of `route` in `folder` (which already ends in a
// separator, or is empty for the current folder): route + "tp.csv", the name
// matched without regard to case. When no such file exists, the path as
// written, which then does not open.
QString tapeFilePath(const QString &folder, const QString &route);

// True when the name ends in "tp.csv", in any case.
bool isTapeFileName(const QString &path);

} // namespace kerubara
