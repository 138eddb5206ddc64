// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmOption.h"

#include "FakeDialogs.h"
#include "OptionControls.h"
#include "SettingsBytes.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Fonts.h"
#include "reslib/MsgBox.h"
#include "reslib/Shell.h"
#include "settings/SettingsFile.h"
#include "windows/ColorButton.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

using namespace kerubara;

class tst_frmOption : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithTheInitialSettings();
    void windowAndModelShowTheSameSettings_data();
    void windowAndModelShowTheSameSettings();
    void listsHoldTheirEntries();
    void checkBoxesInvertTheirDependants_data();
    void checkBoxesInvertTheirDependants();
    void panelImageOptionsShowThePerStateFrames();
    void previewCheckShowsPluginAndDateFrames();
    void tabsBringTheirPageToTheFront();
    void dialogsFillTheirControls_data();
    void dialogsFillTheirControls();
    void cancelledDialogsChangeNothing();
    void aTextTheSettingsFileCannotHoldIsRefused_data();
    void aTextTheSettingsFileCannotHoldIsRefused();
    void dateDialogWritesYearMonthDay();
    void digitColoursPreviewOnTheSampleDigit();
    void openFolderAsksTheShell_data();
    void openFolderAsksTheShell();
    void okAppliesToThePanelAndHides();
    void closingOnlyHides();
    void tabCaptionsBreakBetweenWords_data();
    void tabCaptionsBreakBetweenWords();
    void optionsAndChecksFitTheirFrames_data();
    void optionsAndChecksFitTheirFrames();
    void enterInATextBoxKeepsTheWindowOpen_data();
    void enterInATextBoxKeepsTheWindowOpen();
    void colourButtonsSayWhichColourTheySet_data();
    void colourButtonsSayWhichColourTheySet();
    void colourDialogOpensOnTheButtonsColour_data();
    void colourDialogOpensOnTheButtonsColour();

private:
    // Shows the window with page `page` in front, and on the sound page the
    // sound frame `soundFrame`.
    frmOption &showPage(int page, int soundFrame = 1);
    // A colour button by its name, "Command5(0)" .. "Command9(2)".
    ColorButton *colourButton(const QString &name);
    // A text box by its name, "Text2(0)", "txtSelectSound(7)" ...
    QLineEdit *textBox(const QString &name);
    // A "..." button by its name, "Command3(0)", "cmdSelectSound(7)", "Command1" ...
    QPushButton *pathButton(const QString &name);

    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scoped_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    QStringList messages_;
};

void tst_frmOption::initTestCase()
{
    // The window is laid out for the faces the program puts in place of the
    // Windows ones; the layout checks below mean something only with them.
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_frmOption::init()
{
    dialogs_ = testing::FakeDialogs{};
    scoped_ = std::make_unique<ScopedResDialogs>(dialogs_);
    messages_.clear();
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        messages_ << c.prompt;
        return int(vbOK);
    });
    sim_ = std::make_unique<Simulator>();
    sim_->start();
}

void tst_frmOption::cleanup()
{
    sim_.reset();
    boxes_.reset();
    scoped_.reset();
}

// The window starts showing the settings of a program without a settings
// file, as the one table of the settings gives them, and so the model the
// unit reads holds them.
void tst_frmOption::startsWithTheInitialSettings()
{
    SettingsRecords initial = settingsfile::initialRecords(QDate::currentDate());
    const std::vector<settingsfile::Field> expected = settingsfile::fields(initial);
    const std::vector<settingsfile::Field> actual = settingsfile::fields(sim_->settings().records());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const settingsfile::Field &field = expected[i];
        if (field.holder == settingsfile::Holder::State || field.holder == settingsfile::Holder::Slider)
            continue;
        if (field.kind() == settingsfile::FieldKind::Text)
            QCOMPARE(*std::get<QByteArray *>(actual[i].value), *std::get<QByteArray *>(field.value));
        else
            QVERIFY2(actual[i].number() == field.number(),
                     qPrintable(QStringLiteral("%1 = %2, expected %3").arg(field.name).arg(actual[i].number()).arg(field.number())));
    }
    QVERIFY(!controls(sim_->option()).txtSelectSound[2]);
}

