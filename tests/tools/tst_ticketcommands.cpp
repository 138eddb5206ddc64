// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "ToolRun.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kFull = QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-full.4SP");
const QString kPlain = QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-plain.4SP");

} // namespace

class tst_TicketCommands : public QObject
{
    Q_OBJECT

private slots:
    void pluginListsWhatTheProgramReads();
    void pluginRefusalIsOneLineWithFileLineAndReason_data();
    void pluginRefusalIsOneLineWithFileLineAndReason();
    void renderTicketWritesThePluginsSizeAndItsBarcodes_data();
    void renderTicketWritesThePluginsSizeAndItsBarcodes();
    void renderTicketFailuresWriteNothing_data();
    void renderTicketFailuresWriteNothing();

private:
    QTemporaryDir dir_;
};

void tst_TicketCommands::pluginListsWhatTheProgramReads()
{
    const testing::Run r = testing::runTool({u"plugin"_s, kFull});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out,
             u"PlgInfo 0 200 256 1 1 1 1 1 1 999 1 1 99 1\n"
               "日付の印字 ---> 可能\n"
               "時刻の印字 ---> 可能\n"
               "系統番号の印字 ---> 可能\n"
               "停名の印字 ---> 可能\n"
               "バーコード印字 ---> 可能\n"
               "バーコード本数 ---> 1\n"
               "バーコード系統方式 ---> 連番式\n"
               "設定可能な系統範囲 ---> 1 ～ 999\n"
               "停留所認識範囲 ---> 1 ～ 99\n"
               "社名切り替え:---> 可能\n"
               "[Comment]\n"
               "日付・時刻・系統・停留所名・社名を印字する整理券です。\n"
               "バーコード（NW-7）に系統番号（3桁）と整理券番号（2桁）を記録します。\n"
               "系統は 1～999、整理券番号は 1～99 まで扱えます。\n"
               "社名は集中操作盤の一覧で切り替えます。\n"
               "[Companies]\n"
               "みどり交通\n"
               "ひがし観光バス\n"
               "中央市営バス\n"_s);
    QCOMPARE(r.err, QString());
}

void tst_TicketCommands::pluginRefusalIsOneLineWithFileLineAndReason_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QString>("where");
    QTest::newRow("value out of range") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=5000\nHeight=9\n")
                                        << u": 3行目: Width の値「5000」は範囲外です（1～2000）。\n"_s;
    QTest::newRow("Barcode=1 without a type")
        << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=5\nHeight=9\n\nBarcode=1\n") << u": 6行目: "_s;
    QTest::newRow("empty file") << QByteArray("\xEF\xBB\xBF") << u": 空のファイルです。\n"_s;
    QTest::newRow("missing file") << QByteArray() << u": ファイルが見つかりません。\n"_s;
}

void tst_TicketCommands::pluginRefusalIsOneLineWithFileLineAndReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, where);
    const QString path = dir_.filePath(u"refused.4SP"_s);
    QFile::remove(path);
    if (!bytes.isEmpty())
        QVERIFY(testing::writeFile(path, bytes));
    const testing::Run r = testing::runTool({u"plugin"_s, path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.startsWith(path + where), qPrintable(r.err));
    QCOMPARE(r.err.count(u'\n'), 1);
}

void tst_TicketCommands::renderTicketWritesThePluginsSizeAndItsBarcodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("out");
    QTest::newRow("full sample, defaults: route 1, ticket 1")
        << QStringList{kFull} << QSize(200, 256) << u"barcode: 00101\n"_s;
    QTest::newRow("full sample, every option")
        << QStringList{kFull,         u"--route"_s, u"12"_s,           u"--number=4"_s,  u"--stop-name"_s,
                       u"市役所前"_s, u"--date"_s,  u"2026/07/12"_s,   u"--time"_s,      u"08:15:00"_s,
                       u"--company"_s, u"2"_s,      u"--position"_s,   u"5"_s}
        << QSize(200, 256) << u"barcode: 01204\n"_s;
    QTest::newRow("route beyond RouteMax: no barcode")
        << QStringList{kFull, u"--route"_s, u"1000"_s} << QSize(200, 256) << QString();
    QTest::newRow("plain sample has no barcode") << QStringList{kPlain, u"--route"_s, u"12"_s} << QSize(160, 200)
                                                 << QString();
}

void tst_TicketCommands::renderTicketWritesThePluginsSizeAndItsBarcodes()
{
    QFETCH(QStringList, args);
    const QString png = dir_.filePath(u"ticket.png"_s);
    args.insert(1, png);
    const testing::Run r = testing::runTool(QStringList{u"render-ticket"_s} + args);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QTEST(r.out, "out");
    const QImage image(png);
    QTEST(image.size(), "size");
}

void tst_TicketCommands::renderTicketFailuresWriteNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused plug-in") << QStringList{u"@refused"_s, u"@png"_s} << 1 << u"3行目"_s;
    QTest::newRow("refused plug-in whose name looks like placeholders")
        << QStringList{u"@odd"_s, u"@png"_s} << 1 << u"refused %2 %3.4SP: 3行目: Width"_s;
    QTest::newRow("no output") << QStringList{kFull} << 2 << u"PNG"_s;
    QTest::newRow("unknown option") << QStringList{kFull, u"@png"_s, u"--colour"_s, u"1"_s} << 2 << u"--colour"_s;
    QTest::newRow("missing value") << QStringList{kFull, u"@png"_s, u"--route"_s} << 2 << u"--route"_s;
    QTest::newRow("ticket number beyond 16 bits") << QStringList{kFull, u"@png"_s, u"--number"_s, u"40000"_s} << 2
                                                  << u"-32768～32767"_s;
    QTest::newRow("route not a number") << QStringList{kFull, u"@png"_s, u"--route=twelve"_s} << 2 << u"twelve"_s;
}

void tst_TicketCommands::renderTicketFailuresWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString refused = dir_.filePath(u"refused.4SP"_s);
    QVERIFY(testing::writeFile(refused, "[Plugin]\nFormat=kerubara-ticket 1\nWidth=-1\nHeight=9\n"));
    const QString png = dir_.filePath(u"bad.png"_s);
    const QString odd = dir_.filePath(u"refused %2 %3.4SP"_s);
    QVERIFY(QFile::copy(refused, odd) || QFile::exists(odd));
    args.replaceInStrings(u"@refused"_s, refused);
    args.replaceInStrings(u"@odd"_s, odd);
    args.replaceInStrings(u"@png"_s, png);
    const testing::Run r = testing::runTool(QStringList{u"render-ticket"_s} + args);
    QTEST(r.status, "status");
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(r.out, QString());
    QVERIFY(!QFile::exists(png));
}

QTEST_MAIN(tst_TicketCommands)
#include "tst_ticketcommands.moc"
