// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fares filled in by rule, as a fare-data author lays out a route's fares:
// blocks of values for a rectangle of the fare table (stops down, ticket
// numbers across), to be put into the table in one step.
//
// A route's fares form a triangle: the fare for ticket number t at stop s is
// what a passenger who got on where t was issued pays to get off at s. Along
// a route sold by fare stages, each ticket number starts a stage, and the
// fare depends only on how many stages lie between the two: the stage of the
// stop (the ticket number in force there) less the ticket number. So a fare
// table is a list of fares by stages travelled, and each ticket column is
// the one before it moved down by one stage.

#include "formats/FareRecord.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace kerubara {

// A block of the fare table: rows are stops, columns ticket numbers.
using FareBlock = std::vector<std::vector<std::int16_t>>;

// Which way a fare not on the rounding step goes: half up to the nearest
// (四捨五入), up (切り上げ) or down (切り捨て).
enum class FareRounding { Nearest, Up, Down };

// A fare-stage table: the fare for 0, 1, 2, ... stages travelled (the first
// is the base fare, paid within the stage a passenger got on in), and beyond
// the list the last fare plus `perStageAfter` for each further stage (0: the
// fare stops rising). Fares may be fractional (a rate per stage) and are
// rounded to a multiple of `roundTo` yen (1: whole yen).
struct FareStageRule
{
    std::vector<double> stageFares;
    double perStageAfter = 0;
    int roundTo = 1;
    FareRounding rounding = FareRounding::Nearest;

    bool operator==(const FareStageRule &) const = default;
};

// Copy ticket column `sourceTicket`'s pattern down the diagonal.
struct DiagonalRule
{
    int sourceTicket = 1;

    bool operator==(const DiagonalRule &) const = default;
};

using FareFillRule = std::variant<FareStageRule, DiagonalRule>;

// The stage of each stop: the ticket number it issues, or when it issues none
// (0) the last one issued before it, 0 before the first.
std::vector<int> fareStages(const std::vector<FareRecord> &stops);

// The rounded fare for `stages` stages travelled (0 or more); nothing when
// the rule has no fares, rounds to less than 1 yen, or the fare falls outside
// 0..32767.
std::optional<std::int16_t> stageFare(const FareStageRule &rule, int stages);

// The block for the rows whose stages are `rowStages` (from fareStages()) and
// the ticket numbers firstTicket .. firstTicket + tickets - 1. A cell whose
// ticket number is above the row's stage is a ticket not yet issued there and
// gets 0 (the panel leaves it dark); any other gets stageFare() of the
// stages between them, the issuing stop's own the base fare. Nothing when a
// fare the block needs is nothing.
std::optional<FareBlock> fareStageBlock(const FareStageRule &rule, const std::vector<int> &rowStages,
                                        int firstTicket, int tickets);

// The block for ticket numbers firstTicket .. firstTicket + tickets - 1 over
// the rows of `source`, the values of ticket column `sourceTicket` in those
// rows: ticket u gets the source moved down by u - sourceTicket rows (up when
// negative), one stop for each ticket number, as on a route where every stop
// issues its own. Rows moved in from above the source repeat its first value,
// those from below its last. A route whose stops share ticket numbers is
// filled by stages instead.
FareBlock diagonalPattern(const std::vector<std::int16_t> &source, int sourceTicket, int firstTicket, int tickets);

} // namespace kerubara