// A change in the window is in the model at once, for the unit reads it
// there the moment it needs it (no OK or save in between); a change of the
// model from elsewhere shows in the window.
void tst_frmOption::windowAndModelShowTheSameSettings_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value"); // a list's index, a box checked (1), an option chosen (-1)
    QTest::newRow("a list") << QStringLiteral("Combo1") << 41;
    QTest::newRow("a check box") << QStringLiteral("Check3(2)") << 1;
    QTest::newRow("an option button") << QStringLiteral("Option2(1)") << -1;
    QTest::newRow("the other of its group") << QStringLiteral("Option2(0)") << 0;
    QTest::newRow("a colour") << QStringLiteral("Command9(1)") << int(rgb(1, 2, 3));
}

void tst_frmOption::windowAndModelShowTheSameSettings()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    frmOption &o = showPage(4);
    const auto fieldOf = [&](const QString &name) {
        return settingsfile::field(sim_->settings().records(), name).value_or(settingsfile::Field{});
    };
    const frmOptionControls &c = controls(o);
    if (field == u"Combo1") {
        c.Combo1->setCurrentIndex(value);
        QCOMPARE(sim_->settings().stepSoundFlagColumn(), value + 1);
    } else if (field == u"Check3(2)") {
        QTest::mouseClick(c.Check3[2], Qt::LeftButton, {}, QPoint(6, c.Check3[2]->height() / 2));
        QVERIFY(sim_->settings().infoDigit(OperationSettings::InfoDigit::RouteNumber).has_value());
    } else if (field.startsWith(u"Option2")) {
        QTest::mouseClick(c.Option2[1], Qt::LeftButton, {}, QPoint(6, c.Option2[1]->height() / 2));
        QVERIFY(!sim_->settings().stepSoundAlways());
    } else {
        c.Command9[1]->setBackColor(OleColor(value));
    }
    QCOMPARE(fieldOf(field).number(), value);

    // And back: the model's own change shows in the window.
    sim_->settings().setTsugiwaMode(2);
    QCOMPARE(c.Combo6->currentIndex(), 2);
    sim_->settings().setBroadcastDataFolder(QStringLiteral("tape/"));
    QCOMPARE(c.Text2[1]->text(), QStringLiteral("tape/"));
}

void tst_frmOption::listsHoldTheirEntries()
{
    frmOption &o = sim_->option();
    QCOMPARE(controls(o).Combo2->count(), 12);
    QCOMPARE(controls(o).Combo2->itemText(0), QStringLiteral("1,2,3... 12 （既定の表示）"));
    QCOMPARE(controls(o).Combo2->itemText(9), QStringLiteral("「券無し」、2,3... 12"));
    QCOMPARE(controls(o).Combo4[0]->count(), 12);
    QCOMPARE(controls(o).Combo4[0]->itemText(0), QStringLiteral("1"));
    QCOMPARE(controls(o).Combo4[4]->count(), 150);
    QCOMPARE(controls(o).Combo1->count(), 150);
    QCOMPARE(controls(o).Combo1->itemText(149), QStringLiteral("150"));
    QCOMPARE(controls(o).Combo3->count(), 5);
    QCOMPARE(controls(o).Combo3->itemText(4), QStringLiteral("英数字はゴシック、それ以外は明朝"));
    QCOMPARE(controls(o).Combo6->itemText(1), QStringLiteral("「次は」を表示（「は」が小さい）"));
    QCOMPARE(controls(o).Combo5->itemText(3), QStringLiteral("「は」だけゴシック体"));
}

void tst_frmOption::checkBoxesInvertTheirDependants_data()
{
    QTest::addColumn<int>("box"); // 0..4 = Check3(i), 9 = Check1
    QTest::addColumn<QStringList>("dependants");
    QTest::newRow("Check1 -> Frame3") << 9 << QStringList{"Frame3"};
    QTest::newRow("Check3(0) -> Combo4(0), Check3(4)") << 0 << QStringList{"Combo4(0)", "Check3(4)"};
    QTest::newRow("Check3(1) -> Combo4(1)") << 1 << QStringList{"Combo4(1)"};
    QTest::newRow("Check3(2) -> Combo4(2)") << 2 << QStringList{"Combo4(2)"};
    QTest::newRow("Check3(3) -> Combo4(3), Combo4(4)") << 3 << QStringList{"Combo4(3)", "Combo4(4)"};
}

