// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "reslib/Fonts.h"
#include "reslib/TicketPlugin.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

const QRgb kPaper = qRgb(0xFF, 0xF0, 0xD0);
const QRgb kUnpainted = qRgb(0xFF, 0x00, 0xFF);

// A 200 x 200 ticket with every item in a box of its own.
QByteArray ticket(const QByteArray &pluginKeys)
{
    return "[Plugin]\nFormat=kerubara-ticket 1\nWidth=200\nHeight=200\n" + pluginKeys
        + "[Companies]\nみどり交通\nひがし観光バス\n"
          "[Layout]\nPaper=#FFF0D0\nInk=#000000\n"
          "Company=0,0,200,20\nCaption=0,20,100,30\nRoute=100,20,100,30\nNumber=0,50,200,50\n"
          "StopName=0,100,200,20\nDate=0,120,100,20\nTime=100,120,100,20\nBarcode=0,140,200,60\n";
}

TicketText sampleText()
{
    return {u"市役所前"_s, u"12-07-2026"_s, u"08:15:00"_s, 12, 4, -1};
}

TicketPlugin parsed(const QByteArray &text)
{
    TicketPluginRead read = parseTicketPlugin(text);
    if (!read.plugin)
        qWarning("refused at line %d: kind %d", read.error.line, int(read.error.kind));
    return read.plugin.value_or(TicketPlugin{});
}

QImage draw(const TicketPlugin &plugin, const TicketText &text, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kUnpainted);
    QPainter p(&image);
    drawTicket(p, image.rect(), plugin, text);
    return image;
}

// Pixels in `box` that differ from the paper.
int inkIn(const QImage &image, const QRect &box)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.pixel(x, y) != kPaper;
    }
    return count;
}

// The lines of text in `box`: runs of rows with ink.
QList<QRect> inkLines(const QImage &image, const QRect &box)
{
    QList<QRect> lines;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        if (inkIn(image, QRect(box.left(), y, box.width(), 1)) == 0)
            continue;
        if (!lines.isEmpty() && lines.back().bottom() == y - 1)
            lines.back().setBottom(y);
        else
            lines.append(QRect(box.left(), y, box.width(), 1));
    }
    return lines;
}

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kPaper)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class tst_TicketDrawing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paperAndExactlyTheDeclaredItems_data();
    void paperAndExactlyTheDeclaredItems();
    void nothingIsDrawnOutsideThePicture_data();
    void nothingIsDrawnOutsideThePicture();
    void longTextsShrinkIntoTheirBox_data();
    void longTextsShrinkIntoTheirBox();
    void longStopNamesWrapRatherThanShrinkFar_data();
    void longStopNamesWrapRatherThanShrinkFar();
    void timePrintsHoursAndMinutes();
    void digitsHaveAPlainZero_data();
    void digitsHaveAPlainZero();
    void boldTextHasARealBoldFace();
    void barcodesReadBackWithAScanner_data();
    void barcodesReadBackWithAScanner();
    void outOfRangePrintsTextInsteadOfABarcode();
    void drawSeirikenFillsTheDeviceOrDrawsNothing();

private:
    // What zbarimg reads in the image, one symbol a line; nothing found is empty.
    QStringList scan(const QImage &image);

    QTemporaryDir dir_;
    QString zbarimg_;
};

void tst_TicketDrawing::initTestCase()
{
    const QStringList missing = installFontSubstitutions();
    if (!missing.isEmpty())
        qWarning("fonts missing: %s", qPrintable(missing.join(u", ")));
    zbarimg_ = QStandardPaths::findExecutable(u"zbarimg"_s);
}

