// SPDX-License-Identifier: GPL-3.0-or-later

// The data tool's words go through Qt's translation: with a translator
// installed, every word a command says to people comes out translated. And
// the translation the user's languages choose: Japanese, the language the
// words are written in, needs none.

#include "Untranslated.h"
#include "ToolRun.h"
#include "tools/PanelCommands.h"
#include "tools/Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTranslator>

namespace {

// Brackets every text it is asked for, so that a word printed without going
// through the translation is left outside the brackets.
class BracketingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return u'«' + QString::fromUtf8(sourceText) + u'»';
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_Translation : public QObject
{
    Q_OBJECT

private slots:
    void commandWordsAreTranslated_data();
    void commandWordsAreTranslated();
    void dataIsNotTranslated_data();
    void dataIsNotTranslated();
    void languageChoosesTranslation_data();
    void languageChoosesTranslation();
};

void tst_Translation::commandWordsAreTranslated_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input"); // written to FILE, named by %1 in args
    QTest::addColumn<bool>("toOut");       // the words are on standard output, else on standard error

    QTest::newRow("no command") << QStringList{} << QByteArray() << false;
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << QByteArray() << false;
    QTest::newRow("help") << QStringList{"--help"} << QByteArray() << true;
    QTest::newRow("render-trip option table") << QStringList{"render-trip", "--zoom", "7"} << QByteArray() << false;
    QTest::newRow("render-panel option") << QStringList{"render-panel", "--stop"} << QByteArray() << false;
    QTest::newRow("render-name option table") << QStringList{"render-name", "--back"} << QByteArray() << false;
    QTest::newRow("gtfs-routes without feed") << QStringList{"gtfs-routes"} << QByteArray() << false;
    QTest::newRow("fare data without count") << QStringList{"dump", "%1/x.hy3"} << QByteArray("x") << false;
    QTest::newRow("settings text, bad line")
        << QStringList{"in4", "%1/x.txt", "%1/x.in4"} << QByteArray("x\n") << false;
}

void tst_Translation::commandWordsAreTranslated()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(bool, toOut);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (QString &a : args)
        a.replace(QStringLiteral("%1"), dir.path());
    if (!input.isEmpty()) {
        QFile file(args[1]);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(input);
    }
    BracketingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    // As the program runs them, the panel's commands too.
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    kerubara::datatool::runWithPanel(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    QCoreApplication::removeTranslator(&translator);

    QVERIFY2((toOut ? out : err).contains(u'«'), qPrintable(out + err));
    QCOMPARE(testing::untranslated(out + err), QString());
}

void tst_Translation::dataIsNotTranslated_data()
{
    QTest::addColumn<QStringList>("prepare"); // run first, to make the file (%1 is a folder of the test's own)
    QTest::addColumn<QStringList>("args");    // what prints the data

    const QString examples = QStringLiteral(KERUBARA_EXAMPLES_DIR);
    QTest::newRow("announcements as CSV") << QStringList{} << QStringList{"dump", examples + "/12tp.csv"};
    QTest::newRow("fare data as CSV") << QStringList{"hy3", examples + "/12.csv", "%1/12.hy3"}
                                      << QStringList{"dump", "%1/12.hy3"};
    QTest::newRow("settings as text") << QStringList{"in4", examples + "/demo-settings.txt", "%1/x.in4"}
                                      << QStringList{"dump", "%1/x.in4"};
}

// What a command prints as data is the same whatever the translation.
void tst_Translation::dataIsNotTranslated()
{
    QFETCH(QStringList, prepare);
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (QStringList *list : {&prepare, &args})
        for (QString &a : *list)
            a.replace(QStringLiteral("%1"), dir.path());
    if (!prepare.isEmpty())
        QCOMPARE(testing::runTool(prepare).status, 0);
    const testing::Run japanese = testing::runTool(args);
    QCOMPARE(japanese.status, 0);
    BracketingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const testing::Run translated = testing::runTool(args);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(!japanese.out.isEmpty());
    QCOMPARE(translated.out, japanese.out);
}

void tst_Translation::languageChoosesTranslation_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("loaded"); // the translation's language; empty: the Japanese words

    QTest::newRow("English") << QStringList{"en-US", "en"} << "en";
    QTest::newRow("a country's English") << QStringList{"en-GB"} << "en";
    QTest::newRow("no translation, then English") << QStringList{"fr-FR", "en"} << "en";
    QTest::newRow("Japanese before English") << QStringList{"ja-JP", "en-US"} << "";
    QTest::newRow("Japanese") << QStringList{"ja"} << "";
    QTest::newRow("no translation") << QStringList{"fr-FR", "de"} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
}

void tst_Translation::languageChoosesTranslation()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, loaded);
    QTranslator translator;
    const bool found = kerubara::loadTranslation(translator, uiLanguages);
    QCOMPARE(found, !loaded.isEmpty());
    if (found)
        QCOMPARE(QLocale(translator.language()).language(), QLocale(loaded).language());
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_translation.moc"
