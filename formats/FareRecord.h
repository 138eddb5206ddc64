// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace kerubara {

inline constexpr int kFareRows = 301;    // stops a route can have
inline constexpr int kFareColumns = 150; // data columns per stop

// One stop of a route as the program holds it: the stop name, the ticket
// number that belongs to the stop and 150 data columns. Columns 1..12 are the
// fares for ticket numbers 1..12 (-1 = no fare); the others carry whatever the
// data author put there (the step-sound flag, information digits, ...).
struct FareRecord
{
    QString Chimei;
    std::int16_t SeirikenNo = 0;
    std::array<std::int16_t, kFareColumns> cols{};

    // Column k, 1-based as the data author numbers them; k must be 1..150.
    std::int16_t Col(int k) const { return cols.at(static_cast<std::size_t>(k - 1)); }
    std::int16_t &Col(int k) { return cols.at(static_cast<std::size_t>(k - 1)); }

    bool isCleared() const { return *this == FareRecord{}; }

    friend bool operator==(const FareRecord &, const FareRecord &) = default;
};

// The fare table: 301 rows numbered 1..301. A cleared row has an empty name,
// ticket number 0 and every column 0.
class FareTable
{
public:
    FareTable() : rows_(kFareRows) {}

    // Row r, 1-based; a row outside 1..301 throws VbError 9.
    const FareRecord &operator()(int row) const;
    FareRecord &operator()(int row);

    static constexpr int rowCount() { return kFareRows; }

    friend bool operator==(const FareTable &, const FareTable &) = default;

private:
    std::vector<FareRecord> rows_;
};

} // namespace kerubara
