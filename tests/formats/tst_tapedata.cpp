// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/DataIo.h"
#include "formats/SequentialInput.h"
#include "reslib/Cp932.h"
#include "reslib/VbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

Q_DECLARE_METATYPE(std::vector<TapeRecord>)

namespace {

QByteArray sjis(const QString &text)
{
    return cp932::encode(text);
}

TapeRecord rec(const QString &text, int step, int sound)
{
    return TapeRecord{text, static_cast<std::int16_t>(step), static_cast<std::int16_t>(sound)};
}

} // namespace

class tst_TapeData : public QObject
{
    Q_OBJECT

private slots:
    void fieldsFollowTheSequentialRules_data();
    void fieldsFollowTheSequentialRules();
    void integersAreSixteenBit_data();
    void integersAreSixteenBit();
    void readingPastTheEndFails();
    void linesAreCounted_data();
    void linesAreCounted();
    void tapeDataIsRead_data();
    void tapeDataIsRead();
    void brokenTapeDataIsRefusedWithItsLine_data();
    void brokenTapeDataIsRefusedWithItsLine();
    void fileNameIsMatchedWithoutRegardToCase();
    void endOfFileMarkEndsTheData_data();
    void endOfFileMarkEndsTheData();
    void blankLineThatBreaksTheFileIsNamed_data();
    void blankLineThatBreaksTheFileIsNamed();
    void fullWidthDigitsInAFlagAreWarned_data();
    void fullWidthDigitsInAFlagAreWarned();
    void fileSavedAsUtf8IsToldOnce_data();
    void fileSavedAsUtf8IsToldOnce();
};

void tst_TapeData::fieldsFollowTheSequentialRules_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<QByteArray>>("fields");
    using L = QList<QByteArray>;
    QTest::newRow("plain") << QByteArray("a,b,c") << L{"a", "b", "c"};
    QTest::newRow("leading blanks skipped, trailing dropped") << QByteArray("  a b ,\tc  ") << L{"a b", "c"};
    QTest::newRow("quoted comma") << QByteArray("\"a, b\",1") << L{"a, b", "1"};
    QTest::newRow("text after closing quote ignored") << QByteArray("\"a\" junk,b") << L{"a", "b"};
    QTest::newRow("quoted keeps its blanks") << QByteArray("\" a \",b") << L{" a ", "b"};
    QTest::newRow("empty fields") << QByteArray(",,x") << L{"", "", "x"};
    QTest::newRow("line end ends a field") << QByteArray("a\r\nb\nc\rd") << L{"a", "b", "c", "d"};
    QTest::newRow("blank line is one empty field") << QByteArray("a\r\n\r\nb") << L{"a", "", "b"};
    QTest::newRow("quoted line break") << QByteArray("\"a\r\nb\",c") << L{"a\r\nb", "c"};
    QTest::newRow("unclosed quote runs to the end") << QByteArray("\"a,b") << L{"a,b"};
    QTest::newRow("quote inside plain text stays") << QByteArray("a\"b,c") << L{"a\"b", "c"};
    QTest::newRow("shift-jis bytes pass through") << sjis(QStringLiteral("発車,ソ")) << L{sjis("発車"), sjis("ソ")};
}

void tst_TapeData::fieldsFollowTheSequentialRules()
{
    QFETCH(QByteArray, data);
    QFETCH(QList<QByteArray>, fields);
    SequentialInput in(data);
    QList<QByteArray> read;
    while (!in.atEnd())
        read << in.readField();
    QCOMPARE(read, fields);
}

void tst_TapeData::integersAreSixteenBit_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("overflow");
    QTest::newRow("plain") << QByteArray("12") << 12 << false;
    QTest::newRow("blanks and sign") << QByteArray("  -3 ") << -3 << false;
    QTest::newRow("quoted") << QByteArray("\"7\"") << 7 << false;
    QTest::newRow("no number reads 0") << QByteArray("abc") << 0 << false;
    QTest::newRow("empty reads 0") << QByteArray("") << 0 << false;
    QTest::newRow("leading number of text") << QByteArray("12abc") << 12 << false;
    QTest::newRow("half rounds to even down") << QByteArray("2.5") << 2 << false;
    QTest::newRow("half rounds to even up") << QByteArray("1.5") << 2 << false;
    QTest::newRow("exponent") << QByteArray("1E3") << 1000 << false;
    QTest::newRow("largest") << QByteArray("32767") << 32767 << false;
    QTest::newRow("smallest") << QByteArray("-32768") << -32768 << false;
    QTest::newRow("one too large") << QByteArray("32768") << 0 << true;
    QTest::newRow("one too small") << QByteArray("-32769") << 0 << true;
    QTest::newRow("rounds past the top") << QByteArray("32767.5") << 0 << true;
    QTest::newRow("huge exponent") << QByteArray("1e400") << 0 << true;
}

