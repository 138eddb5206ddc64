// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/DataFiles.h"
#include "formats/FareFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace kerubara::farecsv {

// "Chimei,SeirikenNo,Col1,...,Col150": the 152 column names of a fare CSV.
QStringList header();

// The CSV text of the records: the header, then one row per record in order,
// the stop name decoded from code page 932 and 151 decimal integers.
QString toCsv(const std::vector<FareFileRecord> &records);

struct Problem
{
    int line = 0;    // 1-based line of the CSV, 0 for the whole file
    QString message; // Japanese
};

struct ReadResult
{
    std::vector<FareFileRecord> records;
    std::vector<Problem> problems; // empty when the CSV is usable
    std::vector<Problem> warnings; // what was read other than as written
};

// The largest fare CSV read: 301 rows whose names take 65535 bytes of code
// page 932 (each byte at most three bytes of UTF-8) and 151 numbers, with room
// to spare. A larger file is not a fare CSV.
inline constexpr qint64 kMaxCsvBytes = qint64(64) << 20;

// Reads a fare CSV (UTF-8) as a spreadsheet saves it. Its header names the
// columns it has, in any order: Chimei (the stop name, required),
// SeirikenNo (the ticket number) and Col1..Col150; the columns it leaves out
// are 0 in every stop, which one warning says. A shorter row and blank cells
// read as 0, which one warning counts, and rows of nothing but blank cells
// are no stops (a warning names them too). Numbers must be decimal integers
// in -32768..32767; the stop name must be expressible in code page 932, fit
// in 65535 bytes and hold no control character; at most 301 rows. Every
// problem found is reported with its line.
ReadResult fromCsv(const QByteArray &utf8);

// A control character as a message names it: 改行, タブ or U+XXXX.
QString controlCharacterName(QChar c);

// A decimal integer in the signed 16-bit range, blanks around it allowed.
using datafiles::parseInt16;

} // namespace kerubara::farecsv
