// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareChecks.h"

#include "reslib/Cp932.h"

#include <algorithm>

namespace kerubara {

std::vector<std::int16_t> ticketNumbers(const std::vector<FareFileRecord> &records)
{
    std::vector<std::int16_t> numbers;
    numbers.reserve(records.size());
    for (const FareFileRecord &r : records)
        numbers.push_back(r.seirikenNo);
    return numbers;
}

std::optional<TicketsBeyondPanel> ticketsBeyondPanel(const std::vector<std::int16_t> &ticketNumbers)
{
    std::optional<TicketsBeyondPanel> beyond;
    for (std::size_t k = 0; k < ticketNumbers.size(); ++k) {
        const int number = ticketNumbers[k];
        if (number <= kPanelTickets)
            continue;
        if (!beyond)
            beyond = TicketsBeyondPanel{static_cast<int>(k) + 1, number, 0};
        beyond->highest = std::max(beyond->highest, number);
        ++beyond->stops;
    }
    return beyond;
}

namespace {

constexpr int kNoFare = -1;
constexpr int kWidestThreeDigits = 999;
constexpr int kWidestFourDigits = 9999;

// The display mark of a fare: what the three-digit cell loses of it, by day
// or only once the late-night fare doubles it.
std::optional<FareMark::Kind> displayMark(int fare)
{
    using Kind = FareMark::Kind;
    if (fare > kWidestFourDigits)
        return Kind::FiveDigits;
    if (fare > kWidestThreeDigits)
        return Kind::CutByDay;
    if (fare != kNoFare && 2 * fare > kWidestThreeDigits)
        return Kind::CutAtNight;
    return std::nullopt;
}

} // namespace

int fareColumnsInUse(const std::vector<FareRecord> &stops)
{
    constexpr int kMostShown = 48;
    int highest = 0;
    for (const FareRecord &stop : stops)
        highest = std::max<int>(highest, stop.SeirikenNo);
    return std::clamp(highest, kPanelTickets, kMostShown);
}

std::vector<FareMark> fareMarks(const std::vector<FareRecord> &stops, int columns)
{
    using Kind = FareMark::Kind;
    columns = std::clamp(columns, 0, kFareColumns);
    struct Seen
    {
        int stop = 0;
        int value = 0;
    };
    std::vector<std::optional<Seen>> lastFare(static_cast<std::size_t>(columns) + 1);
    std::vector<int> firstIssued(static_cast<std::size_t>(columns) + 1, 0);
    std::optional<Seen> highestTicket;
    std::vector<FareMark> marks;
    for (std::size_t s = 0; s < stops.size(); ++s) {
        const FareRecord &record = stops[s];
        const int stop = static_cast<int>(s) + 1;
        const int ticket = record.SeirikenNo;
        if (ticket != 0) {
            if (highestTicket && ticket < highestTicket->value)
                marks.push_back({stop, 0, Kind::TicketBackwards, ticket, highestTicket->stop, highestTicket->value});
            else if (!highestTicket || ticket > highestTicket->value)
                highestTicket = Seen{stop, ticket};
        }
        for (int k = 1; k <= columns; ++k) {
            const int fare = record.Col(k);
            const auto at = static_cast<std::size_t>(k);
            if (fare == kNoFare) {
                if (firstIssued[at] != 0)
                    marks.push_back({stop, k, Kind::NoFareExpected, fare, firstIssued[at], 0});
                continue;
            }
            if (lastFare[at] && fare < lastFare[at]->value)
                marks.push_back({stop, k, Kind::Falls, fare, lastFare[at]->stop, lastFare[at]->value});
            if (const std::optional<Kind> kind = displayMark(fare))
                marks.push_back({stop, k, *kind, fare, 0, 0});
            lastFare[at] = Seen{stop, fare};
        }
        // The ticket this stop issues is held from the next stop on.
        if (ticket >= 1 && ticket <= columns && firstIssued[static_cast<std::size_t>(ticket)] == 0)
            firstIssued[static_cast<std::size_t>(ticket)] = stop;
    }
    return marks;
}

std::vector<FareMark> fareMarks(const std::vector<FareRecord> &stops)
{
    return fareMarks(stops, fareColumnsInUse(stops));
}

FaresBeyondThreeDigits faresBeyondThreeDigits(const std::vector<FareFileRecord> &records)
{
    std::vector<FareRecord> stops;
    stops.reserve(records.size());
    for (const FareFileRecord &r : records)
        stops.push_back(toFareRecord(r));
    FaresBeyondThreeDigits cut;
    auto note = [&](std::optional<CutFares> &kind, int stop, int ticket, int fare) {
        const QString &name = stops[static_cast<std::size_t>(stop - 1)].Chimei;
        if (!kind)
            kind = CutFares{stop, stop, {name}, ticket, ticket, fare};
        if (kind->lastStop != stop) {
            kind->stops << name;
            kind->lastStop = stop;
        }
        kind->lowestTicket = std::min(kind->lowestTicket, ticket);
        kind->highestTicket = std::max(kind->highestTicket, ticket);
        kind->highest = std::max(kind->highest, fare);
    };
    using Kind = FareMark::Kind;
    for (const FareMark &mark : fareMarks(stops)) {
        if (mark.kind == Kind::CutByDay || mark.kind == Kind::FiveDigits)
            note(cut.day, mark.stop, mark.column, mark.value);
        // Every fare cut by day is cut at night too, doubled.
        if (mark.kind == Kind::CutByDay || mark.kind == Kind::FiveDigits || mark.kind == Kind::CutAtNight)
            note(cut.night, mark.stop, mark.column, 2 * mark.value);
    }
    return cut;
}

std::optional<UndecodableName> undecodableName(const QByteArray &name)
{
    const qsizetype at = cp932::firstUndecodable(name);
    if (at < 0)
        return std::nullopt;
    const auto lead = static_cast<std::uint8_t>(name[at]);
    const qsizetype len = cp932::isLeadByte(lead) && at + 1 < name.size() ? 2 : 1;
    return UndecodableName{at, name.mid(at, len)};
}

std::vector<FareFileProblem> fareFileProblems(const FareFileScan &scan)
{
    using Kind = FareFileProblem::Kind;
    std::vector<FareFileProblem> problems;
    auto found = [&](Kind kind, int record = 0, qint64 value = 0) -> FareFileProblem & {
        FareFileProblem &problem = problems.emplace_back();
        problem.kind = kind;
        problem.record = record;
        problem.value = value;
        return problem;
    };
    if (!scan.hasCount) {
        found(Kind::NoCount);
        return problems;
    }
    if (scan.count == 0)
        found(Kind::NoStops);
    else if (scan.count < 0)
        found(Kind::NegativeCount, 0, scan.count);
    else if (scan.count == 1)
        found(Kind::OneStop);
    else if (scan.count > kFareRows)
        found(Kind::TooManyStops, 0, scan.count);
    for (std::size_t k = 0; k < scan.records.size(); ++k) {
        if (auto name = undecodableName(scan.records[k].chimei))
            found(Kind::UndecodableName, static_cast<int>(k) + 1).name = std::move(name);
    }
    if (scan.damage)
        found(Kind::CutOff, scan.damage->record).damage = scan.damage;
    else if (scan.count > 0 && scan.trailingBytes > 0)
        found(Kind::TrailingBytes, scan.count, scan.trailingBytes);
    return problems;
}

} // namespace kerubara
