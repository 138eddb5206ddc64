// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace kerubara {

// The digit-format dialog of a digit display: lets the user choose how zero,
// -1 and blanks are shown (ZeroMode), how many positions stay unlit on the
// right (Shift) and to how many digits numbers are padded with zeros
// (FillZero). The values are edited in place and only when the user presses
// OK; returns 1 on OK, 0 on Cancel.
std::int32_t runDigitFormatDialog(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode,
                                  std::int16_t &shift, std::int16_t &fillZero);

// The example line of the dialog: how the number 5 looks on `keta`
// positions with this zero fill and shift, one full-width character per
// position, "・" for an unlit one ("・０５・" for 4 positions, fill 2, shift 1).
QString digitFormatExample(int keta, int fillZero, int shift);

} // namespace kerubara