QStringList tst_TicketDrawing::scan(const QImage &image)
{
    const QString png = dir_.filePath(u"scan.png"_s);
    if (!image.save(png))
        return {u"(not saved)"_s};
    QProcess zbar;
    zbar.start(zbarimg_, {u"--nodbus"_s, u"--quiet"_s, u"--raw"_s, png});
    if (!zbar.waitForFinished(30000))
        return {u"(zbarimg did not finish)"_s};
    return QString::fromUtf8(zbar.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void tst_TicketDrawing::paperAndExactlyTheDeclaredItems_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("company");
    QTest::addColumn<QList<QRect>>("inked");
    QTest::addColumn<QList<QRect>>("blank");

    const QRect company(0, 0, 200, 20), caption(0, 20, 100, 30), route(100, 20, 100, 30), number(0, 50, 200, 50),
        stop(0, 100, 200, 20), date(0, 120, 100, 20), time(100, 120, 100, 20), barcode(0, 140, 200, 60);
    QTest::newRow("nothing declared: caption and number only")
        << QByteArray() << 0 << QList<QRect>{caption, number}
        << QList<QRect>{company, route, stop, date, time, barcode};
    QTest::newRow("every item")
        << QByteArray("PrintDate=1\nPrintTime=1\nPrintRoute=1\nPrintStopName=1\nBarcode=1\nBarcodeCount=1\n"
                      "BarcodeType=CODE128\nRouteMax=99\nStopMax=99\nCompanySwitch=1\n")
        << 1 << QList<QRect>{company, caption, route, number, stop, date, time, barcode} << QList<QRect>{};
    QTest::newRow("flags other than 1 print nothing")
        << QByteArray("PrintDate=2\nPrintTime=-1\nPrintRoute=2\nPrintStopName=3\nBarcode=2\nBarcodeCount=1\n"
                      "BarcodeType=CODE128\nRouteMax=99\nStopMax=99\n")
        << 0 << QList<QRect>{caption, number} << QList<QRect>{company, route, stop, date, time, barcode};
    QTest::newRow("no company chosen") << QByteArray("CompanySwitch=1\n") << -1 << QList<QRect>{}
                                       << QList<QRect>{company};
    QTest::newRow("company index past the list") << QByteArray("CompanySwitch=3\n") << 2 << QList<QRect>{}
                                                 << QList<QRect>{company};
    QTest::newRow("company without company switching") << QByteArray() << 0 << QList<QRect>{}
                                                       << QList<QRect>{company};
    QTest::newRow("no barcode when the count is 0")
        << QByteArray("Barcode=1\nBarcodeCount=0\nBarcodeType=NW7\nRouteMax=99\nStopMax=99\n") << -1
        << QList<QRect>{} << QList<QRect>{barcode};
}

void tst_TicketDrawing::paperAndExactlyTheDeclaredItems()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, company);
    QFETCH(QList<QRect>, inked);
    QFETCH(QList<QRect>, blank);
    TicketText text = sampleText();
    text.company = company;
    const QImage image = draw(parsed(ticket(keys)), text, {200, 200});
    QCOMPARE(image.pixel(0, 199), kPaper);
    QCOMPARE(image.pixel(199, 0), kPaper);
    for (const QRect &box : inked)
        QVERIFY2(inkIn(image, box) > 0, qPrintable(u"blank at %1,%2"_s.arg(box.x()).arg(box.y())));
    for (const QRect &box : blank)
        QVERIFY2(inkIn(image, box) == 0, qPrintable(u"ink at %1,%2"_s.arg(box.x()).arg(box.y())));
}

void tst_TicketDrawing::nothingIsDrawnOutsideThePicture_data()
{
    QTest::addColumn<QRect>("picture");
    QTest::newRow("40 x 30 preview") << QRect(50, 60, 40, 30);
    QTest::newRow("one pixel") << QRect(3, 4, 1, 1);
    QTest::newRow("wide and flat") << QRect(10, 10, 180, 12);
    QTest::newRow("larger than the design") << QRect(20, 20, 400, 360);
}

