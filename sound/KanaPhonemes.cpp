// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/KanaPhonemes.h"

#include <QHash>

#include <vector>

namespace kerubara {
namespace {

// One sound unit of a reading.
struct Unit
{
    enum Kind { Mora, MoraicNasal, Sokuon, LongMark, Comma, FullStop };
    Kind kind = Mora;
    QString consonant; // espeak-ng mnemonic, empty for a bare vowel
    QChar vowel;       // a, i, u, e, o
};

struct MoraSound
{
    const char *consonant;
    char vowel;
};

// Katakana morae → the Japanese voice's phoneme mnemonics (X-SAMPA style).
const QHash<QString, MoraSound> &moraTable()
{
    static const QHash<QString, MoraSound> table = [] {
        QHash<QString, MoraSound> t;
        auto row = [&t](const char16_t *kana, const char *consonant) {
            static const char vowels[] = {'a', 'i', 'u', 'e', 'o'};
            const QString k = QString::fromUtf16(kana);
            for (qsizetype i = 0; i < k.size() && i < 5; ++i) {
                if (k[i] != u'・')
                    t.insert(QString(k[i]), {consonant, vowels[i]});
            }
        };
        // The plain rows; ・ marks a gap filled below.
        row(u"アイウエオ", "");
        row(u"カキクケコ", "k");
        row(u"ガギグゲゴ", "g");
        row(u"サ・スセソ", "s");
        row(u"ザ・ズゼゾ", "z");
        row(u"タ・・テト", "t");
        row(u"ダ・・デド", "d");
        row(u"ナニヌネノ", "n");
        row(u"ハ・・ヘホ", "h");
        row(u"バビブベボ", "b");
        row(u"パピプペポ", "p");
        row(u"マミムメモ", "m");
        row(u"ヤ・ユ・ヨ", "j");
        row(u"ラリルレロ", "r`");
        row(u"ワ・・・・", "w");
        row(u"ァィゥェォ", "");
        t.insert(QStringLiteral("シ"), {"s\\", 'i'});
        t.insert(QStringLiteral("ジ"), {"d_z\\", 'i'});
        t.insert(QStringLiteral("チ"), {"t_s\\", 'i'});
        t.insert(QStringLiteral("ツ"), {"t_s", 'u'});
        t.insert(QStringLiteral("ヂ"), {"d_z\\", 'i'});
        t.insert(QStringLiteral("ヅ"), {"z", 'u'});
        t.insert(QStringLiteral("ヒ"), {"C", 'i'});
        t.insert(QStringLiteral("フ"), {"p\\", 'u'});
        t.insert(QStringLiteral("ヰ"), {"", 'i'});
        t.insert(QStringLiteral("ヱ"), {"", 'e'});
        t.insert(QStringLiteral("ヲ"), {"", 'o'});
        t.insert(QStringLiteral("ヴ"), {"v", 'u'});
        t.insert(QStringLiteral("ャ"), {"j", 'a'});
        t.insert(QStringLiteral("ュ"), {"j", 'u'});
        t.insert(QStringLiteral("ョ"), {"j", 'o'});
        t.insert(QStringLiteral("ヮ"), {"w", 'a'});
        t.insert(QStringLiteral("ヵ"), {"k", 'a'});
        t.insert(QStringLiteral("ヶ"), {"k", 'e'});
        // Palatalised morae: the consonant with _j, or its own palatal sound.
        auto palatal = [&t](const char16_t *base, const char *consonant) {
            const QString b = QString::fromUtf16(base);
            t.insert(b + u'ャ', {consonant, 'a'});
            t.insert(b + u'ュ', {consonant, 'u'});
            t.insert(b + u'ョ', {consonant, 'o'});
            t.insert(b + u'ェ', {consonant, 'e'});
        };
        palatal(u"キ", "k_j");
        palatal(u"ギ", "g_j");
        palatal(u"シ", "s\\");
        palatal(u"ジ", "d_z\\");
        palatal(u"チ", "t_s\\");
        palatal(u"ヂ", "d_z\\");
        palatal(u"ニ", "n_j");
        palatal(u"ヒ", "C");
        palatal(u"ビ", "b_j");
        palatal(u"ピ", "p_j");
        palatal(u"ミ", "m_j");
        palatal(u"リ", "r`_j");
        // Morae of loanwords.
        const std::pair<const char16_t *, MoraSound> foreign[] = {
            {u"ファ", {"p\\", 'a'}}, {u"フィ", {"p\\", 'i'}}, {u"フェ", {"p\\", 'e'}}, {u"フォ", {"p\\", 'o'}},
            {u"フュ", {"p\\j", 'u'}}, {u"ティ", {"t", 'i'}}, {u"トゥ", {"t", 'u'}}, {u"テュ", {"t_j", 'u'}},
            {u"ディ", {"d", 'i'}}, {u"ドゥ", {"d", 'u'}}, {u"デュ", {"d_j", 'u'}}, {u"ツァ", {"t_s", 'a'}},
            {u"ツィ", {"t_s", 'i'}}, {u"ツェ", {"t_s", 'e'}}, {u"ツォ", {"t_s", 'o'}}, {u"ウィ", {"w", 'i'}},
            {u"ウェ", {"w", 'e'}}, {u"ウォ", {"w", 'o'}}, {u"イェ", {"j", 'e'}}, {u"ヴァ", {"v", 'a'}},
            {u"ヴィ", {"v", 'i'}}, {u"ヴェ", {"v", 'e'}}, {u"ヴォ", {"v", 'o'}}, {u"ヴュ", {"v_j", 'u'}},
            {u"クァ", {"kw", 'a'}}, {u"クィ", {"kw", 'i'}}, {u"クェ", {"kw", 'e'}}, {u"クォ", {"kw", 'o'}},
            {u"グァ", {"gw", 'a'}}, {u"スィ", {"s", 'i'}}, {u"ズィ", {"z", 'i'}},
        };
        for (const auto &[kana, sound] : foreign)
            t.insert(QString::fromUtf16(kana), sound);
        return t;
    }();
    return table;
}

std::vector<Unit> splitUnits(QStringView kana)
{
    const QHash<QString, MoraSound> &table = moraTable();
    std::vector<Unit> units;
    for (qsizetype i = 0; i < kana.size(); ++i) {
        const QChar c = kana[i];
        if (c == u'ン') {
            units.push_back({Unit::MoraicNasal, {}, {}});
        } else if (c == u'ッ') {
            units.push_back({Unit::Sokuon, {}, {}});
        } else if (c == u'ー') {
            units.push_back({Unit::LongMark, {}, {}});
        } else if (c == u'、') {
            units.push_back({Unit::Comma, {}, {}});
        } else if (c == u'。') {
            units.push_back({Unit::FullStop, {}, {}});
        } else {
            // Two characters (キャ, ファ) before one.
            auto found = i + 1 < kana.size() ? table.constFind(kana.mid(i, 2).toString()) : table.cend();
            if (found != table.cend()) {
                ++i;
            } else {
                found = table.constFind(QString(c));
                if (found == table.cend())
                    continue; // not a kana sound
            }
            units.push_back({Unit::Mora, QString::fromLatin1(found->consonant), QChar::fromLatin1(found->vowel)});
        }
    }
    return units;
}

bool isPause(const Unit &u)
{
    return u.kind == Unit::Comma || u.kind == Unit::FullStop;
}

// ン as a nasal vowel: i~ after i, u~ elsewhere, as the voice has them.
QString nasalVowel(QChar previousVowel)
{
    return previousVowel == u'i' ? QStringLiteral("i~") : QStringLiteral("u~");
}

// ン by what follows: closed lips before p, b, m; the tongue tip before t, d,
// n, r, z and the affricates; the back of the tongue before k, g; a nasal
// vowel before vowels, glides and fricatives; at the end of a word the
// uvular nasal.
QString moraicNasal(const Unit *next, QChar previousVowel)
{
    if (!next || next->kind != Unit::Mora)
        return QStringLiteral("N\\");
    const QString &c = next->consonant;
    if (c.startsWith(u"p\\"))
        return nasalVowel(previousVowel);
    if (c.startsWith(u'p') || c.startsWith(u'b') || c.startsWith(u'm'))
        return QStringLiteral("m");
    if (c.startsWith(u't') || c.startsWith(u'd') || c.startsWith(u'n') || c.startsWith(u'r') || c.startsWith(u'z'))
        return QStringLiteral("n");
    if (c.startsWith(u'k') || c.startsWith(u'g'))
        return QStringLiteral("N");
    return nasalVowel(previousVowel);
}

// ッ as the first consonant of the next mora held; before a vowel or a
// pause a glottal stop.
QString sokuon(const Unit *next)
{
    if (!next || next->kind != Unit::Mora || next->consonant.isEmpty())
        return QStringLiteral("?");
    const QString &c = next->consonant;
    if (c.startsWith(u"t_s"))
        return QStringLiteral("t");
    if (c.startsWith(u"d_z"))
        return QStringLiteral("d");
    if (c.startsWith(u"p\\") || c.startsWith(u"s\\"))
        return c.left(2);
    if (c == u"j" || c == u"w")
        return QStringLiteral("?");
    if (c.startsWith(u"r`"))
        return QStringLiteral("r`");
    return c.left(1); // k_j, kw, t_j, n_j, …: the plain consonant
}

// One word's phonemes, with each syllable's vowel position noted for the
// stress marks.
struct Word
{
    QString phonemes;
    std::vector<qsizetype> vowelAt;
};

// espeak-ng's stress for a Japanese word: the primary on the last syllable
// but one, secondary ones on the 1st, 3rd, 5th … syllable before it, never
// right next to it.
QString withStress(const Word &w)
{
    const auto count = static_cast<qsizetype>(w.vowelAt.size());
    if (count == 0)
        return w.phonemes;
    const qsizetype primary = count >= 2 ? count - 2 : 0;
    QString out = w.phonemes;
    for (qsizetype s = count - 1; s >= 0; --s) {
        const qsizetype at = w.vowelAt[static_cast<std::size_t>(s)];
        if (s == primary)
            out.insert(at, u'\'');
        else if (s % 2 == 0 && s < primary - 1)
            out.insert(at, u',');
    }
    return out;
}

// The longest word handed to espeak-ng at once; it drops a phoneme word of
// more than about 100 syllables entirely.
constexpr qsizetype kMaxSyllables = 40;

// The words of one run between pauses.
std::vector<Word> runWords(const std::vector<Unit> &units, std::size_t begin, std::size_t end)
{
    std::vector<Word> words(1);
    QChar previousVowel;
    bool previousLong = false;
    for (std::size_t i = begin; i < end; ++i) {
        const Unit &u = units[i];
        const Unit *next = i + 1 < end ? &units[i + 1] : nullptr;
        Word *w = &words.back();
        switch (u.kind) {
        case Unit::Mora:
            if (u.consonant.isEmpty() && u.vowel == previousVowel && !previousLong) {
                w->phonemes += u':'; // a vowel after the same vowel draws it out
                previousLong = true;
                break;
            }
            if (static_cast<qsizetype>(w->vowelAt.size()) >= kMaxSyllables
                && (i == begin || units[i - 1].kind != Unit::Sokuon)) {
                words.emplace_back();
                w = &words.back();
            }
            w->phonemes += u.consonant;
            w->vowelAt.push_back(w->phonemes.size());
            w->phonemes += u.vowel;
            previousVowel = u.vowel;
            previousLong = false;
            break;
        case Unit::MoraicNasal:
            w->phonemes += moraicNasal(next, previousVowel);
            previousVowel = QChar();
            break;
        case Unit::Sokuon:
            w->phonemes += sokuon(next);
            previousVowel = QChar();
            break;
        case Unit::LongMark:
            if (!previousVowel.isNull() && !previousLong) {
                w->phonemes += u':';
                previousLong = true;
            }
            break;
        case Unit::Comma:
        case Unit::FullStop:
            break;
        }
    }
    if (words.back().phonemes.isEmpty())
        words.pop_back();
    return words;
}

} // namespace

QString plainPhonemes(QStringView kana)
{
    const std::vector<Unit> units = splitUnits(kana);
    QStringList words;
    for (const Word &w : runWords(units, 0, units.size()))
        words << w.phonemes;
    return words.join(u' ');
}

QString kanaToPhonemes(QStringView kana)
{
    const std::vector<Unit> units = splitUnits(kana);
    QString out;
    // One pause at a time, never first; a full stop wins over a comma.
    auto addPause = [&out](QChar pause) {
        if (out.isEmpty())
            return;
        if (out.endsWith(u',') || out.endsWith(u'.')) {
            if (pause == u'.')
                out.back() = pause;
            return;
        }
        out += pause;
    };
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= units.size(); ++i) {
        if (i < units.size() && !isPause(units[i]))
            continue;
        QStringList words;
        for (const Word &w : runWords(units, begin, i))
            words << withStress(w);
        if (!words.isEmpty()) {
            if (!out.isEmpty())
                out += u' ';
            out += QStringLiteral("[[") + words.join(u' ') + QStringLiteral("]]");
        }
        if (i < units.size())
            addPause(units[i].kind == Unit::FullStop ? u'.' : u',');
        begin = i + 1;
    }
    return out;
}

} // namespace kerubara