void tst_frmOption::checkBoxesInvertTheirDependants()
{
    QFETCH(int, box);
    QFETCH(QStringList, dependants);
    frmOption &o = sim_->option();
    auto widget = [&](const QString &name) -> QWidget * {
        if (name == "Frame3")
            return controls(o).Frame3;
        if (name == "Check3(4)")
            return controls(o).Check3[4];
        return controls(o).Combo4[static_cast<std::size_t>(name.mid(7, 1).toInt())];
    };
    QCheckBox *check = box == 9 ? controls(o).Check1 : controls(o).Check3[static_cast<std::size_t>(box)];
    for (const QString &d : dependants)
        QCOMPARE(widget(d)->isEnabled(), check->isChecked());
    check->click();
    for (const QString &d : dependants)
        QCOMPARE(widget(d)->isEnabled(), check->isChecked());
    // Restoring a value works through the same handler.
    setCheckValue(check, check->isChecked() ? 0 : 1);
    for (const QString &d : dependants)
        QCOMPARE(widget(d)->isEnabled(), check->isChecked());
}

void tst_frmOption::panelImageOptionsShowThePerStateFrames()
{
    frmOption &o = sim_->option();
    for (QGroupBox *f : controls(o).Frame6)
        QVERIFY(!f->isEnabled() && f->isHidden());
    controls(o).Option3[1]->click();
    for (QGroupBox *f : controls(o).Frame6)
        QVERIFY(f->isEnabled() && !f->isHidden());
    controls(o).Option3[2]->click(); // a per-state option inside leaves them shown
    for (QGroupBox *f : controls(o).Frame6)
        QVERIFY(f->isEnabled() && !f->isHidden());
    controls(o).Option3[0]->click();
    for (QGroupBox *f : controls(o).Frame6)
        QVERIFY(!f->isEnabled() && f->isHidden());
}

void tst_frmOption::previewCheckShowsPluginAndDateFrames()
{
    frmOption &o = sim_->option();
    QVERIFY(controls(o).Frame10->isHidden() && controls(o).Frame7->isHidden());
    controls(o).chkUseSeiriPrev->click();
    QVERIFY(!controls(o).Frame10->isHidden() && controls(o).Frame10->isEnabled());
    QVERIFY(!controls(o).Frame7->isHidden() && controls(o).Frame7->isEnabled());
    controls(o).txtSeiriPlgDir->setText("/x/a.4SP");
    controls(o).chkUseSeiriPrev->click();
    QVERIFY(controls(o).Frame10->isHidden() && !controls(o).Frame7->isEnabled());
    QCOMPARE(controls(o).txtSeiriPlgDir->text(), QString("/x/a.4SP"));
}

void tst_frmOption::tabsBringTheirPageToTheFront()
{
    frmOption &o = sim_->option();
    QVERIFY(controls(o).Option1[0]->isChecked());
    QVERIFY(!controls(o).Frame1[0]->isHidden());
    for (int i = 0; i < 6; ++i) {
        controls(o).Option1[i]->click();
        for (int j = 0; j < 6; ++j)
            QCOMPARE(controls(o).Frame1[j]->isHidden(), i != j);
    }
    QCOMPARE(controls(o).Frame1[4]->title(), QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"));
    QVERIFY(controls(o).Option5[1]->isChecked());
    QVERIFY(!controls(o).Frame2[1]->isHidden() && controls(o).Frame2[0]->isHidden());
    controls(o).Option5[0]->click();
    QVERIFY(!controls(o).Frame2[0]->isHidden() && controls(o).Frame2[1]->isHidden());
}

void tst_frmOption::dialogsFillTheirControls_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("patterns");
    QTest::newRow("fare folder") << "Command3(0)" << QStringLiteral("フォルダーを選択してください") << QStringList{};
    QTest::newRow("broadcast folder") << "Command3(1)" << QStringLiteral("フォルダーを選択してください") << QStringList{};
    QTest::newRow("panel image ON2") << "Command6(2)" << QStringLiteral("パネル画像の選択") << QStringList{"*.bmp", "*.gif", "*.jpg"};
    QTest::newRow("step sound 7") << "cmdSelectSound(7)" << QStringLiteral("サウンドの選択") << QStringList{"*.wav", "*.mid"};
    QTest::newRow("route sound 0") << "cmdSelectSound(0)" << QStringLiteral("サウンドの選択") << QStringList{"*.wav", "*.mid"};
}

