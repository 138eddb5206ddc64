#include "sound/JapaneseReader.h"

#include <mecab.h>

#include <QFileInfo>
#include <QStringList>

#include <array>
#include <utility>

namespace kerubara {
namespace {

const std::array<const char16_t *, 10> kDigits = {u"ゼロ", u"イチ", u"ニ", u"サン", u"ヨン",
                                                  u"ゴ", u"ロク", u"ナナ", u"ハチ", u"キュウ"};

// Reads 1..9999.
QString groupReading(int n)
{
    static const std::array<const char16_t *, 10> thousands = {u"", u"セン", u"ニセン", u"サンゼン", u"ヨンセン",
                                                               u"ゴセン", u"ロクセン", u"ナナセン", u"ハッセン", u"キュウセン"};
    static const std::array<const char16_t *, 10> hundreds = {u"", u"ヒャク", u"ニヒャク", u"サンビャク", u"ヨンヒャク",
                                                              u"ゴヒャク", u"ロッピャク", u"ナナヒャク", u"ハッピャク", u"キュウヒャク"};
    QString out = QString::fromUtf16(thousands[static_cast<std::size_t>(n / 1000)]);
    out += QString::fromUtf16(hundreds[static_cast<std::size_t>(n / 100 % 10)]);
    const int tens = n / 10 % 10;
    if (tens > 0) {
        if (tens > 1)
            out += QString::fromUtf16(kDigits[static_cast<std::size_t>(tens)]);
        out += QStringLiteral("ジュウ");
    }
    if (n % 10 > 0)
        out += QString::fromUtf16(kDigits[static_cast<std::size_t>(n % 10)]);
    return out;
}

QString digitByDigit(QStringView digits)
{
    QString out;
    for (const QChar d : digits)
        out += QString::fromUtf16(kDigits[static_cast<std::size_t>(d.unicode() - u'0')]);
    return out;
}

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

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

// A word the dictionary has no pronunciation for: kana, digits and letters
// are read, anything else (an unknown kanji) is left out.
QString fallbackReading(QStringView surface)
{
    if (allDigits(surface))
        return numberReading(surface);
    QString out;
    for (qsizetype i = 0; i < surface.size(); ++i) {
        const QChar c = surface[i];
        if (c == u'ヶ') {
            out += u'ガ'; // as in 緑ヶ丘
        } else if (c == u'ヵ') {
            out += u'カ';
        } else if (isKana(c)) {
            out += toKatakana(surface.mid(i, 1));
        } else if (c >= u'0' && c <= u'9') {
            qsizetype end = i;
            while (end < surface.size() && surface[end] >= u'0' && surface[end] <= u'9')
                ++end;
            out += numberReading(surface.mid(i, end - i));
            i = end - 1;
        } else {
            out += letterReading(c);
        }
    }
    return out;
}

// Words the dictionary reads otherwise than an announcement means them.
QString announcementReading(const QString &previous, const QString &surface)
{
    // お降り is getting off (オオリ), not rainfall (フリ).
    if (previous == u"お" && surface == u"降り")
        return QStringLiteral("オリ");
    return {};
}

// Only what the Japanese voice reads as Japanese: katakana, the long vowel
// mark and the two pauses.
QString speakable(const QString &reading)
{
    QString out;
    out.reserve(reading.size());
    for (const QChar c : reading) {
        const char16_t u = c.unicode();
        if ((u >= 0x30A1 && u <= 0x30F4) || u == 0x30FC || u == u'、' || u == u'。')
            out += c;
    }
    return out;
}

} // namespace

QString numberReading(QStringView digits)
{
    if (!allDigits(digits))
        return {};
    if (digits.size() == 1)
        return QString::fromUtf16(kDigits[static_cast<std::size_t>(digits[0].unicode() - u'0')]);
    if (digits[0] == u'0' || digits.size() > 16)
        return digitByDigit(digits);
    static const std::array<const char16_t *, 4> units = {u"", u"マン", u"オク", u"チョウ"};
    QString out;
    const qsizetype groups = (digits.size() + 3) / 4;
    for (qsizetype g = groups - 1; g >= 0; --g) {
        const qsizetype end = digits.size() - g * 4;
        const qsizetype begin = std::max<qsizetype>(end - 4, 0);
        const int value = digits.mid(begin, end - begin).toInt();
        if (value == 0)
            continue;
        if (g == 3 && value == 1)
            out += QStringLiteral("イッ"); // 一兆 is イッチョウ
        else if (g > 0 && value == 1)
            out += QStringLiteral("イチ");
        else
            out += groupReading(value);
        out += QString::fromUtf16(units[static_cast<std::size_t>(g)]);
    }
    return out;
}

QString toKatakana(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3041 && u <= 0x3096) || u == 0x309D || u == 0x309E)
            out += QChar(static_cast<char16_t>(u + 0x60));
        else
            out += c;
    }
    return out;
}

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
    std::unique_ptr<MeCab::Tagger> tagger(MeCab::createTagger(args.constData()));
    if (!tagger)
        return nullptr;
    const MeCab::DictionaryInfo *info = tagger->dictionary_info();
    const QString charset = info ? QString::fromLatin1(info->charset).toLower() : QString();
    if (charset != u"utf-8" && charset != u"utf8")
        return nullptr;
    return std::unique_ptr<JapaneseReader>(new JapaneseReader(std::move(tagger)));
}

JapaneseReader::JapaneseReader(std::unique_ptr<MeCab::Tagger> tagger) : tagger_(std::move(tagger)) {}

JapaneseReader::~JapaneseReader() = default;

QString JapaneseReader::reading(const QString &text) const
{
    // Full-width letters and digits become ASCII, half-width katakana full-width.
    const QByteArray utf8 = text.normalized(QString::NormalizationForm_KC).toUtf8();
    const std::lock_guard lock(mutex_);
    QString out;
    QString previous;
    for (const MeCab::Node *node = tagger_->parseToNode(utf8.constData()); node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        const QString surface = QString::fromUtf8(node->surface, node->length);
        const QString before = std::exchange(previous, surface);
        if (const QString corrected = announcementReading(before, surface); !corrected.isEmpty()) {
            out += corrected;
            continue;
        }
        const QStringList features = QString::fromUtf8(node->feature).split(u',');
        if ((!features.isEmpty() && features[0] == u"記号") || allSymbols(surface)) {
            appendPause(out, symbolPause(surface));
            continue;
        }
        if (features.size() > 8 && features[8] != u"*")
            out += features[8];
        else
            out += fallbackReading(surface);
    }
    return speakable(out);
}

} // namespace kerubara