void tst_TicketDrawing::nothingIsDrawnOutsideThePicture()
{
    QFETCH(QRect, picture);
    TicketPlugin plugin = parsed(ticket("PrintDate=1\nPrintTime=1\nPrintRoute=1\nPrintStopName=1\nBarcode=1\n"
                                        "BarcodeCount=3\nBarcodeType=ITF\nRouteMax=99\nStopMax=99\n"
                                        "CompanySwitch=1\n"));
    plugin.layout.border = 6;
    // Boxes running past the right and bottom edges of the design.
    plugin.layout.items[std::size_t(TicketItem::Route)]->box = QRect(150, 20, 120, 40);
    plugin.layout.items[std::size_t(TicketItem::Route)]->size = 40;
    plugin.layout.items[std::size_t(TicketItem::Barcode)]->box = QRect(0, 160, 260, 90);
    TicketText text = sampleText();
    text.stopName = u"国立がんセンター東病院前バスターミナル北口"_s;
    text.company = 0;
    QImage canvas(440, 400, QImage::Format_RGB32);
    canvas.fill(kUnpainted);
    {
        QPainter p(&canvas);
        drawTicket(p, picture, plugin, text);
    }
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inside = picture.contains(x, y);
            if (inside == (canvas.pixel(x, y) == kUnpainted))
                QFAIL(qPrintable(u"pixel %1,%2 %3"_s.arg(x).arg(y).arg(inside ? u"not painted"_s : u"painted"_s)));
        }
    }
}

void tst_TicketDrawing::longTextsShrinkIntoTheirBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("short name at its full size") << u"駅前"_s << false;
    QTest::newRow("long name made smaller") << u"国立がんセンター東病院前バスターミナル北口"_s << true;
}

void tst_TicketDrawing::longTextsShrinkIntoTheirBox()
{
    QFETCH(QString, name);
    QFETCH(bool, shrunk);
    // Only the stop name on plain paper: caption and number sit outside the picture.
    const TicketPlugin plugin = parsed("[Plugin]\nFormat=kerubara-ticket 1\nWidth=100\nHeight=60\nPrintStopName=1\n"
                                       "[Layout]\nPaper=#FFF0D0\nCaption=99,59,1,1\nNumber=99,59,1,1\n"
                                       "StopName=10,20,80,24,24\n");
    TicketText text = sampleText();
    text.number = 1;
    text.stopName = name;
    QImage image = draw(plugin, text, {100, 60});
    image.setPixel(99, 59, kPaper); // whatever the 1-pixel caption left there
    const QRect ink = inkBounds(image);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(QRect(10, 20, 80, 24).contains(ink), qPrintable(u"ink %1,%2 %3x%4"_s.arg(ink.x()).arg(ink.y())
                                                                 .arg(ink.width()).arg(ink.height())));
    // A name cut at the box edge would keep its full height; a smaller one
    // may take two lines, each less tall.
    const QList<QRect> lines = inkLines(image, image.rect());
    QCOMPARE(std::all_of(lines.begin(), lines.end(), [](const QRect &line) { return line.height() < 12; }), shrunk);
}

void tst_TicketDrawing::longStopNamesWrapRatherThanShrinkFar_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("boxHeight");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("minLineHeight");
    // Text 20 pixels tall in a box 130 wide: six characters a line.
    QTest::newRow("room for two lines: two at its size") << u"国立がんセンター東病院前"_s << 60 << 2 << 15;
    QTest::newRow("one-line box, a little too long: one line, a little smaller") << u"市役所前北口店"_s << 24 << 1 << 13;
    QTest::newRow("one-line box, far too long: two lines, not a tiny one")
        << u"国立がんセンター東病院前バスターミナル北口"_s << 24 << 2 << 7;
}

void tst_TicketDrawing::longStopNamesWrapRatherThanShrinkFar()
{
    QFETCH(QString, name);
    QFETCH(int, boxHeight);
    QFETCH(int, minLineHeight);
    const QRect box(10, 10, 130, boxHeight);
    TicketText text = sampleText();
    text.stopName = name;
    QImage image = draw(parsed("[Plugin]\nFormat=kerubara-ticket 1\nWidth=150\nHeight=80\nPrintStopName=1\n[Layout]\n"
                               "Paper=#FFF0D0\nCaption=149,79,1,1\nNumber=149,79,1,1\nStopName=10,10,130,"
                               + QByteArray::number(boxHeight) + ",20\n"),
                        text, {150, 80});
    image.setPixel(149, 79, kPaper); // whatever the 1-pixel caption left there
    QVERIFY(box.contains(inkBounds(image)));
    const QList<QRect> lines = inkLines(image, box);
    QTEST(int(lines.size()), "lines");
    QList<int> widths;
    for (const QRect &line : lines) {
        QVERIFY(line.height() >= minLineHeight);
        widths << inkBounds(image.copy(line)).width();
    }
    // Two lines share the name fairly: not a full line and a stub.
    if (widths.size() == 2)
        QVERIFY(std::min(widths[0], widths[1]) * 2 >= std::max(widths[0], widths[1]));
}

