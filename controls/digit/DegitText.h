// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>

// The text a digit display shows for its value: zero substitution, zero fill
// and shift, then the characters that fit the positions. Pure functions, so
// the formatting is checked without painting.

namespace kerubara {

// How a digit display formats its value.
struct DegitFormat
{
    std::int16_t zeroMode = 0; // 0..3: how 0, -1 and the empty text are shown
    std::int16_t fillZero = 0; // numbers padded with leading zeros to this many digits
    std::int16_t shift = 0;    // unlit positions kept to the right of the value
};

// True when `value` holds a number (not a text, not nothing).
bool isNumber(const QVariant &value);

// True when `value` is a number equal to `number` (a text never is).
bool isNumberEqualTo(const QVariant &value, double number);

// The value as text: a number as the system writes it ("1234", "-1", "1.5",
// "1E+20"), a text unchanged, nothing as the empty text.
QString valueText(const QVariant &value);

// Reads a text as a number the way a user types one: optional spaces around
// it, a sign, digits with an optional decimal point and exponent.
bool readsAsNumber(const QString &text, double *number = nullptr);

// The zero substitution. A text never equals a number here (the text "0" is
// not the number 0), and nothing counts as the empty text.
//   0: the number 0 or the empty text -> the empty text (nothing lit)
//   1: the number 0 or the empty text -> the number 0 (a lit 0)
//   2: the number -1 -> the number 0; otherwise the number 0 -> the empty text
//   3: the number -1, the number 0 or the empty text -> the number 0
//   other: unchanged
QVariant applyZeroMode(const QVariant &value, std::int16_t zeroMode);

// The value after zero substitution, zero fill and shift: the full text,
// before it is cut to the positions.
QString formatDegitValue(const QVariant &value, const DegitFormat &format);

// The last `keta` characters of `text` (all of it when shorter, nothing when
// `keta` is 0 or less). They are shown right-aligned, one per position.
QString lastCharacters(const QString &text, int keta);

} // namespace kerubara
