// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareRecord.h"

#include "reslib/VbError.h"

namespace kerubara {

const FareRecord &FareTable::operator()(int row) const
{
    if (row < 1 || row > kFareRows)
        throw VbError(VbError::SubscriptOutOfRange);
    return rows_[static_cast<std::size_t>(row - 1)];
}

FareRecord &FareTable::operator()(int row)
{
    if (row < 1 || row > kFareRows)
        throw VbError(VbError::SubscriptOutOfRange);
    return rows_[static_cast<std::size_t>(row - 1)];
}

} // namespace kerubara
