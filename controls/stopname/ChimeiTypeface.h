// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Which typeface a character of the stop-name strip is printed in, and the
// horizontal forms of characters written for vertical text.
namespace kerubara {

// The code page 932 code of the first character of `ch` as a signed 16-bit
// number: a single-byte character gives 0..255, a double-byte one
// lead × 256 + trail − 65536 (so every double-byte code is negative). A
// character without a code page 932 form counts as "?" (63); an empty text
// gives 0.
std::int16_t cp932Code(QStringView ch);

// `ch` with the vertical-writing characters 丨 ｜ ↓ ↑ replaced by their
// horizontal forms ー － → ←; other characters are kept.
QString horizontalForm(const QString &ch);

// The face a stop-name character with code `code` is printed in under the
// typeface rule `fontMode`:
//   1     mincho for everything;
//   2     mincho for kana, symbols, full-width letters and digits (codes below
//         0x889F), gothic for kanji and single-byte characters;
//   3     the other way round;
//   4     gothic for full-width digits and Latin letters (0x824F..0x829A),
//         mincho for everything else;
//   other gothic for everything.
QString chimeiTypeface(std::int16_t fontMode, std::int16_t code);

// The faces of the "次は" prefix under `tsugiwaFontMode`: 0 both gothic,
// 1 only "は" mincho, 2 both mincho, 3 only "は" gothic. Any other mode gives
// no face, and the raster keeps the face it had.
std::optional<QString> tsugiTypeface(std::int16_t tsugiwaFontMode);
std::optional<QString> haTypeface(std::int16_t tsugiwaFontMode);

} // namespace kerubara