void tst_TapeData::integersAreSixteenBit()
{
    QFETCH(QByteArray, field);
    QFETCH(int, value);
    QFETCH(bool, overflow);
    SequentialInput in(field + ",9");
    try {
        QCOMPARE(int(in.readInteger()), value);
        QVERIFY(!overflow);
        QCOMPARE(int(in.readInteger()), 9);
    } catch (const VbError &e) {
        QVERIFY2(overflow, e.what());
        QCOMPARE(e.number(), int(VbError::Overflow));
    }
}

void tst_TapeData::readingPastTheEndFails()
{
    SequentialInput in("a,");
    QCOMPARE(in.readField(), QByteArray("a"));
    QVERIFY(in.atEnd());
    try {
        in.readField();
        QFAIL("read past the end");
    } catch (const VbError &e) {
        QCOMPARE(e.number(), int(VbError::InputPastEnd));
    }
}

void tst_TapeData::linesAreCounted_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("no line end") << QByteArray("a") << 1;
    QTest::newRow("crlf at the end") << QByteArray("a\r\nb\r\n") << 2;
    QTest::newRow("blank last line") << QByteArray("a\r\n\r\n") << 2;
    QTest::newRow("lf only") << QByteArray("a\nb\nc") << 3;
    QTest::newRow("cr only") << QByteArray("a\rb\r") << 2;
    QTest::newRow("lone line end") << QByteArray("\n") << 1;
}

void tst_TapeData::linesAreCounted()
{
    QFETCH(QByteArray, data);
    QFETCH(int, lines);
    QCOMPARE(countLines(data), lines);
}

void tst_TapeData::tapeDataIsRead_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<std::vector<TapeRecord>>("records");
    const QString next = QStringLiteral("次は、市役所前です。");
    QTest::newRow("three lines") << sjis("発車します。,0,1\r\n" + next + ",1,2\r\n終点です。,0,3\r\n")
                                 << std::vector{rec("発車します。", 0, 1), rec(next, 1, 2), rec("終点です。", 0, 3)};
    QTest::newRow("quoted text with commas") << sjis("\"" + next + "\",1,2\r\n")
                                             << std::vector{rec(next, 1, 2)};
    QTest::newRow("short line takes from the next, last entry stays empty")
        << sjis("あ,1\r\n2,い,0\r\n3\r\n")
        << std::vector{rec("あ", 1, 2), rec("い", 0, 3), rec("", 0, 0)};
    QTest::newRow("flag without a number reads 0") << sjis("あ,x,\r\n") << std::vector{rec("あ", 0, 0)};
    QTest::newRow("blank lines after the last record") << sjis("あ,1,2\r\n\r\n  \r\n")
                                                       << std::vector{rec("あ", 1, 2), rec("", 0, 0), rec("", 0, 0)};
    QTest::newRow("lf line ends") << sjis("あ,1,2\nい,0,0\n") << std::vector{rec("あ", 1, 2), rec("い", 0, 0)};
    QTest::newRow("empty file") << QByteArray() << std::vector<TapeRecord>{};
}

void tst_TapeData::tapeDataIsRead()
{
    QFETCH(QByteArray, data);
    QFETCH(std::vector<TapeRecord>, records);
    const TapeDataResult r = readTapeData(data);
    QVERIFY2(!r.error, r.error ? qPrintable(QString::number(r.error->line)) : "");
    QCOMPARE(r.records.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        QCOMPARE(r.records[i].Text, records[i].Text);
        QCOMPARE(r.records[i].StepFlag, records[i].StepFlag);
        QCOMPARE(r.records[i].SoundFlag, records[i].SoundFlag);
    }
}

