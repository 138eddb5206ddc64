// SPDX-License-Identifier: GPL-3.0-or-later

// The data tool's words go through Qt's translation: with a translator
// installed, every word a command says to people comes out translated. And
// the translation the user's languages choose: Japanese, the language the
// words are written in, needs none.

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

// The Japanese left outside the brackets (a translated word put into
// another is bracketed within its brackets).
QString untranslated(QString text)
{
    static const QRegularExpression bracketed(QStringLiteral("«[^«»]*»"));
    static const QRegularExpression japanese(QStringLiteral("[\\p{Hiragana}\\p{Katakana}\\p{Han}（）「」、。～]+"));
    for (qsizetype length = -1; length != text.size();) {
        length = text.size();
        text.remove(bracketed);
    }
    QStringList found;
    for (const auto &m : text.split(u'\n'))
        for (auto it = japanese.globalMatch(m); it.hasNext();)
            found << it.next().captured();
    return found.join(u' ');
}

} // namespace

class tst_Translation : public QObject
{
    Q_OBJECT

private slots:
    void commandWordsAreTranslated_data();
    void commandWordsAreTranslated();
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
    QCOMPARE(untranslated(out + err), QString());
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
