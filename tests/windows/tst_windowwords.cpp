// SPDX-License-Identifier: GPL-3.0-or-later

// The windows' and dialogs' words go through Qt's translation, under the
// contexts the translation file gathers them in: with a pseudo translation
// made from translations/kerubara_en.ts installed, every word a window shows
// comes out translated.

#include "Untranslated.h"
#include "FakeDialogs.h"
#include "OptionControls.h"
#include "QuietSimulator.h"
#include "windows/AutoRunPanel.h"
#include "windows/Form1.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>

using namespace kerubara;

namespace {

// Every text the .ts file holds, translated as «text» in its own context; a
// word shown without going through the translation, or under a context the
// file does not gather it in, is left outside the brackets.
class PseudoTranslation : public QTranslator
{
public:
    explicit PseudoTranslation(const QString &tsFile)
    {
        QFile file(tsFile);
        if (!file.open(QIODevice::ReadOnly))
            return;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"source")
                known_.insert(context + u'\x1f' + sourceText(xml));
        }
    }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QString source = QString::fromUtf8(sourceText);
        if (!known_.contains(QString::fromUtf8(context) + u'\x1f' + source))
            return {};
        return u'«' + source + u'»';
    }
    bool isEmpty() const override { return known_.isEmpty(); }

private:
    // A source text, where lupdate writes a control character (the \r of a
    // message box's line ends) as <byte value="xd"/>.
    static QString sourceText(QXmlStreamReader &xml)
    {
        QString text;
        while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"source") {
            if (xml.isCharacters())
                text += xml.text();
            else if (xml.isStartElement() && xml.name() == u"byte")
                text += QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
            else if (xml.atEnd())
                break;
        }
        return text;
    }

    QSet<QString> known_; // context, unit separator, source text
};

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// What the modal dialog that `open` shows says: its caption and texts; the
// dialog is then closed.
QString modalDialogWords(const std::function<void()> &open)
{
    QString words;
    QTimer::singleShot(0, [&words] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        words = dialog->windowTitle();
        for (const QPlainTextEdit *text : dialog->findChildren<QPlainTextEdit *>())
            words += u'\n' + text->toPlainText();
        dialog->reject();
    });
    open();
    return words;
}

QString messageWords(const testing::QuietSimulator &sim)
{
    QString words;
    for (const MsgBoxCall &m : sim.messages)
        words += m.prompt + u'\n' + m.title + u'\n' + m.details + u'\n';
    return words;
}

// The options window's ticket preview page, its controls usable.
const frmOptionControls &previewPage(testing::QuietSimulator &sim)
{
    sim->option().show();
    const frmOptionControls &o = controls(sim->option());
    click(o.Option1[5]);
    QTest::mouseClick(o.chkUseSeiriPrev, Qt::LeftButton, {}, QPoint(8, o.chkUseSeiriPrev->height() / 2));
    return o;
}

// The words one window or dialog shows, got as a user gets them.
using WordsOf = std::function<QString(testing::QuietSimulator &)>;

} // namespace

Q_DECLARE_METATYPE(WordsOf)

class tst_WindowWords : public QObject
{
    Q_OBJECT

private slots:
    void windowWordsAreTranslated_data();
    void windowWordsAreTranslated();
};

void tst_WindowWords::windowWordsAreTranslated_data()
{
    QTest::addColumn<WordsOf>("wordsOf");

    QTest::newRow("console: exit question") << WordsOf([](testing::QuietSimulator &sim) {
        sim->ctl().close(); // answered OK, not Yes: the program runs on
        return messageWords(sim);
    });
    QTest::newRow("console: version dialog") << WordsOf(
        [](testing::QuietSimulator &sim) { return modalDialogWords([&sim] { click(sim->ctl().Command8); }); });
    QTest::newRow("console: auto-run tool tips and labels") << WordsOf([](testing::QuietSimulator &sim) {
        const AutoRunPanel &run = *sim->ctl().autoRun;
        QString words = run.button()->text() + u'\n' + run.button()->toolTip() + u'\n' + run.dwellSeconds()->toolTip()
            + u'\n' + run.travelSeconds()->suffix();
        for (const QLabel *label : run.findChildren<QLabel *>())
            words += u'\n' + label->text();
        return words;
    });
    QTest::newRow("panel: context menu") << WordsOf([](testing::QuietSimulator &sim) {
        Form1 &panel = sim->form1();
        QTest::mouseClick(panel.windowHandle(), Qt::RightButton, {}, QPoint(40, 40));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return QString();
        QString words;
        for (const QAction *action : menu->actions()) {
            words += action->text() + u'\n';
            if (action->menu())
                for (const QAction *choice : action->menu()->actions())
                    words += choice->text() + u'\n';
        }
        menu->close();
        return words;
    });
    QTest::newRow("options: folder dialog") << WordsOf([](testing::QuietSimulator &sim) {
        testing::FakeDialogs dialogs;
        const ScopedResDialogs scoped(dialogs);
        sim->option().show();
        click(controls(sim->option()).Command3[0]);
        return dialogs.lastTitle;
    });
    QTest::newRow("options: tab captions and number styles") << WordsOf([](testing::QuietSimulator &sim) {
        const frmOptionControls &o = controls(sim->option());
        QString words;
        for (const QAbstractButton *tab : o.Option1)
            words += tab->text() + u'\n';
        for (int i = 0; i < o.Combo2->count(); ++i)
            words += o.Combo2->itemText(i) + u'\n';
        return words;
    });
    QTest::newRow("options: plug-in the settings file cannot name") << WordsOf([](testing::QuietSimulator &sim) {
        testing::FakeDialogs dialogs;
        dialogs.file = QStringLiteral("/café/full.4SP");
        const ScopedResDialogs scoped(dialogs);
        click(previewPage(sim).Command1);
        QString words = dialogs.lastTitle;
        for (const FileFilter &filter : dialogs.lastFilter)
            words += u'\n' + filter.description;
        return words + u'\n' + messageWords(sim);
    });
    QTest::newRow("options: date dialog") << WordsOf([](testing::QuietSimulator &sim) {
        const frmOptionControls &o = previewPage(sim);
        return modalDialogWords([&o] { click(o.Command7); });
    });
}

void tst_WindowWords::windowWordsAreTranslated()
{
    QFETCH(WordsOf, wordsOf);
    PseudoTranslation translation(QStringLiteral(KERUBARA_TS_FILE));
    QVERIFY(!translation.isEmpty());
    QVERIFY(QCoreApplication::installTranslator(&translation));
    const auto removed = qScopeGuard([&translation] { QCoreApplication::removeTranslator(&translation); });
    testing::QuietSimulator sim;
    const QString words = wordsOf(sim);
    QVERIFY2(words.contains(u'«'), qPrintable(words));
    QCOMPARE(testing::untranslated(words), QString());
}

QTEST_MAIN(tst_WindowWords)
#include "tst_windowwords.moc"
