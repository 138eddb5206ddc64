// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "reslib/TicketBarcode.h"
#include "reslib/TicketPlugin.h"
#include "reslib/TicketPluginFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

using Fields = std::array<std::int32_t, 14>;

// The smallest plug-in: lines 1 to 4.
const QByteArray kMinimal = "[Plugin]\nFormat=kerubara-ticket 1\nWidth=100\nHeight=80\n";

TicketPlugin parsed(const QByteArray &text)
{
    TicketPluginRead read = parseTicketPlugin(text);
    if (!read.plugin)
        qWarning("refused at line %d: kind %d", read.error.line, int(read.error.kind));
    return read.plugin.value_or(TicketPlugin{});
}

PlgInfoRecord record(const Fields &fields)
{
    return PlgInfoRecord{fields};
}

} // namespace

Q_DECLARE_METATYPE(PlgInfoRecord)

class tst_TicketPluginFile : public QObject
{
    Q_OBJECT

private slots:
    void pluginKeysFillTheirFieldsAsWritten_data();
    void pluginKeysFillTheirFieldsAsWritten();
    void damagedFilesAreRefusedWithLineAndReason_data();
    void damagedFilesAreRefusedWithLineAndReason();
    void layoutItemsReadEveryField();
    void commentIsKeptAsWrittenAndCompaniesOneALine();
    void libraryCallsReadTheFileOrChangeNothing();
    void barcodeCarriesRouteAndTicketNumber_data();
    void barcodeCarriesRouteAndTicketNumber();

private:
    QTemporaryDir dir_;
};

void tst_TicketPluginFile::pluginKeysFillTheirFieldsAsWritten_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<PlgInfoRecord>("expected");
    QTest::addColumn<int>("barcodeType"); // -1 = none

    QTest::newRow("only the required keys") << kMinimal << record({0, 100, 80}) << -1;
    QTest::newRow("every key, each to its own field")
        << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=1\nHeight=2\nPrintDate=3\nPrintTime=4\n"
                      "PrintRoute=5\nPrintStopName=6\nBarcode=7\nBarcodeCount=8\nRouteMax=9\nBarcodeScheme=10\n"
                      "StopMin=11\nStopMax=12\nCompanySwitch=13\nBarcodeType=ITF\n")
        << record({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}) << int(BarcodeType::Itf);
    QTest::newRow("keys in any case, blanks around key and value, BOM and CRLF")
        << QByteArray("\xEF\xBB\xBF[plugin]\r\n  FORMAT = kerubara-ticket 1 \r\nwidth=2000\r\nHEIGHT= 1\r\n"
                      "barcode = 1\r\nbarcodetype = nw7\r\n")
        << record({0, 2000, 1, 0, 0, 0, 0, 1}) << int(BarcodeType::Nw7);
    QTest::newRow("the ends of the ranges")
        << kMinimal + "RouteMax=999999999\nStopMin=0\nStopMax=32767\nBarcodeCount=10\nPrintDate=-2147483648\n"
                      "BarcodeScheme=2147483647\nBarcodeType=code128\n"
        << record({0, 100, 80, std::numeric_limits<std::int32_t>::min(), 0, 0, 0, 0, 10, 999999999,
                   std::numeric_limits<std::int32_t>::max(), 0, 32767})
        << int(BarcodeType::Code128);
    QTest::newRow("keys only count in [Plugin], comment lines are skipped")
        << QByteArray("; a note\n# another\n\n[Comment]\nWidth=5\n[Plugin]\n;Width=9\n# Height=9\n"
                      "Format=kerubara-ticket 1\nWidth=30\nHeight=20\n[Companies]\nPrintDate=1\n")
        << record({0, 30, 20}) << -1;
}

void tst_TicketPluginFile::pluginKeysFillTheirFieldsAsWritten()
{
    QFETCH(QByteArray, text);
    QFETCH(PlgInfoRecord, expected);
    QFETCH(int, barcodeType);
    const TicketPluginRead read = parseTicketPlugin(text);
    QVERIFY2(read.plugin, qPrintable(read.error.values.join(u' ')));
    QCOMPARE(read.plugin->info.field, expected.field);
    QCOMPARE(read.plugin->barcodeType ? int(*read.plugin->barcodeType) : -1, barcodeType);
}