void tst_frmOption::dialogsFillTheirControls()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QStringList, patterns);
    frmOption &o = sim_->option();
    dialogs_.file = "/data/picked.file";
    dialogs_.folder = "/data/folder";
    const int index = button.section('(', 1).chopped(1).toInt();
    QLineEdit *target = nullptr;
    if (button.startsWith("Command3")) {
        controls(o).Command3[static_cast<std::size_t>(index)]->click();
        target = controls(o).Text2[static_cast<std::size_t>(index)];
        QCOMPARE(target->text(), dialogs_.folder);
    } else if (button.startsWith("Command6")) {
        controls(o).Option3[1]->click(); // pictures chosen per backlight state: their frames open
        controls(o).Command6[static_cast<std::size_t>(index)]->click();
        target = controls(o).txtSelectPanel[static_cast<std::size_t>(index)];
        QCOMPARE(target->text(), dialogs_.file);
    } else {
        controls(o).cmdSelectSound[static_cast<std::size_t>(index)]->click();
        target = controls(o).txtSelectSound[static_cast<std::size_t>(index)];
        QCOMPARE(target->text(), dialogs_.file);
    }
    QCOMPARE(dialogs_.lastTitle, title);
    QStringList got;
    for (const FileFilter &f : dialogs_.lastFilter)
        got << f.pattern;
    QCOMPARE(got, patterns);
}

void tst_frmOption::cancelledDialogsChangeNothing()
{
    frmOption &o = sim_->option();
    controls(o).Text2[0]->setText("/keep");
    controls(o).txtSelectSound[4]->setText("/keep.wav");
    controls(o).chkUseSeiriPrev->click(); // the date frame opens with the preview
    controls(o).Command3[static_cast<std::size_t>(0)]->click();
    controls(o).cmdSelectSound[static_cast<std::size_t>(4)]->click();
    controls(o).Command7->click();
    const OleColor before = buttonColor(controls(o).Command9[1]);
    controls(o).Command9[static_cast<std::size_t>(1)]->click();
    QCOMPARE(controls(o).Text2[0]->text(), QString("/keep"));
    QCOMPARE(controls(o).txtSelectSound[4]->text(), QString("/keep.wav"));
    QCOMPARE(controls(o).Label10->text(), QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    QCOMPARE(buttonColor(controls(o).Command9[1]), before);
    QCOMPARE(dialogs_.calls, 4);
}

void tst_frmOption::aTextTheSettingsFileCannotHoldIsRefused_data()
{
    QTest::addColumn<QString>("box");     // the text box, as textBox() names it
    QTest::addColumn<QString>("button");  // its dialog button; empty: typed
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("refused"); // the character the message names
    QTest::addColumn<QString>("kept");    // what the box holds after
    const QString old = QStringLiteral("/前の値");
    QTest::newRow("fare folder chosen") << "Text2(0)" << "Command3(0)" << "/home/u/café" << "é" << old;
    QTest::newRow("panel picture chosen") << "txtSelectPanel(1)" << "Command6(1)" << "/p/España.bmp" << "ñ" << old;
    QTest::newRow("step sound chosen") << "txtSelectSound(8)" << "cmdSelectSound(8)" << "/s/\U0001F68C.wav"
                                       << "\U0001F68C" << old;
    QTest::newRow("plug-in chosen") << "txtSeiriPlgDir" << "Command1" << "/café/full.4SP" << "é" << old;
    // Typing keeps what came before the character.
    QTest::newRow("typed into the broadcast folder") << "Text2(1)" << "" << "/bus/Zü" << "ü" << old + "/bus/Z";
    QTest::newRow("typed into a tape sound") << "txtSelectSound(4)" << "" << "aé" << "é" << old + "a";
}

void tst_frmOption::aTextTheSettingsFileCannotHoldIsRefused()
{
    QFETCH(QString, box);
    QFETCH(QString, button);
    QFETCH(QString, entered);
    QFETCH(QString, refused);
    QFETCH(QString, kept);
    frmOption &o = sim_->option();
    controls(o).chkUseSeiriPrev->click(); // the plug-in frame shows
    controls(o).Option3[1]->click();      // and the per-state picture frames
    QLineEdit *target = textBox(box);
    target->setText(QStringLiteral("/前の値"));
    const int index = box.section('(', 1).chopped(1).toInt();
    const int page = box.startsWith("Text2")            ? 0
                     : box.startsWith("txtSelectPanel") ? 1
                     : box.startsWith("txtSelectSound") ? 4
                                                        : 5;
    showPage(page, index >= 3 && index <= 6 ? 0 : 1);
    if (button.isEmpty()) {
        // Letters beyond ASCII come from the input method, as committed text.
        target->setFocus();
        target->end(false);
        for (const QChar c : entered) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(target, c.toLatin1());
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(c);
                QCoreApplication::sendEvent(target, &commit);
            }
        }
    } else {
        dialogs_.file = entered;
        dialogs_.folder = entered;
        QTest::mouseClick(pathButton(button), Qt::LeftButton);
    }
    // One message naming the character; the box keeps its text from before.
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].contains(QStringLiteral("「") + refused + QStringLiteral("」")), qPrintable(messages_[0]));
    QCOMPARE(target->text(), kept);
    QCOMPARE(controls(o).List1->count(), 0); // nothing was loaded from a refused plug-in
    // The settings file gets that text, whole.
    o.GetOptionInfo();
    QCOMPARE(testing::fieldValue(sim_->ini, box).toString(), kept);
}

