// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SpeechText.h"

#include "sound/AccentDictionary.h"
#include "sound/AccentRules.h"
#include "sound/FullContextLabels.h"
#include "sound/JapaneseReader.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kerubara {
namespace {

// The sounds of a reading's morae as they are heard: a long vowel however
// it is written (ホー and ホオ, セイ and セー, コウ and コー alike), so that
// our reading and the dictionary's compare by what a passenger hears.
struct Sounds
{
    std::vector<Mora> morae;
    std::vector<QString> sounds;

    explicit Sounds(QStringView kana) : morae(splitMorae(kana))
    {
        QString vowel; // of the mora before
        for (const Mora &m : morae) {
            const bool drawsOut = m.isLong()
                || (m.consonant.isEmpty()
                    && (m.vowel == vowel || (m.vowel == u"i" && vowel == u"e") || (m.vowel == u"u" && vowel == u"o")));
            if (drawsOut && !vowel.isEmpty()) {
                sounds.push_back(u'-' + vowel);
                continue;
            }
            sounds.push_back(m.consonant + m.vowel);
            vowel = QStringView(u"aiueo").contains(m.vowel) ? m.vowel : QString();
        }
    }
    qsizetype size() const { return static_cast<qsizetype>(sounds.size()); }
    // The kana of morae [from, to).
    QString kana(qsizetype from, qsizetype to) const
    {
        QString out;
        for (qsizetype m = from; m < to; ++m)
            out += morae[static_cast<std::size_t>(m)].kana;
        return out;
    }
    bool matches(qsizetype at, const Sounds &other) const
    {
        if (at < 0 || at + other.size() > size() || other.size() == 0)
            return false;
        return std::equal(other.sounds.begin(), other.sounds.end(), sounds.begin() + at);
    }
};

bool sameSound(const QString &a, const QString &b)
{
    return Sounds(a).sounds == Sounds(b).sounds;
}

AccentWord wordOf(const DictionaryWord &entry, const QString &pronunciation)
{
    AccentWord w;
    w.surface = entry.surface;
    w.pos = entry.features.mid(0, 4);
    while (w.pos.size() < 4)
        w.pos << QStringLiteral("*");
    w.conjugationType = entry.features.value(4, QStringLiteral("*"));
    w.conjugationForm = entry.features.value(5, QStringLiteral("*"));
    w.accent = entry.accent();
    w.chainRule = entry.chainRule();
    if (entry.startsPhrase)
        w.chainFlag = 0;
    w.setPronunciation(pronunciation);
    w.accent = std::clamp(w.accent, 0, w.moraCount());
    return w;
}

// A word no dictionary gave an accent: flat, and keeping a compound it ends
// flat (a flat last element makes a flat compound noun).
AccentWord flatWord(const QString &surface, const QString &pronunciation, const QStringList &pos)
{
    AccentWord w;
    w.surface = surface;
    if (!pos.isEmpty()) {
        w.pos = pos.mid(0, 4);
        while (w.pos.size() < 4)
            w.pos << QStringLiteral("*");
    }
    w.accent = 0;
    if (w.pos[0] == u"名詞")
        w.chainRule = QStringLiteral("C4");
    w.setPronunciation(pronunciation);
    return w;
}

// A place name only our reading dictionary knows.
AccentWord placeName(const QString &surface, const QString &pronunciation)
{
    return flatWord(surface, pronunciation,
                    {QStringLiteral("名詞"), QStringLiteral("固有名詞"), QStringLiteral("地域"), QStringLiteral("一般")});
}

// The reading with its first mora unvoiced (バシ → ハシ, プン → フン), as the
// dictionary has the word when it starts a compound's second half; empty
// when the first mora is not voiced.
QString withoutRendaku(const QString &reading)
{
    static const QString voiced = QStringLiteral("ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ");
    static const QString plain = QStringLiteral("カキクケコサシスセソタチツテトハヒフヘホハヒフヘホ");
    if (reading.isEmpty())
        return {};
    const qsizetype at = voiced.indexOf(reading[0]);
    if (at < 0)
        return {};
    QString out = reading;
    out[0] = plain[at];
    return out;
}

// The accent of a number read alone, from its last element: a digit keeps
// its own accent after what comes before it (ニジューゴ\), サン and the
// units 十, 百, 千, 万 put the fall on the mora before them (ニ\ジュー,
// センゴ\ヒャク), never on ン, ッ or ー (サ\ンビャク).
int numberAccent(const QString &reading)
{
    struct Element
    {
        const char16_t *kana;
        int alone;    // its accent read by itself
        int compound; // its accent after another element; 0: on the mora before it
    };
    static const Element elements[] = {
        {u"キュー", 1, 1}, {u"ヒャク", 2, 0}, {u"ビャク", 2, 0}, {u"ピャク", 2, 0}, {u"ジュー", 1, 0},
        {u"チョー", 1, 0}, {u"ゼロ", 1, 1}, {u"レー", 1, 1}, {u"イチ", 2, 2}, {u"サン", 0, 0},
        {u"ヨン", 1, 1}, {u"ロク", 2, 2}, {u"ナナ", 1, 1}, {u"シチ", 2, 2}, {u"ハチ", 2, 2},
        {u"セン", 1, 0}, {u"ゼン", 1, 0}, {u"マン", 1, 0}, {u"オク", 1, 0}, {u"ニ", 1, 1},
        {u"ゴ", 1, 1}, {u"ヨ", 1, 1}, {u"シ", 1, 1}, {u"ク", 1, 1}};
    const Sounds whole(reading);
    for (const Element &e : elements) {
        const QStringView kana(e.kana);
        if (!reading.endsWith(kana))
            continue;
        const qsizetype own = Sounds(kana).size();
        const qsizetype before = whole.size() - own;
        if (before == 0)
            return e.alone;
        qsizetype nucleus = e.compound == 0 ? before : before + e.compound;
        while (nucleus > 1 && QStringView(u"ンッー").contains(whole.morae[static_cast<std::size_t>(nucleus - 1)].kana))
            --nucleus;
        return static_cast<int>(nucleus);
    }
    return 0;
}

// Kanji numerals for a value below 100 (20 二十), as the dictionary writes
// the words a number and its counter make together (二十歳, 一日).
QString kanjiNumber(int value)
{
    static const QString digits = QStringLiteral("〇一二三四五六七八九");
    if (value < 0 || value >= 100)
        return {};
    if (value < 10)
        return digits.mid(value, 1);
    QString out = value >= 20 ? digits.mid(value / 10, 1) : QString();
    out += u'十';
    if (value % 10)
        out += digits[value % 10];
    return out;
}

// Place-name suffixes and how they join the name before them: the fall on
// their first mora (C2: 市役所マ\エ, 中央エ\キ, 中央ド\ーリ) or a flat
// compound (C4: 緑ヶ丘車庫ユキ, 本町 as ホンチョー, 桜バシ).
struct Suffix
{
    const char16_t *surface;
    const char16_t *pronunciation;
    const char *rule;
};
constexpr Suffix kPlaceSuffixes[] = {
    {u"前", u"マエ", "C2"},     {u"駅", u"エキ", "C2"},     {u"通り", u"ドーリ", "C2"}, {u"通り", u"トーリ", "C2"},
    {u"通", u"ドーリ", "C2"},   {u"行き", u"ユキ", "C4"},   {u"行", u"ユキ", "C4"},     {u"町", u"チョー", "C4"},
    {u"町", u"マチ", "C4"},     {u"橋", u"バシ", "C4"},     {u"橋", u"ハシ", "C4"},     {u"止まり", u"ドマリ", "C4"},
    {u"止り", u"ドマリ", "C4"},
};

const Suffix *placeSuffix(const AccentWord &w)
{
    for (const Suffix &s : kPlaceSuffixes) {
        if (w.surface == QStringView(s.surface) && sameSound(w.pronunciation, QString::fromUtf16(s.pronunciation)))
            return &s;
    }
    return nullptr;
}

// A stretch of the text where our pieces and the dictionary's words both
// begin and end: pieces [firstPiece, endPiece), words [firstWord, endWord).
struct Group
{
    std::size_t firstPiece = 0;
    std::size_t endPiece = 0;
    std::size_t firstWord = 0;
    std::size_t endWord = 0;
};

std::vector<Group> groupsOf(const std::vector<ReadingPiece> &pieces, const std::vector<DictionaryWord> &words)
{
    std::vector<Group> groups;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < pieces.size()) {
        Group g{i, i, j, j};
        qsizetype pieceEnd = pieces[i++].end;
        while (true) {
            while (j < words.size() && words[j].end <= pieceEnd)
                ++j;
            if (j >= words.size() || words[j].begin >= pieceEnd)
                break;
            // The word goes on past the piece: the group takes the pieces up to its end.
            const qsizetype wordEnd = words[j++].end;
            while (i < pieces.size() && pieceEnd < wordEnd)
                pieceEnd = pieces[i++].end;
            if (pieceEnd <= wordEnd)
                break;
        }
        g.endPiece = i;
        g.endWord = j;
        groups.push_back(g);
    }
    return groups;
}

