// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/OleColor.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QAbstractButton;

namespace kerubara {

class ColorButton;

// The settings live in the options window's controls; these helpers read and
// write them with the value encodings the rest of the program and the settings
// file use.

// A check box: 0 unchecked, 1 checked.
std::int16_t checkValue(const QCheckBox *box);
// Sets a check box from 0/1 (any non-zero counts as checked).
void setCheckValue(QCheckBox *box, std::int16_t value);

// An option button: -1 selected, 0 not selected.
std::int16_t optionValue(const QAbstractButton *button);
// Selecting an option button (-1, or any non-zero) deselects the others of its
// group; 0 deselects it.
void setOptionValue(QAbstractButton *button, std::int16_t value);

// A list: the 0-based index of the chosen entry, -1 for none.
std::int16_t listIndex(const QComboBox *list);
// Chooses entry `index` (-1 for none). An index outside the list throws
// VbError 380, as restoring an impossible stored value must fail loudly.
void setListIndex(QComboBox *list, std::int16_t index);

// A colour button: the colour it shows as its background.
OleColor buttonColor(const ColorButton *button);
void setButtonColor(ColorButton *button, OleColor color);

} // namespace kerubara
