// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "operation/FareFile.h"
#include "tools/ToolFiles.h"

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
};

// Reads a fare CSV (UTF-8). Every row needs exactly 152 fields; numbers must
// be decimal integers in -32768..32767; the stop name must be expressible in
// code page 932 and fit in 65535 bytes; at most 301 rows. Every problem found
// is reported with its line.
ReadResult fromCsv(const QByteArray &utf8);

// A decimal integer in the signed 16-bit range, blanks around it allowed.
using datatool::parseInt16;

} // namespace kerubara::farecsv
