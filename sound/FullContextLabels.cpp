// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/FullContextLabels.h"

#include <algorithm>

namespace kerubara {
namespace {

const QString kXx = QStringLiteral("xx");
const QString kPause = QStringLiteral("pau");
const QString kSilence = QStringLiteral("sil");

// The highest values the label fields count to.
constexpr int kMaxSmall = 19;  // breath groups
constexpr int kMaxMiddle = 49; // accent phrases, morae of a phrase
constexpr int kMaxLarge = 99;  // morae of a breath group
constexpr int kMaxHuge = 199;  // morae of the utterance

int limit(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

QString number(int value, int low, int high)
{
    return QString::number(limit(value, low, high));
}

// The label's codes of a word's part of speech (名詞,普通名詞 is 02), its
// conjugation type and its conjugation form.
QString posCode(const QStringList &pos)
{
    const QString &p = pos.value(0);
    const QString &g = pos.value(1);
    if (p == u"名詞") {
        if (g == u"サ変接続")
            return QStringLiteral("03");
        if (g == u"形容動詞語幹")
            return QStringLiteral("19");
        if (g == u"固有名詞")
            return QStringLiteral("18");
        if (g == u"数")
            return QStringLiteral("05");
        if (g == u"接尾")
            return QStringLiteral("15");
        if (g == u"代名詞")
            return QStringLiteral("04");
        if (g == u"非自立")
            return QStringLiteral("22");
        return QStringLiteral("02");
    }
    if (p == u"助詞") {
        if (g == u"格助詞")
            return QStringLiteral("13");
        if (g == u"係助詞")
            return QStringLiteral("24");
        if (g == u"終助詞")
            return QStringLiteral("14");
        if (g == u"接続助詞")
            return QStringLiteral("12");
        if (g == u"副助詞")
            return QStringLiteral("11");
        return QStringLiteral("23");
    }
    if (p == u"動詞")
        return g == u"接尾" ? QStringLiteral("15") : g == u"非自立" ? QStringLiteral("17") : QStringLiteral("20");
    if (p == u"形容詞")
        return g == u"接尾" ? QStringLiteral("15") : QStringLiteral("01");
    static const std::pair<const char16_t *, const char *> others[] = {
        {u"助動詞", "10"}, {u"接続詞", "08"}, {u"接頭詞", "16"}, {u"副詞", "06"},
        {u"連体詞", "07"}, {u"感動詞", "09"}, {u"フィラー", "09"}};
    for (const auto &[name, code] : others) {
        if (p == QStringView(name))
            return QString::fromLatin1(code);
    }
    return kXx;
}

QString conjugationTypeCode(const QString &type)
{
    static const std::pair<const char16_t *, const char *> types[] = {
        {u"カ変", "5"}, {u"サ変", "4"}, {u"ラ変", "6"}, {u"一段", "3"}, {u"下二", "6"}, {u"上二", "6"},
        {u"形容詞", "7"}, {u"五段", "1"}, {u"四段", "6"}, {u"特殊", "7"}, {u"不変化型", "6"}, {u"文語", "6"}};
    for (const auto &[prefix, code] : types) {
        if (type.startsWith(QStringView(prefix)))
            return QString::fromLatin1(code);
    }
    return kXx;
}

QString conjugationFormCode(const QString &form)
{
    if (form == u"ガル接続")
        return QStringLiteral("6");
    static const std::pair<const char16_t *, const char *> forms[] = {
        {u"音便基本形", "2"}, {u"仮定", "4"}, {u"基本形", "2"}, {u"現代基本形", "2"}, {u"文語基本形", "2"},
        {u"体言接続", "3"}, {u"未然", "0"}, {u"命令", "5"}, {u"連用", "1"}};
    for (const auto &[prefix, code] : forms) {
        if (form.startsWith(QStringView(prefix)))
            return QString::fromLatin1(code);
    }
    return kXx;
}

// The utterance as the labels count it: phonemes in morae, morae in words,
// words in accent phrases, phrases in breath groups.
struct Utterance
{
    struct Phoneme
    {
        QString name;
        int mora = -1; // -1: a pause
    };
    struct MoraAt
    {
        int word = 0;
        int firstPhoneme = 0;
        int lastPhoneme = 0;
    };
    struct WordAt
    {
        int phrase = 0;
        QString codes[3]; // part of speech, conjugation type, conjugation form
    };
    struct Phrase
    {
        int breath = 0;
        int accent = 0;
        int firstMora = 0;
        int lastMora = 0;
    };
    struct Breath
    {
        int firstPhrase = 0;
        int lastPhrase = 0;
    };
    std::vector<Phoneme> phonemes;
    std::vector<MoraAt> morae;
    std::vector<WordAt> words;
    std::vector<Phrase> phrases;
    std::vector<Breath> breaths;

    int wordOf(int phoneme) const { return morae[static_cast<std::size_t>(phonemes[static_cast<std::size_t>(phoneme)].mora)].word; }
    int phraseOf(int phoneme) const { return words[static_cast<std::size_t>(wordOf(phoneme))].phrase; }
    int breathOf(int phoneme) const { return phrase(phraseOf(phoneme)).breath; }
    const Phrase &phrase(int p) const { return phrases[static_cast<std::size_t>(p)]; }
    const Breath &breath(int b) const { return breaths[static_cast<std::size_t>(b)]; }
    bool isPause(int phoneme) const { return phonemes[static_cast<std::size_t>(phoneme)].mora < 0; }

    int phraseMorae(int p) const { return phrase(p).lastMora - phrase(p).firstMora + 1; }
    // The accent type, a flat phrase counting as falling after its last mora.
    int phraseAccent(int p) const { return phrase(p).accent == 0 ? phraseMorae(p) : phrase(p).accent; }
    int breathPhrases(int b) const { return breath(b).lastPhrase - breath(b).firstPhrase + 1; }
    int breathMorae(int b) const
    {
        return phrase(breath(b).lastPhrase).lastMora - phrase(breath(b).firstPhrase).firstMora + 1;
    }
    bool pauseAfterPhrase(int p) const
    {
        const std::size_t next = static_cast<std::size_t>(morae[static_cast<std::size_t>(phrase(p).lastMora)].lastPhoneme) + 1;
        return next < phonemes.size() && phonemes[next].mora < 0;
    }
    bool pauseBeforePhrase(int p) const
    {
        const int before = morae[static_cast<std::size_t>(phrase(p).firstMora)].firstPhoneme - 1;
        return before >= 0 && isPause(before);
    }
};

Utterance utteranceOf(const std::vector<AccentWord> &words)
{
    Utterance u;
    bool pausePending = false;
    for (const AccentWord &w : words) {
        if (w.isPause()) {
            pausePending = true;
            continue;
        }
        bool started = false;
        for (const Mora &m : w.morae) {
            if (m.isLong()) {
                // ー draws out the phoneme before; it belongs to the last
                // mora's word and says nothing first or after a pause.
                if (u.phonemes.empty() || pausePending)
                    continue;
                u.phonemes.push_back({u.phonemes.back().name, static_cast<int>(u.morae.size())});
                const int at = static_cast<int>(u.phonemes.size()) - 1;
                u.morae.push_back({u.morae.back().word, at, at});
                continue;
            }
            if (pausePending) {
                if (!u.phonemes.empty())
                    u.phonemes.push_back({kPause, -1});
                pausePending = false;
            }
            if (!started) {
                u.words.push_back({0, {posCode(w.pos), conjugationTypeCode(w.conjugationType),
                                       conjugationFormCode(w.conjugationForm)}});
                started = true;
            }
            const int mora = static_cast<int>(u.morae.size());
            const int first = static_cast<int>(u.phonemes.size());
            if (!m.consonant.isEmpty())
                u.phonemes.push_back({m.consonant, mora});
            u.phonemes.push_back({m.devoiced ? m.vowel.toUpper() : m.vowel, mora});
            u.morae.push_back({static_cast<int>(u.words.size()) - 1, first, static_cast<int>(u.phonemes.size()) - 1});
        }
        if (!started)
            continue;
        // The word's accent phrase: the one before when it joins it, else a
        // new one, in a new breath group after a pause.
        const int word = static_cast<int>(u.words.size()) - 1;
        const int firstMora = [&] {
            int m = static_cast<int>(u.morae.size()) - 1;
            while (m > 0 && u.morae[static_cast<std::size_t>(m - 1)].word == word)
                --m;
            return m;
        }();
        if (word == 0) {
            u.breaths.push_back({0, 0});
            u.phrases.push_back({0, w.accent, firstMora, firstMora});
        } else if (w.chainFlag == 1) {
            // joins the phrase before
        } else {
            const bool afterPause = u.isPause(u.morae[static_cast<std::size_t>(firstMora)].firstPhoneme - 1);
            if (afterPause)
                u.breaths.push_back({static_cast<int>(u.phrases.size()), 0});
            u.phrases.push_back({static_cast<int>(u.breaths.size()) - 1, w.accent, firstMora, firstMora});
        }
        u.words.back().phrase = static_cast<int>(u.phrases.size()) - 1;
    }
    // Where each phrase and breath group ends, now that all morae are in.
    for (std::size_t m = 0; m < u.morae.size(); ++m)
        u.phrases[static_cast<std::size_t>(u.words[static_cast<std::size_t>(u.morae[m].word)].phrase)].lastMora = static_cast<int>(m);
    for (std::size_t p = 0; p < u.phrases.size(); ++p)
        u.breaths[static_cast<std::size_t>(u.phrases[p].breath)].lastPhrase = static_cast<int>(p);
    return u;
}

QString phraseFields(const Utterance &u, int p, const char *between)
{
    return number(u.phraseMorae(p), 1, kMaxMiddle) + u'_' + number(u.phraseAccent(p), 1, kMaxMiddle)
        + QString::fromLatin1(between) + QStringLiteral("0_xx");
}

QString breathFields(const Utterance &u, int b)
{
    return number(u.breathPhrases(b), 1, kMaxMiddle) + u'_' + number(u.breathMorae(b), 1, kMaxLarge);
}

} // namespace

QStringList fullContextLabels(const std::vector<AccentWord> &words)
{
    const Utterance u = utteranceOf(words);
    const int count = static_cast<int>(u.phonemes.size());
    if (count == 0)
        return {};
    const int size = count + 2;
    QStringList names{kXx, kXx, kSilence};
    for (const Utterance::Phoneme &p : u.phonemes)
        names << p.name;
    names << kSilence << kXx << kXx;
    const int allPhrases = static_cast<int>(u.phrases.size());
    const int allBreaths = static_cast<int>(u.breaths.size());
    const int allMorae = static_cast<int>(u.morae.size());

    QStringList labels;
    labels.reserve(size);
    for (int i = 0; i < size; ++i) {
        // The phoneme the fields describe: the first for the opening
        // silence, the last for the closing one.
        const int q = std::clamp(i - 1, 0, count - 1);
        const bool edge = i == 0 || i == size - 1;
        const bool pause = !edge && u.isPause(q);
        const bool first = i == 0;
        const bool last = i == size - 1;
        QString label = names[i] + u'^' + names[i + 1] + u'-' + names[i + 2] + u'+' + names[i + 3] + u'=' + names[i + 4];

        if (edge || pause) {
            label += QStringLiteral("/A:xx+xx+xx");
        } else {
            const int p = u.phraseOf(q);
            const int inPhrase = u.phonemes[static_cast<std::size_t>(q)].mora - u.phrase(p).firstMora + 1;
            label += QStringLiteral("/A:") + number(inPhrase - u.phraseAccent(p), -kMaxMiddle, kMaxMiddle) + u'+'
                + number(inPhrase, 1, kMaxMiddle) + u'+' + number(u.phraseMorae(p) - inPhrase + 1, 1, kMaxMiddle);
        }

        // The words before, at and after the phoneme.
        auto wordCodes = [&](int w, QChar a, QChar b) {
            const auto &c = u.words[static_cast<std::size_t>(w)].codes;
            return c[0] + a + c[1] + b + c[2];
        };
        // (The opening and closing silences name the first and the last
        // word here only when there is a word on their other side.)
        const int lastWord = static_cast<int>(u.words.size()) - 1;
        int before = -1;
        if (pause)
            before = u.wordOf(q - 1);
        else if (u.wordOf(q) == 0)
            before = -1;
        else if (last)
            before = u.wordOf(q);
        else
            before = u.wordOf(q) - 1;
        label += QStringLiteral("/B:") + (before >= 0 ? wordCodes(before, u'-', u'_') : QStringLiteral("xx-xx_xx"));
        label += QStringLiteral("/C:") + (edge || pause ? QStringLiteral("xx_xx+xx") : wordCodes(u.wordOf(q), u'_', u'+'));
        int after = -1;
        if (pause)
            after = u.wordOf(q + 1);
        else if (u.wordOf(q) == lastWord)
            after = -1;
        else if (first)
            after = u.wordOf(q);
        else
            after = u.wordOf(q) + 1;
        label += QStringLiteral("/D:") + (after >= 0 ? wordCodes(after, u'+', u'_') : QStringLiteral("xx+xx_xx"));

        // The accent phrases before, at and after.
        int phraseBefore = -1;
        if (pause)
            phraseBefore = u.phraseOf(q - 1);
        else if (last)
            phraseBefore = u.phraseOf(q);
        else if (!first)
            phraseBefore = u.phraseOf(q) - 1;
        if (phraseBefore < 0)
            label += QStringLiteral("/E:xx_xx!xx_xx-xx");
        else
            label += QStringLiteral("/E:") + phraseFields(u, phraseBefore, "!") + u'-'
                + (edge || pause ? kXx : QString::number(u.pauseAfterPhrase(phraseBefore) ? 0 : 1));
        if (edge || pause) {
            label += QStringLiteral("/F:xx_xx#xx_xx@xx_xx|xx_xx");
        } else {
            const int p = u.phraseOf(q);
            const int b = u.phrase(p).breath;
            const int inBreath = p - u.breath(b).firstPhrase + 1;
            const int moraInBreath = u.phrase(p).firstMora - u.phrase(u.breath(b).firstPhrase).firstMora + 1;
            label += QStringLiteral("/F:") + phraseFields(u, p, "#") + u'@' + number(inBreath, 1, kMaxMiddle) + u'_'
                + number(u.breathPhrases(b) - inBreath + 1, 1, kMaxMiddle) + u'|' + number(moraInBreath, 1, kMaxLarge)
                + u'_' + number(u.breathMorae(b) - moraInBreath + 1, 1, kMaxLarge);
        }
        int phraseAfter = -1;
        if (pause)
            phraseAfter = u.phraseOf(q + 1);
        else if (first)
            phraseAfter = u.phraseOf(q);
        else if (!last && u.phraseOf(q) + 1 < allPhrases)
            phraseAfter = u.phraseOf(q) + 1;
        if (phraseAfter < 0)
            label += QStringLiteral("/G:xx_xx%xx_xx_xx");
        else
            label += QStringLiteral("/G:") + phraseFields(u, phraseAfter, "%") + u'_'
                + (edge || pause ? kXx : QString::number(u.pauseBeforePhrase(phraseAfter) ? 0 : 1));

        // The breath groups before, at and after, and the utterance.
        int breathBefore = -1;
        if (pause)
            breathBefore = u.breathOf(q - 1);
        else if (last)
            breathBefore = u.breathOf(q);
        else if (!first)
            breathBefore = u.breathOf(q) - 1;
        label += QStringLiteral("/H:") + (breathBefore >= 0 ? breathFields(u, breathBefore) : QStringLiteral("xx_xx"));
        if (edge || pause) {
            label += QStringLiteral("/I:xx-xx@xx+xx&xx-xx|xx+xx");
        } else {
            const int b = u.breathOf(q);
            const int firstPhrase = u.breath(b).firstPhrase;
            const int firstMora = u.phrase(firstPhrase).firstMora;
            label += QStringLiteral("/I:") + number(u.breathPhrases(b), 1, kMaxMiddle) + u'-'
                + number(u.breathMorae(b), 1, kMaxLarge) + u'@' + number(b + 1, 1, kMaxSmall) + u'+'
                + number(allBreaths - b, 1, kMaxSmall) + u'&' + number(firstPhrase + 1, 1, kMaxMiddle) + u'-'
                + number(allPhrases - firstPhrase, 1, kMaxMiddle) + u'|' + number(firstMora + 1, 1, kMaxHuge) + u'+'
                + number(allMorae - firstMora, 1, kMaxHuge);
        }
        int breathAfter = -1;
        if (pause)
            breathAfter = u.breathOf(q + 1);
        else if (first)
            breathAfter = u.breathOf(q);
        else if (!last && u.breathOf(q) + 1 < allBreaths)
            breathAfter = u.breathOf(q) + 1;
        label += QStringLiteral("/J:") + (breathAfter >= 0 ? breathFields(u, breathAfter) : QStringLiteral("xx_xx"));
        label += QStringLiteral("/K:") + number(allBreaths, 1, kMaxSmall) + u'+' + number(allPhrases, 1, kMaxMiddle)
            + u'-' + number(allMorae, 1, kMaxHuge);
        labels << label;
    }
    return labels;
}

QString labelPhoneme(const QString &label)
{
    const qsizetype minus = label.indexOf(u'-');
    const qsizetype plus = label.indexOf(u'+', minus + 1);
    if (minus < 0 || plus < 0)
        return {};
    return label.mid(minus + 1, plus - minus - 1);
}

} // namespace kerubara
