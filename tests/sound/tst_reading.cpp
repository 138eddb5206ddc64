// SPDX-License-Identifier: GPL-3.0-or-later
// The reading pipeline without sound: normalised text, numbers and their
// counters, the reading dictionaries, MeCab around them, and our kana table
// turned into the voice's phonemes.

#include "sound/EspeakSynth.h"
#include "sound/JapaneseNumbers.h"
#include "sound/JapaneseReader.h"
#include "sound/KanaPhonemes.h"
#include "sound/KanjiReadings.h"
#include "sound/ReadingDictionary.h"
#include "sound/ReadingNormalizer.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using namespace kerubara;

namespace {

// How a passenger hears a reading: a long vowel however it is written
// (トウ and トー alike, エイ and エー, オオ and オー, but ト is short), を as
// オ, ぢ and づ as じ and ず, hiragana as katakana, pauses not at all.
QString asHeard(const QString &reading)
{
    static const QString rows[5] = {
        QStringLiteral("アカサタナハマヤラワァャガザダバパ"), QStringLiteral("イキシチニヒミリィギジヂビピ"),
        QStringLiteral("ウクスツヌフムユルゥュグズヅブプヴ"), QStringLiteral("エケセテネヘメレェゲゼデベペ"),
        QStringLiteral("オコソトノホモヨロヲォョゴゾドボポ")};
    auto vowelOf = [](QChar c) -> int {
        for (int v = 0; v < 5; ++v) {
            if (rows[v].contains(c))
                return v;
        }
        return -1;
    };
    QString out;
    int previous = -1; // the vowel of the last mora, -1 after ン, ッ or ー
    for (QChar c : toKatakana(reading)) {
        if (QStringView(u"、。 ,.").contains(c))
            continue;
        c = c == u'ヲ' ? u'オ' : c == u'ヂ' ? u'ジ' : c == u'ヅ' ? u'ズ' : c;
        const int v = vowelOf(c);
        const bool bareVowel = QStringView(u"アイウエオ").contains(c);
        const bool drawsOut = c == u'ー'
            || (bareVowel && (v == previous || (c == u'ウ' && previous == 4) || (c == u'イ' && previous == 3)));
        if (drawsOut) {
            if (previous >= 0)
                out += u'ー';
            previous = -1;
            continue;
        }
        out += c;
        previous = v;
    }
    return out;
}

// The rows of a two-column CSV file: text and reading; # lines, blank lines
// and the heading are skipped.
QList<QStringList> csvRows(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        const QString l = line.trimmed();
        if (l.isEmpty() || l.startsWith(u'#') || l == u"text,reading")
            continue;
        QStringList fields{QString()};
        bool quoted = false;
        for (const QChar c : l) {
            if (c == u'"')
                quoted = !quoted;
            else if (c == u',' && !quoted)
                fields << QString();
            else
                fields.back() += c;
        }
        rows << fields;
    }
    return rows;
}

// The pieces of a reading in short: source letter, text=reading, and for a
// number its counter/its sound (N:10分=ジュップン/分=プン).
QString piecesOf(const TextReading &r)
{
    QStringList out;
    for (const ReadingPiece &p : r.pieces) {
        static const char sources[] = "DNWLKCP";
        QString piece = QChar::fromLatin1(sources[static_cast<int>(p.source)]) + u':' + r.text.mid(p.begin, p.end - p.begin)
            + u'=' + p.reading;
        if (!p.counter.isEmpty())
            piece += u'/' + p.counter + u'=' + p.counterReading;
        out << piece;
    }
    return out.join(u' ');
}

} // namespace

class tst_Reading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void numbersAreReadInDigitGroups_data();
    void numbersAreReadInDigitGroups();
    void countersChangeTheNumbersSound_data();
    void countersChangeTheNumbersSound();
    void numberExpressionsAreFoundInText_data();
    void numberExpressionsAreFoundInText();
    void kanjiNumeralsHaveTheirValue_data();
    void kanjiNumeralsHaveTheirValue();

    void kanjiVariantsReadAsTheirCommonForms_data();
    void kanjiVariantsReadAsTheirCommonForms();

    void dictionaryLinesWithProblemsAreNamedAndLeftOut();
    void dictionaryFilesThatCannotBeReadAreNamed_data();
    void dictionaryFilesThatCannotBeReadAreNamed();
    void dictionaryMatchesTheLongestEntry();
    void userEntryOverridesTheBuiltInWord();
    void userWordsAreReadHoweverTheyAreWritten();
    void middleDotInAReadingIsAPause_data();
    void middleDotInAReadingIsAPause();
    void controlCharactersReadAsSpaces_data();
    void controlCharactersReadAsSpaces();
    void aNumberOfHundredsOfDigitsIsReadDigitByDigit();
    void builtInDictionaryHasTheTransitWords_data();
    void builtInDictionaryHasTheTransitWords();

    void announcementsAreReadAsAPassengerHearsThem();
    void kanjiReadingsComeFromKanjidic_data();
    void kanjiReadingsComeFromKanjidic();
    void kanjiNoDictionaryReadsAreReadOneByOneAndNamed_data();
    void kanjiNoDictionaryReadsAreReadOneByOneAndNamed();

    void piecesSayWhereEachPartOfTheReadingComesFrom_data();
    void piecesSayWhereEachPartOfTheReadingComesFrom();
    void piecesMakeUpEveryAnnouncementsReading();

    void kanaBecomeThePhonemesOfOurTable_data();
    void kanaBecomeThePhonemesOfOurTable();
    void voiceSpeaksEveryMoraAsOurTableSays_data();
    void voiceSpeaksEveryMoraAsOurTableSays();
    void phonemeInputCarriesTheVoicesStressAndPauses_data();
    void phonemeInputCarriesTheVoicesStressAndPauses();
    void longReadingsAreSplitIntoWordsTheVoiceSpeaks();

