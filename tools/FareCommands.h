// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FareFile.h"

#include <QStringList>

#include <optional>

class QTextStream;

// The fare data commands of the data tool: dump, hy3 and check.
namespace kerubara::datatool {

int dumpFareFile(const QString &path, QTextStream &out, QTextStream &err);

// Reads every record of a fare data file the program could load (a count of
// 0 to 301 and every record complete), or says on `err` why the file cannot
// be read and gives nothing.
std::optional<FareFileScan> readWholeFareFile(const QString &path, QTextStream &err);
int csvToFareFile(const QString &csvPath, const QString &hy3Path, QTextStream &err);

// Why records cannot be written as fare data (Japanese, naming the record).
QString fareFileRefusalText(const FareFileRefusal &refusal);

// The panel has fare cells for ticket numbers 1 to 12 only.
inline constexpr int kPanelTickets = 12;

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

// What a data author is told about them (Japanese, without the file).
QString ticketsBeyondPanelText(const TicketsBeyondPanel &beyond);

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

// What a data author is told about them (Japanese, without the file).
QString cutFaresText(const CutFares &cut, bool night);
// Both, one line each.
QStringList faresBeyondThreeDigitsText(const FaresBeyondThreeDigits &cut);

// The highest ticket number the fare data at `path` issues; 0 when it cannot
// be read.
int highestTicketNumber(const QString &path);

int checkFareFiles(const QStringList &paths, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
