// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readings in kana, as our reading dictionaries (yomi.csv) and the readings a
// route's data brings keep them.

#include <QString>
#include <QStringView>

namespace kerubara::kana {

// Hiragana turned into katakana; everything else unchanged.
QString toKatakana(QStringView text);

// A reading as a reading dictionary keeps it: katakana, the long vowel mark
// and the pauses 、 and 。 (hiragana turned into katakana, the middle dot ・
// into 、, spaces dropped); empty when it holds anything else.
QString cleanReading(QStringView reading);

} // namespace kerubara::kana
