// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What is wrong with fare data, and what a data author should know about it:
// the checks the data tool's check runs and the import of a route repeats.
// Each check gives what it found; the commands and windows word it.

#include "formats/FareFile.h"
#include "formats/FareRecord.h"

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


// The fare columns the panel shows for a route: one for each ticket number up
// to the highest it issues, at least the panel's twelve and at most the 48 it
// shows in pages.
int fareColumnsInUse(const std::vector<FareRecord> &stops);

// A cell of the fare table the unit would show wrongly, or that breaks the
// way fares are laid out along a route.
//
// The panel shows each fare in a three-digit cell (unless set to four
// digits), the late-night fare doubled (every fare but -1, which means "no
// fare"). A passenger holding
// ticket number t got on at the stop that first issued t, so every later
// stop is one where they may get off: from there on column t must hold a
// fare, and -1 is a gap. Ticket numbers are issued in route order, so a
// stop issuing a number lower than one already issued breaks the layout of
// every column (0 issues no ticket and is passed over).
struct FareMark
{
    enum class Kind {
        CutByDay,       // 1 000 to 9 999: the cell shows the last three digits
        CutAtNight,     // 500 to 999: fits by day, doubled at night it does not
        FiveDigits,     // above 9 999 (cut by day and at night alike)
        Falls,          // lower than the last fare (not -1) of the column at an
                        // earlier stop, `earlierStop` with `earlierValue`
        NoFareExpected, // -1 after `earlierStop` first issued ticket number `column`
        TicketBackwards // column 0: `value` is below `earlierValue`, the highest
                        // ticket number issued before, first at `earlierStop`
    };
    int stop = 0;   // 1-based
    int column = 0; // 0 = the ticket number, 1..150 the data column
    Kind kind = Kind::CutByDay;
    int value = 0;  // what the cell holds
    int earlierStop = 0;
    int earlierValue = 0;

    bool operator==(const FareMark &) const = default;
};

// Every cell to mark in the fare columns 1..`columns` (and the ticket
// numbers), stop by stop; within a stop the ticket number first, then column
// by column. A cell can carry a fall and a display mark at once; a fall is
// marked once, where it happens.
std::vector<FareMark> fareMarks(const std::vector<FareRecord> &stops, int columns);

// The same over the columns the panel shows (fareColumnsInUse()).
std::vector<FareMark> fareMarks(const std::vector<FareRecord> &stops);

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
