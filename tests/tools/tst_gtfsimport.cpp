// SPDX-License-Identifier: GPL-3.0-or-later
// A GTFS-JP feed turned into a route: the ticket numbers and fare columns,
// bad feeds refused without touching the output folder, and the example feed
// imported and driven in the simulator through its announcement tape.

#include "QuietSimulator.h"
#include "TestFiles.h"
#include "ToolRun.h"
#include "controls/digit/M_Degit.h"
#include "formats/Csv.h"
#include "formats/DataIo.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "settings/SettingsLocation.h"
#include "sound/SoundSystem.h"
#include "windows/Form1.h"
#include "windows/PictureBox.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include "controls/stopname/ChimeiCtl_DX.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

using namespace kerubara;
using testing::runTool;

namespace {

using Files = QMap<QString, QByteArray>;
using Rows = QList<QList<int>>;

// Five stops A..E in zones 1, 1, 2, 2, 3 on one trip of route R (number 7);
// a fare of 100 within a zone, 150 to the next zone, 200 across two.
Files miniFeed()
{
    return {
        {"routes.txt", "route_id,route_short_name,route_long_name\nR,7,Aから E\n"},
        {"trips.txt", "route_id,service_id,trip_id,direction_id\nR,WD,T,0\n"},
        {"stops.txt", "stop_id,stop_name,zone_id\nA,停A,Z1\nB,停B,Z1\nC,停C,Z2\nD,停D,Z2\nE,停E,Z3\n"},
        {"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence,pickup_type\n"
                           "T,7:00:00,7:00:00,A,1,0\nT,7:02:00,7:02:00,B,2,0\nT,7:05:00,7:05:00,C,3,0\n"
                           "T,7:09:30,7:10:00,D,4,0\nT,7:12:00,7:12:00,E,5,0\n"},
        {"fare_attributes.txt", "fare_id,price,currency_type\nF100,100,JPY\nF150,150,JPY\nF200,200,JPY\n"},
        {"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF100,R,Z1,Z1\nF150,R,Z1,Z2\nF200,R,Z1,Z3\n"
                           "F100,R,Z2,Z2\nF150,R,Z2,Z3\nF100,R,Z3,Z3\n"},
    };
}

// The files of a feed folder. Not kept for the fuzz seeds: a feed's text is
// no settings text, which the seeds take ".txt" files for (zipped feeds are).
bool writeFeed(const QString &folder, const Files &files)
{
    QDir().mkpath(folder);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(QDir(folder).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

// A .zip of the files, under `inside` ("" for the top, or "folder/").
QByteArray zipOf(const Files &files, const QString &inside = {})
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("feed.zip")));
    int error = 0;
    zip_t *archive = zip_open(path.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return {};
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        zip_source_t *source = zip_source_buffer(archive, it.value().constData(), static_cast<zip_uint64_t>(it.value().size()), 0);
        zip_file_add(archive, (inside + it.key()).toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    }
    if (zip_close(archive) != 0)
        return {};
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<FareFileRecord> readRoute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return scanFareFile(file).records;
}

std::vector<TapeRecord> readTape(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readTapeFile(file).records;
}

// Every file under a folder with its bytes.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        all.insert(QDir(folder).relativeFilePath(path), f.readAll());
    }
    return all;
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// The stops of the example's route 1 as the panel must show them: the name
// and the fares of ticket numbers 1 to 4 (zones of 170, 210, 260 and 320 yen).
struct ExpectedStop
{
    const char16_t *name;
    std::array<int, 4> fares;
};
const ExpectedStop kRoute1[] = {
    {u"桜川駅前", {0, 0, 0, 0}},         {u"桜川二丁目", {170, 0, 0, 0}},     {u"市民病院", {210, 0, 0, 0}},
    {u"若葉台", {210, 170, 0, 0}},       {u"大橋通り", {260, 210, 0, 0}},     {u"中央公園", {260, 210, 170, 0}},
    {u"緑ヶ丘小学校前", {320, 260, 210, 0}}, {u"あおば団地", {320, 260, 210, 170}}, {u"桜川営業所", {320, 260, 210, 170}},
};


// Route R of the mini feed and route Q (number 8) the other way, C to A,
// without fares of its own.
Files twoRouteFeed()
{
    Files files = miniFeed();
    files["routes.txt"] += "Q,8,C から A\n";
    files["trips.txt"] += "Q,WD,U,1\n";
    files["stop_times.txt"] += "U,8:00:00,8:00:00,C,1,0\nU,8:05:00,8:05:00,B,2,0\nU,8:09:00,8:09:00,A,3,0\n";
    return files;
}

// The rows of routes.csv below its header, each a list of its fields.
QList<QStringList> routeRows(const QString &outDir)
{
    QFile file(outDir + "/routes.csv");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    const std::vector<csv::Row> all = csv::parse(file.readAll()).rows;
    for (std::size_t k = 1; k < all.size(); ++k)
        rows << all[k].fields;
    return rows;
}

} // namespace

class tst_GtfsImport : public QObject
{
    Q_OBJECT

private slots:
    void ticketNumbersAndFareColumns_data();
    void ticketNumbersAndFareColumns();
    void controlCharactersInNamesAreCleaned_data();
    void controlCharactersInNamesAreCleaned();
    void readingsInEitherTranslationFormat_data();
    void readingsInEitherTranslationFormat();
    void stopNamesReadOneKanjiAtATimeAreNoted_data();
    void stopNamesReadOneKanjiAtATimeAreNoted();
    void stopNamesAsThePanelShowsThem_data();
    void stopNamesAsThePanelShowsThem();
    void destinationIsSaidOnce_data();
    void destinationIsSaidOnce();
    void summarySaysWhatWasMade_data();
    void summarySaysWhatWasMade();
    void badFeedIsNamedAndWritesNothing_data();
    void badFeedIsNamedAndWritesNothing();
    void routesListedByDirection_data();
    void routesListedByDirection();
    void exampleRoutesAreListed();
    void importedExampleDrivesInTheSimulator_data();
    void importedExampleDrivesInTheSimulator();
    void everyRouteAsItsOwnImport_data();
    void everyRouteAsItsOwnImport();
    void everyRouteListedAsGtfsRoutesLists_data();
    void everyRouteListedAsGtfsRoutesLists();
    void aRouteThatFailsIsNamedAndTheRestGoOn_data();
    void aRouteThatFailsIsNamedAndTheRestGoOn();
    void routeFoldersStayInsideOutdir_data();
    void routeFoldersStayInsideOutdir();
    void whatOutdirHoldsIsKept_data();
    void whatOutdirHoldsIsKept();
    void everyRouteRefusesOptionsOfOne_data();
    void everyRouteRefusesOptionsOfOne();
};

