// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/AccentRules.h"

#include <QHash>

#include <algorithm>
#include <optional>
#include <utility>

namespace kerubara {
namespace {

struct Sound
{
    const char *consonant;
    const char *vowel;
};

// Katakana (one character or a character and a small kana) → the voices'
// phonemes.
const QHash<QString, Sound> &moraSounds()
{
    static const QHash<QString, Sound> table = [] {
        QHash<QString, Sound> t;
        static const char *const vowels[] = {"a", "i", "u", "e", "o"};
        // A row of the syllabary, ・ where the row's consonant is not the sound.
        auto row = [&t](const char16_t *kana, const char *consonant) {
            const QString k = QString::fromUtf16(kana);
            for (qsizetype i = 0; i < k.size(); ++i) {
                if (k[i] != u'・')
                    t.insert(QString(k[i]), {consonant, vowels[i]});
            }
        };
        row(u"アイウエオ", "");
        row(u"ァィゥェォ", "");
        row(u"カキクケコ", "k");
        row(u"ガギグゲゴ", "g");
        row(u"サ・スセソ", "s");
        row(u"ザ・ズゼゾ", "z");
        row(u"タ・・テト", "t");
        row(u"ダ・・デド", "d");
        row(u"ナニヌネノ", "n");
        row(u"ハヒ・ヘホ", "h");
        row(u"バビブベボ", "b");
        row(u"パピプペポ", "p");
        row(u"マミムメモ", "m");
        row(u"ヤ・ユ・ヨ", "y");
        row(u"ャ・ュ・ョ", "y");
        row(u"ラリルレロ", "r");
        auto one = [&t](const char16_t *kana, const char *consonant, const char *vowel) {
            t.insert(QString::fromUtf16(kana), {consonant, vowel});
        };
        one(u"シ", "sh", "i");
        one(u"ジ", "j", "i");
        one(u"チ", "ch", "i");
        one(u"ツ", "ts", "u");
        one(u"ヂ", "j", "i");
        one(u"ヅ", "z", "u");
        one(u"フ", "f", "u");
        one(u"ワ", "w", "a");
        one(u"ヮ", "w", "a");
        one(u"ヰ", "", "i");
        one(u"ヱ", "", "e");
        one(u"ヲ", "", "o");
        one(u"ヴ", "v", "u");
        one(u"ヵ", "k", "a");
        one(u"ヶ", "k", "e");
        one(u"ン", "", "N");
        one(u"ッ", "", "cl");
        // Palatalised morae, and ェ after them.
        auto palatal = [&t](const char16_t *base, const char *consonant) {
            const QString b = QString::fromUtf16(base);
            t.insert(b + u'ャ', {consonant, "a"});
            t.insert(b + u'ュ', {consonant, "u"});
            t.insert(b + u'ョ', {consonant, "o"});
            t.insert(b + u'ェ', {consonant, "e"});
        };
        palatal(u"キ", "ky");
        palatal(u"ギ", "gy");
        palatal(u"シ", "sh");
        palatal(u"ジ", "j");
        palatal(u"チ", "ch");
        palatal(u"ヂ", "j");
        palatal(u"ニ", "ny");
        palatal(u"ヒ", "hy");
        palatal(u"ビ", "by");
        palatal(u"ピ", "py");
        palatal(u"ミ", "my");
        palatal(u"リ", "ry");
        palatal(u"テ", "ty");
        palatal(u"デ", "dy");
        palatal(u"ヴ", "by");
        palatal(u"フ", "hy");
        // Morae of loanwords.
        one(u"ファ", "f", "a");
        one(u"フィ", "f", "i");
        one(u"フェ", "f", "e");
        one(u"フォ", "f", "o");
        one(u"ティ", "t", "i");
        one(u"トゥ", "t", "u");
        one(u"ディ", "d", "i");
        one(u"ドゥ", "d", "u");
        one(u"ツァ", "ts", "a");
        one(u"ツィ", "ts", "i");
        one(u"ツェ", "ts", "e");
        one(u"ツォ", "ts", "o");
        one(u"ウィ", "w", "i");
        one(u"ウェ", "w", "e");
        one(u"ウォ", "w", "o");
        one(u"イェ", "y", "e");
        one(u"ヴァ", "v", "a");
        one(u"ヴィ", "v", "i");
        one(u"ヴェ", "v", "e");
        one(u"ヴォ", "v", "o");
        one(u"スィ", "s", "i");
        one(u"ズィ", "z", "i");
        return t;
    }();
    return table;
}

bool isAny(const QString &value, std::initializer_list<const char16_t *> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char16_t *n) { return value == QStringView(n); });
}