private:
    std::unique_ptr<JapaneseReader> reader_;
};

void tst_Reading::initTestCase()
{
    reader_ = JapaneseReader::create();
    QVERIFY2(reader_, "MeCab with mecab-ipadic-utf8 is part of the build's packages");
}

void tst_Reading::numbersAreReadInDigitGroups_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("reading");
    QTest::newRow("zero") << "0" << "ゼロ";
    QTest::newRow("ten") << "10" << "ジュー";
    QTest::newRow("three hundred voiced") << "300" << "サンビャク";
    QTest::newRow("six hundred geminated") << "600" << "ロッピャク";
    QTest::newRow("eight hundred geminated") << "800" << "ハッピャク";
    QTest::newRow("three thousand voiced") << "3000" << "サンゼン";
    QTest::newRow("eight thousand geminated") << "8000" << "ハッセン";
    QTest::newRow("a thousand without one") << "1200" << "センニヒャク";
    QTest::newRow("ten thousand with one") << "10000" << "イチマン";
    QTest::newRow("groups of four") << "32767" << "サンマンニセンナナヒャクロクジューナナ";
    QTest::newRow("hundred million") << "100000000" << "イチオク";
    QTest::newRow("a trillion geminated") << "1000000000000" << "イッチョー";
    QTest::newRow("leading zero is a code") << "007" << "ゼロゼロナナ";
    QTest::newRow("seventeen digits are a code") << "12345678901234567"
                                                 << "イチニサンヨンゴロクナナハチキューゼロイチニサンヨンゴロクナナ";
    QTest::newRow("not digits") << "12a" << "";
}

void tst_Reading::numbersAreReadInDigitGroups()
{
    QFETCH(QString, digits);
    QTEST(numberReading(digits), "reading");
}

void tst_Reading::countersChangeTheNumbersSound_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<bool>("asDate");
    QTest::addColumn<QString>("reading");
    const struct
    {
        const char *tag, *digits, *counter;
        const char16_t *reading;
    } rows[] = {
        {"1 minute", "1", "分", u"イップン"},
        {"3 minutes", "3", "分", u"サンプン"},
        {"4 minutes", "4", "分", u"ヨンプン"},
        {"6 minutes", "6", "分", u"ロップン"},
        {"8 minutes", "8", "分", u"ハップン"},
        {"10 minutes", "10", "分", u"ジュップン"},
        {"30 minutes", "30", "分", u"サンジュップン"},
        {"100 minutes", "100", "分", u"ヒャップン"},
        {"5 minutes plain", "5", "分", u"ゴフン"},
        {"10 minutes long", "10", "分間", u"ジュップンカン"},
        {"1 long thing", "1", "本", u"イッポン"},
        {"3 long things", "3", "本", u"サンボン"},
        {"6 long things", "6", "本", u"ロッポン"},
        {"300 long things", "300", "本", u"サンビャッポン"},
        {"1000 long things", "1000", "本", u"センボン"},
        {"1 cup", "1", "杯", u"イッパイ"},
        {"3 cups", "3", "杯", u"サンバイ"},
        {"6 times", "6", "回", u"ロッカイ"},
        {"1 floor", "1", "階", u"イッカイ"},
        {"3 floors", "3", "階", u"サンガイ"},
        {"1000 floors", "1000", "階", u"センカイ"},
        {"1 case", "1", "件", u"イッケン"},
        {"100 pieces", "100", "個", u"ヒャッコ"},
        {"1 year old", "1", "歳", u"イッサイ"},
        {"6 years old keeps roku", "6", "歳", u"ロクサイ"},
        {"8 years old", "8", "歳", u"ハッサイ"},
        {"20 years old", "20", "歳", u"ハタチ"},
        {"4 o'clock", "4", "時", u"ヨジ"},
        {"7 o'clock", "7", "時", u"シチジ"},
        {"9 o'clock", "9", "時", u"クジ"},
        {"14 o'clock", "14", "時", u"ジューヨジ"},
        {"0 o'clock", "0", "時", u"レイジ"},
        {"4 hours", "4", "時間", u"ヨジカン"},
        {"1 chome", "1", "丁目", u"イッチョーメ"},
        {"6 chome", "6", "丁目", u"ロクチョーメ"},
        {"8 chome", "8", "丁目", u"ハッチョーメ"},
        {"10 chome", "10", "丁目", u"ジュッチョーメ"},
        {"1 number", "1", "番", u"イチバン"},
        {"2 platform", "2", "番線", u"ニバンセン"},
        {"5 issue", "5", "号", u"ゴゴー"},
        {"1 car", "1", "号車", u"イチゴーシャ"},
        {"2 carriages", "2", "両", u"ニリョー"},
        {"1 person", "1", "人", u"ヒトリ"},
        {"2 people", "2", "人", u"フタリ"},
        {"4 people", "4", "人", u"ヨニン"},
        {"11 people", "11", "人", u"ジューイチニン"},
        {"1 day", "1", "日", u"イチニチ"},
        {"20 days", "20", "日", u"ハツカ"},
        {"14 days", "14", "日", u"ジューヨッカ"},
        {"4 yen", "4", "円", u"ヨエン"},
        {"1200 yen", "1200", "円", u"センニヒャクエン"},
        {"10000 yen", "10000", "円", u"イチマンエン"},
        {"1 km", "1", "km", u"イッキロ"},
        {"6 kilo", "6", "キロ", u"ロッキロ"},
        {"4 April", "4", "月", u"シガツ"},
        {"9 September", "9", "月", u"クガツ"},
        {"1 line number", "1", "系統", u"イッケートー"},
        {"10 percent", "10", "%", u"ジュッパーセント"},
        {"1 ward", "1", "区", u"イック"},
        {"6 wards", "6", "区", u"ロック"},
        {"8 wards", "8", "区", u"ハック"},
        {"10 wards", "10", "区", u"ジュック"},
        {"3 wards", "3", "区", u"サンク"},
        {"the 7 o'clock band", "7", "時台", u"シチジダイ"},
        {"the 4 o'clock band", "4", "時台", u"ヨジダイ"},
        {"not a counter", "3", "犬", u""},
    };
    for (const auto &r : rows)
        QTest::newRow(r.tag) << QString::fromLatin1(r.digits) << QString::fromUtf8(r.counter) << false
                             << QString::fromUtf16(r.reading);
    QTest::newRow("first of the month") << "1" << "日" << true << "ツイタチ";
    QTest::newRow("the 20th as a date") << "20" << "日" << true << "ハツカ";
}

