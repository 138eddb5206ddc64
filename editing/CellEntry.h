// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a data author typed into a number cell of the fare table: a value
// the file's signed 16-bit field holds, or why it is not one.

#include <QStringView>

#include <cstdint>
#include <variant>

namespace kerubara::editing {

struct CellRefusal
{
    enum class Kind {
        Empty,      // nothing but blanks
        NotANumber, // `at` is the 0-based position of the first character that is not
        OutOfRange, // a whole number outside -32768..32767
    };
    Kind kind = Kind::Empty;
    qsizetype at = 0;

    friend bool operator==(const CellRefusal &, const CellRefusal &) = default;
};

using CellEntry = std::variant<std::int16_t, CellRefusal>;

// Reads a whole number with an optional sign, blanks around it allowed.
// Full-width digits and signs, as a Japanese input method types them, count
// as their ASCII ones; a thousands separator, a decimal point or anything
// else does not.
CellEntry readCellEntry(QStringView text);

} // namespace kerubara::editing
