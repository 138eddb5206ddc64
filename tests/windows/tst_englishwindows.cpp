// SPDX-License-Identifier: GPL-3.0-or-later

// The console and the options window with the English translation the
// programs carry: every caption in English but the unit's own words, and
// every caption whole within its control.

#include "OptionControls.h"
#include "Untranslated.h"
#include "QuietSimulator.h"
#include "reslib/Fonts.h"
#include "settings/Preferences.h"
#include "windows/CaptionFit.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <optional>

using namespace kerubara;

namespace {

// The Japanese the English windows keep: the unit's own words ("次は" and
// its "は", the ticket numbers' "なし" styles) and the name of the
// language Japanese in its own words.
const QSet<QString> &keptJapanese()
{
    static const QSet<QString> words{QStringLiteral("次は"), QStringLiteral("は"),   QStringLiteral("なし"),
                                     QStringLiteral("無券"), QStringLiteral("券なし"), QStringLiteral("券無し"),
                                     QStringLiteral("日本語")};
    return words;
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// The window a row looks at, shown as the user sees it.
using Show = std::function<QWidget *(testing::QuietSimulator &)>;

QWidget *optionsPage(testing::QuietSimulator &sim, std::size_t page)
{
    frmOption &options = sim->option();
    options.show();
    click(controls(options).Option1[page]);
    return &options;
}

// The English translation the programs carry, installed for a scope.
class English
{
public:
    English()
    {
        QVERIFY(translator_.load(QStringLiteral("kerubara_en"), QStringLiteral(":/i18n")));
        QVERIFY(QCoreApplication::installTranslator(&translator_));
    }
    ~English() { QCoreApplication::removeTranslator(&translator_); }
    English(const English &) = delete;
    English &operator=(const English &) = delete;

private:
    QTranslator translator_;
};

// Every caption shown in `window`, each with the control showing it.
QList<std::pair<QWidget *, QString>> captions(QWidget *window)
{
    QList<std::pair<QWidget *, QString>> found{{window, window->windowTitle()}};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            found.append({w, button->text()});
        else if (auto *label = qobject_cast<QLabel *>(w))
            found.append({w, label->text()});
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            found.append({w, box->title()});
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                found.append({w, combo->itemText(i)});
    }
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Show)

class tst_EnglishWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsAreEnglish_data();
    void captionsAreEnglish();
    void captionsFit_data();
    void captionsFit();
    void languageChoiceIsKept_data();
    void languageChoiceIsKept();
};

void tst_EnglishWindows::initTestCase()
{
    // Measured in the faces the program puts in place of the Windows ones,
    // as the program shows the windows.
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

// The console and each page of the options window, in each of `languages`
// (English: true).
static void addWindowRows(std::initializer_list<bool> languages)
{
    QTest::addColumn<Show>("show");
    QTest::addColumn<QString>("caption"); // one caption the window shows in English
    QTest::addColumn<bool>("english");

    const Show console([](testing::QuietSimulator &sim) -> QWidget * {
        sim->ctl().show();
        return &sim->ctl();
    });
    const char *pages[]{"Fares and announcements", "Panel and ticket numbers", "Digital parts and info digits",
                        "Stop names", "Sound", "Ticket preview"};
    for (const bool english : languages) {
        const char *language = english ? "English" : "Japanese";
        QTest::addRow("console, %s", language) << console << "Reset" << english;
        for (std::size_t page = 0; page < std::size(pages); ++page)
            QTest::addRow("options, page %zu, %s", page + 1, language)
                << Show([page](testing::QuietSimulator &sim) { return optionsPage(sim, page); }) << pages[page]
                << english;
    }
}

void tst_EnglishWindows::captionsAreEnglish()
{
    QFETCH(Show, show);
    QFETCH(QString, caption);
    const English translation;
    testing::QuietSimulator sim;
    QWidget *window = show(sim);
    QStringList all;
    for (const auto &[widget, text] : captions(window))
        all << QString(text).replace(u'\n', u' ');
    QVERIFY2(all.contains(caption), qPrintable(all.join(u" | ")));
    const QStringList left = testing::japaneseLeft(all.join(u'\n'), keptJapanese());
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

void tst_EnglishWindows::captionsAreEnglish_data()
{
    addWindowRows({true});
}

void tst_EnglishWindows::captionsFit_data()
{
    addWindowRows({true, false});
}

// In either language, no caption is wider than its control.
void tst_EnglishWindows::captionsFit()
{
    QFETCH(Show, show);
    QFETCH(bool, english);
    std::optional<English> translation;
    if (english)
        translation.emplace();
    testing::QuietSimulator sim;
    QWidget *window = show(sim);
    QStringList cut;
    for (const auto &[widget, text] : captions(window))
        if (const int over = captionOverflow(widget); over > 0)
            cut << QStringLiteral("%1 \"%2\" by %3 px").arg(widget->objectName(), text).arg(over);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void tst_EnglishWindows::languageChoiceIsKept_data()
{
    QTest::addColumn<int>("downs"); // Down keys pressed on the choice, from the first entry
    QTest::addColumn<QString>("kept");

    QTest::newRow("the locale's") << 0 << "";
    QTest::newRow("Japanese") << 1 << "ja";
    QTest::newRow("English") << 2 << "en";
}

// The language chosen in the options window is kept in the preferences at
// once, and the window shows it again at the next start.
void tst_EnglishWindows::languageChoiceIsKept()
{
    QFETCH(int, downs);
    QFETCH(QString, kept);
    const auto forget = qScopeGuard([] { PreferenceStore(Preferences::Remembered).setText(Preference::Language, {}); });
    {
        testing::QuietSimulator sim;
        QComboBox *choice = controls(sim->option()).cboLanguage;
        sim->option().show();
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Home);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(choice, Qt::Key_Down);
    }
    QCOMPARE(PreferenceStore(Preferences::Remembered).text(Preference::Language), kept);
    testing::QuietSimulator again;
    QCOMPARE(controls(again->option()).cboLanguage->currentIndex(), downs);
}

QTEST_MAIN(tst_EnglishWindows)
#include "tst_englishwindows.moc"