class WordBuilder
{
public:
    WordBuilder(const AccentDictionary &dictionary, const TextReading &reading)
        : dictionary_(dictionary), reading_(reading)
    {
    }

    std::vector<AccentWord> build()
    {
        // Our words of fixed reading and the pauses stand whole in the
        // dictionary's analysis too.
        std::vector<qsizetype> boundaries;
        for (const ReadingPiece &p : reading_.pieces) {
            if (p.source != ReadingSource::Word && p.source != ReadingSource::Kana) {
                boundaries.push_back(p.begin);
                boundaries.push_back(p.end);
            }
        }
        std::vector<DictionaryWord> entries = dictionary_.analyse(reading_.text, boundaries);
        std::vector<Group> groups = groupsOf(reading_.pieces, entries);
        // Where several of our words read otherwise than the dictionary's
        // words over them, the dictionary analyses again along ours.
        bool again = false;
        for (const Group &g : groups) {
            if (g.endPiece - g.firstPiece > 1 && !agrees(g, entries)) {
                for (std::size_t p = g.firstPiece; p < g.endPiece; ++p) {
                    boundaries.push_back(reading_.pieces[p].begin);
                    boundaries.push_back(reading_.pieces[p].end);
                }
                again = true;
            }
        }
        if (again) {
            entries = dictionary_.analyse(reading_.text, boundaries);
            groups = groupsOf(reading_.pieces, entries);
        }
        for (const Group &g : groups) {
            if (agrees(g, entries)) {
                for (std::size_t w = g.firstWord; w < g.endWord; ++w)
                    words_.push_back(wordOf(entries[w], entries[w].pronunciation()));
                continue;
            }
            for (std::size_t p = g.firstPiece; p < g.endPiece; ++p)
                addPiece(reading_.pieces[p], entriesWithin(reading_.pieces[p], entries, g));
        }
        joinPlaceSuffixes();
        return std::move(words_);
    }

private:
    // The group's pieces read as the dictionary's words over them do.
    bool agrees(const Group &g, const std::vector<DictionaryWord> &entries) const
    {
        QString ours;
        for (std::size_t p = g.firstPiece; p < g.endPiece; ++p) {
            const ReadingPiece &piece = reading_.pieces[p];
            if (piece.source == ReadingSource::Number || piece.source == ReadingSource::Pause
                || piece.reading.contains(u'、') || piece.reading.contains(u'。'))
                return false;
            ours += piece.reading;
        }
        QString theirs;
        for (std::size_t w = g.firstWord; w < g.endWord; ++w) {
            if (!entries[w].isKnown())
                return false;
            theirs += entries[w].pronunciation();
        }
        return !ours.isEmpty() && sameSound(ours, theirs);
    }