void tst_TicketDrawing::timePrintsHoursAndMinutes()
{
    const TicketPlugin plugin = parsed(ticket("PrintTime=1\n"));
    const auto at = [&](const QString &time) {
        TicketText text = sampleText();
        text.time = time;
        return draw(plugin, text, {200, 200});
    };
    QCOMPARE(at(u"08:15:59"_s), at(u"08:15:00"_s)); // no seconds
    QVERIFY(at(u"08:16:00"_s) != at(u"08:15:00"_s));
}

void tst_TicketDrawing::digitsHaveAPlainZero_data()
{
    QTest::addColumn<QByteArray>("weight");
    QTest::newRow("regular") << QByteArray("normal");
    QTest::newRow("bold") << QByteArray("bold");
}

void tst_TicketDrawing::digitsHaveAPlainZero()
{
    QFETCH(QByteArray, weight);
    // Ticket number 10, large: the middle of its 0 is the hole, where a
    // slashed or dotted 0 has ink.
    TicketText text = sampleText();
    text.number = 10;
    QImage image = draw(parsed("[Plugin]\nFormat=kerubara-ticket 1\nWidth=200\nHeight=120\n[Layout]\nPaper=#FFF0D0\n"
                               "Caption=199,119,1,1\nNumber=0,0,200,120,100," + weight + ",center\n"),
                        text, {200, 120});
    image.setPixel(199, 119, kPaper);
    const QRect ink = inkBounds(image);
    int left = ink.right(); // the 0: the inked columns at the right
    while (inkIn(image, QRect(left - 1, 0, 1, 120)) > 0)
        --left;
    const QPoint middle = inkBounds(image.copy(left, 0, ink.right() + 1 - left, 120)).center() + QPoint(left, 0);
    QCOMPARE(inkIn(image, QRect(middle - QPoint(2, 2), QSize(5, 5))), 0);
}

void tst_TicketDrawing::boldTextHasARealBoldFace()
{
    if (!QFontDatabase::families().contains(u"Noto Sans CJK JP"_s))
        QSKIP("fonts-noto-cjk is not installed: bold text is the IPA face made bold");
    for (const bool mincho : {false, true}) {
        TicketLayout layout;
        layout.mincho = mincho;
        const QString family = QFontInfo(ticketFont(layout, true)).family();
        const QStringList styles = QFontDatabase::styles(family);
        QVERIFY2(std::any_of(styles.begin(), styles.end(),
                             [&](const QString &s) { return QFontDatabase::weight(family, s) >= QFont::Bold; }),
                 qPrintable(family));
    }
}

void tst_TicketDrawing::barcodesReadBackWithAScanner_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("content");
    QTest::newRow("NW-7, serial") << QByteArray("NW7") << 1 << 1 << u"01204"_s;
    QTest::newRow("NW-7, route and direction") << QByteArray("NW7") << 0 << 1 << u"012004"_s;
    QTest::newRow("ITF, serial (padded to pairs)") << QByteArray("ITF") << 1 << 1 << u"001204"_s;
    QTest::newRow("CODE39, serial") << QByteArray("CODE39") << 1 << 1 << u"01204"_s;
    QTest::newRow("CODE128, route and direction") << QByteArray("CODE128") << 0 << 1 << u"012004"_s;
    QTest::newRow("two CODE128 barcodes") << QByteArray("CODE128") << 1 << 2 << u"01204"_s;
    QTest::newRow("three NW-7 barcodes") << QByteArray("NW7") << 1 << 3 << u"01204"_s;
}