void tst_frmOption::dateDialogWritesYearMonthDay()
{
    SystemTime d;
    d.wYear = 2024;
    d.wMonth = 3;
    d.wDay = 5;
    dialogs_.date = d;
    controls(sim_->option()).chkUseSeiriPrev->click();
    controls(sim_->option()).Command7->click();
    QCOMPARE(controls(sim_->option()).Label10->text(), QStringLiteral("2024/03/05"));
}

void tst_frmOption::digitColoursPreviewOnTheSampleDigit()
{
    frmOption &o = sim_->option();
    dialogs_.color = rgb(10, 20, 30);
    controls(o).Command8[static_cast<std::size_t>(1)]->click();
    QCOMPARE(buttonColor(controls(o).Command8[1]), rgb(10, 20, 30));
    QCOMPARE(controls(o).M_Degit1->BaseForeColor(), rgb(10, 20, 30));
    QCOMPARE(controls(o).M_Degit1->BackColor(), buttonColor(controls(o).Command8[0]));
    QCOMPARE(controls(o).M_Degit1->DegitForeColor(), buttonColor(controls(o).Command8[2]));
    // The panel itself changes only when the settings are applied.
    QVERIFY(sim_->form1().controlsForTesting().Degit[1]->BaseForeColor() != rgb(10, 20, 30));
}

void tst_frmOption::openFolderAsksTheShell_data()
{
    QTest::addColumn<OpenFolderResult>("result");
    QTest::addColumn<bool>("told"); // the user hears of it
    QTest::newRow("opened") << OpenFolderResult::Opened << false;
    QTest::newRow("no such folder: passed over") << OpenFolderResult::NoFolder << false;
    QTest::newRow("no file manager: said so") << OpenFolderResult::NoFileManager << true;
}

void tst_frmOption::openFolderAsksTheShell()
{
    QFETCH(OpenFolderResult, result);
    QFETCH(bool, told);
    QStringList opened;
    ScopedShellHandler shell([&](const QString &f) {
        opened << f;
        return result;
    });
    frmOption &o = showPage(0);
    controls(o).Text2[1]->setText("/bus/%1tape");
    QTest::mouseClick(controls(o).Command10[1], Qt::LeftButton);
    QCOMPARE(opened, QStringList{"/bus/%1tape"});
    QCOMPARE(messages_.size(), told ? 1 : 0);
    if (told)
        QVERIFY2(messages_[0].contains(QStringLiteral("「/bus/%1tape」"))
                     && messages_[0].contains(QStringLiteral("ファイルマネージャー")),
                 qPrintable(messages_[0]));
}

