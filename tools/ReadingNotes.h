// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace kerubara {
struct TextReading;
}

namespace kerubara::datatool {

// What the speech does with the characters of a text that no reading
// dictionary has a word for, for people: the kanji it reads one by one (and
// how), those it leaves out, and where a right reading goes. Empty when there
// are none.
QString unknownCharactersNote(const TextReading &reading);

// The stop names among `names` whose reading has such characters: the
// position of each in `names` and its note. The names are read with the
// built-in words, the user's and the dictionaries in `dictionaryFiles` (a
// missing file is none); nothing when MeCab's dictionary cannot be loaded.
std::vector<std::pair<qsizetype, QString>> stopNameReadingNotes(const QStringList &names, const QStringList &dictionaryFiles);

} // namespace kerubara::datatool
