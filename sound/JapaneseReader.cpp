// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/JapaneseReader.h"

#include "sound/JapaneseNumbers.h"
#include "sound/KanjiReadings.h"
#include "sound/ReadingDictionary.h"
#include "sound/ReadingNormalizer.h"

#include <mecab.h>

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace kerubara {
namespace {

bool isKana(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3041 && u <= 0x3096) || (u >= 0x30A1 && u <= 0x30FA) || u == 0x30FC || u == 0x309D || u == 0x309E
        || u == 0x30FD || u == 0x30FE;
}

bool isSymbol(QChar c)
{
    return c.isPunct() || c.isSymbol();
}

bool allSymbols(QStringView text)
{
    for (const QChar c : text) {
        if (!isSymbol(c))
            return false;
    }
    return !text.isEmpty();
}

bool hasLetter(QStringView text)
{
    const QList<uint> codes = text.toUcs4();
    return std::any_of(codes.begin(), codes.end(), [](uint c) { return QChar::isLetter(c); });
}

// What a run of symbols says: a full stop (。), a short pause (、) or nothing.
QChar symbolPause(QStringView surface)
{
    static const QString shortPause = QStringLiteral("、，,・･/／");
    static const QString fullStop = QStringLiteral("。．.！!？?");
    QChar pause;
    for (const QChar c : surface) {
        if (fullStop.contains(c))
            return u'。';
        if (shortPause.contains(c))
            pause = u'、';
    }
    return pause;
}

// Adds a pause to the reading: never at its start, and one pause at a time,
// the longer one winning.
void appendPause(QString &out, QChar pause)
{
    if (pause.isNull() || out.isEmpty())
        return;
    if (out.endsWith(u'、') || out.endsWith(u'。')) {
        if (pause == u'。')
            out.back() = pause;
        return;
    }
    out += pause;
}

// The reading as it is made, before speakable() filters it, and the pieces
// of the text it was made from, each with its stretch of that raw reading.
class RawReading
{
public:
    QString out;

    void add(ReadingSource source, qsizetype begin, qsizetype end, const QString &reading)
    {
        start(source, begin, end);
        out += reading;
        finish();
    }
    void addWord(qsizetype begin, qsizetype end, const QString &reading, const QStringList &features)
    {
        start(ReadingSource::Word, begin, end);
        pieces_.back().piece.features = features;
        out += reading;
        finish();
    }
    void addNumber(qsizetype begin, qsizetype end, const QString &reading, const QString &counter,
                   const QString &counterReading)
    {
        start(ReadingSource::Number, begin, end);
        pieces_.back().piece.counter = counter;
        pieces_.back().piece.counterReading = counterReading;
        out += reading;
        finish();
    }
    void addPause(qsizetype begin, qsizetype end, QChar pause)
    {
        start(ReadingSource::Pause, begin, end);
        appendPause(out, pause);
        finish();
    }
    // Text read character by character: a character of the same source
    // right after the last piece joins it.
    void addCharacter(ReadingSource source, qsizetype begin, qsizetype end, const QString &reading)
    {
        if (!pieces_.empty() && pieces_.back().piece.source == source && pieces_.back().piece.end == begin
            && pieces_.back().rawEnd == out.size()) {
            pieces_.back().piece.end = end;
            out += reading;
            finish();
            return;
        }
        add(source, begin, end, reading);
    }

    // The pieces with their parts of `kana`, which speakable() made of `out`
    // with `at` the position in `kana` each position of `out` went to.
    std::vector<ReadingPiece> pieces(const QString &kana, const std::vector<qsizetype> &at) const
    {
        std::vector<ReadingPiece> result;
        result.reserve(pieces_.size());
        for (const Raw &r : pieces_) {
            ReadingPiece piece = r.piece;
            const qsizetype from = at[static_cast<std::size_t>(r.rawBegin)];
            piece.reading = kana.mid(from, at[static_cast<std::size_t>(r.rawEnd)] - from);
            if (!piece.counterReading.isEmpty() && !piece.reading.endsWith(piece.counterReading))
                piece.counterReading.clear();
            result.push_back(std::move(piece));
        }
        return result;
    }

private:
    struct Raw
    {
        ReadingPiece piece;
        qsizetype rawBegin = 0;
        qsizetype rawEnd = 0;
    };

    void start(ReadingSource source, qsizetype begin, qsizetype end)
    {
        Raw r;
        r.piece.source = source;
        r.piece.begin = begin;
        r.piece.end = end;
        r.rawBegin = out.size();
        pieces_.push_back(std::move(r));
    }
    void finish() { pieces_.back().rawEnd = out.size(); }

    std::vector<Raw> pieces_;
};

// Adds `c` to the characters no dictionary had, once.
void noteUnknown(std::vector<UnknownCharacter> &unknown, const QString &c, const QString &reading)
{
    if (std::none_of(unknown.begin(), unknown.end(), [&](const UnknownCharacter &u) { return u.character == c; }))
        unknown.push_back({c, reading});
}

// A character of a word MeCab has no pronunciation for that is no kana,
// digit or Latin letter: a kanji by its own reading, any other letter of a
// script left out. Both are noted; a symbol says nothing and is not.
QString characterReading(QStringView surface, qsizetype &i, std::vector<UnknownCharacter> &unknown)
{
    char32_t code = surface[i].unicode();
    qsizetype length = 1;
    if (surface[i].isHighSurrogate() && i + 1 < surface.size() && surface[i + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(surface[i], surface[i + 1]);
        length = 2;
    }
    const QString c = surface.mid(i, length).toString();
    i += length - 1;
    if (!QChar::isLetter(code))
        return {};
    const QString reading = QChar::script(code) == QChar::Script_Han ? KanjiReadings::system().reading(code) : QString();
    noteUnknown(unknown, c, reading);
    return reading;
}

// A word the dictionary has no pronunciation for, at `begin` of the text:
// kana, digits and letters are read, kanji by their own readings; what
// cannot be read is left out.
void fallbackReading(QStringView surface, qsizetype begin, std::vector<UnknownCharacter> &unknown, RawReading &raw)
{
    for (qsizetype i = 0; i < surface.size(); ++i) {
        const QChar c = surface[i];
        const qsizetype at = begin + i;
        if (c == u'ヶ') {
            raw.addCharacter(ReadingSource::Kana, at, at + 1, QStringLiteral("ガ")); // as in 緑ヶ丘
        } else if (c == u'ヵ') {
            raw.addCharacter(ReadingSource::Kana, at, at + 1, QStringLiteral("カ"));
        } else if (isKana(c)) {
            raw.addCharacter(ReadingSource::Kana, at, at + 1, toKatakana(surface.mid(i, 1)));
        } else if (c >= u'0' && c <= u'9') {
            qsizetype end = i;
            while (end < surface.size() && surface[end] >= u'0' && surface[end] <= u'9')
                ++end;
            raw.addNumber(at, begin + end, numberReading(surface.mid(i, end - i)), {}, {});
            i = end - 1;
        } else if (const QString letter = letterReading(c); !letter.isEmpty()) {
            raw.addCharacter(ReadingSource::Letter, at, at + 1, letter);
        } else {
            const QString reading = characterReading(surface, i, unknown);
            raw.addCharacter(ReadingSource::Character, at, begin + i + 1, reading);
        }
    }
}

// Only what the Japanese voice reads as Japanese: katakana, the long vowel
// mark and the two pauses. A long vowel mark with no vowel before it (at
// the start, after a pause, ン or ッ) says nothing and goes.
QString speakable(const QString &reading, std::vector<qsizetype> &at)
{
    QString out;
    out.reserve(reading.size());
    at.assign(static_cast<std::size_t>(reading.size()) + 1, 0);
    for (qsizetype i = 0; i < reading.size(); ++i) {
        at[static_cast<std::size_t>(i)] = out.size();
        const QChar c = reading[i];
        const char16_t u = c.unicode();
        if (u == 0x30FC) {
            if (!out.isEmpty() && !QStringView(u"、。ンッー").contains(out.back()))
                out += c;
        } else if ((u >= 0x30A1 && u <= 0x30F4) || u == u'、' || u == u'。') {
            out += c;
        }
    }
    at.back() = out.size();
    return out;
}

// A stretch of the text whose reading is settled before MeCab sees it: a
// dictionary word or a number with its counter.
struct FixedReading
{
    qsizetype begin = 0;
    qsizetype end = 0;
    QString reading;
    bool number = false;
    QString counter;
    QString counterReading;
};

std::vector<FixedReading> fixedReadings(QStringView text, const ReadingDictionary &words)
{
    std::vector<FixedReading> fixed;
    QString reading;
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype length = words.longestMatch(text, i, &reading); length > 0) {
            fixed.push_back({i, i + length, reading, false, {}, {}});
            i += length;
        } else if (const auto number = numberAt(text, i)) {
            fixed.push_back({i, i + number->length, number->reading, true, number->counter, number->counterReading});
            i += number->length;
        } else {
            ++i;
        }
    }
    return fixed;
}