    std::vector<DictionaryWord> entriesWithin(const ReadingPiece &piece, const std::vector<DictionaryWord> &entries,
                                              const Group &g) const
    {
        std::vector<DictionaryWord> within;
        for (std::size_t w = g.firstWord; w < g.endWord; ++w) {
            if (entries[w].begin >= piece.begin && entries[w].end <= piece.end)
                within.push_back(entries[w]);
        }
        return within;
    }

    void addPiece(const ReadingPiece &piece, const std::vector<DictionaryWord> &entries)
    {
        if (piece.reading.isEmpty())
            return;
        if (piece.source == ReadingSource::Pause) {
            words_.push_back(AccentWord::pause());
            return;
        }
        if (piece.reading.contains(u'、') || piece.reading.contains(u'。')) {
            addWithPauses(piece);
            return;
        }
        if (piece.source == ReadingSource::Number) {
            addNumber(piece);
            return;
        }
        alignWithin(piece, entries);
    }

    // A dictionary word whose reading has pauses in it (a ・ in a name).
    void addWithPauses(const ReadingPiece &piece)
    {
        const QString surface = reading_.text.mid(piece.begin, piece.end - piece.begin);
        QString part;
        for (const QChar c : piece.reading) {
            if (c != u'、' && c != u'。') {
                part += c;
                continue;
            }
            if (!part.isEmpty())
                words_.push_back(placeName(surface, part));
            words_.push_back(AccentWord::pause());
            part.clear();
        }
        if (!part.isEmpty())
            words_.push_back(placeName(surface, part));
    }