void tst_GtfsImport::ticketNumbersAndFareColumns_data()
{
    QTest::addColumn<Files>("changes");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<int>>("tickets");
    QTest::addColumn<Rows>("fares"); // columns 1..T of each stop
    QTest::addColumn<QString>("note"); // in the summary

    const Files none;
    QTest::newRow("stops of one zone share a fare stage")
        << none << QStringList() << QList<int>{1, 1, 2, 2, 0}
        << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {200, 150}} << QString();
    QTest::newRow("--tickets stop numbers every boarding stop")
        << none << QStringList{"--tickets", "stop"} << QList<int>{1, 2, 3, 4, 0}
        << Rows{{0, 0, 0, 0}, {100, 0, 0, 0}, {150, 150, 0, 0}, {150, 150, 100, 0}, {200, 200, 150, 150}} << QString();
    QTest::newRow("no ticket where boarding is not allowed")
        << Files{{"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence,pickup_type\n"
                                    "T,7:00:00,7:00:00,A,1,\nT,7:02:00,7:02:00,B,2,\nT,7:05:00,7:05:00,C,3,1\n"
                                    "T,7:09:30,7:10:00,D,4,0\nT,7:12:00,7:12:00,E,5,0\n"}}
        << QStringList() << QList<int>{1, 1, 0, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 0}, {200, 150}}
        << QString();
    QTest::newRow("stops in sequence order, not file order")
        << Files{{"stop_times.txt", "stop_sequence,stop_id,trip_id,arrival_time,departure_time\n"
                                    "40,D,T,7:09:30,7:10:00\n10,A,T,7:00:00,7:00:00\n30,C,T,7:05:00,7:05:00\n"
                                    "20,B,T,7:02:00,7:02:00\n50,E,T,7:12:00,7:12:00\n"}}
        << QStringList() << QList<int>{1, 1, 2, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {200, 150}}
        << QString();
    QTest::newRow("one rule without zones for every route is a flat fare")
        << Files{{"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF200,,,\n"}} << QStringList()
        << QList<int>{1, 1, 1, 1, 0} << Rows{{0}, {200}, {200}, {200}, {200}} << QString();
    QTest::newRow("the lowest price of the rules that match")
        << Files{{"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF100,R,Z1,Z1\nF150,R,Z1,Z2\nF200,R,Z1,Z3\n"
                                    "F150,R,Z1,\nF100,R,Z2,Z2\nF150,R,Z2,Z3\nF100,R,Z3,Z3\n"}}
        << QStringList() << QList<int>{1, 1, 2, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {150, 150}}
        << QString();
    QTest::newRow("rules of another route do not apply")
        << Files{{"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF100,R,Z1,Z1\nF150,R,Z1,Z2\nF200,R,Z1,Z3\n"
                                    "F100,X,,\nF100,R,Z2,Z2\nF150,R,Z2,Z3\nF100,R,Z3,Z3\n"}}
        << QStringList() << QList<int>{1, 1, 2, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {200, 150}}
        << QString();
    QTest::newRow("a pair without a rule is -1 and counted")
        << Files{{"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF100,R,Z1,Z1\nF150,R,Z1,Z2\n"
                                    "F100,R,Z2,Z2\nF150,R,Z2,Z3\nF100,R,Z3,Z3\n"}}
        << QStringList() << QList<int>{1, 1, 2, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {-1, 150}}
        << QStringLiteral("運賃のない区間が1件あります（「停A」→「停E」）");
    QTest::newRow("a name Shift-JIS lacks in its compatibility form")
        << Files{{"stops.txt", "stop_id,stop_name,zone_id\nA,停A⑴,Z1\nB,停B,Z1\nC,停C,Z2\nD,停D,Z2\nE,停E,Z3\n"}}
        << QStringList() << QList<int>{1, 1, 2, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {200, 150}}
        << QStringLiteral("停留所名「停A⑴」は Shift-JIS で表せないため「停A(1)」としました。");
    QTest::newRow("lines ended by CR alone, with blank lines")
        << Files{{"stops.txt", "stop_id,stop_name,zone_id\rA,停A,Z1\r\rB,停B,Z1\rC,停C,Z2\rD,停D,Z2\rE,停E,Z3\r\r"}}
        << QStringList() << QList<int>{1, 1, 2, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {200, 150}} << QString();
    QTest::newRow("a fault in another route's trip does not stop this one")
        << Files{{"routes.txt", "route_id,route_short_name\nR,7\nQ,8\n"},
                 {"trips.txt", "route_id,trip_id\nR,T\nQ,U\n"},
                 {"stop_times.txt", miniFeed().value("stop_times.txt") + "U,8:00:00,8:00:00,A,1,0\nU,8:05:00,8:05:00,B,1,0\n"}}
        << QStringList() << QList<int>{1, 1, 2, 2, 0} << Rows{{0, 0}, {100, 0}, {150, 0}, {150, 100}, {200, 150}} << QString();
}

