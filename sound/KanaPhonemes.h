// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace kerubara {

// Turns a katakana reading into espeak-ng's phoneme input for its Japanese
// voice ([[...]], the voice's phoneme mnemonics), so that every mora is
// spoken from our own table whatever the voice's kana rules would do: the
// palatalised morae (リョ is r`_jo), ン as m, n, N or a nasal vowel by what
// follows it, ッ as the doubled consonant that follows, ー lengthening the
// vowel before it. Words get the stress espeak-ng gives Japanese words
// (strongest on the last syllable but one), so the intonation stays the
// voice's own. The pauses 、 and 。 become commas and full stops between the
// phoneme groups. Characters other than katakana, ー, 、 and 。 are ignored.
QString kanaToPhonemes(QStringView kana);

// The phonemes of one reading run without stress marks or brackets (リョーキン
// → r`_jo:kiN\), as the table gives them; for tests and the data tool.
QString plainPhonemes(QStringView kana);

} // namespace kerubara