void tst_Reading::countersChangeTheNumbersSound()
{
    QFETCH(QString, digits);
    QFETCH(QString, counter);
    QFETCH(bool, asDate);
    QTEST(countedReading(digits, counter, asDate), "reading");
}

void tst_Reading::numberExpressionsAreFoundInText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("length"); // -1: no number starts there
    QTest::addColumn<QString>("reading");
    QTest::newRow("thousands separator") << "1,200円です" << 0 << 6 << "センニヒャクエン";
    QTest::newRow("ten thousand with separator") << "10,000円札です" << 0 << 8 << "イチマンエンサツ";
    QTest::newRow("commas of a list") << "1,2,3" << 0 << 1 << "イチ";
    QTest::newRow("decimal with counter") << "1.5キロ先" << 0 << 5 << "イッテンゴキロ";
    QTest::newRow("decimal below one") << "0.5" << 0 << 3 << "レイテンゴ";
    QTest::newRow("full stop after a number") << "3。" << 0 << 1 << "サン";
    QTest::newRow("route code with leading zero") << "系統012" << 2 << 3 << "ゼロイチニ";
    QTest::newRow("phone number") << "03-1234-5678" << 0 << 12 << "ゼロサンノイチニサンヨンノゴロクナナハチ";
    QTest::newRow("hour and minutes are two") << "4時30分" << 0 << 2 << "ヨジ";
    QTest::newRow("clock time") << "9:30発" << 0 << 4 << "クジサンジュップン";
    QTest::newRow("clock time on the hour") << "10:00" << 0 << 5 << "ジュージ";
    QTest::newRow("zero-padded minutes") << "7時05分発" << 0 << 5 << "シチジゴフン";
    QTest::newRow("zero minutes say nothing") << "8時00分発" << 0 << 5 << "ハチジ";
    QTest::newRow("zero-padded hour") << "07時" << 0 << 3 << "シチジ";
    QTest::newRow("zero-padded hour and minutes") << "07時09分" << 0 << 6 << "シチジキューフン";
    QTest::newRow("hour band") << "9時台の便" << 0 << 3 << "クジダイ";
    QTest::newRow("range") << "1〜3番線" << 0 << 2 << "イチカラ";
    QTest::newRow("yen sign") << "¥1,200" << 0 << 6 << "センニヒャクエン";
    QTest::newRow("kanji units") << "1万2千円" << 0 << 5 << "イチマンニセンエン";
    QTest::newRow("decimal with a unit") << "1.5万人" << 0 << 5 << "イッテンゴマンニン";
    QTest::newRow("first of the month") << "5月1日" << 2 << 2 << "ツイタチ";
    QTest::newRow("fraction") << "3分の1" << 0 << 3 << "サンブンノ";
    QTest::newRow("minutes before の") << "5分の遅れ" << 0 << 2 << "ゴフン";
    QTest::newRow("unit letter inside a word") << "5min" << 0 << 1 << "ゴ";
    QTest::newRow("third Sunday, no date") << "第3日曜日" << 1 << 1 << "サン";
    QTest::newRow("second Monday, no month") << "第2月曜日" << 1 << 1 << "ニ";
    QTest::newRow("band of numbers") << "200番台の系統" << 0 << 5 << "ニヒャクバンダイ";
    QTest::newRow("inside a digit run") << "123" << 1 << -1 << "";
    QTest::newRow("no digit") << "円" << 0 << -1 << "";
}

void tst_Reading::numberExpressionsAreFoundInText()
{
    QFETCH(QString, text);
    QFETCH(int, pos);
    QFETCH(int, length);
    const auto span = numberAt(text, pos);
    if (length < 0) {
        QVERIFY(!span);
        return;
    }
    QVERIFY(span);
    QCOMPARE(span->length, length);
    QTEST(span->reading, "reading");
}

void tst_Reading::kanjiNumeralsHaveTheirValue_data()
{
    QTest::addColumn<QString>("kanji");
    QTest::addColumn<QString>("value");
    QTest::newRow("digit") << "三" << "3";
    QTest::newRow("tens") << "二十三" << "23";
    QTest::newRow("hundreds") << "三百" << "300";
    QTest::newRow("thousand without one") << "千二百" << "1200";
    QTest::newRow("ten thousand") << "一万" << "10000";
    QTest::newRow("hundred thousand") << "十万" << "100000";
    QTest::newRow("written digit by digit") << "二〇二四" << "2024";
    QTest::newRow("not a number") << "三日" << "";
}

