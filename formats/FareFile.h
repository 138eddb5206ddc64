// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FareRecord.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;

namespace kerubara {

// The ".hy3" fare data file: a signed 16-bit count N followed by N stop
// records, little-endian, nothing before, between or after them:
//
//   u16 L | L bytes stop name (code page 932) | s16 ticket number | 150 x s16
//
// so one record is 304 + L bytes. Bytes after the N-th record are never read.

// One record exactly as it lies in the file (the name as raw bytes).
struct FareFileRecord
{
    QByteArray chimei;
    std::int16_t seirikenNo = 0;
    std::array<std::int16_t, kFareColumns> cols{};

    friend bool operator==(const FareFileRecord &, const FareFileRecord &) = default;
};

inline constexpr int kFareRecordFixedBytes = 304;
// The longest stop name its 16-bit length holds, in bytes.
inline constexpr int kMaxFareNameBytes = 0xFFFF;

// The largest file the format holds: the count and 301 records with names of
// 65535 bytes. Anything larger is not fare data, and is refused unread.
inline constexpr qint64 kMaxFareFileBytes = 2 + qint64(kFareRows) * (kFareRecordFixedBytes + 0xFFFF);

// Where a file ends before the records its count announces.
struct FareFileDamage
{
    // Which field of the record the file ends in.
    enum class Kind {
        NoRecord,     // the file ends before the record
        NameLength,   // within the name's length
        Name,         // within the name: `nameBytes` long, `bytesThere` there
        TicketNumber, // within the ticket number
        Columns,      // within the columns: `column` is the first missing
    };
    int record = 0; // 1-based number of the record that is cut off
    Kind kind = Kind::NoRecord;
    qsizetype nameBytes = 0;
    qsizetype bytesThere = 0;
    int column = 0;
};

// What a scan of a fare data file found.
struct FareFileScan
{
    bool hasCount = false;   // false when the file is shorter than 2 bytes
    std::int16_t count = 0;  // N as stored (0 when the file has no count)
    std::vector<FareFileRecord> records; // the complete records read
    std::optional<FareFileDamage> damage; // set when a record is cut off
    qint64 trailingBytes = 0; // bytes after the last record read (never read by the program)
};

// Reads the count and then min(N, maxRecords) records. Never reads more bytes
// than the device holds and never allocates more than the device can supply,
// so a damaged file cannot exhaust memory.
FareFileScan scanFareFile(QIODevice &device, int maxRecords = kFareRows);

// What keeps records from being written as a fare data file.
struct FareFileRefusal
{
    enum class Reason {
        TooManyRecords,   // more than 301: `value` is their number
        NameTooLong,      // over kMaxFareNameBytes: `value` is its bytes
        ControlCharacter, // `value` is the byte (below 0x20, or 0x7F)
    };
    Reason reason = Reason::TooManyRecords;
    int record = 0; // 1-based, the record whose name it is
    qsizetype value = 0;
};

// Why `records` cannot be written, or nothing when they can: at most 301
// records, each name at most 65535 bytes and free of control characters,
// which the strip would cut the name at (Shift-JIS never uses a byte below
// 0x20 or 0x7F within a character, so any such byte is one).
std::optional<FareFileRefusal> fareFileRefusal(const std::vector<FareFileRecord> &records);

// The bytes of a fare data file holding `records` (the count is their
// number); nothing when fareFileRefusal() refuses them, so that no writer
// produces a file the readers refuse or show cut short.
std::optional<QByteArray> serializeFareFile(const std::vector<FareFileRecord> &records);

// The in-memory record of a file record (the name decoded from code page 932).
FareRecord toFareRecord(const FareFileRecord &record);

// The route number as the file name uses it: the leading decimal digits of the
// text (after leading blanks) without leading zeros; "0" when there are none.
// "00123" gives "123", "" gives "0".
QString routeNumberText(const QString &routeNo);

// The folder with the path separator appended when it is not empty and does
// not already end in one ("\\" or "/").
QString withTrailingSeparator(const QString &folder);

// The fare data file of a route: folder, route number, ".hy3".
QString fareFilePath(const QString &folder, const QString &routeNo);

} // namespace kerubara
