// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/DataIo.h"
#include "formats/FareChecks.h"
#include "formats/FareRecord.h"

#include <QImage>
#include <QRect>
#include <QStringList>

#include <cstdint>
#include <vector>

class QTextStream;

namespace kerubara::datatool {

// A fare the route sheet flags in red.
struct FareFlag
{
    enum class Kind {
        Falls,        // lower than the fare of the same ticket number at an earlier stop
        FiveDigits    // above 9 999
    };
    Kind kind = Kind::Falls;
    int stop = 0;   // 1-based position of the stop on the route
    int ticket = 0; // ticket number 1..12
    int fare = 0;
    int earlierStop = 0; // Falls: the stop with the fare it falls from
    int earlierFare = 0;

    bool operator==(const FareFlag &) const = default;
};

// The fares of a route to flag, stop by stop, ticket number by ticket number:
// the falls and the fares above 9 999 fareMarks() finds.
std::vector<FareFlag> fareFlags(const std::vector<FareRecord> &stops, int columns = 12);

// One line of a flag as the route sheet lists it on standard output.
QString flagText(const FareFlag &flag, const std::vector<FareRecord> &stops);

// A fare the panel's three-digit cells show only the last three digits of,
// by day (1 000 to 9 999) or only at night, doubled (500 to 999), as
// fareMarks() finds them; the sheet marks it orange. Fares above 9 999 are
// flagged instead.
struct CutFare
{
    int stop = 0;   // 1-based
    int ticket = 0;
    int fare = 0;
    bool byDay = false; // cut by day too, not only at night

    bool operator==(const CutFare &) const = default;
};
std::vector<CutFare> cutFares(const std::vector<FareRecord> &stops, int columns = 12);

// One line of a cut fare as the route sheet lists it on standard output.
QString cutFareText(const CutFare &cut, const std::vector<FareRecord> &stops);

// An announcement of the route's broadcast data, at the stop shown when it
// plays.
struct PlacedAnnouncement
{
    int entry = 0;             // 1-based line of the broadcast data
    QString text;
    bool steps = false;        // the bus moves on to the next stop after it
    std::int16_t soundFlag = 0;
};

// Plays the announcements one after another from the first stop, as the
// console's 送り does, and puts each at the stop shown when it plays; an
// announcement with step flag 1 moves the bus on as it starts, so it stands
// at the stop it moved to (never past the last stop). Entries without text play nothing and are left out. Gives one
// list per stop.
std::vector<std::vector<PlacedAnnouncement>> placeAnnouncements(const std::vector<TapeRecord> &tape, int stopCount);

// The route on one sheet: a row per stop with its position, ticket number,
// name as the stop-name strip draws it and the twelve fares (−1, zero and the
// late-night fare marked, flagged fares in red), and with a broadcast data
// file the announcements beside their stops.
class RouteSheet
{
public:
    RouteSheet(QString title, std::vector<FareRecord> stops,
               std::vector<std::vector<PlacedAnnouncement>> announcements = {});

    const std::vector<FareFlag> &flags() const { return flags_; }

    // Draws the sheet; needs a GUI application (the names are drawn by the
    // stop-name strip itself).
    QImage draw() const;

    // Where the fare of ticket `ticket` at stop `stop` (1-based) lies on the
    // drawn sheet.
    QRect fareCell(int stop, int ticket) const;

private:
    struct Columns
    {
        int order = 0, ticket = 0, name = 0, fares = 0, tape = 0, right = 0;
    };
    void layOut();
    int rowTop(int stop) const { return rowTops_[static_cast<std::size_t>(stop - 1)]; }
    int rowHeight(int stop) const;

    QString title_;
    std::vector<FareRecord> stops_;
    std::vector<std::vector<PlacedAnnouncement>> announcements_;
    int fareColumns_ = 12;
    std::vector<FareFlag> flags_;
    Columns columns_;
    std::vector<int> rowTops_; // one more than there are stops: the bottom
    int nameWidth_ = 0;
    int tapeWidth_ = 0;
};

// route-sheet FILE.hy3 OUT.png [--tape FILEtp.csv]: draws the sheet, lists
// the flagged fares and then the cut ones on `out`, and returns 1 when any is
// flagged (0 when none), 1 as well when a file cannot be read or written, 2
// on bad usage.
// Ticket numbers above 12, which the panel has no fare cell for, are noted
// on `err`.
int routeSheet(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