void tst_frmOption::okAppliesToThePanelAndHides()
{
    frmOption &o = sim_->option();
    o.show();
    setButtonColor(controls(o).Command8[2], rgb(1, 2, 3));
    setButtonColor(controls(o).Command9[0], rgb(4, 5, 6));
    setListIndex(controls(o).Combo6, 2);
    setCheckValue(controls(o).Check1, 0);
    QVERIFY(sim_->form1().controlsForTesting().Degit[5]->DegitForeColor() != rgb(1, 2, 3));
    controls(o).Command4->click();
    QVERIFY(o.isHidden());
    Form1 &panel = sim_->form1();
    QCOMPARE(panel.controlsForTesting().Degit[5]->DegitForeColor(), rgb(1, 2, 3));
    QCOMPARE(panel.controlsForTesting().TimeDegit[1]->DegitForeColor(), rgb(1, 2, 3));
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->BackColor(), rgb(4, 5, 6));
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->TsugiwaMode(), std::int16_t(2));
    QVERIFY(panel.controlsForTesting().lblSeiriNum[3]->isHidden());
}

void tst_frmOption::closingOnlyHides()
{
    frmOption &o = sim_->option();
    o.show();
    controls(o).Text2[0]->setText("/kept");
    o.close();
    QVERIFY(o.isHidden());
    QCOMPARE(controls(o).Text2[0]->text(), QString("/kept"));
}

frmOption &tst_frmOption::showPage(int page, int soundFrame)
{
    frmOption &o = sim_->option();
    o.show();
    o.activateWindow();
    if (!QTest::qWaitForWindowActive(&o))
        qWarning("the options window did not become active");
    QTest::mouseClick(controls(o).Option1[static_cast<std::size_t>(page)], Qt::LeftButton);
    if (page == 4)
        QTest::mouseClick(controls(o).Option5[static_cast<std::size_t>(soundFrame)], Qt::LeftButton);
    QCoreApplication::processEvents(); // the layouts settle, as before the user sees them
    return o;
}

ColorButton *tst_frmOption::colourButton(const QString &name)
{
    frmOption &o = sim_->option();
    const auto index = static_cast<std::size_t>(name.section('(', 1).chopped(1).toInt());
    if (name.startsWith("Command5"))
        return controls(o).Command5[index];
    if (name.startsWith("Command8"))
        return controls(o).Command8[index];
    return controls(o).Command9[index];
}

QPushButton *tst_frmOption::pathButton(const QString &name)
{
    frmOption &o = sim_->option();
    const auto index = static_cast<std::size_t>(name.section('(', 1).chopped(1).toInt());
    if (name.startsWith("Command3"))
        return controls(o).Command3[index];
    if (name.startsWith("Command6"))
        return controls(o).Command6[index];
    if (name.startsWith("cmdSelectSound"))
        return controls(o).cmdSelectSound[index];
    return controls(o).Command1;
}

QLineEdit *tst_frmOption::textBox(const QString &name)
{
    frmOption &o = sim_->option();
    if (name == "txtSeiriPlgDir")
        return controls(o).txtSeiriPlgDir;
    const auto index = static_cast<std::size_t>(name.section('(', 1).chopped(1).toInt());
    if (name.startsWith("Text2"))
        return controls(o).Text2[index];
    if (name.startsWith("txtSelectPanel"))
        return controls(o).txtSelectPanel[index];
    return controls(o).txtSelectSound[index];
}

void tst_frmOption::tabCaptionsBreakBetweenWords_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("運賃データと / 放送用データ") << 0 << QStringLiteral("運賃データと　放送用データ")
                                              << QStringList{QStringLiteral("運賃データと"), QStringLiteral("放送用データ")};
    QTest::newRow("パネルと / 整理券番号表示") << 1 << QStringLiteral("パネルと整理券番号表示")
                                            << QStringList{QStringLiteral("パネルと"), QStringLiteral("整理券番号表示")};
    QTest::newRow("デジタル部品と / 情報用数字") << 2 << QStringLiteral("デジタル部品と情報用数字")
                                              << QStringList{QStringLiteral("デジタル部品と"), QStringLiteral("情報用数字")};
    QTest::newRow("停名の設定 on one line") << 3 << QStringLiteral("停名の設定") << QStringList{QStringLiteral("停名の設定")};
    QTest::newRow("サウンド on one line") << 4 << QStringLiteral("サウンド") << QStringList{QStringLiteral("サウンド")};
    // The spaces at the break go, or the second line would start off centre.
    QTest::newRow("整理券 / プレビュー") << 5 << QStringLiteral("整理券　　プレビュー")
                                       << QStringList{QStringLiteral("整理券"), QStringLiteral("プレビュー")};
}

