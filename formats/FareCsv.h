// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/Csv.h"
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

// What is wrong with a fare CSV, or read other than as written.
struct Problem
{
    enum class Kind {
        Syntax,           // not CSV: `csv` says what and where
        Empty,            // no header, no rows
        HeaderBlank,      // values: the column's number
        HeaderUnknown,    // values: the column's number, its name
        HeaderTwice,      // values: the column's name
        NoNameColumn,     // the header has no Chimei
        TooManyStops,     // values: the number of stops
        TooManyColumns,   // values: the row's cells, the header's columns
        NameNotShiftJis,  // values: the name, the character, its code point (hex)
        NameTooLong,      // values: the name's bytes
        NameControl,      // values: the control character
        NotInt16,         // values: the column's name, the cell
        // Warnings:
        AbsentColumns,    // values: their number, then each run of them ("Col3～Col150")
        BlankCells,       // values: their number, the first one's column
        BlankRows,        // values: their number
    };
    Kind kind = Kind::Syntax;
    int line = 0;       // 1-based line of the CSV, 0 for the whole file
    QStringList values{}; // what the kind names, in that order
    std::optional<csv::ParseError> csv{};
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

// A decimal integer in the signed 16-bit range, blanks around it allowed.
using datafiles::parseInt16;

} // namespace kerubara::farecsv