void tst_Reading::kanjiNumeralsHaveTheirValue()
{
    QFETCH(QString, kanji);
    QTEST(kanjiNumberValue(kanji), "value");
}

void tst_Reading::kanjiVariantsReadAsTheirCommonForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::addColumn<QString>("reading");
    QTest::newRow("IBM 髙") << "髙島屋前" << "高島屋前" << "タカシマヤマエ";
    QTest::newRow("IBM 﨑") << "山﨑" << "山崎" << "ヤマザキ";
    QTest::newRow("IBM 德") << "德山" << "徳山" << "トクヤマ";
    QTest::newRow("IBM 濵") << "濵田" << "浜田" << "ハマダ";
    QTest::newRow("compatibility 塚") << QString(QChar(0xFA10)) + "本" << "塚本" << "ツカモト";
    QTest::newRow("full-width digits") << "１，２００円" << "1,200円" << "センニヒャクエン";
    QTest::newRow("half-width katakana") << "ﾊﾞｽ" << "バス" << "バス";
}

void tst_Reading::kanjiVariantsReadAsTheirCommonForms()
{
    QFETCH(QString, text);
    QTEST(normalizeForReading(text), "normalised");
    QTEST(reader_->reading(text), "reading");
}

void tst_Reading::dictionaryLinesWithProblemsAreNamedAndLeftOut()
{
    const QByteArray bytes = "\xEF\xBB\xBF# a comment\r\n"
                             "text,reading\r\n"
                             "後払い,アトバライ\r\n"
                             "no reading here\r\n"
                             ",カラ\r\n"
                             "空,\r\n"
                             "英語,abc\r\n"
                             "\"a,b\",エービー\r\n"
                             "x,イ,ロ\r\n"
                             "\"open,ア\r\n"
                             "\x82\xa0,ア\r\n" // Shift-JIS あ
                             "ひら,ひらがな\r\n"
                             "\r\n";
    std::vector<ReadingProblem> problems;
    const ReadingDictionary d = ReadingDictionary::parse(bytes, &problems);
    using Kind = ReadingProblem::Kind;
    QList<std::tuple<int, Kind, QString>> found;
    for (const ReadingProblem &p : problems)
        found << std::tuple(p.line, p.kind, p.value);
    QCOMPARE(found, (QList<std::tuple<int, Kind, QString>>{{4, Kind::NoReading, {}},
                                                           {5, Kind::EmptyText, {}},
                                                           {6, Kind::EmptyReading, {}},
                                                           {7, Kind::NotKatakana, QStringLiteral("abc")},
                                                           {9, Kind::TooManyFields, {}},
                                                           {10, Kind::OpenQuote, {}},
                                                           {11, Kind::NotUtf8, {}}}));
    QCOMPARE(d.size(), 3);
    QCOMPARE(d.reading("後払い"), QStringLiteral("アトバライ"));
    QCOMPARE(d.reading("a,b"), QStringLiteral("エービー"));
    QCOMPARE(d.reading("ひら"), QStringLiteral("ヒラガナ")); // hiragana taken as katakana
}

void tst_Reading::dictionaryFilesThatCannotBeReadAreNamed_data()
{
    QTest::addColumn<QString>("name"); // made in a scratch folder; empty for the folder itself
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("kinds"); // ReadingProblem::Kind, one per problem
    QTest::addColumn<QString>("value");

    const auto kind = [](ReadingProblem::Kind k) { return QList<int>{static_cast<int>(k)}; };
    QTest::newRow("missing: no dictionary, no problem") << "absent.csv" << QByteArray() << QList<int>{} << QString();
    QTest::newRow("a folder") << "" << QByteArray() << kind(ReadingProblem::Kind::NotRegularFile) << QString();
    QTest::newRow("over 4 MiB") << "yomi.csv" << QByteArray((4 << 20) + 1, 'a')
                                << kind(ReadingProblem::Kind::TooLarge) << QString::number(4 << 20);
    QTest::newRow("a bad line names its file") << "yomi.csv" << QByteArray("a,b,c\n")
                                               << kind(ReadingProblem::Kind::TooManyFields) << QString();
}

void tst_Reading::dictionaryFilesThatCannotBeReadAreNamed()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, kinds);
    QTemporaryDir scratch;
    const QString path = name.isEmpty() ? scratch.path() : scratch.filePath(name);
    if (!bytes.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::vector<ReadingProblem> problems;
    ReadingDictionary::readFiles({path}, &problems);
    QList<int> found;
    for (const ReadingProblem &p : problems) {
        found << static_cast<int>(p.kind);
        QCOMPARE(p.file, path);
        QTEST(p.value, "value");
    }
    QCOMPARE(found, kinds);
}

void tst_Reading::dictionaryMatchesTheLongestEntry()
{
    ReadingDictionary d;
    QVERIFY(d.insert("緑ヶ丘", "ミドリガオカ"));
    QVERIFY(d.insert("緑ヶ丘車庫", "ミドリガオカシャコ"));
    QVERIFY(d.insert("Suica", "スイカ"));
    QVERIFY(!d.insert("x", "not kana"));
    QString reading;
    QCOMPARE(d.longestMatch(u"次は緑ヶ丘車庫行き", 2, &reading), 5);
    QCOMPARE(reading, QStringLiteral("ミドリガオカシャコ"));
    QCOMPARE(d.longestMatch(u"緑ヶ丘入口", 0, &reading), 3);
    QCOMPARE(d.longestMatch(u"次は緑ヶ丘", 0, &reading), 0);
    QCOMPARE(d.longestMatch(u"SUICA", 0, &reading), 5); // Latin letters in either case
    QCOMPARE(reading, QStringLiteral("スイカ"));
}

