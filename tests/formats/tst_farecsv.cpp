// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/Csv.h"
#include "formats/FareCsv.h"

#include <QTest>

#include <algorithm>

using namespace kerubara;

namespace {

// A valid data row: name, ticket number, then 150 columns with `first` in Col1.
QByteArray dataRow(const QByteArray &name, const QByteArray &first = "230")
{
    QByteArray row = name + ",1," + first;
    for (int c = 2; c <= 150; ++c)
        row += ",0";
    return row + "\n";
}

QByteArray headerLine()
{
    return farecsv::header().join(u',').toUtf8() + "\n";
}

using ProblemKind = farecsv::Problem::Kind;

// A problem as the tables write it: its line, its kind, then its values.
QStringList found(int line, ProblemKind kind, const QStringList &values = {})
{
    return QStringList{QString::number(line), QString::number(int(kind))} + values;
}

QStringList found(const farecsv::Problem &problem)
{
    return found(problem.line, problem.kind, problem.values);
}

// Hands out its bytes one at a time, as a slow pipe might.
class OneByteAtATime : public QIODevice
{
public:
    explicit OneByteAtATime(const QByteArray &bytes) : bytes_(bytes) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (at_ >= bytes_.size() || maxSize < 1)
            return 0;
        *data = bytes_[at_++];
        return 1;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

} // namespace

class tst_FareCsv : public QObject
{
    Q_OBJECT

private slots:
    void parsesRfc4180_data();
    void parsesRfc4180();
    void reportsMalformedCsvWithItsLine_data();
    void reportsMalformedCsvWithItsLine();
    void quotesOnlyWhenNeeded_data();
    void quotesOnlyWhenNeeded();
    void parsesInt16Strictly_data();
    void parsesInt16Strictly();
    void readsRowsIntoRecords();
    void refusesBadRowsNamingTheLine_data();
    void refusesBadRowsNamingTheLine();
    void refusesMoreThan301Rows();
    void blankCellsReadAsZeroWithOneWarning_data();
    void blankCellsReadAsZeroWithOneWarning();
    void writesWhatItReads();
};

void tst_FareCsv::parsesRfc4180_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("plain LF") << QByteArray("a,b\nc,d\n") << QList<QStringList>{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
    QTest::newRow("CRLF, no final break") << QByteArray("a,b\r\nc,d") << QList<QStringList>{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
    QTest::newRow("quoted comma and quote") << QByteArray("\"x,\"\"y\"\"\",2\n") << QList<QStringList>{{"x,\"y\"", "2"}} << QList<int>{1};
    QTest::newRow("line break inside quotes") << QByteArray("\"a\nb\",1\nc,2\n") << QList<QStringList>{{"a\nb", "1"}, {"c", "2"}} << QList<int>{1, 3};
    QTest::newRow("empty fields") << QByteArray(",,\n") << QList<QStringList>{{"", "", ""}} << QList<int>{1};
    QTest::newRow("byte order mark and blank line") << QByteArray("\xEF\xBB\xBF" "a\n\nb\n") << QList<QStringList>{{"a"}, {"b"}} << QList<int>{1, 3};
    QTest::newRow("CR only, with blank lines") << QByteArray("a,b\r\r\rc,\"d\re\"\rf\r") << QList<QStringList>{{"a", "b"}, {"c", "d\re"}, {"f"}}
                                               << QList<int>{1, 4, 6};
    QTest::newRow("blank lines of CRLF and CR mixed") << QByteArray("a\r\n\r\n\rb") << QList<QStringList>{{"a"}, {"b"}} << QList<int>{1, 4};
    QTest::newRow("japanese") << QByteArray("市役所前,1\n") << QList<QStringList>{{QStringLiteral("市役所前"), "1"}} << QList<int>{1};
}

void tst_FareCsv::parsesRfc4180()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QList<int>, lines);
    const csv::ParseResult r = csv::parse(input);
    QVERIFY(!r.error);
    QCOMPARE(int(r.rows.size()), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(r.rows[static_cast<std::size_t>(i)].fields, rows[i]);
        QCOMPARE(r.rows[static_cast<std::size_t>(i)].line, lines[i]);
    }
    // Read as a stream, whatever the reads hand out, the same rows come.
    OneByteAtATime slow(input);
    csv::Reader reader(slow, input.size());
    csv::Row row;
    for (int i = 0; reader.next(row); ++i) {
        QVERIFY(i < rows.size());
        QCOMPARE(row.fields, rows[i]);
        QCOMPARE(row.line, lines[i]);
    }
    QCOMPARE(reader.failure(), csv::Reader::Failure::None);
}