// Spaces and control characters say nothing.
bool isBlank(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

// Blanks go: MeCab skips spaces, which would move the words we fix in place,
// and takes a NUL for the end of the text, when the words we fix after it
// would lie past its end. A blank between two digits keeps the numbers apart
// as a pause.
QString withoutSpaces(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            out += text[i];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isBlank(text[end]))
            ++end;
        if (i > 0 && end < text.size() && text[i - 1].isDigit() && text[end].isDigit())
            out += u'、';
        i = end - 1;
    }
    return out;
}

// The base form, reading and pronunciation fields of a word we fix in place.
// MeCab copies a feature into a buffer of 8192 bytes without checking its
// length, so a reading too long for it (a number of hundreds of digits, read
// digit by digit) is given as 長: MeCab only needs to know that the word is
// there, and its reading is taken from ours, never from MeCab's.
QByteArray featureReading(const QString &reading)
{
    constexpr qsizetype kLongestReadingBytes = 2048;
    QByteArray utf8 = reading.toUtf8();
    if (utf8.size() > kLongestReadingBytes)
        utf8 = QStringLiteral("長").toUtf8();
    return utf8 + ',' + utf8 + ',' + utf8;
}

// One word of MeCab's analysis.
struct Token
{
    QString surface;
    QStringList features;
    qsizetype begin = 0; // position in the text
    qsizetype end = 0;

