// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, run as a user runs it.
#include <QProcess>
#include <QTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void refusedArgumentsEndWithAMessage_data();
    void refusedArgumentsEndWithAMessage();
    void helpNamesEveryOption();
};

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run kerubara(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(KERUBARA_PROGRAM), arguments);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

void tst_CommandLine::refusedArgumentsEndWithAMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown backlight state") << QStringList{"--backlight", "ON3"} << QStringLiteral("「ON3」は使えません");
    QTest::newRow("stray argument") << QStringList{"12.hy3"} << QStringLiteral("引数「12.hy3」は使えません");
    QTest::newRow("unknown language") << QStringList{"--lang", "fr"} << QStringLiteral("「fr」は使えません");
    QTest::newRow("refused in English") << QStringList{"--lang=en", "--backlight", "ON3"} << QStringLiteral("(not “ON3”)");
    QTest::newRow("refused in Japanese") << QStringList{"--backlight", "ON3", "--lang", "ja"}
                                         << QStringLiteral("「ON3」は使えません");
    QTest::newRow("a second file to edit") << QStringList{"--edit", "12.hy3", "13.hy3"}
                                           << QStringLiteral("引数「13.hy3」は使えません");
}

void tst_CommandLine::refusedArgumentsEndWithAMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run r = kerubara(arguments);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

void tst_CommandLine::helpNamesEveryOption()
{
    const Run r = kerubara({QStringLiteral("--help")});
    QCOMPARE(r.status, 0);
    for (const char *option : {"--settings <FILE>", "--backlight <STATE>", "--lang <LANG>", "--edit", "[FILE.hy3]"})
        QVERIFY2(r.out.contains(QLatin1StringView(option)), option);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
