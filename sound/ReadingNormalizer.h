// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace kerubara {

// The first step of reading a text aloud: one spelling for what sounds the
// same. Full-width letters and digits become ASCII, half-width katakana
// full-width, circled digits and unit symbols their letters (NFKC), and the
// kanji variants that Shift-JIS files carry from the IBM and NEC extensions
// (髙, 﨑, 德, 濵, …) become the common forms the reading dictionary knows.
QString normalizeForReading(QStringView text);

// The common form of one kanji variant, or the character itself.
char32_t commonKanjiForm(char32_t c);

} // namespace kerubara