// The written fare data: each stop's ticket number, the fares from the stop
// where each ticket was first issued, minutes on the way in column 149 and
// the step sound in column 150.
void tst_GtfsImport::ticketNumbersAndFareColumns()
{
    QFETCH(Files, changes);
    QFETCH(QStringList, options);
    QFETCH(QList<int>, tickets);
    QFETCH(Rows, fares);
    QFETCH(QString, note);

    QTemporaryDir dir;
    Files files = miniFeed();
    files.insert(changes);
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool(QStringList{"gtfs", dir.filePath("feed"), "--route", "R", "--chimes", dir.path()}
                                     + options + QStringList{dir.filePath("out")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains(note), qPrintable(run.out));

    const std::vector<FareFileRecord> route = readRoute(dir.filePath("out/7.hy3"));
    QCOMPARE(route.size(), std::size_t(5));
    const int minutes[] = {0, 2, 5, 9, 12};
    for (std::size_t j = 0; j < route.size(); ++j) {
        const FareFileRecord &stop = route[j];
        QCOMPARE(int(stop.seirikenNo), tickets[j]);
        const QList<int> &expected = fares[j];
        for (int k = 1; k <= int(expected.size()) + 1; ++k)
            QCOMPARE(int(stop.cols[k - 1]), k <= expected.size() ? expected[k - 1] : 0);
        QCOMPARE(int(stop.cols[148]), minutes[j]);
        QCOMPARE(int(stop.cols[149]), j + 1 == route.size() ? 3 : 1);
    }
    if (note.contains(u'⑴'))
        QCOMPARE(cp932::decode(route[0].chimei), QStringLiteral("停A(1)"));
}

void tst_GtfsImport::controlCharactersInNamesAreCleaned_data()
{
    QTest::addColumn<QByteArray>("written"); // stop A's name in stops.txt
    QTest::addColumn<QString>("stored");

    QTest::newRow("a line break in quotes") << QByteArray("\"停\nA\"") << QStringLiteral("停 A");
    QTest::newRow("a CRLF in quotes") << QByteArray("\"停\r\nA\"") << QStringLiteral("停 A");
    QTest::newRow("a TAB") << QByteArray("停\tA") << QStringLiteral("停 A");
    QTest::newRow("NUL and other control characters go") << QByteArray("停\0A\x01\x7F", 8) << QStringLiteral("停A");
}

// A name holding control characters is stored cleaned, as the strip and the
// announcements can show it, and the summary names the stop.
void tst_GtfsImport::controlCharactersInNamesAreCleaned()
{
    QFETCH(QByteArray, written);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    Files files = miniFeed();
    files["stops.txt"].replace("A,停A,", "A," + written + ",");
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool({"gtfs", dir.filePath("feed"), "--route", "R", "--chimes", dir.path(), dir.filePath("out")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(cp932::decode(readRoute(dir.filePath("out/7.hy3")).at(0).chimei), stored);
    QVERIFY2(run.out.contains(QStringLiteral("注意: 停留所「%1」（stop_id A）の名前にある改行やタブ").arg(stored)), qPrintable(run.out));
}

void tst_GtfsImport::readingsInEitherTranslationFormat_data()
{
    QTest::addColumn<QByteArray>("translations");
    QTest::addColumn<QByteArray>("yomi");

    QTest::newRow("by the name, in katakana")
        << QByteArray("table_name,field_name,language,translation,field_value\nstops,stop_name,ja-Hrkt,テイエー,停A\n")
        << QByteArray("停A,テイエー\n");
    QTest::newRow("by the stop, hiragana and its pause")
        << QByteArray("table_name,field_name,language,translation,record_id\nstops,stop_name,ja-Hrkt,てい・びー,B\n")
        << QByteArray("停B,テイ、ビー\n");
    QTest::newRow("GTFS-JP's first format: the text itself")
        << QByteArray("trans_id,lang,translation\n停C,ja-Hrkt,ていしー\n停C,en,Stop C\n") << QByteArray("停C,テイシー\n");
    QTest::newRow("other languages and fields are not readings")
        << QByteArray("table_name,field_name,language,translation,field_value\nstops,stop_name,en,Tei A,停A\n"
                      "stops,stop_desc,ja-Hrkt,ていえー,停A\n")
        << QByteArray();
}

// The ja-Hrkt readings of the stop names, in katakana, whichever way the
// feed writes its translations.
void tst_GtfsImport::readingsInEitherTranslationFormat()
{
    QFETCH(QByteArray, translations);
    QFETCH(QByteArray, yomi);
    QTemporaryDir dir;
    Files files = miniFeed();
    files.insert("translations.txt", translations);
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool({"gtfs", dir.filePath("feed"), "--route", "R", "--chimes", dir.path(), dir.filePath("out")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QFile written(dir.filePath("out/yomi.csv"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), yomi);
}

void tst_GtfsImport::stopNamesReadOneKanjiAtATimeAreNoted_data()
{
    QTest::addColumn<QByteArray>("translations");
    QTest::addColumn<QString>("note"); // empty: none
    QTest::newRow("no reading in the feed")
        << QByteArray() << QStringLiteral("注意: 停留所「慈照院前」: 「慈」（ジ）、「照」（ショー）は読み辞書に語が無いため、");
    QTest::newRow("the feed's reading")
        << QByteArray("table_name,field_name,language,translation,record_id\nstops,stop_name,ja-Hrkt,じしょういんまえ,C\n")
        << QString();
}

void tst_GtfsImport::stopNamesReadOneKanjiAtATimeAreNoted()
{
    QFETCH(QByteArray, translations);
    QFETCH(QString, note);
    QTemporaryDir dir;
    Files files = miniFeed();
    files["stops.txt"].replace("C,停C", "C,慈照院前");
    if (!translations.isEmpty())
        files.insert("translations.txt", translations);
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool({"gtfs", dir.filePath("feed"), "--route", "R", "--chimes", dir.path(), dir.filePath("out")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    if (note.isEmpty())
        QVERIFY2(!run.out.contains(QStringLiteral("慈照院前")), qPrintable(run.out));
    else
        QVERIFY2(run.out.contains(note), qPrintable(run.out));
}

void tst_GtfsImport::stopNamesAsThePanelShowsThem_data()
{
    QTest::addColumn<QByteArray>("stops");
    QTest::addColumn<QByteArray>("translations");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("names"); // of the five stops, as written
    QTest::addColumn<QByteArray>("yomi");
    QTest::addColumn<QString>("unread"); // the summary's line of readings

    const QByteArray head = "stop_id,stop_name,zone_id,location_type,parent_station\n";
    const QByteArray qualified = head + "A,停A,Z1,0,\nB,停B,Z1,0,\nC,県庁前（群馬）,Z2,0,\nD,停D,Z2,0,\nE,停E,Z3,0,\n";
    const QByteArray byName = "trans_id,lang,translation\n";
    QTest::newRow("platforms by their station, with its reading")
        << head + "A,停A,Z1,0,\nB,前橋駅前（４番のりば）,Z1,0,PB\nPB,前橋駅前,,1,\nC,停C,Z2,0,\nD,停D,Z2,0,\n"
                  "E,前橋駅前（２番のりば）,Z3,0,PB\n"
        << QByteArray("table_name,field_name,language,translation,record_id\nstops,stop_name,ja-Hrkt,まえばしえきまえ,PB\n")
        << QStringList() << QStringList{"停A", "前橋駅前", "停C", "停D", "前橋駅前"} << QByteArray("前橋駅前,マエバシエキマエ\n")
        << QStringLiteral("読み: 1件（読みのない停留所: 停A、停C、停D）");
    QTest::newRow("a qualifier left off, from the reading too")
        << qualified << byName + "県庁前（群馬）,ja-Hrkt,けんちょうまえ（ぐんま）\n停A,ja-Hrkt,ていえー\n" << QStringList()
        << QStringList{"停A", "停B", "県庁前", "停D", "停E"} << QByteArray("停A,テイエー\n県庁前,ケンチョウマエ\n")
        << QStringLiteral("読み: 2件（読みのない停留所: 停B、停D、停E）");
    QTest::newRow("--keep-qualifiers")
        << qualified << byName + "県庁前（群馬）,ja-Hrkt,けんちょうまえ（ぐんま）\n" << QStringList{"--keep-qualifiers"}
        << QStringList{"停A", "停B", "県庁前（群馬）", "停D", "停E"} << QByteArray("県庁前（群馬）,ケンチョウマエ、グンマ\n")
        << QStringLiteral("読み: 1件（");
    QTest::newRow("a reading that does not show the qualifier's part is not used")
        << qualified << byName + "県庁前（群馬）,ja-Hrkt,けんちょうまえぐんま\n" << QStringList()
        << QStringList{"停A", "停B", "県庁前", "停D", "停E"} << QByteArray()
        << QStringLiteral("読み: 0件（読みのない停留所: 停A、停B、県庁前、停D、停E）");
    QTest::newRow("qualifiers kept where two stops would share a name")
        << head + "A,停A,Z1,0,\nB,停B,Z1,0,\nC,県庁前（群馬）,Z2,0,\nD,県庁前（前橋市）,Z2,0,\nE,市役所・合庁前（前橋市）,Z3,0,\n"
        << QByteArray() << QStringList() << QStringList{"停A", "停B", "県庁前（群馬）", "県庁前（前橋市）", "市役所・合庁前"}
        << QByteArray() << QStringLiteral("読み: 0件");
    QTest::newRow("a qualifier kept beside the same name without one")
        << head + "A,停A,Z1,0,\nB,停B,Z1,0,\nC,県庁前（群馬）,Z2,0,\nD,停D,Z2,0,\nE,県庁前,Z3,0,\n" << QByteArray()
        << QStringList() << QStringList{"停A", "停B", "県庁前（群馬）", "停D", "県庁前"} << QByteArray() << QStringLiteral("読み: 0件");
}

// The panel and the announcements name each stop as a passenger knows it:
// a platform by its station, without a qualifier in brackets unless two
// stops would then be called alike; yomi.csv reads every name written.
void tst_GtfsImport::stopNamesAsThePanelShowsThem()
{
    QFETCH(QByteArray, stops);
    QFETCH(QByteArray, translations);
    QFETCH(QStringList, options);
    QFETCH(QStringList, names);
    QFETCH(QByteArray, yomi);
    QFETCH(QString, unread);
    QTemporaryDir dir;
    Files files = miniFeed();
    files.insert("stops.txt", stops);
    if (!translations.isEmpty())
        files.insert("translations.txt", translations);
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool(QStringList{"gtfs", dir.filePath("feed"), "--route", "R", "--chimes", dir.path()}
                                     + options + QStringList{dir.filePath("out")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains(unread), qPrintable(run.out));

    const std::vector<FareFileRecord> route = readRoute(dir.filePath("out/7.hy3"));
    const std::vector<TapeRecord> tape = readTape(dir.filePath("out/7tp.csv"));
    QCOMPARE(route.size(), std::size_t(5));
    QCOMPARE(tape.size(), std::size_t(5));
    for (std::size_t i = 0; i < route.size(); ++i) {
        QCOMPARE(cp932::decode(route[i].chimei), names[qsizetype(i)]);
        if (i > 0)
            QVERIFY2(tape[i].Text.startsWith(QStringLiteral("次は、") + (i == 4 ? QStringLiteral("終点、") : QString())
                                             + names[qsizetype(i)] + QStringLiteral("です。")),
                     qPrintable(tape[i].Text));
    }
    QFile written(dir.filePath("out/yomi.csv"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), yomi);
}

void tst_GtfsImport::destinationIsSaidOnce_data()
{
    QTest::addColumn<QByteArray>("headsign");
    QTest::addColumn<QString>("bound"); // as the greeting and the summary say it

    QTest::newRow("a place") << QByteArray("停E") << QStringLiteral("停E行き");
    QTest::newRow("a headsign ending in 行き") << QByteArray("伊勢崎病院北行き") << QStringLiteral("伊勢崎病院北行き");
    QTest::newRow("a headsign ending in 行") << QByteArray("伊勢崎病院北行") << QStringLiteral("伊勢崎病院北行き");
    QTest::newRow("a headsign ending in ゆき") << QByteArray("停Eゆき") << QStringLiteral("停E行き");
    QTest::newRow("a bank is a place") << QByteArray("中央銀行") << QStringLiteral("中央銀行行き");
    QTest::newRow("no headsign: the last stop") << QByteArray() << QStringLiteral("停E行き");
}

// The greeting and the summary say where the bus goes with one 行き, whether
// the headsign carries its own or not.
void tst_GtfsImport::destinationIsSaidOnce()
{
    QFETCH(QByteArray, headsign);
    QFETCH(QString, bound);
    QTemporaryDir dir;
    Files files = miniFeed();
    files.insert("trips.txt", "route_id,service_id,trip_id,direction_id,trip_headsign\nR,WD,T,0," + headsign + "\n");
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool({"gtfs", dir.filePath("feed"), "--route", "R", "--chimes", dir.path(), dir.filePath("out")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains(QStringLiteral("便: T（") + bound + u'）'), qPrintable(run.out));
    const std::vector<TapeRecord> tape = readTape(dir.filePath("out/7tp.csv"));
    QVERIFY(!tape.empty());
    QCOMPARE(tape.front().Text, QStringLiteral("ご乗車ありがとうございます。このバスは、") + bound + QStringLiteral("です。整理券をお取りください。"));
}

void tst_GtfsImport::summarySaysWhatWasMade_data()
{
    QTest::addColumn<Files>("changes");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");    // on either stream
    QTest::addColumn<QString>("written"); // the fare data, none when empty

    QTest::newRow("nobody may board")
        << Files{{"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence,pickup_type\n"
                                    "T,7:00:00,7:00:00,A,1,1\nT,7:02:00,7:02:00,B,2,1\nT,7:05:00,7:05:00,C,3,1\n"
                                    "T,7:09:30,7:10:00,D,4,1\nT,7:12:00,7:12:00,E,5,1\n"}}
        << QStringList() << 0 << QStringLiteral("整理券番号: なし（乗車できる停留所がありません）") << QStringLiteral("7.hy3");
    QTest::newRow("a number with leading zeros")
        << Files() << QStringList{"--number", "007"} << 0 << QStringLiteral("系統番号 7（007 の先頭の 0 は系統番号に入りません）")
        << QStringLiteral("7.hy3");
    QTest::newRow("route number 0 is refused")
        << Files() << QStringList{"--number", "00000"} << 2 << QStringLiteral("系統番号 0 は") << QString();
    QTest::newRow("a route_short_name of 0 is no number")
        << Files{{"routes.txt", "route_id,route_short_name\nR,0\n"}} << QStringList() << 2
        << QStringLiteral("route_short_name「0」") << QString();
    QTest::newRow("a fare of four digits is told")
        << Files{{"fare_attributes.txt", "fare_id,price\nF100,100\nF150,150\nF200,1020\n"}} << QStringList() << 0
        << QStringLiteral("注意: 運賃が4桁の停留所が1件あります（「停E」、整理券1、最高 1020円）。運賃表示器の3桁の運賃には下3桁（020）しか出ません。")
        << QStringLiteral("7.hy3");
    QTest::newRow("a ticket plug-in that is none")
        << Files() << QStringList{"--plugin", KERUBARA_EXAMPLES_DIR "/12.csv"} << 1
        << QStringLiteral("（--plugin には整理券プラグイン .4SP を指定してください）") << QString();
    QTest::newRow("translations without a language column")
        << Files{{"translations.txt", "table_name,field_name,translation,field_value\nstops,stop_name,ていえー,停A\n"}}
        << QStringList() << 0
        << QStringLiteral("translations.txt: 1行目: 見出しに言語の列（language または lang）がありません。読みは使わずに続けました。")
        << QStringLiteral("7.hy3");
}

// What the summary says is true of what was written, and a number that
// cannot name the route is refused before anything is.
void tst_GtfsImport::summarySaysWhatWasMade()
{
    QFETCH(Files, changes);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(QString, written);
    QTemporaryDir dir;
    Files files = miniFeed();
    files.insert(changes);
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool(QStringList{"gtfs", dir.filePath("feed"), "--route", "R", "--chimes", dir.path()}
                                     + options + QStringList{dir.filePath("out")});
    QCOMPARE(run.status, status);
    QVERIFY2((run.out + run.err).contains(said), qPrintable(run.out + run.err));
    QVERIFY2(!run.out.contains(QStringLiteral("～0\n")), qPrintable(run.out));
    if (written.isEmpty())
        QVERIFY(!QFileInfo::exists(dir.filePath("out")));
    else
        QVERIFY(QFileInfo(dir.filePath("out/" + written)).isFile());
}

void tst_GtfsImport::badFeedIsNamedAndWritesNothing_data()
{
    QTest::addColumn<Files>("changes");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("damagedZip");
    QTest::addColumn<QString>("named"); // what the message begins with

    const Files none;
    const QStringList kept;
    QTest::newRow("a required file is missing") << none << QStringList{"stop_times.txt"} << QStringList() << false
                                                << QStringLiteral("stop_times.txt: ");
    QTest::newRow("a required column is missing")
        << Files{{"stops.txt", "stop_id,name,zone_id\nA,停A,Z1\n"}} << kept << QStringList() << false
        << QStringLiteral("stops.txt: 1行目: ");
    QTest::newRow("a route that does not exist") << none << kept << QStringList{"--route", "Q"} << false
                                                 << QStringLiteral("routes.txt: ");
    QTest::newRow("a trip that does not exist") << none << kept << QStringList{"--trip", "U"} << false
                                                << QStringLiteral("trips.txt: ");
    QTest::newRow("a stop missing from stops.txt")
        << Files{{"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
                                    "T,7:00:00,7:00:00,A,1\nT,7:02:00,7:02:00,Q,2\n"}}
        << kept << QStringList() << false << QStringLiteral("stop_times.txt: 3行目: ");
    QTest::newRow("a price that is no number")
        << Files{{"fare_attributes.txt", "fare_id,price\nF100,100\nF150,百五十\nF200,200\n"}} << kept << QStringList()
        << false << QStringLiteral("fare_attributes.txt: 3行目: ");
    QTest::newRow("a sequence that is no number")
        << Files{{"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
                                    "T,7:00:00,7:00:00,A,1\nT,7:02:00,7:02:00,B,2a\n"}}
        << kept << QStringList() << false << QStringLiteral("stop_times.txt: 3行目: ");
    QTest::newRow("a quote left open")
        << Files{{"stops.txt", "stop_id,stop_name,zone_id\r\nA,停A,Z1\r\nB,\"停B,Z1\r\nC,停C,Z2\r\n"}} << kept
        << QStringList() << false << QStringLiteral("stops.txt: 3行目: ");
    QTest::newRow("a name Shift-JIS cannot hold")
        << Files{{"stops.txt", "stop_id,stop_name,zone_id\nA,停A,Z1\nB,停B,Z1\nC,バス🚌停,Z2\nD,停D,Z2\nE,停E,Z3\n"}}
        << kept << QStringList() << false << QStringLiteral("stops.txt: 4行目: 停留所「バス🚌停」");
    QTest::newRow("a damaged zip") << none << kept << QStringList() << true << QStringLiteral("feed.zip");
    QTest::newRow("a name longer than the fare data holds")
        << Files{{"stops.txt", "stop_id,stop_name,zone_id\nA,停A,Z1\nB," + QByteArray("停").repeated(33000) + ",Z1\nC,停C,Z2\nD,停D,Z2\nE,停E,Z3\n"}}
        << kept << QStringList() << false << QStringLiteral("stops.txt: 3行目: 停留所「停停停");
    QByteArray stops = "stop_id,stop_name\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    for (int s = 1; s <= 302; ++s) {
        stops += "S" + QByteArray::number(s) + ",停" + QByteArray::number(s) + "\n";
        times += "T,7:00:00,7:00:00,S" + QByteArray::number(s) + "," + QByteArray::number(s) + "\n";
    }
    QTest::newRow("more stops than a route holds")
        << Files{{"stops.txt", stops}, {"stop_times.txt", times}} << kept << QStringList() << false
        << QStringLiteral("stop_times.txt: 便「T」の停留所が302件です。");
}

// Whatever is wrong is named with its file and line, the exit status is 1,
// and the output folder keeps exactly what it held.
void tst_GtfsImport::badFeedIsNamedAndWritesNothing()
{
    QFETCH(Files, changes);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, options);
    QFETCH(bool, damagedZip);
    QFETCH(QString, named);

    QTemporaryDir dir;
    Files files = miniFeed();
    files.insert(changes);
    for (const QString &name : removed)
        files.remove(name);
    QString feed = dir.filePath("feed");
    QVERIFY(writeFeed(feed, files));
    if (damagedZip) {
        QByteArray zip = zipOf(files);
        QVERIFY(zip.size() > 200);
        for (qsizetype i = 60; i < 90; ++i)
            zip[i] = char(zip[i] ^ 0x5A);
        feed = dir.filePath("feed.zip");
        QVERIFY(testing::writeFile(feed, zip));
    }
    const QString out = dir.filePath("out");
    QVERIFY(QDir().mkpath(out));
    QVERIFY(testing::writeFile(out + "/7.hy3", "old fare data"));
    QVERIFY(testing::writeFile(out + "/yomi.csv", "港,ミナト\n"));
    const auto before = contents(out);

    if (!options.contains("--route"))
        options << QStringList{"--route", "R"};
    const testing::Run run = runTool(QStringList{"gtfs", feed} + options + QStringList{out});
    QCOMPARE(run.status, 1);
    const QString first = run.err.section(u'\n', 0, 0);
    QVERIFY2(first.startsWith(feed) && first.contains(named), qPrintable(run.err));
    QCOMPARE(contents(out), before);
}

void tst_GtfsImport::routesListedByDirection_data()
{
    QTest::addColumn<Files>("changes");
    QTest::addColumn<QStringList>("lines"); // below the heading
    QTest::addColumn<QString>("note");      // on standard error

    QTest::newRow("a route without fares says so")
        << Files{{"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF100,X,,\n"}}
        << QStringList{"R\t7\t0\t-\t停A → 停E\t1\t5\t1\tなし"} << QString();
    QTest::newRow("a pair without a fare is mentioned")
        << Files{{"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF100,R,Z1,Z1\nF150,R,Z1,Z2\n"
                                    "F100,R,Z2,Z2\nF150,R,Z2,Z3\nF100,R,Z3,Z3\n"}}
        << QStringList{"R\t7\t0\t-\t停A → 停E\t1\t5\t2\t100～150円（運賃のない区間あり）"} << QString();
    QTest::newRow("a line for each direction, from its longest trip")
        << Files{{"trips.txt", "route_id,trip_id,direction_id,trip_headsign\nR,T,0,停E行き\nR,U,1,停A\nR,V,1,停B\n"},
                 {"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
                                    "T,7:00:00,7:00:00,A,1\nT,7:12:00,7:12:00,E,2\nU,8:00:00,8:00:00,E,1\n"
                                    "U,8:05:00,8:05:00,C,2\nU,8:10:00,8:10:00,A,3\nV,9:00:00,9:00:00,D,1\nV,9:05:00,9:05:00,B,2\n"}}
        << QStringList{"R\t7\t0\t停E行き\t停A → 停E\t1\t2\t1\t200円", "R\t7\t1\t停A\t停E → 停A\t2\t3\t1\tなし"}
        << QString();
    QByteArray stops = "stop_id,stop_name\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    for (int s = 1; s <= 302; ++s) {
        stops += "S" + QByteArray::number(s) + ",停" + QByteArray::number(s) + "\n";
        times += "T,7:00:00,7:00:00,S" + QByteArray::number(s) + "," + QByteArray::number(s) + "\n";
    }
    QTest::newRow("a trip longer than a route holds is not priced")
        << Files{{"stops.txt", stops}, {"stop_times.txt", times}} << QStringList{"R\t7\t0\t-\t停1 → 停302\t1\t302\t-\t-"}
        << QStringLiteral("注意: 系統「R」（方向 0）の便は停留所が302件あり、1つの系統に入る301件を超えるため、gtfs では取り込めません。");
}

// gtfs-routes says where each route goes in each direction, how many
// ticket numbers its longest trip needs and what its fares are.
void tst_GtfsImport::routesListedByDirection()
{
    QFETCH(Files, changes);
    QFETCH(QStringList, lines);
    QFETCH(QString, note);
    QTemporaryDir dir;
    Files files = miniFeed();
    files.insert(changes);
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run run = runTool({"gtfs-routes", dir.filePath("feed")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.split(u'\n', Qt::SkipEmptyParts).mid(1), lines);
    QCOMPARE(run.err.trimmed(), note);
}

void tst_GtfsImport::exampleRoutesAreListed()
{
    const testing::Run list = runTool({"gtfs-routes", KERUBARA_EXAMPLES_DIR "/gtfs"});
    QCOMPARE(list.status, 0);
    QCOMPARE(list.out, QStringLiteral("route_id\t系統名\t方向\t行先\t始発 → 終点\t便数\t停留所数\t整理券番号\t運賃\n"
                                      "R1\t1\t0\t桜川営業所\t桜川駅前 → 桜川営業所\t2\t9\t4\t170～320円\n"
                                      "R1\t1\t1\t桜川駅前\t桜川営業所 → 桜川駅前\t1\t9\t4\t170～320円\n"
                                      "R2\t市内循環\t0\t-\t桜川駅前 → 桜川駅北口\t2\t6\t1\t200円\n"));

    // The loop line has no number of digits: it needs one.
    QTemporaryDir dir;
    const testing::Run unnumbered = runTool({"gtfs", KERUBARA_EXAMPLES_DIR "/gtfs", "--route", "R2", dir.filePath("out")});
    QCOMPARE(unnumbered.status, 2);
    QVERIFY(unnumbered.err.contains("--number"));
    QVERIFY(!QFileInfo::exists(dir.filePath("out")));
}

void tst_GtfsImport::importedExampleDrivesInTheSimulator_data()
{
    QTest::addColumn<QString>("zipFolder"); // no zip when null
    QTest::newRow("from the folder") << QString();
    QTest::newRow("from a .zip with the files at its top") << QStringLiteral("");
    QTest::newRow("from a .zip with the files in one folder") << QStringLiteral("sakuragawa/");
}

// The example's zone route imported, its folder moved, and then driven by
// the announcement tape from the first stop to the last: each stop's name on
// the strip and the fares of its tickets on the panel.
void tst_GtfsImport::importedExampleDrivesInTheSimulator()
{
    QFETCH(QString, zipFolder);
    QTemporaryDir dir;
    QString feed = QStringLiteral(KERUBARA_EXAMPLES_DIR "/gtfs");
    if (!zipFolder.isNull()) {
        Files files;
        for (const QString &name : QDir(feed).entryList(QDir::Files))
            files.insert(name, contents(feed).value(name));
        feed = dir.filePath("feed.zip");
        QVERIFY(testing::writeFile(feed, zipOf(files, zipFolder)));
    }
    // A reading dictionary already there keeps its other words.
    const QString out = dir.filePath("route");
    QVERIFY(QDir().mkpath(out));
    QVERIFY(testing::writeFile(out + "/yomi.csv", "港,ミナト\n桜川駅前,サクラガワ\n"));
    const testing::Run run = runTool({"gtfs", feed, "--route", "R1", "--chimes", KERUBARA_SAMPLE_DIR, "--plugin",
                                      KERUBARA_EXAMPLES_DIR "/ticket-full.4SP", out});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(!run.out.contains(QStringLiteral("注意")), qPrintable(run.out));
    QFile yomi(out + "/yomi.csv");
    QVERIFY(yomi.open(QIODevice::ReadOnly));
    const QList<QByteArray> words = yomi.readAll().split('\n');
    QVERIFY(words.contains("港,ミナト"));
    QVERIFY(words.contains("桜川駅前,サクラガワエキマエ"));
    QVERIFY(!words.contains("桜川駅前,サクラガワ"));

    // The route folder works wherever it is moved.
    const QString moved = dir.filePath("moved");
    QVERIFY(QDir().rename(out, moved));
    testing::QuietSimulator sim(settingsFilePaths(moved + "/route.in4"));
    Form1 &panel = sim->form1();
    frmCtl &console = sim->ctl();
    QString shownName;
    std::int16_t shownMode = 0;
    QObject::connect(&sim->engine(), &OperationEngine::nameShown, [&](const QString &name, std::int16_t mode, std::int16_t) {
        shownName = name;
        shownMode = mode;
    });

    // The panel and the console placed side by side (a screen as narrow as
    // the test's moves the console back onto it), the ticket preview open.
    QVERIFY(sim->ini.CtrlData.nLeft / 15 >= sim->ini.FormPos.nLeft / 15 + panel.width());
    QCOMPARE(sim->ini.CtrlData.nTop, sim->ini.FormPos.nTop);
    QVERIFY(console.Check4->isChecked());
    QVERIFY(sim->settings().ticketPreviewInUse());
    QCOMPARE(console.picSeirikenPrev->size(), QSize(200, 256));

    QStringList sounds;
    sim->sound().setCommandLog([&](const QString &command) { sounds << command; });
    auto terminusPlayed = [&] { return !sounds.filter(QStringLiteral("chime-terminus.mid")).isEmpty(); };

    // 系統 1, 区間 1, リセット on the keypad.
    QTest::mouseDClick(console.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4));
    for (int key : {10, 1, 11, 1})
        click(console.CommandButton1[static_cast<std::size_t>(key)]);
    click(console.Command1[1]);
    QCOMPARE(sim->state.nStopCount, std::int16_t(std::size(kRoute1)));

    auto expectStop = [&](std::size_t stop) {
        const ExpectedStop &expected = kRoute1[stop];
        QCOMPARE(sim->state.nStopPos, std::int16_t(stop));
        QCOMPARE(shownName, QString::fromUtf16(expected.name));
        // The strip holds exactly what that name draws.
        const QImage strip = panel.controlsForTesting().ChimeiCtl->canvas();
        panel.showStopName(shownName, shownMode, -1);
        QCOMPARE(panel.controlsForTesting().ChimeiCtl->canvas(), strip);
        for (int k = 1; k <= 12; ++k)
            QCOMPARE(panel.controlsForTesting().Degit[static_cast<std::size_t>(k)]->Value().toInt(), k <= 4 ? expected.fares[k - 1] : 0);
    };
    expectStop(0);
    QCOMPARE(sim->tape().GetTapeCount(), int(std::size(kRoute1)));
    for (std::size_t stop = 1; stop < std::size(kRoute1); ++stop) {
        click(console.cmdTapeNext);
        if (stop == 1) // the greeting, at the first stop
            click(console.cmdTapeNext);
        expectStop(stop);
        if (QTest::currentTestFailed())
            return;
        // The step sound follows column 150: the terminus melody at the end only.
        QCOMPARE(terminusPlayed(), stop + 1 == std::size(kRoute1));
    }
    QCOMPARE(sim.spoken.size(), int(std::size(kRoute1)));
    QCOMPARE(sim.spoken.front(), QStringLiteral("ご乗車ありがとうございます。このバスは、桜川営業所行きです。整理券をお取りください。"));
    QCOMPARE(sim.spoken.last(), QStringLiteral("次は、終点、桜川営業所です。お忘れ物のないよう、ご注意ください。"));
    QVERIFY2(sim.messages.isEmpty(), qPrintable(sim.messages.value(0).prompt));
}

void tst_GtfsImport::everyRouteAsItsOwnImport_data()
{
    QTest::addColumn<bool>("example"); // else the two-route feed
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("folders"); // with the number each was given

    QTest::newRow("the example, the loop line numbered by its place")
        << true << QStringList() << QStringList{"R1-0 1", "R1-1 1", "R2-0 2"};
    QTest::newRow("a ticket for every stop, qualifiers kept")
        << true << QStringList{"--tickets", "stop", "--keep-qualifiers"} << QStringList{"R1-0 1", "R1-1 1", "R2-0 2"};
    QTest::newRow("two routes, one without fares") << false << QStringList() << QStringList{"Q-1 8", "R-0 7"};
}

// Each folder gtfs --all makes holds byte for byte what gtfs makes of that
// route and direction alone.
void tst_GtfsImport::everyRouteAsItsOwnImport()
{
    QFETCH(bool, example);
    QFETCH(QStringList, options);
    QFETCH(QStringList, folders);
    QTemporaryDir dir;
    QString feed = QStringLiteral(KERUBARA_EXAMPLES_DIR "/gtfs");
    if (!example) {
        feed = dir.filePath("feed");
        QVERIFY(writeFeed(feed, twoRouteFeed()));
    }
    const QStringList chimes{"--chimes", KERUBARA_SAMPLE_DIR};
    const testing::Run all = runTool(QStringList{"gtfs", feed, "--all"} + chimes + options + QStringList{dir.filePath("all")});
    QVERIFY2(all.status == 0, qPrintable(all.err));
    QCOMPARE(QDir(dir.filePath("all")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{folders.join(' ').split(' ').filter("-")} << "routes.csv"));
    for (const QString &folder : folders) {
        const QString name = folder.section(' ', 0, 0);
        const QString alone = dir.filePath("alone/" + name);
        const testing::Run one = runTool(QStringList{"gtfs", feed, "--route", name.section('-', 0, 0), "--direction",
                                                     name.section('-', 1), "--number", folder.section(' ', 1)}
                                         + chimes + options + QStringList{alone});
        QVERIFY2(one.status == 0, qPrintable(one.err));
        QCOMPARE(contents(dir.filePath("all/" + name)), contents(alone));
    }
}

void tst_GtfsImport::everyRouteListedAsGtfsRoutesLists_data()
{
    QTest::addColumn<Files>("changes"); // to the two-route feed
    QTest::addColumn<QStringList>("statuses");

    QTest::newRow("both directions of each route") << Files() << QStringList{"imported", "imported"};
    QTest::newRow("a route without trips, trips without a direction")
        << Files{{"routes.txt", "route_id,route_short_name\nR,7\nQ,8\nP,9\n"},
                 {"trips.txt", "route_id,service_id,trip_id,trip_headsign\nR,WD,T,停E行き\nQ,WD,U,\n"}}
        << QStringList{"imported", "imported", "failed"};
}

// routes.csv has a row for each line gtfs-routes prints, in its order, with
// the same route, direction, headsign, ends and stops.
void tst_GtfsImport::everyRouteListedAsGtfsRoutesLists()
{
    QFETCH(Files, changes);
    QFETCH(QStringList, statuses);
    QTemporaryDir dir;
    Files files = twoRouteFeed();
    files.insert(changes);
    QVERIFY(writeFeed(dir.filePath("feed"), files));
    const testing::Run list = runTool({"gtfs-routes", dir.filePath("feed")});
    QCOMPARE(list.status, 0);
    runTool({"gtfs", dir.filePath("feed"), "--all", "--chimes", KERUBARA_SAMPLE_DIR, dir.filePath("out")});
    QStringList listed;
    for (const QString &line : list.out.split(u'\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList f = line.split(u'\t');
        listed << QStringList{f[0], f[2], f[3], f[4], f[6]}.join(u'|');
    }
    QStringList written;
    QStringList status;
    for (const QStringList &r : routeRows(dir.filePath("out"))) {
        written << QStringList{r[0], r[1].isEmpty() ? "-" : r[1], r[4].isEmpty() ? "-" : r[4],
                               r[5].isEmpty() ? "-" : r[5] + " → " + r[6], r[7]}
                       .join(u'|');
        status << r[9];
    }
    QCOMPARE(written, listed);
    QCOMPARE(status, statuses);
}

void tst_GtfsImport::aRouteThatFailsIsNamedAndTheRestGoOn_data()
{
    QTest::addColumn<Files>("changes"); // to the two-route feed, where Q fails
    QTest::addColumn<QString>("named"); // on standard error

    QTest::newRow("a stop name Shift-JIS cannot hold")
        << Files{{"stops.txt", "stop_id,stop_name,zone_id\nA,停A,Z1\nB,停B,Z1\nC,停C,Z2\nD,停D,Z2\nE,停E,Z3\nK,バス🚌停,Z9\n"},
                 {"stop_times.txt", miniFeed()["stop_times.txt"] + "U,8:00:00,8:00:00,K,1,0\nU,8:09:00,8:09:00,A,2,0\n"}}
        << QStringLiteral("系統「Q」（方向 1）: 取り込めませんでした: %1/stops.txt: 7行目: 停留所「バス🚌停」");
    QTest::newRow("a trip of one stop")
        << Files{{"stop_times.txt", miniFeed()["stop_times.txt"] + "U,8:00:00,8:00:00,C,1,0\n"}}
        << QStringLiteral("系統「Q」（方向 1）: 取り込めませんでした: %1/stop_times.txt: 便「U」の停留所が1件です。");
    QTest::newRow("a stop_sequence given twice")
        << Files{{"stop_times.txt", miniFeed()["stop_times.txt"] + "U,8:00:00,8:00:00,C,1,0\nU,8:05:00,8:05:00,A,1,0\n"}}
        << QStringLiteral("系統「Q」（方向 1）: 取り込めませんでした: %1/stop_times.txt: 8行目: 便「U」の stop_sequence 1 が2回あります。");
    QTest::newRow("a route without trips")
        << Files{{"trips.txt", "route_id,service_id,trip_id,direction_id\nR,WD,T,0\n"},
                 {"stop_times.txt", miniFeed()["stop_times.txt"]}}
        << QStringLiteral("系統「Q」: 取り込めませんでした: %1/trips.txt: 系統「Q」の便がありません。");
}

// A route that cannot be imported is named with why on standard error and
// in routes.csv, gets no folder, and the exit status is 1; the others are
// imported all the same.
void tst_GtfsImport::aRouteThatFailsIsNamedAndTheRestGoOn()
{
    QFETCH(Files, changes);
    QFETCH(QString, named);
    QTemporaryDir dir;
    Files files = twoRouteFeed();
    files.insert(changes);
    const QString feed = dir.filePath("feed");
    QVERIFY(writeFeed(feed, files));
    const QString out = dir.filePath("out");
    const testing::Run run = runTool({"gtfs", feed, "--all", "--chimes", KERUBARA_SAMPLE_DIR, out});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.startsWith(named.arg(feed)), qPrintable(run.err));
    QVERIFY(QFileInfo(out + "/R-0/7.hy3").isFile());
    QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), (QStringList{"R-0", "routes.csv"}));
    const QList<QStringList> rows = routeRows(out);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].mid(8, 2), (QStringList{"R-0", "imported"}));
    QCOMPARE(rows[1].mid(8, 2), (QStringList{"", "failed"}));
    QVERIFY2(!rows[1][10].isEmpty() && run.err.contains(rows[1][10]), qPrintable(rows[1].join('|')));
}

void tst_GtfsImport::routeFoldersStayInsideOutdir_data()
{
    QTest::addColumn<QStringList>("routeIds");
    QTest::addColumn<QStringList>("folders"); // in routes.csv's order

    QTest::newRow("separators and dots") << QStringList{"../up", "/root", "a/../../b", "..", ".", "c\\d"}
                                         << QStringList{"%2E.%2Fup-0", "%2Froot-0", "a%2F..%2F..%2Fb-0", "%2E.-0", "%2E-0", "c%5Cd-0"};
    QTest::newRow("names that would be the same")
        << QStringList{"x/y", "x%2Fy", "Lo", "LO"} << QStringList{"x%2Fy-0", "x%252Fy-0", "Lo-0", "LO-0~2"};
    QTest::newRow("blanks, controls, a leading dot, a long id")
        << QStringList{"a b", "tab\tend", ".hidden", "系統😀1", QString(300, u'z')}
        << QStringList{"a%20b-0", "tab%09end-0", "%2Ehidden-0", "系統😀1-0", QString(200, u'z') + "-0"};
}

// Whatever a route_id holds, its folder is one name inside OUTDIR, and no
// two routes share one.
void tst_GtfsImport::routeFoldersStayInsideOutdir()
{
    QFETCH(QStringList, routeIds);
    QFETCH(QStringList, folders);
    QTemporaryDir dir;
    QByteArray routes = "route_id,route_short_name\n";
    QByteArray trips = "route_id,trip_id,direction_id\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    for (qsizetype k = 0; k < routeIds.size(); ++k) {
        const QByteArray id = csv::quoteField(routeIds[k]).toUtf8();
        const QByteArray trip = "T" + QByteArray::number(k);
        routes += id + "," + QByteArray::number(k + 1) + "\n";
        trips += id + "," + trip + ",0\n";
        times += trip + ",7:00:00,7:00:00,A,1\n" + trip + ",7:05:00,7:05:00,B,2\n";
    }
    Files files = miniFeed();
    files.insert({{"routes.txt", routes}, {"trips.txt", trips}, {"stop_times.txt", times}});
    QVERIFY(writeFeed(dir.filePath("deep/feed"), files));
    const QString out = dir.filePath("deep/out");
    const testing::Run run = runTool({"gtfs", dir.filePath("deep/feed"), "--all", "--chimes", KERUBARA_SAMPLE_DIR, out});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QStringList written;
    for (const QStringList &r : routeRows(out))
        written << r[8];
    QCOMPARE(written, folders);
    QCOMPARE(QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size(), folders.size());
    for (const QString &folder : folders)
        QVERIFY2(QFileInfo(out + "/" + folder + "/route.in4").isFile(), qPrintable(folder));
    // Nothing outside OUTDIR but the feed.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"deep"});
    QCOMPARE(QDir(dir.filePath("deep")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{"feed", "out"}));
}

void tst_GtfsImport::whatOutdirHoldsIsKept_data()
{
    QTest::addColumn<Files>("before"); // in OUTDIR; a value "folder" makes a folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::addColumn<Files>("after"); // files expected then, beside the import's

    QTest::newRow("a run before: its folders updated, their other files kept")
        << Files{{"R-0/7.hy3", "old"}, {"R-0/yomi.csv", "港,ミナト\n"}, {"R-0/notes.txt", "mine"}, {"other/x", "x"},
                 {"routes.csv", "old list"}}
        << 0 << QString() << Files{{"R-0/notes.txt", "mine"}, {"other/x", "x"}};
    QTest::newRow("a file where a route's folder goes stays")
        << Files{{"Q-1", "not a folder"}} << 1
        << QStringLiteral("系統「Q」（方向 1）: 取り込めませんでした: %1/Q-1: フォルダーではないものがあります。")
        << Files{{"Q-1", "not a folder"}};
    QTest::newRow("OUTDIR a file") << Files{{"", "a file"}} << 1 << QStringLiteral("%1: フォルダーではありません。")
                                   << Files{{"", "a file"}};
}

// An OUTDIR that holds something already: a route folder of an earlier run
// is updated as gtfs updates one; nothing else in it is changed.
void tst_GtfsImport::whatOutdirHoldsIsKept()
{
    QFETCH(Files, before);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(Files, after);
    QTemporaryDir dir;
    QVERIFY(writeFeed(dir.filePath("feed"), twoRouteFeed()));
    const QString out = dir.filePath("out");
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const QString path = it.key().isEmpty() ? out : out + "/" + it.key();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(testing::writeFile(path, it.value()));
    }
    const testing::Run run = runTool({"gtfs", dir.filePath("feed"), "--all", "--chimes", KERUBARA_SAMPLE_DIR, out});
    QCOMPARE(run.status, status);
    QVERIFY2(said.isEmpty() ? run.err.isEmpty() : run.err.startsWith(said.arg(out)), qPrintable(run.err));
    if (QFileInfo(out).isFile()) {
        QCOMPARE(contents(dir.path()).value("out"), after.value(""));
        return;
    }
    const auto now = contents(out);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QCOMPARE(now.value(it.key()), it.value());
    QVERIFY(now.value("R-0/7.hy3").size() > 100);
    QCOMPARE(now.value("routes.csv").count('\n'), 3);
    if (before.contains("R-0/yomi.csv"))
        QVERIFY(now.value("R-0/yomi.csv").startsWith("港,ミナト\n"));
    QVERIFY(QDir(out).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot).filter(QRegularExpression("^\\.")).isEmpty());
}

void tst_GtfsImport::everyRouteRefusesOptionsOfOne_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("--route") << QStringList{"--route", "R"};
    QTest::newRow("--trip") << QStringList{"--trip", "T"};
    QTest::newRow("--direction") << QStringList{"--direction", "0"};
    QTest::newRow("--number") << QStringList{"--number", "5"};
}

// gtfs --all takes every route: an option choosing one is a usage error.
void tst_GtfsImport::everyRouteRefusesOptionsOfOne()
{
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    QVERIFY(writeFeed(dir.filePath("feed"), twoRouteFeed()));
    const testing::Run run = runTool(QStringList{"gtfs", dir.filePath("feed"), "--all"} + options + QStringList{dir.filePath("out")});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(options[0]), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(dir.filePath("out")));
}

QTEST_MAIN(tst_GtfsImport)
#include "tst_gtfsimport.moc"
