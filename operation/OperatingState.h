// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FareRecord.h"
#include "reslib/VbError.h"

#include <QString>
#include <QVariant>

#include <cstdint>

namespace kerubara {

// What reading a fare data file for a route setting came to, when it did not
// throw. Route setting shows its own message for the two refusals.
enum class FareLoadResult {
    Loaded,           // the table, position and count now belong to the file
    ZeroCount,        // the file holds no stops (N = 0)
    SectionBeyondData // N - 1 < section (any negative N as well)
};

// Why a fare data file does not load, with what its message names: the
// file larger than any fare data (VbError 7), more stops than a route holds
// (9: `count`), or ending inside record `record` of `count` (62).
class FareLoadError : public VbError
{
public:
    enum class Kind { TooLarge, TooManyStops, CutShort };
    FareLoadError(Kind what, QString file, int stops = 0, int cutRecord = 0);

    Kind kind;
    QString path; // as given
    int count;
    int record;
};

// The operating state of the simulated unit: which route is set, from which
// section, which stop is shown, how many stops the route has, and its fares.
// One instance exists for the run; the control panel's operations read and
// change it.
class OperatingState
{
public:
    QString strRouteNo;          // route number as entered, leading zeros kept
    std::int16_t nSection = 0;   // section given at route setting, 1..300
    std::int16_t nStopPos = 0;   // 0-based position of the shown stop
    std::int16_t nStopCount = 0; // N of the loaded file
    FareTable FareData;          // rows 1..301

    // Clears rows 1..301: empty name, ticket number 0, every column 0.
    void ClearFareData();

    // Stores one field of one row; `column` addresses the whole record:
    // 1 = Chimei (the value as text), 2 = SeirikenNo, 3..152 = Col(column - 2)
    // (the value as a 16-bit integer). A row outside 1..301 or a column
    // outside 1..152 throws VbError 9; a value that is no number throws 13,
    // one outside the 16-bit range 6.
    void SetFareItem(int row, int column, const QVariant &value);

    // Reads the fare data file at `path` for a route setting from `section`
    // (1..300; route setting clamps it before, anything below 1 throws 5).
    //
    // A missing file throws VbError 53, one that cannot be opened 75. A file
    // with N = 0 or with N - 1 < section is refused by the result. A file with
    // more than 301 records, shorter than its count needs or larger than
    // any fare data throws a FareLoadError that says so. Every refusal
    // leaves the whole state exactly as it was. On success nSection becomes
    // `section`, nStopPos section - 1, nStopCount N, rows 1..N hold the
    // file's records and every later row is cleared. `stopsInFile`, when
    // given, gets N whenever the file was read, refused or not, so that a
    // refusal can name the route's own count.
    FareLoadResult LoadFareFile(const QString &path, std::int16_t section, int *stopsInFile = nullptr);
};

} // namespace kerubara