// The accent-chain rule that applies after a word of part of speech
// `previousPos`, and the morae it adds (F2@1): alternatives separated by /,
// each "POS%RULE@ADD", a bare "RULE" applying after anything. The part of
// speech matches when it contains the alternative's (動詞 in 助動詞 too).
std::pair<QString, int> chainRuleAfter(const QString &rule, const QString &previousPos)
{
    for (const QString &alternative : rule.split(u'/')) {
        QString body = alternative;
        const qsizetype percent = body.indexOf(u'%');
        if (percent >= 0) {
            if (!previousPos.contains(body.left(percent)))
                continue;
            body = body.mid(percent + 1);
        }
        const qsizetype at = body.indexOf(u'@');
        if (at < 0)
            return {body, 0};
        return {body.left(at), body.mid(at + 1).toInt()};
    }
    return {QStringLiteral("*"), 0};
}

// The voiceless morae a devoiced vowel may stand before, by the mora's kind.
bool startsWithAny(const QString &mora, QStringView firsts)
{
    return !mora.isEmpty() && firsts.contains(mora[0]);
}

// Whether the vowel of `mora` is whispered before `next`: 1 yes, 0 no, -1
// the mora has no vowel that could be.
int whisperedBefore(const QString &mora, const QString *next)
{
    static const QString ktHp = QStringLiteral("カキクケコタチツテトハヒフヘホパピプペポ");
    static const QString kSTp = QStringLiteral("カキクケコサシスセソタチツテトパピプペポ");
    static const QString kSTHp = QStringLiteral("カキクケコサシスセソタチツテトハヒフヘホパピプペポ");
    if (!next)
        return 0;
    // s before s or sh, and f or h before f, h: the vowel stays.
    if (isAny(mora, {u"スィ", u"ス"}))
        return startsWithAny(*next, ktHp) ? 1 : 0;
    if (isAny(mora, {u"フィ", u"ヒ", u"フ"}))
        return startsWithAny(*next, kSTp) ? 1 : 0;
    if (isAny(mora, {u"キュ", u"シュ", u"チュ", u"ツィ", u"ヒュ", u"ピュ", u"テュ", u"トゥ", u"ティ", u"キ", u"ク", u"シ",
                     u"チ", u"ツ", u"ピ", u"プ"}))
        return startsWithAny(*next, kSTHp) ? 1 : 0;
    return -1;
}

} // namespace

std::vector<Mora> splitMorae(QStringView kana)
{
    const QHash<QString, Sound> &sounds = moraSounds();
    std::vector<Mora> morae;
    for (qsizetype i = 0; i < kana.size(); ++i) {
        if (kana[i] == u'’') {
            // The dictionary's mark of a vowel always whispered (デス’).
            if (!morae.empty())
                morae.back().devoiced = QStringView(u"aiueo").contains(morae.back().vowel);
            continue;
        }
        if (kana[i] == u'ー') {
            morae.push_back({QStringLiteral("ー"), {}, {}, false});
            continue;
        }
        qsizetype length = 2;
        auto found = i + 1 < kana.size() ? sounds.constFind(kana.mid(i, 2).toString()) : sounds.cend();
        if (found == sounds.cend()) {
            length = 1;
            found = sounds.constFind(kana.mid(i, 1).toString());
        }
        if (found == sounds.cend())
            continue;
        morae.push_back({kana.mid(i, length).toString(), QString::fromLatin1(found->consonant),
                         QString::fromLatin1(found->vowel), false});
        i += length - 1;
    }
    return morae;
}

QString soundOf(QStringView kana)
{
    QStringList phonemes;
    for (const Mora &m : splitMorae(kana)) {
        if (m.isLong()) {
            if (!phonemes.isEmpty())
                phonemes << phonemes.back();
            continue;
        }
        if (!m.consonant.isEmpty())
            phonemes << m.consonant;
        phonemes << m.vowel;
    }
    return phonemes.join(u' ');
}

AccentWord AccentWord::pause()
{
    AccentWord w;
    w.surface = QStringLiteral("、");
    w.pronunciation = QStringLiteral("、");
    w.pos = {QStringLiteral("記号"), QStringLiteral("読点"), QStringLiteral("*"), QStringLiteral("*")};
    w.chainFlag = 0;
    return w;
}