void tst_Reading::userEntryOverridesTheBuiltInWord()
{
    const QString text = QStringLiteral("運賃は後払いです。");
    QCOMPARE(reader_->reading(text), QStringLiteral("ウンチンワアトバライデス。"));
    ReadingDictionary user;
    user.insert("後払い", "ゴバライ");
    user.insert("市役所前", "シヤクショノマエ");
    reader_->setUserDictionary(user);
    QCOMPARE(reader_->reading(text), QStringLiteral("ウンチンワゴバライデス。"));
    // The words around a fixed one are read in context: は after it is ワ.
    QCOMPARE(reader_->reading("市役所前は"), QStringLiteral("シヤクショノマエワ"));
    reader_->setUserDictionary({});
    QCOMPARE(reader_->reading(text), QStringLiteral("ウンチンワアトバライデス。"));
}

void tst_Reading::userWordsAreReadHoweverTheyAreWritten()
{
    ReadingDictionary user;
    user.insert("→", "ミギヤジルシ");           // symbols only: not a pause
    user.insert("中央 駅", "チューオーステーション"); // a space in the text
    user.insert("ＡＢＣ前", "エービーシーマエ");     // full-width letters
    user.insert("1日券", "イチニチケン");           // digits before the number rules
    reader_->setUserDictionary(user);
    QCOMPARE(reader_->reading("→中央駅、abc前で1日券"),
             QStringLiteral("ミギヤジルシチューオーステーション、エービーシーマエデイチニチケン"));
    reader_->setUserDictionary({});
}

void tst_Reading::middleDotInAReadingIsAPause_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("middle dot in hiragana") << QByteArray("水族館前,みたら・すいぞくかんまえ");
    QTest::newRow("middle dot in katakana") << QByteArray("水族館前,ミタラ・スイゾクカンマエ");
    QTest::newRow("half-width middle dot") << QByteArray("水族館前,ミタラ･スイゾクカンマエ");
}

// Operators write the parts of a stop's name apart with a middle dot.
void tst_Reading::middleDotInAReadingIsAPause()
{
    QFETCH(QByteArray, line);
    std::vector<ReadingProblem> problems;
    const ReadingDictionary user = ReadingDictionary::parse(line, &problems);
    QVERIFY2(problems.empty(), qPrintable(problems.empty() ? QString() : QString::number(problems.front().line)));
    reader_->setUserDictionary(user);
    QCOMPARE(reader_->reading("次は水族館前です"), QStringLiteral("ツギワミタラ、スイゾクカンマエデス"));
    reader_->setUserDictionary({});
}

void tst_Reading::controlCharactersReadAsSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spaced"); // the same with spaces for the control characters

    const QString nul(QChar(0));
    QTest::newRow("NUL between words") << "次は" + nul + "桜橋です。" << "次は 桜橋です。";
    QTest::newRow("NUL before a dictionary word") << "次は" + nul + "整理券をお取りください。"
                                                  << "次は 整理券をお取りください。";
    QTest::newRow("NUL at the start") << nul + "桜橋です。" << " 桜橋です。";
    QTest::newRow("NUL between digits") << "1" + nul + "2番" << "1 2番";
    QTest::newRow("escape and bell") << "次は\x1b桜橋\x07です。" << "次は 桜橋 です。";
}

// A text from a damaged announcement file may hold any character.
void tst_Reading::controlCharactersReadAsSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, spaced);
    const QString read = reader_->reading(text);
    QVERIFY(!read.isEmpty());
    QCOMPARE(read, reader_->reading(spaced));
}

// A damaged announcement file may hold a number of any length; read digit by
// digit, its reading is far longer than what MeCab keeps of a word's
// features (caught by the sanitizer build).
void tst_Reading::aNumberOfHundredsOfDigitsIsReadDigitByDigit()
{
    const QString digits(500, u'9');
    const QString read = reader_->reading(QStringLiteral("番号") + digits + QStringLiteral("です。"));
    QVERIFY(read.contains(digitsReading(digits)));
    QVERIFY2(read.endsWith(QStringLiteral("デス。")), qPrintable(read.right(20)));
}

void tst_Reading::builtInDictionaryHasTheTransitWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("reading");
    QTest::newRow("後払い") << "後払い" << "アトバライ";
    QTest::newRow("前払い") << "前払い" << "マエバライ";
    QTest::newRow("降車口") << "降車口" << "コーシャグチ";
    QTest::newRow("乗車口") << "乗車口" << "ジョーシャグチ";
    QTest::newRow("運賃箱") << "運賃箱" << "ウンチンバコ";
    QTest::newRow("両替機") << "両替機" << "リョーガエキ";
    QTest::newRow("整理券") << "整理券" << "セイリケン";
    QTest::newRow("停留所") << "停留所" << "テーリュージョ";
    QTest::newRow("始発") << "始発" << "シハツ";
    QTest::newRow("終点") << "終点" << "シューテン";
    QTest::newRow("最終便") << "最終便" << "サイシュービン";
    QTest::newRow("降車ボタン") << "降車ボタン" << "コーシャボタン";
    QTest::newRow("中扉 (MeCab: チュートビラ)") << "中扉" << "ナカトビラ";
}

