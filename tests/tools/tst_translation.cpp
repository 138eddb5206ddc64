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
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTranslator>
#include <QXmlStreamReader>

#include <optional>

using kerubara::Language;

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

// The Japanese an English text may keep: the unit's own words and the
// Japanese examples of the data tool's help (a text to speak, a default
// stop name, the words of a stop name and announcement).
const QSet<QString> &keptJapanese()
{
    static const QSet<QString> words{QStringLiteral("次は"),      QStringLiteral("次"),         QStringLiteral("は"),
                                     QStringLiteral("ー"),        QStringLiteral("お降りの方"), QStringLiteral("一丁目"),
                                     QStringLiteral("円"),        QStringLiteral("分"),         QStringLiteral("時"),
                                     QStringLiteral("中央駅前"),  QStringLiteral("このバスは"), QStringLiteral("行き"),
                                     QStringLiteral("県庁前（群馬）"), QStringLiteral("（群馬）")};
    return words;
}

// The %1 … %99 a text fills in, sorted.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The text of the element the reader is in, where lupdate writes a control
// character as <byte value="xd"/>.
QString elementText(QXmlStreamReader &xml)
{
    const QString name = xml.name().toString();
    QString text;
    while (!xml.atEnd() && (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != name)) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
    }
    return text;
}

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
    void everyEntryIsTranslated_data();
    void everyEntryIsTranslated();
    void localeChoosesLanguage_data();
    void localeChoosesLanguage();
    void choiceOverridesLocale_data();
    void choiceOverridesLocale();
    void toolSpeaksTheLanguage_data();
    void toolSpeaksTheLanguage();
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

