// SPDX-License-Identifier: GPL-3.0-or-later
// The data tool's fare CSV (hy3): RFC 4180 text of stops.
//
// Any CSV it parses formats back to the same fields; a CSV it accepts makes a
// fare data file that reads back to the same stops and dumps to a CSV that
// is accepted again with the same stops; a refusal names a line of the text.

#include "FuzzSupport.h"

#include "formats/Csv.h"
#include "formats/FareCsv.h"
#include "formats/FareFile.h"

#include <QBuffer>

using namespace kerubara;

namespace {

void checkCsv(const QByteArray &bytes)
{
    const csv::ParseResult parsed = csv::parse(bytes);
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    if (parsed.error) {
        FUZZ_CHECK(parsed.error->line >= 1 && parsed.error->line <= lines);
        return;
    }
    for (const csv::Row &row : parsed.rows) {
        FUZZ_CHECK(row.line >= 1 && row.line <= lines);
        if (row.fields.size() == 1 && row.fields.front().isEmpty())
            continue; // a row of one empty field is written as an empty line, which holds no row
        const csv::ParseResult back = csv::parse(csv::formatRow(row.fields).toUtf8());
        FUZZ_CHECK(!back.error && back.rows.size() == 1 && back.rows.front().fields == row.fields);
    }
}

void checkFareCsv(const QByteArray &bytes)
{
    const farecsv::ReadResult read = farecsv::fromCsv(bytes);
    if (!read.problems.empty()) {
        FUZZ_CHECK(read.records.empty());
        return;
    }
    FUZZ_CHECK(read.records.size() <= static_cast<std::size_t>(kFareRows));
    // What the CSV reader accepts, the writer writes.
    const std::optional<QByteArray> written = serializeFareFile(read.records);
    FUZZ_CHECK(written);
    const QByteArray file = *written;
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    const FareFileScan scan = scanFareFile(buffer);
    FUZZ_CHECK(!scan.damage && scan.trailingBytes == 0 && scan.records == read.records);
    const farecsv::ReadResult again = farecsv::fromCsv(farecsv::toCsv(scan.records).toUtf8());
    FUZZ_CHECK(again.problems.empty() && again.records == read.records);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    checkCsv(bytes);
    checkFareCsv(bytes);
    return 0;
}