void tst_Reading::builtInDictionaryHasTheTransitWords()
{
    QFETCH(QString, word);
    QFile file(QStringLiteral(":/kerubara/sound/transit-yomi.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    std::vector<ReadingProblem> problems;
    ReadingDictionary::parse(file.readAll(), &problems);
    QVERIFY2(problems.empty(), qPrintable(problems.empty() ? QString() : QString::number(problems.front().line)));
    QTEST(ReadingDictionary::builtIn().reading(word), "reading");
}

void tst_Reading::announcementsAreReadAsAPassengerHearsThem()
{
    const QList<QStringList> rows = csvRows(QStringLiteral(KERUBARA_ANNOUNCEMENTS));
    QVERIFY2(rows.size() >= 120, qPrintable(QString::number(rows.size())));
    QStringList failures;
    for (const QStringList &row : rows) {
        QCOMPARE(row.size(), 2);
        const QString read = reader_->reading(row[0]);
        if (asHeard(read) != asHeard(row[1]))
            failures << QStringLiteral("%1\n      expected %2\n      read     %3").arg(row[0], row[1], read);
    }
    // One line each: QTest cuts a long failure message short.
    for (const QString &failure : std::as_const(failures))
        qWarning("%s", qPrintable(failure));
    const auto right = rows.size() - failures.size();
    qInfo("%lld of %lld announcements read right (%.1f %%)", static_cast<long long>(right),
          static_cast<long long>(rows.size()), 100.0 * static_cast<double>(right) / static_cast<double>(rows.size()));
    QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("\n    ") + failures.join(QStringLiteral("\n    "))));
}

void tst_Reading::piecesSayWhereEachPartOfTheReadingComesFrom_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pieces");
    QTest::newRow("number, counter, corrected word") << QStringLiteral("7番の方") << QStringLiteral("N:7番=ナナバン/番=バン W:の=ノ W:方=カタ");
    QTest::newRow("dictionary word, pause") << QStringLiteral("お降りの方は、")
                                           << QStringLiteral("D:お降り=オオリ W:の=ノ W:方=カタ W:は=ワ P:、=、");
    QTest::newRow("destination mark") << QStringLiteral("空港行のバス") << QStringLiteral("W:空港=クーコー W:行=ユキ W:の=ノ W:バス=バス");
    QTest::newRow("counter's sound change") << QStringLiteral("10分") << QStringLiteral("N:10分=ジュップン/分=プン");
    QTest::newRow("kanji number with counter") << QStringLiteral("三丁目") << QStringLiteral("N:三丁目=サンチョーメ/丁目=チョーメ");
    QTest::newRow("number and counter one word") << QStringLiteral("2人") << QStringLiteral("N:2人=フタリ/人=");
    QTest::newRow("yen sign") << QStringLiteral("¥200") << QStringLiteral("N:¥200=ニヒャクエン/円=エン");
    QTest::newRow("clock time, no counter") << QStringLiteral("9:30発") << QStringLiteral("N:9:30=クジサンジュップン W:発=ハツ");
    QTest::newRow("letters") << QStringLiteral("ABCカード") << QStringLiteral("L:ABC=エービーシー W:カード=カード");
    QTest::newRow("kanji by their own readings") << QStringLiteral("慈照院") << QStringLiteral("C:慈照=ジショー W:院=イン");
    // A pause first says nothing; of two, the first stands.
    QTest::newRow("pauses") << QStringLiteral("、次は。。") << QStringLiteral("P:、= W:次=ツギ W:は=ワ P:。=。 P:。=");
    QTest::newRow("long mark after ン goes") << QStringLiteral("ンーと") << QStringLiteral("K:ンー=ン W:と=ト");
}

void tst_Reading::piecesSayWhereEachPartOfTheReadingComesFrom()
{
    QFETCH(QString, text);
    const TextReading r = reader_->read(text);
    QTEST(piecesOf(r), "pieces");
}

void tst_Reading::piecesMakeUpEveryAnnouncementsReading()
{
    const QList<QStringList> rows = csvRows(QStringLiteral(KERUBARA_ANNOUNCEMENTS));
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const TextReading r = reader_->read(row[0]);
        QString joined;
        qsizetype at = 0;
        for (const ReadingPiece &p : r.pieces) {
            QVERIFY2(p.begin >= at && p.end > p.begin && p.end <= r.text.size(), qPrintable(row[0] + u' ' + piecesOf(r)));
            QVERIFY2(p.counterReading.isEmpty() || p.reading.endsWith(p.counterReading), qPrintable(piecesOf(r)));
            joined += p.reading;
            at = p.end;
        }
        QCOMPARE(joined, r.kana);
    }
}

void tst_Reading::kanjiReadingsComeFromKanjidic_data()
{
    QTest::addColumn<QString>("line"); // as KANJIDIC has it, but in UTF-8
    QTest::addColumn<QString>("reading");
    QTest::newRow("the first on reading") << "慈 3B7C U6148 B12 ジ いつく.しむ T1 しげ ちか {mercy}" << "ジ";
    QTest::newRow("ou drawn out") << "照 3E48 U7167 B86 ショウ て.る て.らす T1 あき てる {illuminate}" << "ショー";
    QTest::newRow("ei drawn out") << "生 4038 U751f B100 セイ ショウ い.きる う.まれる {life}" << "セー";
    QTest::newRow("a kun reading without okurigana") << "込 397E U8fbc B162 -こ.む こ.む こ.み {crowded} {(kokuji)}" << "コ";
    QTest::newRow("a kun reading, no name reading") << "畑 482A U7551 B86 はた はたけ -ばたけ T1 かま {farm}" << "ハタ";
    QTest::newRow("only a name reading") << "匁 4C77 U5301 B20 T1 もんめ {monme}" << "";
}

void tst_Reading::kanjiReadingsComeFromKanjidic()
{
    QFETCH(QString, line);
    QFETCH(QString, reading);
    QStringEncoder eucJp("EUC-JP");
    const QByteArray bytes = eucJp.encode("# KANJIDIC JIS X 0208 Kanji Information File/\n" + line + "\n");
    const KanjiReadings table = KanjiReadings::parse(bytes);
    QCOMPARE(table.reading(line.toUcs4().value(0)), reading);
    QCOMPARE(table.size(), reading.isEmpty() ? 0 : 1); // the heading is no kanji
}