void tst_TicketPluginFile::damagedFilesAreRefusedWithLineAndReason_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<TicketPluginError::Kind>("kind");
    QTest::addColumn<QStringList>("values");
    using K = TicketPluginError::Kind;

    QTest::newRow("empty file") << QByteArray() << 0 << K::Empty << QStringList{};
    QTest::newRow("only a BOM") << QByteArray("\xEF\xBB\xBF") << 0 << K::Empty << QStringList{};
    QByteArray big = kMinimal;
    big += QByteArray(int(kMaxTicketPluginBytes) - big.size() + 1, ';');
    QTest::newRow("one byte over 1 MiB") << big << 0 << K::TooLarge << QStringList{};
    QTest::newRow("no [Plugin] section") << QByteArray("[Comment]\nhello\n") << 0 << K::NoPluginSection << QStringList{};
    QTest::newRow("Format missing") << QByteArray("\n[Plugin]\nWidth=1\nHeight=1\n") << 2 << K::NoFormat << QStringList{"kerubara-ticket 1"};
    QTest::newRow("another format") << QByteArray("[Plugin]\nFormat=kerubara-ticket 2\n") << 2 << K::BadFormat << QStringList{"kerubara-ticket 1", "kerubara-ticket 2"};
    QTest::newRow("Width missing") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nHeight=1\n") << 1 << K::MissingKey << QStringList{"Width"};
    QTest::newRow("Height missing") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=1\n") << 1 << K::MissingKey << QStringList{"Height"};
    QTest::newRow("Width 0") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=0\nHeight=1\n") << 3
                             << K::OutOfRange << QStringList{"Width", "0", "1", "2000"};
    QTest::newRow("Width not a number")
        << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=12px\nHeight=1\n") << 3 << K::NotInteger << QStringList{"Width", "12px"};
    QTest::newRow("Width empty") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=\nHeight=1\n") << 3 << K::NotInteger << QStringList{"Width", ""};
    QTest::newRow("Width 2001") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=2001\nHeight=1\n") << 3
                                << K::OutOfRange << QStringList{"Width", "2001", "1", "2000"};
    QTest::newRow("Height 0") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=1\nHeight=0\n") << 4
                              << K::OutOfRange << QStringList{"Height", "0", "1", "2000"};
    QTest::newRow("flag beyond 32 bits") << kMinimal + "PrintDate=2147483648\n" << 5 << K::OutOfRange << QStringList{"PrintDate", "2147483648", "-2147483648", "2147483647"};
    QTest::newRow("11 barcodes") << kMinimal + "BarcodeCount=11\n" << 5 << K::OutOfRange << QStringList{"BarcodeCount", "11", "0", "10"};
    QTest::newRow("ticket number beyond 16 bits") << kMinimal + "StopMax=32768\n" << 5 << K::OutOfRange << QStringList{"StopMax", "32768", "0", "32767"};
    QTest::newRow("StopMin above StopMax") << kMinimal + "StopMax=3\nStopMin=5\n" << 6 << K::StopsReversed << QStringList{"5", "3"};
    QTest::newRow("Barcode=1 without its type") << kMinimal + "\nBarcode=1\n" << 6 << K::NoBarcodeType << QStringList{};
    QTest::newRow("unknown barcode type") << kMinimal + "BarcodeType=EAN13\n" << 5 << K::BadBarcodeType << QStringList{"EAN13"};
    QTest::newRow("unknown key") << kMinimal + "Colour=1\n" << 5 << K::UnknownKey << QStringList{"Plugin", "Colour"};
    QTest::newRow("duplicate key in another case") << kMinimal + "WIDTH=100\n" << 5 << K::KeyTwice << QStringList{"Width"};
    QTest::newRow("unknown section") << kMinimal + "[Tickets]\n" << 5 << K::UnknownSection << QStringList{"Tickets"};
    QTest::newRow("section twice") << kMinimal + "[Comment]\n[Comment]\n" << 6 << K::SectionTwice << QStringList{"Comment"};
    QTest::newRow("line without =") << kMinimal + "Barcode\n" << 5 << K::NotKeyValue << QStringList{"Barcode"};
    QTest::newRow("text before any section") << "Format=kerubara-ticket 1\n" + kMinimal << 1 << K::BeforeSection << QStringList{"Format=kerubara-ticket 1"};
    QTest::newRow("sequence cut at the line end") << kMinimal + "[Companies]\n\xE3\x81\n" << 6 << K::NotUtf8 << QStringList{};
    QTest::newRow("Shift-JIS text") << kMinimal + "[Companies]\n\x83\x6F\x83\x58\n" << 6 << K::NotUtf8 << QStringList{};
    QTest::newRow("unknown layout key") << kMinimal + "[Layout]\nLogo=1,1,1,1\n" << 6 << K::UnknownKey << QStringList{"Layout", "Logo"};
    QTest::newRow("layout box of three numbers") << kMinimal + "[Layout]\nNumber=1,1,10\n" << 6 << K::BadItem << QStringList{"Number", "1,1,10"};
    QTest::newRow("layout box of no width") << kMinimal + "[Layout]\nNumber=1,1,0,10\n" << 6 << K::OutOfRange << QStringList{"Number", "0", "1", "2000"};
    QTest::newRow("layout weight") << kMinimal + "[Layout]\nDate=1,1,10,10,8,heavy\n" << 6 << K::BadWeight << QStringList{"Date", "heavy"};
    QTest::newRow("layout item colour") << kMinimal + "[Layout]\nDate=1,1,10,10,,,,red\n" << 6 << K::BadColour << QStringList{"Date", "red"};
    QTest::newRow("paper colour") << kMinimal + "[Layout]\nPaper=#FFF\n" << 6 << K::BadColour << QStringList{"Paper", "#FFF"};
    QTest::newRow("face") << kMinimal + "[Layout]\nFace=Arial\n" << 6 << K::BadFace << QStringList{"Arial"};
    QTest::newRow("border") << kMinimal + "[Layout]\nBorder=51\n" << 6 << K::OutOfRange << QStringList{"Border", "51", "0", "50"};
}

