// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace kerubara {

// A reading of each kanji on its own, for a kanji in a word that no
// dictionary has (慈照院 is no word of MeCab's): KANJIDIC's first on
// reading, with its long vowels as they sound (慈 ジ, 照 ショー, 生 セー), or,
// for a kanji with none, its first kun reading without okurigana (畑 ハタ,
// 込 コ). Name readings (after T1) are not taken.
class KanjiReadings
{
public:
    // KANJIDIC as Debian's kanjidic package installs it.
    static QString systemFile() { return QStringLiteral("/usr/share/edict/kanjidic"); }

    // The readings of the system file, read once; empty when it is not
    // installed or cannot be read.
    static const KanjiReadings &system();

    // KANJIDIC's text (EUC-JP, one kanji a line: the kanji, its codes, its
    // readings in katakana and hiragana, its meanings in braces). Lines that
    // are no entry are skipped.
    static KanjiReadings parse(const QByteArray &eucJp);

    // The reading of `kanji`, or empty.
    QString reading(char32_t kanji) const { return readings_.value(kanji); }
    qsizetype size() const { return readings_.size(); }

private:
    QHash<char32_t, QString> readings_;
};

} // namespace kerubara
