// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareFill.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kerubara {

namespace {

// A sum of fractional rates lands a hair beside a whole step (0.1 * 3 is not
// 0.3); so near, it counts as on the step.
constexpr double kOnTheStep = 1e-9;

double rounded(double fare, int roundTo, FareRounding rounding)
{
    double steps = fare / roundTo;
    if (const double whole = std::round(steps); std::abs(steps - whole) < kOnTheStep)
        steps = whole;
    switch (rounding) {
    case FareRounding::Up:
        steps = std::ceil(steps);
        break;
    case FareRounding::Down:
        steps = std::floor(steps);
        break;
    case FareRounding::Nearest:
        steps = std::floor(steps + 0.5);
        break;
    }
    return steps * roundTo;
}

} // namespace

std::vector<int> fareStages(const std::vector<FareRecord> &stops)
{
    std::vector<int> stages;
    stages.reserve(stops.size());
    int stage = 0;
    for (const FareRecord &stop : stops) {
        if (stop.SeirikenNo != 0)
            stage = stop.SeirikenNo;
        stages.push_back(stage);
    }
    return stages;
}

std::optional<std::int16_t> stageFare(const FareStageRule &rule, int stages)
{
    if (rule.stageFares.empty() || rule.roundTo < 1 || stages < 0)
        return std::nullopt;
    const auto listed = static_cast<int>(rule.stageFares.size());
    const double fare = stages < listed
        ? rule.stageFares[static_cast<std::size_t>(stages)]
        : rule.stageFares.back() + rule.perStageAfter * (stages - (listed - 1));
    const double value = rounded(fare, rule.roundTo, rule.rounding);
    if (!std::isfinite(value) || value < 0 || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<FareBlock> fareStageBlock(const FareStageRule &rule, const std::vector<int> &rowStages,
                                        int firstTicket, int tickets)
{
    FareBlock block;
    block.reserve(rowStages.size());
    for (const int stage : rowStages) {
        std::vector<std::int16_t> &row = block.emplace_back(static_cast<std::size_t>(std::max(tickets, 0)), 0);
        for (int c = 0; c < tickets; ++c) {
            const int stages = stage - (firstTicket + c);
            if (stages < 0)
                continue;
            const std::optional<std::int16_t> fare = stageFare(rule, stages);
            if (!fare)
                return std::nullopt;
            row[static_cast<std::size_t>(c)] = *fare;
        }
    }
    return block;
}

FareBlock diagonalPattern(const std::vector<std::int16_t> &source, int sourceTicket, int firstTicket, int tickets)
{
    FareBlock block;
    block.reserve(source.size());
    const auto rows = static_cast<int>(source.size());
    for (int r = 0; r < rows; ++r) {
        std::vector<std::int16_t> &row = block.emplace_back();
        for (int c = 0; c < tickets; ++c) {
            const int from = std::clamp(r - (firstTicket + c - sourceTicket), 0, rows - 1);
            row.push_back(source[static_cast<std::size_t>(from)]);
        }
    }
    return block;
}

} // namespace kerubara