void tst_TapeData::brokenTapeDataIsRefusedWithItsLine_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("line");
    QTest::addColumn<TapeDataError::Kind>("kind");
    using K = TapeDataError::Kind;
    QTest::newRow("flag outside 16 bits") << sjis("あ,1,2\r\nい,40000,0\r\n") << int(VbError::Overflow) << 2 << K::FlagOutOfRange;
    QTest::newRow("record cut off by the end") << sjis("あ,1,2\r\nい,1\r\n") << int(VbError::InputPastEnd) << 2 << K::CutOff;
    QTest::newRow("more fields than lines") << sjis("あ,1,2,い,0,0\r\n") << int(VbError::SubscriptOutOfRange) << 1
                                            << K::TooManyFields;
}

void tst_TapeData::brokenTapeDataIsRefusedWithItsLine()
{
    QFETCH(QByteArray, data);
    QFETCH(int, number);
    QFETCH(int, line);
    QFETCH(TapeDataError::Kind, kind);
    const TapeDataResult r = readTapeData(data);
    QVERIFY(r.error);
    QCOMPARE(r.error->number, number);
    QCOMPARE(r.error->line, line);
    QCOMPARE(r.error->kind, kind);
    QCOMPARE(r.error->failedLine, 0);
}

void tst_TapeData::fileNameIsMatchedWithoutRegardToCase()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    QVERIFY(QFile(folder + "12Tp.CSV").open(QIODevice::WriteOnly));
    QCOMPARE(tapeFilePath(folder, "12"), folder + "12Tp.CSV");
    QCOMPARE(tapeFilePath(folder, "7"), folder + "7tp.csv"); // none: the name as written
    QVERIFY(QFile(folder + "12tp.csv").open(QIODevice::WriteOnly));
    QCOMPARE(tapeFilePath(folder, "12"), folder + "12tp.csv"); // the exact name first
    QVERIFY(isTapeFileName("/a/12TP.csv"));
    QVERIFY(!isTapeFileName("/a/12.hy3"));
}

void tst_TapeData::endOfFileMarkEndsTheData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<std::vector<TapeRecord>>("records");
    const QByteArray two = sjis("あ,1,2\r\nい,0,3\r\n");
    const std::vector twoRecords{rec("あ", 1, 2), rec("い", 0, 3)};
    QTest::newRow("mark after the last line end") << two + "\x1A" << twoRecords;
    QTest::newRow("mark followed by a line end") << two + "\x1A\r\n" << twoRecords;
    QTest::newRow("mark followed by lf line ends") << two + "\x1A\n\n" << twoRecords;
    QTest::newRow("mark right after the last field") << sjis("あ,1,2\r\nい,0,3\x1A") << twoRecords;
    QTest::newRow("mark alone") << QByteArray("\x1A\r\n") << std::vector<TapeRecord>{};
    // Anywhere else the byte is just a character of the text.
    QTest::newRow("mark followed by text is no end")
        << sjis("あ,1,2\r\n") + "\x1A" + sjis("い,0,3\r\n") << std::vector{rec("あ", 1, 2), rec(QChar(0x1A) + QStringLiteral("い"), 0, 3)};
}

void tst_TapeData::endOfFileMarkEndsTheData()
{
    QFETCH(QByteArray, data);
    QFETCH(std::vector<TapeRecord>, records);
    const TapeDataResult r = readTapeData(data);
    QVERIFY2(!r.error, r.error ? qPrintable(QString::number(r.error->line)) : "");
    QVERIFY(r.records == records);
}

void tst_TapeData::blankLineThatBreaksTheFileIsNamed_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("blankLine");
    QTest::addColumn<int>("failedLine"); // where reading gave up
    QTest::newRow("between records") << sjis("あ,1,2\r\n\r\nい,0,0\r\nう,0,0\r\n") << 2 << 4;
    QTest::newRow("two in a row") << sjis("あ,1,2\r\n\r\n\r\nい,0,0\r\n") << 2 << 4;
    QTest::newRow("spaces and a tab only") << sjis("あ,1,2\r\n \t \r\nい,0,0\r\n") << 2 << 3;
    QTest::newRow("first line") << sjis("\r\nあ,1,2\r\n") << 1 << 2;
    QTest::newRow("lf line ends") << sjis("あ,1,2\n\nい,0,0\n") << 2 << 3;
    // The text after it lands in a flag field and overflows it.
    QTest::newRow("shifted text overflows a flag") << sjis("あ,1,2\r\n\r\n40000円です,0,0\r\n") << 2 << 3;
}