void tst_Reading::kanjiNoDictionaryReadsAreReadOneByOneAndNamed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QStringList>("unknown"); // each character and the reading it was read by
    QTest::newRow("two kanji of a temple") << "慈照院前" << "ジショーインマエ" << QStringList{"慈ジ", "照ショー"};
    QTest::newRow("two kanji of a housing estate") << "備南台ハイツ" << "ビナンダイハイツ" << QStringList{"備ビ", "南ナン"};
    QTest::newRow("once each") << "慈照院と慈照寺" << "ジショーイントジショージ" << QStringList{"慈ジ", "照ショー"};
    QTest::newRow("words MeCab has") << "市役所前" << "シヤクショマエ" << QStringList{};
    QTest::newRow("beyond KANJIDIC: left out and named") << "\U00020BB7野家" << "ノヤ" << QStringList{"\U00020BB7"};
}

// A stop's name reads whole, its unknown kanji by readings of their own,
// and the tools hear which ones.
void tst_Reading::kanjiNoDictionaryReadsAreReadOneByOneAndNamed()
{
    QVERIFY2(KanjiReadings::system().size() > 6000, "kanjidic is part of the build's packages");
    QFETCH(QString, text);
    QFETCH(QStringList, unknown);
    const TextReading read = reader_->read(text);
    QTEST(read.kana, "reading");
    QStringList named;
    for (const UnknownCharacter &u : read.unknown)
        named << u.character + u.reading;
    QCOMPARE(named, unknown);
}

void tst_Reading::kanaBecomeThePhonemesOfOurTable_data()
{
    QTest::addColumn<QString>("kana");
    QTest::addColumn<QString>("phonemes");
    // Palatalised morae, the voice's own rules turn リョ into "ryao".
    QTest::newRow("rya") << "リャ" << "r`_ja";
    QTest::newRow("ryu") << "リュ" << "r`_ju";
    QTest::newRow("ryo") << "リョ" << "r`_jo";
    QTest::newRow("kya") << "キャ" << "k_ja";
    QTest::newRow("gyu") << "ギュ" << "g_ju";
    QTest::newRow("sho") << "ショ" << "s\\o";
    QTest::newRow("ja") << "ジャ" << "d_z\\a";
    QTest::newRow("cho") << "チョ" << "t_s\\o";
    QTest::newRow("nya") << "ニャ" << "n_ja";
    QTest::newRow("hyo") << "ヒョ" << "Co";
    QTest::newRow("bya") << "ビャ" << "b_ja";
    QTest::newRow("pyo") << "ピョ" << "p_jo";
    QTest::newRow("myu") << "ミュ" << "m_ju";
    // ン by the consonant after it.
    QTest::newRow("n before p") << "サンポ" << "sampo";
    QTest::newRow("n before b") << "シンブン" << "s\\imbuN\\";
    QTest::newRow("n before m") << "サンマ" << "samma";
    QTest::newRow("n before t") << "ホント" << "honto";
    QTest::newRow("n before d") << "カンダ" << "kanda";
    QTest::newRow("n before n") << "アンナイ" << "annai";
    QTest::newRow("n before r") << "センロ" << "senr`o";
    QTest::newRow("n before z") << "カンゼン" << "kanzeN\\";
    QTest::newRow("n before j") << "カンジ" << "kand_z\\i";
    QTest::newRow("n before ch") << "カンチ" << "kant_s\\i";
    QTest::newRow("n before ts") << "ケンツ" << "kent_su";
    QTest::newRow("n before k") << "サンカ" << "saNka";
    QTest::newRow("n before g") << "リンゴ" << "r`iNgo";
    QTest::newRow("n before s") << "アンシン" << "au~s\\iN\\";
    QTest::newRow("n before h after i") << "シンハツ" << "s\\ii~hat_su";
    QTest::newRow("n before f") << "ゼンフ" << "zeu~p\\u";
    QTest::newRow("n before y") << "ホンヤ" << "hou~ja";
    QTest::newRow("n before w") << "デンワ" << "deu~wa";
    QTest::newRow("n before a vowel") << "レンアイ" << "r`eu~ai";
    QTest::newRow("n at the end") << "ホン" << "hoN\\";
    // ッ as the next consonant held.
    QTest::newRow("small tsu before k") << "カッタ" << "katta";
    QTest::newRow("small tsu before p") << "ハッパ" << "happa";
    QTest::newRow("small tsu before sh") << "イッショ" << "is\\s\\o";
    QTest::newRow("small tsu before s") << "ザッソー" << "zasso:";
    QTest::newRow("small tsu before ch") << "マッチャ" << "matt_s\\a";
    QTest::newRow("small tsu before ts") << "ミッツ" << "mitt_su";
    QTest::newRow("small tsu before ky") << "ハッキョ" << "hakk_jo";
    QTest::newRow("small tsu before d") << "ベッド" << "beddo";
    QTest::newRow("small tsu before g") << "バッグ" << "baggu";
    QTest::newRow("small tsu before f") << "ウッフ" << "up\\p\\u";
    QTest::newRow("small tsu at the end") << "アッ" << "a?";
    // ー after each vowel.
    QTest::newRow("long a") << "カー" << "ka:";
    QTest::newRow("long i") << "キー" << "ki:";
    QTest::newRow("long u") << "クー" << "ku:";
    QTest::newRow("long e") << "ケー" << "ke:";
    QTest::newRow("long o") << "コー" << "ko:";
    QTest::newRow("long after a palatal") << "リョー" << "r`_jo:";
    QTest::newRow("same vowel twice") << "オオサカ" << "o:saka";
    QTest::newRow("different vowels stay") << "ノウエ" << "noue";
    QTest::newRow("long mark first says nothing") << "ーア" << "a";
    QTest::newRow("long mark after n says nothing") << "ンー" << "N\\";
    // ヴ and other loanword morae.
    QTest::newRow("vu") << "ヴ" << "vu";
    QTest::newRow("va") << "ヴァ" << "va";
    QTest::newRow("vi") << "ヴィ" << "vi";
    QTest::newRow("ve") << "ヴェ" << "ve";
    QTest::newRow("vo") << "ヴォ" << "vo";
    QTest::newRow("fa") << "ファ" << "p\\a";
    QTest::newRow("ti") << "ティ" << "ti";
    QTest::newRow("dyu") << "デュ" << "d_ju";
    QTest::newRow("wi") << "ウィ" << "wi";
    QTest::newRow("kwo") << "クォ" << "kwo";
    QTest::newRow("not kana") << "abc漢字" << "";
}

