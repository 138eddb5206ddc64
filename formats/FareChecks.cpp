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

FaresBeyondThreeDigits faresBeyondThreeDigits(const std::vector<FareFileRecord> &records)
{
    int highestTicket = 0;
    for (const FareFileRecord &r : records)
        highestTicket = std::max<int>(highestTicket, r.seirikenNo);
    constexpr int kMostShown = 48;
    const int columns = std::clamp(highestTicket, kPanelTickets, kMostShown);
    FaresBeyondThreeDigits cut;
    auto note = [](std::optional<CutFares> &kind, int stop, const QString &name, int ticket, int fare) {
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
    for (std::size_t s = 0; s < records.size(); ++s) {
        const QString name = cp932::decode(records[s].chimei);
        const int stop = static_cast<int>(s) + 1;
        for (int k = 1; k <= columns; ++k) {
            const int fare = records[s].cols[static_cast<std::size_t>(k - 1)];
            if (fare > 999)
                note(cut.day, stop, name, k, fare);
            // The late-night fare doubles every fare but -1 (no fare).
            if (fare != -1 && 2 * fare > 999)
                note(cut.night, stop, name, k, 2 * fare);
        }
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