void AccentWord::setPronunciation(const QString &kana)
{
    pronunciation = kana;
    morae = splitMorae(kana);
}

void setAccentPhrases(std::vector<AccentWord> &words)
{
    for (std::size_t i = 1; i < words.size(); ++i) {
        AccentWord &w = words[i];
        if (w.chainFlag >= 0)
            continue;
        const AccentWord &before = words[i - 1];
        const QString &pos = w.pos[0];
        const QString &group = w.pos[1];
        const QString &beforePos = before.pos[0];
        const QString &beforeGroup = before.pos[1];
        int flag = 1; // what follows joins unless a rule below says otherwise
        if (beforePos == u"形容詞" && pos == u"名詞")
            flag = 0;
        if (beforePos == u"名詞" && beforeGroup == u"形容動詞語幹" && pos == u"名詞")
            flag = 0;
        if (beforePos == u"動詞" && (pos == u"形容詞" || pos == u"名詞"))
            flag = 0;
        // Adverbs, conjunctions and pre-noun adjectivals stand alone.
        for (const char16_t *alone : {u"副詞", u"接続詞", u"連体詞"}) {
            if (pos == QStringView(alone) || beforePos == QStringView(alone))
                flag = 0;
        }
        // So do nouns that work as adverbs (すべて, など).
        if ((beforePos == u"名詞" && beforeGroup == u"副詞可能") || (pos == u"名詞" && group == u"副詞可能"))
            flag = 0;
        // Particles and auxiliaries join the word before; a word after them
        // that is neither starts a phrase.
        if (pos == u"助動詞" || pos == u"助詞")
            flag = 1;
        if ((beforePos == u"助動詞" || beforePos == u"助詞") && pos != u"助動詞" && pos != u"助詞")
            flag = 0;
        if (beforeGroup == u"接尾" && pos == u"名詞")
            flag = 0;
        // A dependent adjective after a verb's or adjective's 連用 form or
        // after て, で; a dependent verb after a verb's 連用 form or a サ変 noun.
        if (pos == u"形容詞" && group == u"非自立") {
            if ((beforePos == u"動詞" || beforePos == u"形容詞") && before.conjugationForm.startsWith(u"連用"))
                flag = 1;
            else if (beforePos == u"助詞" && beforeGroup == u"接続助詞" && isAny(before.surface, {u"て", u"で"}))
                flag = 1;
        }
        if (pos == u"動詞" && group == u"非自立") {
            if (beforePos == u"動詞" && before.conjugationForm.startsWith(u"連用"))
                flag = 1;
            else if (beforePos == u"名詞" && beforeGroup == u"サ変接続")
                flag = 1;
        }
        if (beforePos == u"名詞" && (pos == u"動詞" || pos == u"形容詞" || group == u"形容動詞語幹"))
            flag = 0;
        if (pos == u"記号" || beforePos == u"記号")
            flag = 0;
        if (pos == u"接頭詞")
            flag = 0;
        // A family name and a given name are two phrases.
        if (before.pos[3] == u"姓" && pos == u"名詞")
            flag = 0;
        if (beforePos == u"名詞" && w.pos[3] == u"名")
            flag = 0;
        if (group == u"接尾")
            flag = 1;
        w.chainFlag = flag;
    }
}

void setAccentTypes(std::vector<AccentWord> &words)
{
    std::size_t top = 0;
    int morae = 0; // of the phrase's words before the current one
    for (std::size_t i = 0; i < words.size(); ++i) {
        AccentWord &w = words[i];
        if (i == 0 || w.chainFlag != 1) {
            top = i;
            morae = w.moraCount();
            continue;
        }
        AccentWord &first = words[top];
        const auto [rule, add] = chainRuleAfter(w.chainRule, words[i - 1].pos[0]);
        if (rule == u"F2") {
            if (first.accent == 0)
                first.accent = morae + add;
        } else if (rule == u"F3") {
            if (first.accent != 0)
                first.accent = morae + add;
        } else if (rule == u"F4") {
            first.accent = morae + add;
        } else if (rule == u"F5" || rule == u"C4" || rule == u"P6") {
            first.accent = 0;
        } else if (rule == u"C1") {
            first.accent = morae + w.accent;
        } else if (rule == u"C2") {
            first.accent = morae + 1;
        } else if (rule == u"C3") {
            first.accent = morae;
        } else if (rule == u"P1") {
            first.accent = w.accent == 0 ? 0 : morae + w.accent;
        } else if (rule == u"P2") {
            first.accent = morae + (w.accent == 0 ? 1 : w.accent);
        } else if (rule == u"P14") {
            if (w.accent != 0)
                first.accent = morae + w.accent;
        }
        // F1, C5 and no rule leave the phrase's accent as it is.
        morae += w.moraCount();
    }
}