void tst_Reading::kanaBecomeThePhonemesOfOurTable()
{
    QFETCH(QString, kana);
    QTEST(plainPhonemes(kana), "phonemes");
}

void tst_Reading::voiceSpeaksEveryMoraAsOurTableSays_data()
{
    QTest::addColumn<QString>("kana");
    QTest::addColumn<QString>("spoken"); // the voice's phonemes, pauses left out
    QTest::newRow("ryo and a long vowel") << "リョーキン" << "r` _j o k i N\\";
    QTest::newRow("rya") << "リャ" << "r` _j a";
    QTest::newRow("ryu") << "リュ" << "r` _j u";
    QTest::newRow("kya") << "キャ" << "k _j a";
    QTest::newRow("nya") << "ニャ" << "n _j a";
    QTest::newRow("hyo") << "ヒョ" << "C o";
    QTest::newRow("sha") << "シャ" << "s\\ a";
    QTest::newRow("ju") << "ジュ" << "d_z\\ u";
    QTest::newRow("cho") << "チョ" << "t_s\\ o";
    QTest::newRow("tsu") << "ツ" << "t_s u";
    QTest::newRow("fu") << "フ" << "p\\ u";
    QTest::newRow("n before p") << "サンポ" << "s a m p o";
    QTest::newRow("n before b") << "シンブン" << "s\\ i m b u N\\";
    QTest::newRow("n before d") << "カンダ" << "k a n d a";
    QTest::newRow("n before k") << "サンカ" << "s a N k a";
    QTest::newRow("n before y") << "ホンヤ" << "h o u~ j a";
    QTest::newRow("small tsu before p") << "ハッパ" << "h a p p a";
    QTest::newRow("small tsu before sh") << "イッショ" << "i s\\ s\\ o";
    QTest::newRow("small tsu at the end") << "アッ" << "a ?";
    QTest::newRow("long mark first") << "ーア" << "a";
    QTest::newRow("va") << "ヴァ" << "v a";
    QTest::newRow("dyu") << "デュ" << "d _j u";
    QTest::newRow("kwo") << "クォ" << "k w o";
}

void tst_Reading::voiceSpeaksEveryMoraAsOurTableSays()
{
    QFETCH(QString, kana);
    QFETCH(QString, spoken);
    QVERIFY2(EspeakSynth::load(), "espeak-ng with its ja voice is part of the build's packages");
    QStringList phonemes = EspeakSynth::phonemesSpoken(kanaToPhonemes(kana));
    static const QRegularExpression pause(QStringLiteral("^_[:!]*$"));
    phonemes.removeIf([](const QString &p) { return pause.match(p).hasMatch(); });
    QCOMPARE(phonemes.join(u' '), spoken);
}

void tst_Reading::phonemeInputCarriesTheVoicesStressAndPauses_data()
{
    QTest::addColumn<QString>("kana");
    QTest::addColumn<QString>("input");
    QTest::newRow("one syllable") << "カ" << "[[k'a]]";
    QTest::newRow("last but one") << "ツギワ" << "[[t_sug'iwa]]";
    QTest::newRow("secondary stress on odd syllables")
        << "ツギワ、シヤクショマエデス。" << "[[t_sug'iwa]], [[s\\,ijak,us\\om,aed'esu]].";
    QTest::newRow("pauses collapse, a full stop wins") << "ア、。、イ" << "[['a]]. [['i]]";
    QTest::newRow("nothing to say") << "、。" << "";
}

void tst_Reading::phonemeInputCarriesTheVoicesStressAndPauses()
{
    QFETCH(QString, kana);
    QTEST(kanaToPhonemes(kana), "input");
}

void tst_Reading::longReadingsAreSplitIntoWordsTheVoiceSpeaks()
{
    // The voice drops a phoneme word of 120 syllables without a sound.
    const QString kana = QString(QStringLiteral("カ")).repeated(120);
    const QString input = kanaToPhonemes(kana);
    const QStringList words = input.mid(2, input.size() - 4).split(u' ');
    QCOMPARE(words.size(), 3);
    for (const QString &w : words)
        QVERIFY2(w.count(u'a') <= 40, qPrintable(w));
    QVERIFY2(EspeakSynth::load(), "espeak-ng with its ja voice is part of the build's packages");
    QCOMPARE(EspeakSynth::phonemesSpoken(input).count(QStringLiteral("a")), 120);
}

QTEST_GUILESS_MAIN(tst_Reading)
#include "tst_reading.moc"