    // The dictionary's words over one of our pieces: those at either end
    // that read as we do stay as they are, the rest read ours.
    void alignWithin(const ReadingPiece &piece, const std::vector<DictionaryWord> &entries)
    {
        const Sounds ours(piece.reading);
        std::size_t first = 0;
        std::size_t last = entries.size(); // [first, last) read otherwise
        qsizetype from = 0;
        qsizetype to = ours.size();
        while (first < last && entries[first].isKnown()) {
            const Sounds theirs(entries[first].pronunciation());
            if (!ours.matches(from, theirs) || from + theirs.size() > to)
                break;
            words_.push_back(wordOf(entries[first], entries[first].pronunciation()));
            from += theirs.size();
            ++first;
        }
        std::vector<AccentWord> tail;
        while (last > first && entries[last - 1].isKnown()) {
            const Sounds theirs(entries[last - 1].pronunciation());
            if (to - theirs.size() < from || !ours.matches(to - theirs.size(), theirs))
                break;
            tail.push_back(wordOf(entries[last - 1], entries[last - 1].pronunciation()));
            to -= theirs.size();
            --last;
        }
        if (from < to) {
            const std::vector<DictionaryWord> middle(entries.begin() + static_cast<std::ptrdiff_t>(first),
                                                     entries.begin() + static_cast<std::ptrdiff_t>(last));
            words_.push_back(replacement(piece, middle, ours.kana(from, to)));
        }
        words_.insert(words_.end(), tail.rbegin(), tail.rend());
    }

    // A word the dictionary reads otherwise: its entry with our reading if
    // it has one (方 カタ, 行 ユキ), or with the first mora unvoiced (橋 バシ as
    // ハシ); else the dictionary's part of speech and rule with no accent.
    AccentWord replacement(const ReadingPiece &piece, const std::vector<DictionaryWord> &middle, const QString &kana) const
    {
        const QString pieceText = reading_.text.mid(piece.begin, piece.end - piece.begin);
        QString surface;
        for (const DictionaryWord &w : middle)
            surface += w.surface;
        if (surface.isEmpty())
            surface = pieceText;
        // The part of speech MeCab gave our whole word comes first.
        const QString hint = piece.source == ReadingSource::Word && surface == pieceText ? piece.features.value(0) : QString();
        for (const QString &pron : {kana, withoutRendaku(kana)}) {
            if (pron.isEmpty())
                continue;
            if (!hint.isEmpty()) {
                if (const auto entry = dictionary_.lookUp(surface, pron, hint))
                    return wordOf(*entry, kana);
            }
            if (const auto entry = dictionary_.lookUp(surface, pron))
                return wordOf(*entry, kana);
        }
        if (middle.size() == 1 && middle.front().isKnown()) {
            AccentWord w = wordOf(middle.front(), kana);
            w.accent = 0;
            return w;
        }
        if (piece.source == ReadingSource::Dictionary)
            return placeName(surface, kana);
        return flatWord(surface, kana, piece.source == ReadingSource::Word ? piece.features : QStringList());
    }