    // MeCab calls a kanji beyond its character table a symbol too (𠮷).
    bool isSymbol() const { return (features.value(0) == u"記号" && !hasLetter(surface)) || allSymbols(surface); }
    QString pronunciation() const { return features.size() > 8 && features[8] != u"*" ? features[8] : QString(); }
    bool isKanjiNumber() const
    {
        return features.size() > 1 && features[0] == u"名詞" && features[1] == u"数"
            && std::all_of(surface.begin(), surface.end(), isKanjiNumeral);
    }
};

// Kanji numerals from token `k` on, with the counter after them if there
// is one (一丁目, 三百円): their reading, and `k` moved past them. Empty
// (and `k` unchanged) when the tokens are no kanji number.
QString kanjiNumberReading(QStringView text, const std::vector<Token> &tokens, std::size_t &k, QString &counterWord)
{
    std::size_t last = k;
    QString numerals = tokens[k].surface;
    while (last + 1 < tokens.size() && tokens[last + 1].isKanjiNumber()) {
        ++last;
        numerals += tokens[last].surface;
    }
    const QString value = kanjiNumberValue(numerals);
    if (value.isEmpty())
        return {};
    const qsizetype numberEnd = tokens[last].end;
    const bool asDate = tokens[k].begin > 0 && text[tokens[k].begin - 1] == u'月';
    // The counter must end where one of MeCab's words ends.
    if (const qsizetype counter = counterLength(text.mid(numberEnd)); counter > 0) {
        for (std::size_t c = last + 1; c < tokens.size() && tokens[c].begin < numberEnd + counter; ++c) {
            if (tokens[c].end == numberEnd + counter) {
                k = c;
                counterWord = text.mid(numberEnd, counter).toString();
                return countedReading(value, counterWord, asDate);
            }
        }
    }
    k = last;
    return numberReading(value);
}