void tst_FareCsv::reportsMalformedCsvWithItsLine_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("line");
    QTest::addColumn<csv::ParseError::Kind>("kind");
    using Kind = csv::ParseError::Kind;
    QTest::newRow("unclosed quote") << QByteArray("a\n\"b,c\nd\n") << 2 << Kind::UnclosedQuote;
    QTest::newRow("text after closing quote") << QByteArray("a\nb\n\"c\"x,1\n") << 3 << Kind::TextAfterQuote;
    QTest::newRow("bare quote inside field") << QByteArray("a\"b\n") << 1 << Kind::QuoteInPlainField;
    QTest::newRow("shift-jis bytes") << QByteArray("a\nb\n\x8E\x73,1\n") << 3 << Kind::NotUtf8;
}

void tst_FareCsv::reportsMalformedCsvWithItsLine()
{
    QFETCH(QByteArray, input);
    QFETCH(int, line);
    QFETCH(csv::ParseError::Kind, kind);
    const csv::ParseResult r = csv::parse(input);
    QVERIFY(r.error);
    QCOMPARE(r.error->line, line);
    QCOMPARE(r.error->kind, kind);
}

void tst_FareCsv::quotesOnlyWhenNeeded_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << QStringLiteral("市役所前") << QStringLiteral("市役所前");
    QTest::newRow("comma") << "a,b" << "\"a,b\"";
    QTest::newRow("quote") << "a\"b" << "\"a\"\"b\"";
    QTest::newRow("line break") << "a\nb" << "\"a\nb\"";
    QTest::newRow("leading blank") << " a" << "\" a\"";
    QTest::newRow("empty") << "" << "";
}

void tst_FareCsv::quotesOnlyWhenNeeded()
{
    QFETCH(QString, field);
    QFETCH(QString, quoted);
    QCOMPARE(csv::quoteField(field), quoted);
    // And the parser gives the field back.
    const csv::ParseResult r = csv::parse((quoted + ",x\n").toUtf8());
    QVERIFY(!r.error);
    QCOMPARE(r.rows.front().fields.front(), field);
}

void tst_FareCsv::parsesInt16Strictly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("minus one") << "-1" << true << -1;
    QTest::newRow("plus sign, blanks") << " +230 " << true << 230;
    QTest::newRow("maximum") << "32767" << true << 32767;
    QTest::newRow("minimum") << "-32768" << true << -32768;
    QTest::newRow("above maximum") << "32768" << false << 0;
    QTest::newRow("below minimum") << "-32769" << false << 0;
    QTest::newRow("huge") << "99999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("letters") << "12a" << false << 0;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << false << 0;
}

void tst_FareCsv::parsesInt16Strictly()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto v = farecsv::parseInt16(text);
    QCOMPARE(v.has_value(), ok);
    if (ok)
        QCOMPARE(int(*v), value);
}

void tst_FareCsv::readsRowsIntoRecords()
{
    const farecsv::ReadResult r = farecsv::fromCsv(headerLine() + dataRow("駅前", "-1") + dataRow("\"A,B\""));
    QVERIFY(r.problems.empty());
    QCOMPARE(r.records.size(), std::size_t(2));
    QCOMPARE(r.records[0].chimei, QByteArray("\x89\x77\x91\x4F"));
    QCOMPARE(r.records[0].seirikenNo, std::int16_t(1));
    QCOMPARE(r.records[0].cols[0], std::int16_t(-1));
    QCOMPARE(r.records[1].chimei, QByteArray("A,B"));
}

void tst_FareCsv::refusesBadRowsNamingTheLine_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("problem"); // found(): line, kind, values

    using K = ProblemKind;
    const QByteArray ok = dataRow("駅前");
    QTest::newRow("missing header") << ok << found(1, K::HeaderUnknown, {"1", QStringLiteral("駅前")});
    QTest::newRow("too many columns") << headerLine() + ok.chopped(1) + ",0\n" << found(2, K::TooManyColumns, {"153", "152"});
    QTest::newRow("not an integer") << headerLine() + dataRow("駅", "abc") << found(2, K::NotInt16, {"Col1", "abc"});
    QTest::newRow("outside 16 bits") << headerLine() + ok + dataRow("駅", "40000") << found(3, K::NotInt16, {"Col1", "40000"});
    QTest::newRow("blank cells do not hide a bad one") << headerLine() + "駅,,abc\n" << found(2, K::NotInt16, {"Col1", "abc"});
    QTest::newRow("name outside shift-jis")
        << headerLine() + dataRow("한국") << found(2, K::NameNotShiftJis, {QStringLiteral("한국"), QStringLiteral("한"), "D55C"});
    QTest::newRow("empty file") << QByteArray() << found(0, K::Empty);
    QTest::newRow("a line break in a name") << headerLine() + dataRow("\"駅\n前\"") << found(2, K::NameControl, {"\n"});
    QTest::newRow("a column the fare data has not") << QByteArray("Chimei,Fare\n駅,1\n") << found(1, K::HeaderUnknown, {"2", "Fare"});
    QTest::newRow("a column named twice") << QByteArray("Chimei,Col1,Col1\n駅,1,2\n") << found(1, K::HeaderTwice, {"Col1"});
    QTest::newRow("no column of stop names") << QByteArray("SeirikenNo,Col1\n1,2\n") << found(1, K::NoNameColumn);
    QTest::newRow("more cells than the header names") << QByteArray("Chimei,Col1\n駅,1,2\n") << found(2, K::TooManyColumns, {"3", "2"});
    QTest::newRow("not CSV") << headerLine() + "\"駅\n" << found(2, K::Syntax);
}