void tst_TicketPluginFile::damagedFilesAreRefusedWithLineAndReason()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(TicketPluginError::Kind, kind);
    QFETCH(QStringList, values);
    const TicketPluginRead read = parseTicketPlugin(text);
    QVERIFY(!read.plugin);
    QCOMPARE(read.error.line, line);
    QCOMPARE(read.error.kind, kind);
    QCOMPARE(read.error.values, values);
}

void tst_TicketPluginFile::layoutItemsReadEveryField()
{
    const TicketPlugin plugin = parsed(kMinimal
                                       + "[Layout]\nnumber = 1, 2, 30, 40, 25, bold, right, #102030\n"
                                         "Date=5,6,7,8,,bold\nPaper=FFEEDD\nInk=#010203\nFace=mincho\nBorder=4\n");
    const auto &number = plugin.layout.items[std::size_t(TicketItem::Number)];
    QVERIFY(number);
    QCOMPARE(number->box, QRect(1, 2, 30, 40));
    QCOMPARE(number->size, 25);
    QVERIFY(number->bold);
    QCOMPARE(number->align, Qt::AlignRight);
    QCOMPARE(number->colour, QColor(0x10, 0x20, 0x30));

    // Empty and missing fields keep the item's defaults.
    const ItemLayout date = itemLayout(plugin, TicketItem::Date);
    QCOMPARE(date.box, QRect(5, 6, 7, 8));
    QCOMPARE(date.size, 0);
    QVERIFY(date.bold);
    QCOMPARE(date.align, Qt::AlignLeft);
    QVERIFY(!date.colour.isValid());

    QCOMPARE(plugin.layout.paper, QColor(0xFF, 0xEE, 0xDD));
    QCOMPARE(plugin.layout.ink, QColor(1, 2, 3));
    QVERIFY(plugin.layout.mincho);
    QCOMPARE(plugin.layout.border, 4);

    // Items without a line of their own go to their default place inside the ticket.
    const ItemLayout caption = itemLayout(plugin, TicketItem::Caption);
    QVERIFY(!plugin.layout.items[std::size_t(TicketItem::Caption)]);
    QVERIFY(QRect(0, 0, 100, 80).contains(caption.box));
    QVERIFY(caption.bold);
}