// 方 after の or a verb means a person (カタ) when a particle of the
// sentence's subject or object follows it (お降りの方は, 車いすの方が), and
// a direction (ホー) after a word of place (前の方へ, 奥の方は).
bool isPersonKata(const std::vector<Token> &tokens, std::size_t k)
{
    static const QStringList places{
        QStringLiteral("前"), QStringLiteral("後ろ"), QStringLiteral("奥"), QStringLiteral("上"), QStringLiteral("下"),
        QStringLiteral("右"), QStringLiteral("左"), QStringLiteral("手前"), QStringLiteral("先"), QStringLiteral("横"),
        QStringLiteral("中"), QStringLiteral("東"), QStringLiteral("西"), QStringLiteral("南"), QStringLiteral("北"),
        QStringLiteral("こちら"), QStringLiteral("そちら"), QStringLiteral("あちら"), QStringLiteral("どちら"),
        QStringLiteral("内側"), QStringLiteral("外側"), QStringLiteral("窓側"), QStringLiteral("通路側"),
        QStringLiteral("出口"), QStringLiteral("入口")};
    static const QStringList personParticles{QStringLiteral("は"), QStringLiteral("が"), QStringLiteral("を"),
                                             QStringLiteral("も"), QStringLiteral("の"), QStringLiteral("や"),
                                             QStringLiteral("と"), QStringLiteral("で")};
    if (tokens[k].surface != u"方" || k == 0)
        return false;
    const Token &before = tokens[k - 1];
    const bool afterNo = before.surface == u"の" && before.features.value(0) == u"助詞";
    const bool afterVerb = before.features.value(0) == u"動詞" || before.features.value(0) == u"助動詞";
    if (!afterNo && !afterVerb)
        return false;
    if (afterNo && k >= 2 && places.contains(tokens[k - 2].surface))
        return false;
    if (k + 1 >= tokens.size())
        return true;
    const Token &after = tokens[k + 1];
    if (after.isSymbol())
        return true;
    if (after.features.value(0) != u"助詞")
        return false;
    // After a verb or な (不自由な方に) it is a person unless heading somewhere.
    return afterVerb ? after.surface != u"へ" : personParticles.contains(after.surface);
}

// A word that can end the name of a place: a noun that is no number.
bool isPlaceWord(const Token &t)
{
    return t.features.value(0) == u"名詞" && t.features.value(1) != u"数" && !t.isSymbol() && !t.surface.isEmpty()
        && !t.surface.back().isDigit();
}

// 行 right after the name of a place (3行 and 三行 count lines).
bool isDestinationMark(const std::vector<Token> &tokens, std::size_t k)
{
    if (k == 0 || tokens[k].features.value(0) != u"名詞" || tokens[k].features.value(2) == u"助数詞")
        return false;
    return isPlaceWord(tokens[k - 1]);
}

// 止まり right after a place is where the bus ends (市役所前止まり ドマリ);
// before ます it is the verb (バス止まります).
bool isTerminusMark(const std::vector<Token> &tokens, std::size_t k)
{
    if ((tokens[k].surface != u"止まり" && tokens[k].surface != u"止り") || k == 0 || !isPlaceWord(tokens[k - 1]))
        return false;
    return k + 1 >= tokens.size() || tokens[k + 1].features.value(6) != u"ます";
}

// 橋 that MeCab takes for the suffix キョウ after a word is the bridge a
// place is named after, and voiced: 桜橋 サクラバシ, 中央橋 チューオーバシ,
// 学園橋 ガクエンバシ. Names the dictionary has whole keep its reading,
// ハシ ones among them (大橋 オーハシ, 豊橋 トヨハシ), and so do the words
// for a kind of bridge (歩道橋, 鉄橋 whole; 高架橋 and 可動橋 split) and a
// numbered bridge (第三橋).
bool isBridgeOfAName(const std::vector<Token> &tokens, std::size_t k)
{
    static const QStringList bridgeKinds{
        QStringLiteral("高架"), QStringLiteral("可動"), QStringLiteral("斜張"), QStringLiteral("跨道"),
        QStringLiteral("跨線"), QStringLiteral("人道"), QStringLiteral("鉄道"), QStringLiteral("道路"),
        QStringLiteral("水路"), QStringLiteral("連絡"), QStringLiteral("仮設"), QStringLiteral("歩行者")};
    const Token &t = tokens[k];
    if (t.surface != u"橋" || t.pronunciation() != u"キョー" || t.features.value(2) == u"助数詞" || k == 0)
        return false;
    return isPlaceWord(tokens[k - 1]) && !bridgeKinds.contains(tokens[k - 1].surface);
}

// A kanji numeral with ツ in a name counts the old way: 二ツ屋 フタツヤ,
// 三ツ沢 ミツザワ (no ミッツ); empty for any other token pair.
QString oldCountReading(const std::vector<Token> &tokens, std::size_t k)
{
    static const QString numerals = QStringLiteral("一二三四五六七八九");
    static const std::array<const char16_t *, 9> counts = {u"ヒトツ", u"フタツ", u"ミツ", u"ヨツ", u"イツツ",
                                                           u"ムツ", u"ナナツ", u"ヤツ", u"ココノツ"};
    const qsizetype n = tokens[k].surface.size() == 1 ? numerals.indexOf(tokens[k].surface[0]) : -1;
    if (n < 0 || k + 1 >= tokens.size() || tokens[k + 1].surface != u"ツ")
        return {};
    return QString::fromUtf16(counts[static_cast<std::size_t>(n)]);
}

