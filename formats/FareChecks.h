// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What is wrong with fare data, and what a data author should know about it:
// the checks the data tool's check runs and the import of a route repeats.
// Each check gives what it found; the commands and windows word it.

#include "formats/FareFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace kerubara {

// The panel has fare cells for ticket numbers 1 to 12 only.
inline constexpr int kPanelTickets = 12;

// The ticket numbers of the records, in route order.
std::vector<std::int16_t> ticketNumbers(const std::vector<FareFileRecord> &records);

// Where a route hands out ticket numbers the panel has no fare cell for.
struct TicketsBeyondPanel
{
    int firstStop = 0; // 1-based stop of the first ticket number above 12
    int highest = 0;   // the highest ticket number handed out
    int stops = 0;     // how many stops hand out one above 12
};

// The stops, by their ticket numbers in route order, whose ticket number is
// above 12; nothing when there are none.
std::optional<TicketsBeyondPanel> ticketsBeyondPanel(const std::vector<std::int16_t> &ticketNumbers);

// Fares the panel's three-digit fare cells show only the last three digits
// of, in the columns the panel shows (ticket numbers 1 to 12, and on up to the
// highest the route issues, at most 48).
struct CutFares
{
    int firstStop = 0;     // 1-based stop of the first one
    int lastStop = 0;      // and of the last
    QStringList stops;     // the names of the stops with one, in route order
    int lowestTicket = 0;  // the ticket numbers with one
    int highestTicket = 0;
    int highest = 0;       // the highest of them, in full
};

// By day, fares of 1 000 and up; at night, fares whose double (the late-night
// fare) is 1 000 and up.
struct FaresBeyondThreeDigits
{
    std::optional<CutFares> day;
    std::optional<CutFares> night;
};
FaresBeyondThreeDigits faresBeyondThreeDigits(const std::vector<FareFileRecord> &records);


// Bytes of a stop name that are no character of code page 932.
struct UndecodableName
{
    qsizetype at = 0;  // 0-based offset of the first such byte
    QByteArray bytes;  // that byte, and the next when it leads a pair
};

// The first bytes of `name` that do not decode; nothing when all do.
std::optional<UndecodableName> undecodableName(const QByteArray &name);

// One thing wrong with a fare data file, in the order a check finds them.
struct FareFileProblem
{
    enum class Kind {
        NoCount,          // shorter than the count's two bytes
        NoStops,          // the count is 0
        NegativeCount,    // `value` is the count
        OneStop,          // the count is 1
        TooManyStops,     // more than 301: `value` is the count
        UndecodableName,  // `record`'s name: `name` says where
        CutOff,           // `record` is cut off: `damage` says where
        TrailingBytes,    // `value` bytes after the last record, `record`
    };
    Kind kind = Kind::NoCount;
    int record = 0;      // 1-based: the record it is about
    qint64 value = 0;
    std::optional<UndecodableName> name;
    std::optional<FareFileDamage> damage;
};

// What is wrong with the file a scan read, all of it: a file without a count
// has that one problem. Bytes after the last record count only when no
// record was cut off and the count is above 0.
std::vector<FareFileProblem> fareFileProblems(const FareFileScan &scan);

} // namespace kerubara