void tst_Translation::everyEntryIsTranslated_data()
{
    QTest::addColumn<QString>("tsFile");
    const QDir folder(QStringLiteral(KERUBARA_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

// Every word of a translation file is translated, finished, and fills in
// the same %1, %2 … as the Japanese: an entry left out shows Japanese in the
// middle of another language, a lost %1 drops what it names.
void tst_Translation::everyEntryIsTranslated()
{
    QFETCH(QString, tsFile);
    QFile file(tsFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    int entries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = elementText(xml);
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            if (type == u"obsolete" || type == u"vanished")
                continue;
            const QString translation = elementText(xml);
            const QString entry = context + QStringLiteral(": ") + source;
            QVERIFY2(type != u"unfinished", qPrintable(QStringLiteral("unfinished: ") + entry));
            QVERIFY2(!translation.isEmpty(), qPrintable(QStringLiteral("empty: ") + entry));
            QCOMPARE(placeholders(translation), placeholders(source));
            ++entries;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(entries > 0);
}

void tst_Translation::localeChoosesLanguage_data()
{
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("english");

    QTest::newRow("LANG English") << "" << "" << "en_US.UTF-8" << true;
    QTest::newRow("LANG British English") << "" << "" << "en_GB.UTF-8" << true;
    QTest::newRow("LANG English, no country") << "" << "" << "en" << true;
    QTest::newRow("LANG English with a modifier") << "" << "" << "en_IE@euro" << true;
    QTest::newRow("LANG Japanese") << "" << "" << "ja_JP.UTF-8" << false;
    QTest::newRow("LANG French") << "" << "" << "fr_FR.UTF-8" << false;
    QTest::newRow("LANG C") << "" << "" << "C.UTF-8" << false;
    QTest::newRow("no locale") << "" << "" << "" << false;
    QTest::newRow("a language starting with en") << "" << "" << "enx_XX" << false;
    QTest::newRow("LC_ALL before LANG") << "ja_JP.UTF-8" << "" << "en_US.UTF-8" << false;
    QTest::newRow("LC_ALL English") << "en_US.UTF-8" << "ja_JP.UTF-8" << "ja_JP.UTF-8" << true;
    QTest::newRow("LC_MESSAGES before LANG") << "" << "en_GB.UTF-8" << "ja_JP.UTF-8" << true;
    QTest::newRow("LC_ALL before LC_MESSAGES") << "C" << "en_GB.UTF-8" << "en_GB.UTF-8" << false;
}

void tst_Translation::localeChoosesLanguage()
{
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(bool, english);
    QProcessEnvironment environment;
    const std::pair<const char *, QString> vars[]{{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
    for (const auto &[name, value] : vars)
        if (!value.isEmpty())
            environment.insert(QString::fromLatin1(name), value);
    const Language language = kerubara::chosenLanguage(std::nullopt, {}, kerubara::messagesLocale(environment));
    QCOMPARE(language == Language::English, english);
}

void tst_Translation::choiceOverridesLocale_data()
{
    QTest::addColumn<QString>("asked");     // --lang; empty: not given
    QTest::addColumn<QString>("preferred"); // the options window's choice
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("english");

    QTest::newRow("--lang en over a Japanese locale") << "en" << "" << "ja_JP.UTF-8" << true;
    QTest::newRow("--lang ja over an English locale") << "ja" << "" << "en_US.UTF-8" << false;
    QTest::newRow("--lang over the choice") << "ja" << "en" << "en_US.UTF-8" << false;
    QTest::newRow("choice English") << "" << "en" << "ja_JP.UTF-8" << true;
    QTest::newRow("choice Japanese") << "" << "ja" << "en_US.UTF-8" << false;
    QTest::newRow("no choice: the locale") << "" << "" << "en_US.UTF-8" << true;
    QTest::newRow("an unknown choice: the locale") << "" << "de" << "en_US.UTF-8" << true;
}

void tst_Translation::choiceOverridesLocale()
{
    QFETCH(QString, asked);
    QFETCH(QString, preferred);
    QFETCH(QString, locale);
    QFETCH(bool, english);
    const Language language = kerubara::chosenLanguage(
        asked.isEmpty() ? std::nullopt : kerubara::languageNamed(asked), preferred, locale);
    QCOMPARE(language == Language::English, english);
}

void tst_Translation::toolSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("said"); // a word the output holds

    QTest::newRow("help, English locale") << "en_US.UTF-8" << QStringList{"--help"} << 0 << true << "Usage:";
    QTest::newRow("unknown command, English locale")
        << "en_US.UTF-8" << QStringList{"frobnicate"} << 2 << true << "There is no command";
    QTest::newRow("missing file, English locale")
        << "en_US.UTF-8" << QStringList{"dump", "/nonexistent/12.hy3"} << 1 << true << "not found";
    QTest::newRow("help, Japanese locale") << "ja_JP.UTF-8" << QStringList{"--help"} << 0 << false << "使い方";
    QTest::newRow("--lang en, Japanese locale")
        << "ja_JP.UTF-8" << QStringList{"--lang", "en", "frobnicate"} << 2 << true << "There is no command";
    QTest::newRow("--lang=ja, English locale")
        << "en_US.UTF-8" << QStringList{"--lang=ja", "frobnicate"} << 2 << false << "コマンドはありません";
    QTest::newRow("--lang of no language, English locale")
        << "en_US.UTF-8" << QStringList{"--lang", "fr", "--help"} << 2 << true << "--lang";
    QTest::newRow("--lang without a value") << "en_US.UTF-8" << QStringList{"--lang"} << 2 << true << "--lang";
}

// The data tool's help and refusals, as the program prints them, in the
// language the locale or --lang chooses.
void tst_Translation::toolSpeaksTheLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(bool, english);
    QFETCH(QString, said);
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(KERUBARA_DATA_PROGRAM), args);
    QVERIFY(tool.waitForFinished(60000));
    const QString words = QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
    QCOMPARE(tool.exitCode(), status);
    QVERIFY2(words.contains(said), qPrintable(words));
    if (english)
        QCOMPARE(testing::japaneseLeft(words, keptJapanese()), QStringList());
    else
        QVERIFY2(!testing::japaneseLeft(words, keptJapanese()).isEmpty(), qPrintable(words));
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_translation.moc"