// ッ between a kanji numeral and another kanji is the ツ of a name written
// small (三ッ沢, 一ッ橋): as ツ, MeCab finds the name (三ツ沢 ミツザワ).
void smallTsuOfNames(QString &text)
{
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == u'ッ' && isKanjiNumeral(text[i - 1]) && text[i + 1].script() == QChar::Script_Han)
            text[i] = u'ツ';
    }
}

// What a word says where its dictionary reading would be wrong in an
// announcement.
QString announcementReading(const std::vector<Token> &tokens, std::size_t k)
{
    const Token &t = tokens[k];
    // 行き after a place is the bus's destination (緑ヶ丘車庫行き), and so
    // is 行 without okurigana (空港行のバス), which MeCab reads クダリ or
    // アルキ after some nouns.
    if (t.surface == u"行き" && t.features.value(1) == u"接尾")
        return QStringLiteral("ユキ");
    if (t.surface == u"行" && isDestinationMark(tokens, k))
        return QStringLiteral("ユキ");
    if (isPersonKata(tokens, k))
        return QStringLiteral("カタ");
    if (isTerminusMark(tokens, k))
        return QStringLiteral("ドマリ");
    if (isBridgeOfAName(tokens, k))
        return QStringLiteral("バシ");
    return {};
}

} // namespace

QString letterReading(QChar letter)
{
    static const std::array<const char16_t *, 26> names = {
        u"エー", u"ビー", u"シー", u"ディー", u"イー", u"エフ", u"ジー", u"エイチ", u"アイ",
        u"ジェー", u"ケー", u"エル", u"エム", u"エヌ", u"オー", u"ピー", u"キュー", u"アール",
        u"エス", u"ティー", u"ユー", u"ブイ", u"ダブリュー", u"エックス", u"ワイ", u"ゼット"};
    const char16_t u = letter.toUpper().unicode();
    if (u >= u'A' && u <= u'Z')
        return QString::fromUtf16(names[static_cast<std::size_t>(u - u'A')]);
    return {};
}

QString JapaneseReader::dictionaryPath()
{
    for (const char *path : {"/var/lib/mecab/dic/ipadic-utf8", "/usr/lib/x86_64-linux-gnu/mecab/dic/ipadic-utf8",
                             "/usr/lib/mecab/dic/ipadic-utf8", "/usr/share/mecab/dic/ipadic-utf8"}) {
        if (QFileInfo(QString::fromLatin1(path) + QStringLiteral("/sys.dic")).isFile())
            return QString::fromLatin1(path);
    }
    return {};
}

std::unique_ptr<JapaneseReader> JapaneseReader::create()
{
    const QString dic = dictionaryPath();
    if (dic.isEmpty())
        return nullptr;
    // No resource file: the dictionary is named directly, so a system-wide
    // mecabrc pointing at another dictionary does not matter.
    const QByteArray args = "-r /dev/null -d " + QFileInfo(dic).absoluteFilePath().toLocal8Bit();
    std::unique_ptr<MeCab::Model> model(MeCab::createModel(args.constData()));
    if (!model)
        return nullptr;
    const MeCab::DictionaryInfo *info = model->dictionary_info();
    const QString charset = info ? QString::fromLatin1(info->charset).toLower() : QString();
    if (charset != u"utf-8" && charset != u"utf8")
        return nullptr;
    std::unique_ptr<MeCab::Tagger> tagger(model->createTagger());
    if (!tagger)
        return nullptr;
    return std::unique_ptr<JapaneseReader>(new JapaneseReader(std::move(model), std::move(tagger)));
}

JapaneseReader::JapaneseReader(std::unique_ptr<MeCab::Model> model, std::unique_ptr<MeCab::Tagger> tagger)
    : model_(std::move(model)),
      tagger_(std::move(tagger)),
      words_(std::make_shared<const ReadingDictionary>(ReadingDictionary::builtIn()))
{
}

JapaneseReader::~JapaneseReader()
{
    tagger_.reset(); // made by the model: goes first
}

void JapaneseReader::setUserDictionary(const ReadingDictionary &user)
{
    auto merged = std::make_shared<ReadingDictionary>(ReadingDictionary::builtIn());
    merged->merge(user);
    const std::lock_guard lock(wordsMutex_);
    words_ = std::move(merged);
}

std::shared_ptr<const ReadingDictionary> JapaneseReader::words() const
{
    const std::lock_guard lock(wordsMutex_);
    return words_;
}