void tst_TicketDrawing::barcodesReadBackWithAScanner()
{
    if (zbarimg_.isEmpty())
        QSKIP("zbarimg (zbar-tools) is not installed");
    QFETCH(QByteArray, type);
    QFETCH(int, scheme);
    QFETCH(int, count);
    QFETCH(QString, content);
    const TicketPlugin plugin = parsed(ticket("Barcode=1\nBarcodeType=" + type + "\nBarcodeScheme="
                                              + QByteArray::number(scheme) + "\nBarcodeCount="
                                              + QByteArray::number(count) + "\nRouteMax=999\nStopMin=1\nStopMax=99\n"));
    QCOMPARE(ticketBarcodes(plugin, 12, 4), QStringList(count, content));
    // A scanner takes equal barcodes in one picture for one, so each is read
    // from a strip across the middle of its own row of the barcode box.
    const QImage image = draw(plugin, sampleText(), {200, 200});
    const QRect box(0, 140, 200, 60);
    for (int row = 0; row < count; ++row) {
        const int middle = box.top() + (2 * row + 1) * box.height() / (2 * count);
        const int half = box.height() / (count * 6);
        QStringList read = scan(image.copy(0, middle - half, 200, 2 * half));
        if (type == "NW7") {
            // The scanner reports NW-7's start and stop characters too.
            for (QString &symbol : read) {
                QVERIFY2(symbol.startsWith(u'A') && symbol.endsWith(u'A'), qPrintable(symbol));
                symbol = symbol.mid(1, symbol.size() - 2);
            }
        }
        QCOMPARE(read, QStringList{content});
    }
}

void tst_TicketDrawing::outOfRangePrintsTextInsteadOfABarcode()
{
    const TicketPlugin plugin = parsed(ticket("Barcode=1\nBarcodeType=CODE128\nBarcodeCount=2\nRouteMax=99\n"
                                              "StopMin=1\nStopMax=9\n"));
    TicketText text = sampleText();
    text.route = 100;
    QVERIFY(ticketBarcodes(plugin, text.route, text.number).isEmpty());
    const QImage outOfRange = draw(plugin, text, {200, 200});
    QVERIFY(inkIn(outOfRange, QRect(0, 140, 200, 60)) > 0);
    text.route = 12;
    const QImage inRange = draw(plugin, text, {200, 200});
    QVERIFY(outOfRange != inRange);
    if (!zbarimg_.isEmpty()) {
        QCOMPARE(scan(outOfRange), QStringList());
        QCOMPARE(scan(inRange), QStringList{u"1204"_s});
    }
}

void tst_TicketDrawing::drawSeirikenFillsTheDeviceOrDrawsNothing()
{
    const QString good = dir_.filePath(u"good.4SP"_s);
    QVERIFY(testing::writeFile(good, ticket("PrintStopName=1\n")));
    const QString bad = dir_.filePath(u"bad.4SP"_s);
    QVERIFY(testing::writeFile(bad, ticket("PrintStopName=1\nWidth=3000\n")));

    QImage untouched(40, 30, QImage::Format_RGB32);
    untouched.fill(kUnpainted);
    for (const QString &path : {bad, dir_.filePath(u"missing.4SP"_s), QString()}) {
        QImage image = untouched;
        {
            QPainter dc(&image);
            ZR8_DrawSeiriken(path, dc, u"市役所前"_s, u"12-07-2026"_s, u"08:15:00"_s, 12, 4, 5, -1);
        }
        QCOMPARE(image, untouched);
    }
    // A stop with ticket number 0 (or below) issues no ticket.
    for (const std::int16_t number : {0, -3}) {
        QImage image = untouched;
        {
            QPainter dc(&image);
            ZR8_DrawSeiriken(good, dc, u"市役所前"_s, u"12-07-2026"_s, u"08:15:00"_s, 12, number, 5, -1);
        }
        QCOMPARE(image, untouched);
    }

    // A 40 x 30 preview of a 200 x 200 design: paper to every edge, the
    // design scaled down with it.
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kUnpainted);
    {
        QPainter dc(&image);
        ZR8_DrawSeiriken(good, dc, u"市役所前"_s, u"12-07-2026"_s, u"08:15:00"_s, 12, 4, 5, -1);
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29)})
        QCOMPARE(image.pixel(corner), kPaper);
    QVERIFY(inkIn(image, QRect(0, 6, 40, 14)) > 0); // caption and number
}

QTEST_MAIN(tst_TicketDrawing)
#include "tst_ticketdrawing.moc"