void tst_TapeData::blankLineThatBreaksTheFileIsNamed()
{
    QFETCH(QByteArray, data);
    QFETCH(int, blankLine);
    QFETCH(int, failedLine);
    const TapeDataResult r = readTapeData(data);
    QVERIFY(r.error);
    QCOMPARE(r.error->line, blankLine);
    QCOMPARE(r.error->failedLine, failedLine);
}

void tst_TapeData::fullWidthDigitsInAFlagAreWarned_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<std::vector<TapeRecord>>("records");
    QTest::addColumn<QList<QStringList>>("warnings"); // each: line, step or sound, the flag as written, its value
    using L = QList<QStringList>;
    QTest::newRow("step flag") << sjis("あ,１,2\r\n") << std::vector{rec("あ", 0, 2)} << L{{"1", "step", "１", "0"}};
    QTest::newRow("quoted sound flag on line 2") << sjis("あ,1,2\r\nい,0,\"３\"\r\n")
                                                 << std::vector{rec("あ", 1, 2), rec("い", 0, 0)} << L{{"2", "sound", "３", "0"}};
    QTest::newRow("both flags") << sjis("あ,１,２\r\n") << std::vector{rec("あ", 0, 0)}
                                << L{{"1", "step", "１", "0"}, {"1", "sound", "２", "0"}};
    QTest::newRow("after a half-width digit") << sjis("あ,1２,0\r\n") << std::vector{rec("あ", 1, 0)}
                                              << L{{"1", "step", "1２", "1"}};
    QTest::newRow("flag taken from the next line") << sjis("あ,1\r\n３\r\n") << std::vector{rec("あ", 1, 0), rec("", 0, 0)}
                                                   << L{{"2", "sound", "３", "0"}};
    QTest::newRow("full-width digits in the text are fine") << sjis("１番線から発車します。,1,2\r\n")
                                                           << std::vector{rec("１番線から発車します。", 1, 2)} << L{};
    QTest::newRow("half-width flags") << sjis("あ,1,3\r\n") << std::vector{rec("あ", 1, 3)} << L{};
    QTest::newRow("percent sign in the flag") << sjis("あ,\"１%1\",2\r\n") << std::vector{rec("あ", 0, 2)}
                                              << L{{"1", "step", "１%1", "0"}};
}

void tst_TapeData::fullWidthDigitsInAFlagAreWarned()
{
    QFETCH(QByteArray, data);
    QFETCH(std::vector<TapeRecord>, records);
    QFETCH(QList<QStringList>, warnings);
    const TapeDataResult r = readTapeData(data);
    QVERIFY(!r.error);
    QVERIFY(r.records == records);
    QList<QStringList> said;
    for (const TapeDataWarning &w : r.warnings) {
        QVERIFY(w.kind == TapeDataWarning::Kind::FullWidthStep || w.kind == TapeDataWarning::Kind::FullWidthSound);
        said << QStringList{QString::number(w.line), w.kind == TapeDataWarning::Kind::FullWidthStep ? "step" : "sound"} + w.values;
    }
    QCOMPARE(said, warnings);
}

void tst_TapeData::fileSavedAsUtf8IsToldOnce_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("line"); // of the one warning; 0: none
    const QString text = QStringLiteral("発車します。,0,1\r\n次は、市役所前です。,1,2\r\n終点です。,0,3\r\n");
    QTest::newRow("UTF-8") << text.toUtf8() << 1;
    QTest::newRow("UTF-8 with a byte order mark") << "\xEF\xBB\xBF" + text.toUtf8() << 1;
    QTest::newRow("UTF-8 from line 2") << "Hello,0,0\r\n" + text.toUtf8() << 2;
    QTest::newRow("Shift-JIS") << sjis(text) << 0;
    QTest::newRow("Shift-JIS of kanji from E0 on") << sjis(QStringLiteral("漾濳,0,0\r\n")) << 0;
}

void tst_TapeData::fileSavedAsUtf8IsToldOnce()
{
    QFETCH(QByteArray, data);
    QFETCH(int, line);
    const TapeDataResult r = readTapeData(data);
    QVERIFY(!r.error);
    if (line == 0) {
        QVERIFY(r.warnings.empty());
        return;
    }
    QCOMPARE(r.warnings.size(), std::size_t(1));
    QCOMPARE(r.warnings.front().line, line);
    QCOMPARE(r.warnings.front().kind, TapeDataWarning::Kind::Utf8File);
}

QTEST_GUILESS_MAIN(tst_TapeData)
#include "tst_tapedata.moc"