TextReading JapaneseReader::read(const QString &text) const
{
    QString normal = withoutSpaces(normalizeForReading(text));
    smallTsuOfNames(normal);
    const std::vector<FixedReading> fixed = fixedReadings(normal, *words());
    const auto [utf8, offsets] = utf8WithOffsets(normal);

    // The fixed stretches go to MeCab as words of their own with our
    // reading, so that it reads the words around them in context.
    std::unique_ptr<MeCab::Lattice> lattice(model_->createLattice());
    lattice->set_sentence(utf8.constData());
    std::vector<QByteArray> features;
    features.reserve(fixed.size());
    for (const FixedReading &f : fixed) {
        // A feature is a pattern in which * matches anything: the base form
        // (the 7th field) must not be *, or MeCab takes its own unknown-word
        // entry, which has no reading, for a match.
        features.push_back("名詞,一般,*,*,*,*," + featureReading(f.reading));
        lattice->set_feature_constraint(static_cast<std::size_t>(offsets[static_cast<std::size_t>(f.begin)]),
                                        static_cast<std::size_t>(offsets[static_cast<std::size_t>(f.end)]),
                                        features.back().constData());
    }
    if (!tagger_->parse(lattice.get())) {
        // Should the fixed words ever not fit MeCab's view of the text,
        // it reads the whole text itself rather than nothing.
        lattice.reset(model_->createLattice());
        lattice->set_sentence(utf8.constData());
        if (!tagger_->parse(lattice.get()))
            return {};
    }
    TextReading result;

    std::vector<Token> tokens;
    for (const MeCab::Node *node = lattice->bos_node(); node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        const int byteBegin = static_cast<int>(node->surface - utf8.constData());
        const auto at = std::lower_bound(offsets.begin(), offsets.end(), byteBegin);
        const qsizetype begin = at - offsets.begin();
        const QString surface = QString::fromUtf8(node->surface, node->length);
        tokens.push_back({surface, QString::fromUtf8(node->feature).split(u','), begin, begin + surface.size()});
    }

    RawReading raw;
    auto fixedAt = fixed.cbegin();
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const Token &t = tokens[k];
        // A fixed word reads as fixed, even one written in symbols (→).
        while (fixedAt != fixed.cend() && fixedAt->end <= t.begin)
            ++fixedAt;
        if (fixedAt != fixed.cend() && fixedAt->begin == t.begin && fixedAt->end == t.end) {
            if (fixedAt->number)
                raw.addNumber(t.begin, t.end, fixedAt->reading, fixedAt->counter, fixedAt->counterReading);
            else
                raw.add(ReadingSource::Dictionary, t.begin, t.end, fixedAt->reading);
            continue;
        }
        if (t.isSymbol()) {
            raw.addPause(t.begin, t.end, symbolPause(t.surface));
            continue;
        }
        if (const QString count = oldCountReading(tokens, k); !count.isEmpty()) {
            raw.addWord(t.begin, tokens[k + 1].end, count, t.features);
            ++k;
            continue;
        }
        if (t.isKanjiNumber()) {
            const std::size_t first = k;
            QString counter;
            if (const QString number = kanjiNumberReading(normal, tokens, k, counter); !number.isEmpty()) {
                const qsizetype sound = counter.isEmpty() ? 0 : counterReadingLength(number, counter);
                raw.addNumber(tokens[first].begin, tokens[k].end, number, counter, number.right(sound));
                continue;
            }
        }
        if (const QString corrected = announcementReading(tokens, k); !corrected.isEmpty())
            raw.addWord(t.begin, t.end, corrected, t.features);
        else if (const QString pronounced = t.pronunciation(); !pronounced.isEmpty())
            raw.addWord(t.begin, t.end, pronounced, t.features);
        else
            fallbackReading(t.surface, t.begin, result.unknown, raw);
    }
    std::vector<qsizetype> at;
    result.kana = speakable(raw.out, at);
    result.text = normal;
    result.pieces = raw.pieces(result.kana, at);
    return result;
}

std::pair<QByteArray, std::vector<int>> utf8WithOffsets(QStringView text)
{
    std::vector<int> offsets(static_cast<std::size_t>(text.size()) + 1, 0);
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        offsets[static_cast<std::size_t>(i)] = bytes;
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            offsets[static_cast<std::size_t>(i + 1)] = bytes;
            bytes += 4;
            ++i;
        } else {
            bytes += u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
        }
    }
    offsets.back() = bytes;
    return {text.toUtf8(), offsets};
}

} // namespace kerubara