    // A number as a word of its own, its counter as a suffix after it
    // taking the counter's chain rule from the dictionary (番, 円, 分 put
    // the fall on the number's last mora, 丁目 on its own first).
    void addNumber(const ReadingPiece &piece)
    {
        const QString surface = reading_.text.mid(piece.begin, piece.end - piece.begin);
        const QString numberNoun = QStringLiteral("名詞,数");
        if (!piece.counter.isEmpty() && piece.counterReading.isEmpty()) {
            // Read as one word with its counter (ヒトリ, ハツカ, ツイタチ).
            const QString digits = surface.left(surface.indexOf(piece.counter));
            const QString written = kanjiNumber(digits.toInt()) + piece.counter;
            AccentWord w;
            if (const auto entry = dictionary_.lookUp(written, piece.reading))
                w = wordOf(*entry, piece.reading);
            else
                w = flatWord(surface, piece.reading, numberNoun.split(u','));
            w.pos = {QStringLiteral("名詞"), QStringLiteral("数"), QStringLiteral("*"), QStringLiteral("*")};
            w.chainFlag = numberChainFlag();
            words_.push_back(w);
            return;
        }
        const QString numberPart = piece.reading.left(piece.reading.size() - piece.counterReading.size());
        if (!numberPart.isEmpty()) {
            AccentWord number = flatWord(surface, numberPart, numberNoun.split(u','));
            number.accent = numberAccent(numberPart);
            number.chainRule.clear();
            number.chainFlag = numberChainFlag();
            words_.push_back(number);
        }
        if (piece.counterReading.isEmpty())
            return;
        const QString &sound = piece.counterReading;
        AccentWord counter;
        std::optional<DictionaryWord> entry;
        for (const QString &pron : {sound, withoutRendaku(sound)}) {
            if (!entry && !pron.isEmpty())
                entry = dictionary_.lookUp(piece.counter, pron, QStringLiteral("名詞,接尾"));
            if (!entry && !pron.isEmpty())
                entry = dictionary_.lookUp(piece.counter, pron);
        }
        if (entry) {
            counter = wordOf(*entry, sound);
        } else {
            counter = flatWord(piece.counter, sound,
                               {QStringLiteral("名詞"), QStringLiteral("接尾"), QStringLiteral("助数詞"), QStringLiteral("*")});
            counter.chainRule = QStringLiteral("C3");
        }
        counter.chainFlag = numberPart.isEmpty() ? numberChainFlag() : 1;
        words_.push_back(counter);
    }

    // A number starts an accent phrase of its own (本町 | イッチョーメ),
    // except after a prefix (第, 約), which it joins.
    int numberChainFlag() const
    {
        return !words_.empty() && words_.back().pos[0] == u"接頭詞" ? -1 : 0;
    }

    // 前, 駅, 行き, 町, 通り, 橋 and 止まり after a noun end a place name:
    // they join its accent phrase by our rule for each.
    void joinPlaceSuffixes()
    {
        for (std::size_t i = 1; i < words_.size(); ++i) {
            const Suffix *suffix = placeSuffix(words_[i]);
            if (!suffix || words_[i - 1].pos[0] != u"名詞")
                continue;
            words_[i].chainFlag = 1;
            words_[i].chainRule = QString::fromLatin1(suffix->rule);
        }
    }

    const AccentDictionary &dictionary_;
    const TextReading &reading_;
    std::vector<AccentWord> words_;
};

} // namespace

std::unique_ptr<JapaneseFrontEnd> JapaneseFrontEnd::create(const JapaneseReader &reader, AccentProblem *why)
{
    const QString folder = AccentDictionary::defaultFolder();
    if (folder.isEmpty()) {
        if (why)
            *why = AccentProblem{AccentProblem::Kind::NotInstalled, {}, {}};
        return nullptr;
    }
    return create(reader, folder, why);
}

std::unique_ptr<JapaneseFrontEnd> JapaneseFrontEnd::create(const JapaneseReader &reader, const QString &dictionaryFolder,
                                                           AccentProblem *why)
{
    auto dictionary = AccentDictionary::open(dictionaryFolder, why);
    if (!dictionary)
        return nullptr;
    return std::unique_ptr<JapaneseFrontEnd>(new JapaneseFrontEnd(reader, std::move(dictionary)));
}

JapaneseFrontEnd::JapaneseFrontEnd(const JapaneseReader &reader, std::unique_ptr<AccentDictionary> dictionary)
    : reader_(reader), dictionary_(std::move(dictionary))
{
}

JapaneseFrontEnd::~JapaneseFrontEnd() = default;

std::vector<AccentWord> JapaneseFrontEnd::words(const QString &text) const
{
    return wordsOf(reader_.read(text));
}

std::vector<AccentWord> JapaneseFrontEnd::wordsOf(const TextReading &reading) const
{
    std::vector<AccentWord> words = WordBuilder(*dictionary_, reading).build();
    setAccentPhrases(words);
    setAccentTypes(words);
    keepNucleiOnVowels(words);
    devoiceVowels(words);
    return words;
}

SpokenText JapaneseFrontEnd::analyse(const QString &text) const
{
    const TextReading reading = reader_.read(text);
    SpokenText spoken;
    spoken.reading = reading.kana;
    spoken.labels = fullContextLabels(wordsOf(reading));
    for (qsizetype i = 1; i + 1 < spoken.labels.size(); ++i)
        spoken.phonemes << labelPhoneme(spoken.labels[i]);
    for (const UnknownCharacter &c : reading.unknown)
        spoken.unreadable << c.character;
    return spoken;
}

} // namespace kerubara