void tst_frmOption::tabCaptionsBreakBetweenWords()
{
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    auto *button = qobject_cast<QPushButton *>(controls(sim_->option()).Option1[static_cast<std::size_t>(tab)]);
    QVERIFY(button);
    QCOMPARE(button->text().split(u'\n'), lines);
    QCOMPARE(button->accessibleName(), caption);
    // Every line is drawn whole inside the button.
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics fm(button->font());
    for (const QString &line : lines)
        QVERIFY2(fm.horizontalAdvance(line) <= room.width(),
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(line).arg(fm.horizontalAdvance(line)).arg(room.width())));
    QVERIFY(fm.height() * lines.size() <= room.height());
}

void tst_frmOption::optionsAndChecksFitTheirFrames_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("soundFrame");
    QTest::addColumn<bool>("everythingShown"); // per-state image frames, plug-in and date frames
    QTest::newRow("data folders") << 0 << 1 << false;
    QTest::newRow("panel, built-in images") << 1 << 1 << false;
    QTest::newRow("panel, images per state") << 1 << 1 << true;
    QTest::newRow("digits") << 2 << 1 << false;
    QTest::newRow("stop name") << 3 << 1 << false;
    QTest::newRow("sound, step sounds") << 4 << 1 << false;
    QTest::newRow("sound, pre-broadcast sounds") << 4 << 0 << false;
    QTest::newRow("ticket preview in use") << 5 << 1 << true;
}

void tst_frmOption::optionsAndChecksFitTheirFrames()
{
    QFETCH(int, page);
    QFETCH(int, soundFrame);
    QFETCH(bool, everythingShown);
    frmOption &o = sim_->option();
    if (everythingShown) {
        controls(o).Option3[1]->click();
        controls(o).chkUseSeiriPrev->click();
    }
    showPage(page, soundFrame);
    QGroupBox *pageFrame = controls(o).Frame1[static_cast<std::size_t>(page)];
    int checked = 0;
    for (QAbstractButton *button : pageFrame->findChildren<QAbstractButton *>()) {
        const bool radio = qobject_cast<QRadioButton *>(button) != nullptr;
        if ((!radio && !qobject_cast<QCheckBox *>(button)) || !button->isVisibleTo(&o))
            continue;
        ++checked;
        const QString what = button->text().left(16);
        // Inside the contents of every frame around it, up to the page.
        for (QWidget *w = button->parentWidget(); w; w = w->parentWidget()) {
            if (auto *frame = qobject_cast<QGroupBox *>(w)) {
                const QRect inFrame(button->mapTo(frame, QPoint(0, 0)), button->size());
                QVERIFY2(frame->contentsRect().contains(inFrame),
                         qPrintable(QStringLiteral("%1 sticks out of 「%2」").arg(what, frame->title())));
            }
            if (w == pageFrame)
                break;
        }
        // Its text fits beside the indicator: on one line, or wrapped when the
        // button wraps its caption.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect text = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                                                           &option, button);
        const QFontMetrics fm(button->font());
        const QSize needed = button->hasHeightForWidth()
            ? fm.boundingRect(QRect(0, 0, text.width(), 10000), Qt::TextWordWrap, button->text()).size()
            : QSize(fm.horizontalAdvance(button->text()), fm.height());
        QVERIFY2(needed.width() <= text.width() && needed.height() <= button->height(),
                 qPrintable(QStringLiteral("%1: text %2 x %3 in %4 x %5").arg(what).arg(needed.width()).arg(needed.height())
                                .arg(text.width()).arg(button->height())));
        const int indicator = button->style()->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, button);
        QVERIFY2(indicator <= button->height(), qPrintable(what));
    }
    QVERIFY(checked > 0 || page == 0);
}