void tst_FareCsv::refusesBadRowsNamingTheLine()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, problem);
    const farecsv::ReadResult r = farecsv::fromCsv(csv);
    QVERIFY(r.records.empty());
    QVERIFY(!r.problems.empty());
    QCOMPARE(found(r.problems.front()), problem);
    QCOMPARE(r.problems.front().csv.has_value(), r.problems.front().kind == ProblemKind::Syntax);
}

void tst_FareCsv::refusesMoreThan301Rows()
{
    QByteArray csv = headerLine();
    for (int i = 0; i < 301; ++i)
        csv += dataRow("駅");
    QVERIFY(farecsv::fromCsv(csv).problems.empty());
    csv += dataRow("駅");
    const farecsv::ReadResult r = farecsv::fromCsv(csv);
    QCOMPARE(r.problems.size(), std::size_t(1));
    QCOMPARE(found(r.problems.front()), found(303, ProblemKind::TooManyStops, {"302"}));
}

void tst_FareCsv::blankCellsReadAsZeroWithOneWarning_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("stops");
    QTest::addColumn<int>("ticket"); // of the last stop
    QTest::addColumn<int>("col1");   // of the last stop; its other columns are 0
    QTest::addColumn<QList<QStringList>>("warnings"); // found(): line, kind, values

    using K = ProblemKind;
    QTest::newRow("too few columns") << headerLine() + dataRow("駅前") + "駅,1,2\n" << 2 << 1 << 2
                                     << QList<QStringList>{found(3, K::BlankCells, {"149", "Col2"})};
    QTest::newRow("empty value") << headerLine() + dataRow("駅", "") << 1 << 1 << 0
                                 << QList<QStringList>{found(2, K::BlankCells, {"1", "Col1"})};
    QTest::newRow("fifteen short rows, one warning") << headerLine() + QByteArray("駅,1\n").repeated(15) << 15 << 1 << 0
                                                     << QList<QStringList>{found(2, K::BlankCells, {"2250", "Col1"})};
    QTest::newRow("blank ticket number") << headerLine() + "駅, ,5\n" << 1 << 0 << 5
                                         << QList<QStringList>{found(2, K::BlankCells, {"150", "SeirikenNo"})};
    QTest::newRow("rows of nothing but commas are no stops")
        << headerLine() + dataRow("駅") + QByteArray(",,,,\n").repeated(3) << 1 << 1 << 230
        << QList<QStringList>{found(3, K::BlankRows, {"3"})};
    QTest::newRow("blank cells past the last column")
        << headerLine().chopped(1) + ",,\n" + dataRow("駅").chopped(1) + ", \n" << 1 << 1 << 230 << QList<QStringList>{};
    QTest::newRow("a header of the columns used, in any order")
        << QByteArray("Col1,Chimei,SeirikenNo\n230,駅,1\n") << 1 << 1 << 230
        << QList<QStringList>{found(1, K::AbsentColumns, {"149", QStringLiteral("Col2～Col150")})};
    QTest::newRow("a header of stop names alone")
        << QByteArray("Chimei,,\n駅\n") << 1 << 0 << 0
        << QList<QStringList>{found(1, K::AbsentColumns, {"151", "SeirikenNo", QStringLiteral("Col1～Col150")})};
}

void tst_FareCsv::blankCellsReadAsZeroWithOneWarning()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, stops);
    QFETCH(int, ticket);
    QFETCH(int, col1);
    QFETCH(QList<QStringList>, warnings);
    const farecsv::ReadResult r = farecsv::fromCsv(csv);
    QVERIFY2(r.problems.empty(), r.problems.empty() ? "" : qPrintable(found(r.problems.front()).join(u' ')));
    QCOMPARE(int(r.records.size()), stops);
    const FareFileRecord &last = r.records.back();
    QCOMPARE(int(last.seirikenNo), ticket);
    QCOMPARE(int(last.cols[0]), col1);
    QVERIFY(std::all_of(last.cols.begin() + 1, last.cols.end(), [](std::int16_t v) { return v == 0; }));
    QList<QStringList> said;
    for (const farecsv::Problem &w : r.warnings)
        said << found(w);
    QCOMPARE(said, warnings);
}

void tst_FareCsv::writesWhatItReads()
{
    const QByteArray csv = headerLine() + dataRow("\"駅前,北口\"") + dataRow("", "-32768") + dataRow("ﾊﾞｽ①㈱");
    const farecsv::ReadResult r = farecsv::fromCsv(csv);
    QVERIFY(r.problems.empty());
    QCOMPARE(farecsv::toCsv(r.records).toUtf8(), csv);
}

QTEST_GUILESS_MAIN(tst_FareCsv)
#include "tst_farecsv.moc"