void keepNucleiOnVowels(std::vector<AccentWord> &words)
{
    for (std::size_t top = 0; top < words.size();) {
        std::size_t end = top + 1;
        while (end < words.size() && words[end].chainFlag == 1)
            ++end;
        std::vector<const Mora *> morae;
        for (std::size_t w = top; w < end; ++w) {
            for (const Mora &m : words[w].morae)
                morae.push_back(&m);
        }
        int &accent = words[top].accent;
        auto special = [&](int n) {
            const Mora &m = *morae[static_cast<std::size_t>(n - 1)];
            return m.isLong() || m.vowel == u"N" || m.vowel == u"cl";
        };
        while (accent > 1 && accent <= static_cast<int>(morae.size()) && special(accent))
            --accent;
        top = end;
    }
}

void devoiceVowels(std::vector<AccentWord> &words)
{
    // Every mora of the utterance, a pause as one mora of its own.
    struct Place
    {
        std::size_t word;
        int mora;        // in the word; -1 for a pause
        int inPhrase;    // 0-based position in its accent phrase
        int phraseAccent;
        int flag;        // 1 whispered, 0 voiced, -1 not decided
    };
    std::vector<Place> places;
    int inPhrase = 0;
    int accent = 0;
    for (std::size_t w = 0; w < words.size(); ++w) {
        if (w == 0 || words[w].chainFlag != 1) {
            inPhrase = 0;
            accent = words[w].accent;
        }
        if (words[w].isPause()) {
            places.push_back({w, -1, inPhrase++, accent, 0});
            continue;
        }
        for (int m = 0; m < words[w].moraCount(); ++m)
            places.push_back({w, m, inPhrase++, accent, words[w].morae[static_cast<std::size_t>(m)].devoiced ? 1 : -1});
    }
    auto kana = [&](std::size_t p) -> const QString * {
        static const QString pause = QStringLiteral("、");
        if (p >= places.size())
            return nullptr;
        const Place &place = places[p];
        return place.mora < 0 ? &pause : &words[place.word].morae[static_cast<std::size_t>(place.mora)].kana;
    };
    auto posOf = [&](std::size_t p) -> const QString & { return words[places[p].word].pos[0]; };
    for (std::size_t p = 0; p < places.size(); ++p) {
        Place &one = places[p];
        Place *two = p + 1 < places.size() ? &places[p + 1] : nullptr;
        Place *three = p + 2 < places.size() ? &places[p + 2] : nullptr;
        // す of です and ます at the end of its word, before another word.
        if (two && three && one.word == two->word && two->word != three->word && isAny(*kana(p), {u"マ", u"デ"})
            && *kana(p + 1) == u"ス" && isAny(posOf(p + 1), {u"動詞", u"助動詞", u"感動詞"}))
            two->flag = words[three->word].pronunciation == u"ー" ? 0 : 1;
        // し as a word of its own (verb, auxiliary or particle) is whispered
        // readily, and then its neighbours are not.
        if (two && one.flag != 1 && two->flag == -1 && (!three || three->flag != 1)
            && words[two->word].pronunciation == u"シ" && isAny(posOf(p + 1), {u"動詞", u"助動詞", u"助詞"})) {
            two->flag = two->phraseAccent == two->inPhrase + 1 ? 0 : whisperedBefore(*kana(p + 1), kana(p + 2));
            if (two->flag == 1) {
                if (one.flag == -1)
                    one.flag = 0;
                if (three && three->flag == -1)
                    three->flag = 0;
            }
        }
        if (one.flag == -1) {
            if (posOf(p) == u"フィラー")
                one.flag = 0;
            else if (two && two->flag == 1)
                one.flag = 0; // never two in a row
            else if (one.phraseAccent == one.inPhrase + 1)
                one.flag = 0; // the accent nucleus keeps its voice
            else
                one.flag = whisperedBefore(*kana(p), kana(p + 1));
        }
        if (one.flag == 1 && two && two->flag == -1)
            two->flag = 0;
        if (one.flag == 1 && one.mora >= 0) {
            Mora &m = words[one.word].morae[static_cast<std::size_t>(one.mora)];
            m.devoiced = QStringView(u"aiueo").contains(m.vowel);
        }
    }
}

} // namespace kerubara