void tst_TicketPluginFile::commentIsKeptAsWrittenAndCompaniesOneALine()
{
    const TicketPlugin plugin = parsed(kMinimal
                                       + "[Comment]\r\n  indented = not a key\r\n; not a comment here\r\n\r\n"
                                         "after a blank line\r\n\r\n\r\n"
                                         "[Companies]\r\n  みどり交通  \r\n; a comment\r\n\r\nひがし観光バス\r\n");
    QCOMPARE(plugin.comment, u"  indented = not a key\n; not a comment here\n\nafter a blank line"_s);
    QCOMPARE(plugin.companies, (QStringList{u"みどり交通"_s, u"ひがし観光バス"_s}));
}

void tst_TicketPluginFile::libraryCallsReadTheFileOrChangeNothing()
{
    const QString good = dir_.filePath(u"good.4SP"_s);
    QVERIFY(testing::writeFile(good, kMinimal + "CompanySwitch=1\n[Comment]\nline 1\nline 2\n[Companies]\nA社\nB社\n"));
    const QString bad = dir_.filePath(u"bad.4SP"_s);
    QVERIFY(testing::writeFile(bad, kMinimal + "Width=5\n[Comment]\nnever shown\n[Companies]\nC社\n"));

    PlgInfoRecord info;
    QCOMPARE(ZR8_GetPlgInfo(good, info), 1);
    QCOMPARE(info.field, (Fields{0, 100, 80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

    const PlgInfoRecord untouched{{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}};
    for (const QString &refused : {bad, dir_.filePath(u"missing.4SP"_s), dir_.path()}) {
        info = untouched;
        QCOMPARE(ZR8_GetPlgInfo(refused, info), 0);
        QCOMPARE(info, untouched);
    }
}

void tst_TicketPluginFile::barcodeCarriesRouteAndTicketNumber_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("route");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("content"); // empty = out of range (範囲外)

    const QByteArray serial = "RouteMax=999\nStopMin=1\nStopMax=99\nBarcodeScheme=1\nBarcodeType=NW7\n";
    const QByteArray flagged = "RouteMax=999\nStopMin=1\nStopMax=99\nBarcodeScheme=0\nBarcodeType=NW7\n";
    QTest::newRow("serial: padded route, padded number") << serial << 12 << 4 << u"01204"_s;
    QTest::newRow("route and direction: a 0 between") << flagged << 12 << 4 << u"012004"_s;
    QTest::newRow("scheme 2 is route and direction too")
        << QByteArray(flagged).replace("Scheme=0", "Scheme=2") << 12 << 4 << u"012004"_s;
    QTest::newRow("digits follow RouteMax and StopMax")
        << QByteArray("RouteMax=9\nStopMin=0\nStopMax=1000\nBarcodeScheme=1\nBarcodeType=CODE128\n") << 7 << 42
        << u"70042"_s;
    QTest::newRow("highest route and ticket number") << serial << 999 << 99 << u"99999"_s;
    QTest::newRow("lowest route and ticket number") << serial << 1 << 1 << u"00101"_s;
    QTest::newRow("route above RouteMax") << serial << 1000 << 4 << QString();
    QTest::newRow("route 0") << serial << 0 << 4 << QString();
    QTest::newRow("ticket number below StopMin") << serial << 12 << 0 << QString();
    QTest::newRow("ticket number above StopMax") << serial << 12 << 100 << QString();
    QTest::newRow("ITF: an odd count gets a leading 0")
        << QByteArray(serial).replace("NW7", "ITF") << 12 << 4 << u"001204"_s;
    QTest::newRow("ITF: an even count stays") << QByteArray(flagged).replace("NW7", "ITF") << 12 << 4 << u"012004"_s;
}

void tst_TicketPluginFile::barcodeCarriesRouteAndTicketNumber()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, route);
    QFETCH(int, number);
    QFETCH(QString, content);
    const TicketPlugin plugin = parsed(kMinimal + "Barcode=1\nBarcodeCount=2\n" + keys);
    QCOMPARE(ticketBarcodeContent(plugin, route, number).value_or(QString()), content);
    const QStringList barcodes = ticketBarcodes(plugin, route, number);
    QCOMPARE(barcodes, content.isEmpty() ? QStringList() : QStringList(2, content));
}

QTEST_MAIN(tst_TicketPluginFile)
#include "tst_ticketpluginfile.moc"
