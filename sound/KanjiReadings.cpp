// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/KanjiReadings.h"

#include "reslib/BoundedRead.h"
#include "sound/JapaneseReader.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace kerubara {
namespace {

// KANJIDIC is about a megabyte; a file many times larger is not it.
constexpr qint64 kMaxKanjidicBytes = qint64(16) << 20;

bool isHiragana(QChar c)
{
    return c.unicode() >= 0x3041 && c.unicode() <= 0x3096;
}

bool isKatakana(QChar c)
{
    return c.unicode() >= 0x30A1 && c.unicode() <= 0x30FA;
}

// The vowel a kana ends in (a i u e o), or 0.
char vowelOf(QChar c)
{
    static const QString rows[] = {QStringLiteral("アカサタナハマヤラワガザダバパャァ"),
                                   QStringLiteral("イキシチニヒミリギジヂビピィ"),
                                   QStringLiteral("ウクスツヌフムユルグズヅブプュゥ"),
                                   QStringLiteral("エケセテネヘメレゲゼデベペェ"),
                                   QStringLiteral("オコソトノホモヨロヲゴゾドボポョォ")};
    static constexpr char vowels[] = "aiueo";
    for (std::size_t v = 0; v < 5; ++v) {
        if (rows[v].contains(c))
            return vowels[v];
    }
    return 0;
}

// An on reading as it sounds: ウ after o or u and イ after e draw the vowel
// out (ショウ ショー, キュウ キュー, セイ セー).
QString spokenOn(const QString &on)
{
    QString out;
    for (const QChar c : on) {
        const char before = out.isEmpty() ? 0 : vowelOf(out.back());
        if ((c == u'ウ' && (before == 'o' || before == 'u')) || (c == u'イ' && before == 'e'))
            out += u'ー';
        else
            out += c;
    }
    return out;
}

// The reading one line gives its kanji: the first on reading, else the
// first kun reading that is no prefix or suffix form, without its
// okurigana (after the dot). Empty when the line has neither. The kanji and
// its codes before the readings are no kana and pass by.
QString readingOfLine(QStringView line)
{
    QString kun;
    QString affixKun;
    for (const QStringView f : line.tokenize(u' ', Qt::SkipEmptyParts)) {
        if (f.startsWith(u'{') || f == u"T1" || f == u"T2")
            break; // the meanings, or the name readings
        if (std::all_of(f.begin(), f.end(), isKatakana))
            return spokenOn(f.toString());
        if (!isHiragana(f[0]) && f[0] != u'-')
            continue;
        const qsizetype dot = f.indexOf(u'.');
        const QStringView stem = dot < 0 ? f : f.left(dot);
        const bool affix = stem.startsWith(u'-') || stem.endsWith(u'-');
        QString plain = stem.toString();
        plain.remove(u'-');
        QString &slot = affix ? affixKun : kun;
        if (slot.isEmpty() && !plain.isEmpty() && std::all_of(plain.begin(), plain.end(), isHiragana))
            slot = toKatakana(plain);
    }
    return kun.isEmpty() ? affixKun : kun;
}

} // namespace

KanjiReadings KanjiReadings::parse(const QByteArray &eucJp)
{
    KanjiReadings table;
    QStringDecoder decoder("EUC-JP", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return table;
    const QString text = decoder.decode(eucJp);
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        // An entry starts with its kanji and a space.
        const qsizetype kanjiLength = line.size() > 1 && line[0].isHighSurrogate() ? 2 : 1;
        if (line.size() <= kanjiLength || line[kanjiLength] != u' ')
            continue;
        const char32_t kanji = line.left(kanjiLength).toUcs4().value(0);
        if (QChar::script(kanji) != QChar::Script_Han)
            continue;
        if (const QString reading = readingOfLine(line.mid(kanjiLength)); !reading.isEmpty())
            table.readings_.insert(kanji, reading);
    }
    return table;
}

const KanjiReadings &KanjiReadings::system()
{
    static const KanjiReadings table = [] {
        QFile file(systemFile());
        if (!file.open(QIODevice::ReadOnly))
            return KanjiReadings();
        const BoundedRead read = readBounded(file, kMaxKanjidicBytes);
        return read.outcome == BoundedRead::Outcome::Read ? parse(read.bytes) : KanjiReadings();
    }();
    return table;
}

} // namespace kerubara