void tst_frmOption::enterInATextBoxKeepsTheWindowOpen_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in the fare data folder") << 0 << "Text2(0)" << int(Qt::Key_Return);
    QTest::newRow("Enter in the broadcast data folder") << 0 << "Text2(1)" << int(Qt::Key_Enter);
    QTest::newRow("Return in a step sound") << 4 << "txtSelectSound(7)" << int(Qt::Key_Return);
    QTest::newRow("Return in the route-setting sound") << 4 << "txtSelectSound(0)" << int(Qt::Key_Return);
}

void tst_frmOption::enterInATextBoxKeepsTheWindowOpen()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(int, key);
    frmOption &o = showPage(page); // clicking the tab gives it the focus first
    setButtonColor(controls(o).Command8[2], rgb(1, 2, 3));
    QLineEdit *edit = textBox(box);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, "/bus");
    // Enter presses no button at all: not OK, and not a tab or "..." button
    // that a dialog would otherwise take as its default.
    std::vector<std::pair<QAbstractButton *, std::unique_ptr<QSignalSpy>>> clicks;
    for (QAbstractButton *button : o.findChildren<QAbstractButton *>())
        clicks.emplace_back(button, std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
    QTest::keyClick(edit, Qt::Key(key));
    QVERIFY(o.isVisible());
    for (const auto &[button, spy] : clicks)
        QVERIFY2(spy->isEmpty(), qPrintable(button->text() + QStringLiteral(" was pressed")));
    QCOMPARE(edit->text(), QStringLiteral("/bus"));
    // Nothing was applied to the panel either.
    QVERIFY(sim_->form1().controlsForTesting().Degit[1]->DegitForeColor() != rgb(1, 2, 3));
}

void tst_frmOption::colourButtonsSayWhichColourTheySet_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("ticket numbers, backlight OFF") << "Command5(0)" << QStringList{"整理券番号", "OFF", "文字色"};
    QTest::newRow("ticket numbers, ON1") << "Command5(1)" << QStringList{"整理券番号", "ON1", "文字色"};
    QTest::newRow("ticket numbers, ON2") << "Command5(2)" << QStringList{"整理券番号", "ON2", "文字色"};
    QTest::newRow("digit background") << "Command8(0)" << QStringList{"デジタル部品", "背景色"};
    QTest::newRow("unlit segments") << "Command8(1)" << QStringList{"デジタル部品", "未発光", "文字色"};
    QTest::newRow("lit segments") << "Command8(2)" << QStringList{"デジタル部品の発光時", "文字色"};
    QTest::newRow("stop-name background") << "Command9(0)" << QStringList{"停名", "背景色"};
    QTest::newRow("stop-name text") << "Command9(1)" << QStringList{"停名", "文字色"};
    QTest::newRow("「次は」 text") << "Command9(2)" << QStringList{"「次は」", "文字色"};
}

void tst_frmOption::colourButtonsSayWhichColourTheySet()
{
    QFETCH(QString, button);
    QFETCH(QStringList, words);
    const QString name = colourButton(button)->accessibleName();
    for (const QString &word : words)
        QVERIFY2(name.contains(word), qPrintable(name));
    // No two colour buttons share a name.
    int same = 0;
    for (const ColorButton *other : sim_->option().findChildren<ColorButton *>())
        same += other->accessibleName() == name;
    QCOMPARE(same, 1);
}

void tst_frmOption::colourDialogOpensOnTheButtonsColour_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::newRow("ticket numbers ON1") << 1 << "Command5(1)";
    QTest::newRow("lit segments") << 2 << "Command8(2)";
    QTest::newRow("stop-name background") << 3 << "Command9(0)";
    QTest::newRow("「次は」 text") << 3 << "Command9(2)";
}

void tst_frmOption::colourDialogOpensOnTheButtonsColour()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    frmOption &o = showPage(page);
    ColorButton *b = colourButton(button);
    setButtonColor(b, rgb(12, 34, 56)); // no start-up colour is this one
    dialogs_.color = rgb(200, 100, 50);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(dialogs_.calls, 1);
    QVERIFY(dialogs_.lastInitialColor);
    QCOMPARE(*dialogs_.lastInitialColor, rgb(12, 34, 56));
    QCOMPARE(buttonColor(b), rgb(200, 100, 50));
    QVERIFY(o.isVisible());
}

QTEST_MAIN(tst_frmOption)
#include "tst_frmoption.moc"
