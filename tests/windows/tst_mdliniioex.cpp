// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file through the running program: read at the end of start-up,
// written at the confirmed exit of the control panel.
#include "windows/mdlIniIoEx.h"

#include "FakeDialogs.h"
#include "FareBytes.h"
#include "OptionControls.h"
#include "SettingsBytes.h"
#include "TestFiles.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "dialogs/Modal.h"
#include "reslib/Seams.h"
#include "settings/SettingsLock.h"
#include "sound/AudioOutput.h"
#include "sound/SpeechEngine.h"
#include "windows/ColorButton.h"
#include "windows/Form1.h"
#include "windows/PictureBox.h"
#include "windows/SettingValues.h"
#include "windows/SettingsMessages.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using testing::SettingsBuilder;

namespace {

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The value of one field of a settings file, as a number or a text.
QVariant fieldOf(const QByteArray &file, const QString &name)
{
    settingsfile::ReadResult read = settingsfile::read(file);
    return testing::fieldValue(read.records, name);
}

// A file with every setting away from its initial value.
SettingsBuilder everythingChanged()
{
    SettingsBuilder b = SettingsBuilder::initial();
    b.set("Text2(0)", QStringLiteral("/データ/運賃"))
        .set("Text2(1)", QStringLiteral("/データ/放送"))
        .set("Check1", 0)
        .set("Command5(0)", 0x102030)
        .set("Command5(1)", 0x405060)
        .set("Command5(2)", 0x708090)
        .set("Combo2", 11)
        .set("Check2", 1)
        .set("Option3(0)", 0)
        .set("Option3(1)", -1)
        .set("Option3(7)", 0)
        .set("Option3(6)", -1)
        .set("txtSelectPanel(0)", QStringLiteral("消灯.bmp"))
        .set("txtSelectPanel(1)", QStringLiteral("点灯1.gif"))
        .set("txtSelectPanel(2)", QStringLiteral("点灯2.jpg"))
        .set("Command8(0)", 0x010203)
        .set("Command8(1)", 0x040506)
        .set("Command8(2)", 0x070809)
        .set("Check3(0)", 1)
        .set("Combo4(0)", 11)
        .set("Check3(4)", 1)
        .set("Check3(1)", 1)
        .set("Combo4(1)", 3)
        .set("Check3(2)", 1)
        .set("Combo4(2)", -1)
        .set("Check3(3)", 1)
        .set("Combo4(4)", 149)
        .set("Combo4(3)", 7)
        .set("Command9(0)", 0x111111)
        .set("Command9(1)", 0x222222)
        .set("Combo3", 4)
        .set("Check4", 1)
        .set("Combo6", 2)
        .set("Command9(2)", 0x333333)
        .set("Combo5", 3)
        .set("Check5", 1);
    const char *sounds[] = {"txtSelectSound(0)", "txtSelectSound(1)", "txtSelectSound(3)", "txtSelectSound(4)",
                            "txtSelectSound(5)", "txtSelectSound(6)", "txtSelectSound(7)", "txtSelectSound(8)",
                            "txtSelectSound(9)", "txtSelectSound(10)"};
    for (const char *s : sounds)
        b.set(s, QStringLiteral("音/") + QString::fromLatin1(s) + QStringLiteral(".wav"));
    b.set("Option2(0)", 0)
        .set("Option2(1)", -1)
        .set("Option6(0)", -1)
        .set("Option6(1)", 0)
        .set("Combo1", 12)
        .set("Option2(2)", 0)
        .set("Option2(3)", -1)
        .set("Option7(0)", 0)
        .set("Option7(1)", -1)
        .set("chkUseSeiriPrev", 1)
        .set("txtSeiriPlgDir", QStringLiteral("/プラグイン/整理券.4SP"))
        .set("Option4(0)", 0)
        .set("Option4(2)", -1)
        .set("Label10", QStringLiteral("2023/12/31"))
        .set("CtrlData.nBackFrame", 0)
        .set("CtrlData.nScrollSpeed", 2000)
        .set("CtrlData.nScrollWait", 3000)
        .set("CtrlData.nLateNight", 1)
        .set("CtrlData.nPreviewOpen", 1)
        .set("CtrlData.nLeft", 1234) // not whole pixels
        .set("CtrlData.nTop", 4567)
        .set("FormPos.nLeft", 1001)
        .set("FormPos.nTop", 302);
    for (int i = 0; i < 17; ++i)
        b.set(QStringLiteral("CustColors(%1)").arg(i).toLatin1().constData(), 0x010101 * i);
    for (int i = 1; i <= 12; ++i) {
        const QByteArray prefix = QStringLiteral("DegitUser(%1).").arg(i).toLatin1();
        b.set((prefix + "Shift").constData(), i % 3);
        b.set((prefix + "ZeroMode").constData(), i % 4);
        b.set((prefix + "FillZero").constData(), i % 4);
    }
    return b;
}

// A picture file of one colour, of the panel's size.
QString writePicture(const QString &path, const QColor &colour)
{
    QImage image(502, 252, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "BMP");
    return path;
}

} // namespace

class tst_mdlIniIoEx : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutAFileTheFirstConfirmedExitWritesACompleteFile();
    void aSavedFileComesBackByteForByte_data();
    void aSavedFileComesBackByteForByte();
    void answeringNoKeepsTheFileAndYesWritesTheChange();
    void missingFileOrEmptyNameIsPassedOverInSilence_data();
    void missingFileOrEmptyNameIsPassedOverInSilence();
    void theDigitCountIsReadButNotTrusted_data();
    void theDigitCountIsReadButNotTrusted();
    void aListSavedAsMinusOneLoadsWithNothingChosen_data();
    void aListSavedAsMinusOneLoadsWithNothingChosen();
    void aValueAWindowCannotTakeCostsOnlyThatField_data();
    void aValueAWindowCannotTakeCostsOnlyThatField();
    void restoredBoxesAndOptionsRaiseTheirHandlers_data();
    void restoredBoxesAndOptionsRaiseTheirHandlers();
    void theBacklightFollowsThePanelPicturesBeforeLaterSteps();
    void windowsAndDigitsTakeTheirSavedState();
    void shortOrDamagedFilesRestoreWhatTheyHold_data();
    void shortOrDamagedFilesRestoreWhatTheyHold();
    void aSaveThatCannotWriteShowsTheErrorAndStillEnds_data();
    void aSaveThatCannotWriteShowsTheErrorAndStillEnds();
    void theListsAndSlidersHoldWhatTheFileToolChecks();
    void aSecondProgramOnTheFileAsksAndThenDoesNotSave_data();
    void aSecondProgramOnTheFileAsksAndThenDoesNotSave();
    void thePluginIsLoadedAtStartAndARefusalIsNotReported_data();
    void thePluginIsLoadedAtStartAndARefusalIsNotReported();
    void aMovedRouteFolderKeepsItsRelativePaths_data();
    void aMovedRouteFolderKeepsItsRelativePaths();

private:
    QString file() const { return dir_->filePath(QStringLiteral("kerubara.in4")); }
    void start(const QString &path);
    void startWith(const QByteArray &bytes);
    // Closes the control panel as the user does and answers the question.
    void exitAnswering(int answer);
    QList<MsgBoxCall> errorBoxes() const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scopedDialogs_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    std::unique_ptr<ScopedAudioOutput> audio_;
    std::unique_ptr<ScopedSpeechEngine> speech_;
    std::unique_ptr<ScopedEndProgramHandler> end_;
    QList<MsgBoxCall> messages_;
    int answer_ = vbOK;
    int ended_ = 0;
};

void tst_mdlIniIoEx::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    messages_.clear();
    answer_ = vbOK;
    ended_ = 0;
    dialogs_ = testing::FakeDialogs{};
    scopedDialogs_ = std::make_unique<ScopedResDialogs>(dialogs_);
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        messages_ << c;
        return answer_;
    });
    audio_ = std::make_unique<ScopedAudioOutput>([] { return std::make_unique<NullAudioOutput>(); });
    speech_ = std::make_unique<ScopedSpeechEngine>([](SoundSystem &) { return std::unique_ptr<SpeechEngine>(); });
    end_ = std::make_unique<ScopedEndProgramHandler>([this] { ++ended_; });
}

void tst_mdlIniIoEx::cleanup()
{
    sim_.reset();
    end_.reset();
    speech_.reset();
    audio_.reset();
    boxes_.reset();
    scopedDialogs_.reset();
    dir_.reset();
}

void tst_mdlIniIoEx::start(const QString &path)
{
    sim_ = std::make_unique<Simulator>(settingsFilePaths(path));
    sim_->start();
}

void tst_mdlIniIoEx::startWith(const QByteArray &bytes)
{
    QVERIFY(testing::writeFile(file(), bytes));
    start(file());
}

void tst_mdlIniIoEx::exitAnswering(int answer)
{
    answer_ = answer;
    sim_->ctl().close();
    answer_ = vbOK;
}

QList<MsgBoxCall> tst_mdlIniIoEx::errorBoxes() const
{
    QList<MsgBoxCall> boxes;
    for (const MsgBoxCall &c : messages_) {
        if (c.prompt.startsWith(QStringLiteral("エラー Code:")))
            boxes << c;
    }
    return boxes;
}

void tst_mdlIniIoEx::withoutAFileTheFirstConfirmedExitWritesACompleteFile()
{
    start(file());
    QVERIFY(messages_.isEmpty());
    QCOMPARE(listIndex(controls(sim_->option()).Combo3), std::int16_t(-1));
    exitAnswering(vbYes);
    QCOMPARE(ended_, 1);
    QVERIFY(errorBoxes().isEmpty());
    const QByteArray saved = contents(file());
    QCOMPARE(saved.size(), 330);
    const settingsfile::ReadResult read = settingsfile::read(saved);
    QCOMPARE(read.damage, settingsfile::Damage::None);
    QCOMPARE(read.trailingBytes, 0);
    // The initial settings, today's date and where the windows are.
    SettingsBuilder expected = SettingsBuilder::initial();
    expected.set("Label10", QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")))
        .set("CtrlData.nBackFrame", read.records.CtrlData.nBackFrame)
        .set("CtrlData.nLeft", sim_->ctl().x() * 15)
        .set("CtrlData.nTop", sim_->ctl().y() * 15)
        .set("FormPos.nLeft", 0)
        .set("FormPos.nTop", 0);
    QCOMPARE(saved, expected.bytes());
    // The settings layer's table of initial values, which the data tool
    // fills in with, is what the windows start with.
    SettingsRecords table = settingsfile::initialRecords(QDate::currentDate());
    table.CtrlData.nBackFrame = read.records.CtrlData.nBackFrame;
    table.CtrlData.nLeft = read.records.CtrlData.nLeft;
    table.CtrlData.nTop = read.records.CtrlData.nTop;
    QCOMPARE(settingsfile::bytes(table), saved);
}

void tst_mdlIniIoEx::aSavedFileComesBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("optionsOpened"); // the options window made before the exit
    std::vector<std::pair<const char *, QByteArray>> files;
    files.emplace_back("initial settings, windows off the pixel grid", SettingsBuilder::initial()
                                                                           .set("CtrlData.nLeft", 7)
                                                                           .set("CtrlData.nTop", 3001)
                                                                           .set("FormPos.nLeft", 29)
                                                                           .set("FormPos.nTop", -44)
                                                                           .bytes());
    files.emplace_back("every setting changed", everythingChanged().bytes());
    const QString longPath = QStringLiteral("/路線/") + QString(16380, QChar(u'運')) + QStringLiteral("/x"); // 32767 bytes
    files.emplace_back("texts of 32767 bytes, Shift-JIS", SettingsBuilder::initial()
                                                              .set("Text2(0)", longPath)
                                                              .set("txtSelectSound(6)", QString(32767, u'a'))
                                                              .bytes());
    // 0xED40 is a character iconv writes back in its IBM form 0xFA5C.
    files.emplace_back("a character with two codes, kept as it came",
                       SettingsBuilder::initial().setBytes("Text2(1)", QByteArray("/data/\xED\x40")).bytes());
    files.emplace_back("no option of a group chosen",
                       SettingsBuilder::initial().set("Option4(0)", 0).set("Option2(2)", 0).bytes());
    for (const auto &[name, bytes] : files) {
        QTest::newRow(name) << bytes << false;
        QTest::addRow("%s, options window opened", name) << bytes << true;
    }
}

void tst_mdlIniIoEx::aSavedFileComesBackByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, optionsOpened);
    startWith(bytes);
    QVERIFY(errorBoxes().isEmpty());
    if (optionsOpened)
        sim_->option();
    exitAnswering(vbYes);
    QCOMPARE(ended_, 1);
    QVERIFY(errorBoxes().isEmpty());
    QCOMPARE(contents(file()), bytes);
}

void tst_mdlIniIoEx::answeringNoKeepsTheFileAndYesWritesTheChange()
{
    const QByteArray before = SettingsBuilder::initial().bytes();
    startWith(before);
    frmOption &o = sim_->option();
    ScopedModalHandler modal([&](QDialog &d) {
        d.show();
        click(controls(o).Check2);
        click(controls(o).Command4); // OK
    });
    click(sim_->ctl().Command4); // 設定...
    QVERIFY(controls(o).Check2->isChecked());

    exitAnswering(vbNo);
    QCOMPARE(ended_, 0);
    QCOMPARE(contents(file()), before);

    exitAnswering(vbYes);
    QCOMPARE(ended_, 1);
    const QByteArray after = contents(file());
    QCOMPARE(fieldOf(after, QStringLiteral("Check2")).toInt(), 1);
    QCOMPARE(after, SettingsBuilder(settingsfile::read(before).records).set("Check2", 1).bytes());
}

void tst_mdlIniIoEx::missingFileOrEmptyNameIsPassedOverInSilence_data()
{
    QTest::addColumn<bool>("emptyName");
    QTest::newRow("no file (53)") << false;
    QTest::newRow("empty name (52)") << true;
}

void tst_mdlIniIoEx::missingFileOrEmptyNameIsPassedOverInSilence()
{
    QFETCH(bool, emptyName);
    start(emptyName ? QString() : file());
    QVERIFY(messages_.isEmpty());
    const frmOption &o = sim_->option();
    QVERIFY(controls(o).Check1->isChecked());
    QCOMPARE(listIndex(controls(o).Combo6), std::int16_t(-1));
    QCOMPARE(sim_->ctl().HScroll1[0]->value(), 1);
}

void tst_mdlIniIoEx::theDigitCountIsReadButNotTrusted_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("block 10 = 0") << 0;
    QTest::newRow("block 10 = 99") << 99;
}

void tst_mdlIniIoEx::theDigitCountIsReadButNotTrusted()
{
    QFETCH(int, count);
    SettingsBuilder b = SettingsBuilder::initial().set("DegitCount", count);
    for (int i = 1; i <= 12; ++i) {
        const QByteArray prefix = QStringLiteral("DegitUser(%1).").arg(i).toLatin1();
        b.set((prefix + "Shift").constData(), i % 3).set((prefix + "ZeroMode").constData(), 3);
        b.set((prefix + "FillZero").constData(), i == 12 ? 2 : 0);
    }
    startWith(b.bytes());
    const Form1 &panel = sim_->form1();
    for (std::size_t i = 1; i <= 12; ++i) {
        QCOMPARE(panel.controlsForTesting().Degit[i]->ZeroMode(), std::int16_t(3));
        QCOMPARE(panel.controlsForTesting().Degit[i]->Shift(), std::int16_t(i % 3));
    }
    QCOMPARE(panel.controlsForTesting().Degit[12]->FillZero(), std::int16_t(2));
    exitAnswering(vbYes);
    QCOMPARE(contents(file()), b.set("DegitCount", 12).bytes());
}

void tst_mdlIniIoEx::aListSavedAsMinusOneLoadsWithNothingChosen_data()
{
    QTest::addColumn<QString>("list");
    for (const char *name : {"Combo2", "Combo4(0)", "Combo4(4)", "Combo3", "Combo1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_mdlIniIoEx::aListSavedAsMinusOneLoadsWithNothingChosen()
{
    QFETCH(QString, list);
    const QByteArray bytes = SettingsBuilder::initial().set(list.toLatin1().constData(), -1).bytes();
    startWith(bytes);
    const frmOption &o = sim_->option();
    const std::map<QString, QComboBox *> lists{{QStringLiteral("Combo2"), controls(o).Combo2}, {QStringLiteral("Combo4(0)"), controls(o).Combo4[0]},
                                               {QStringLiteral("Combo4(4)"), controls(o).Combo4[4]}, {QStringLiteral("Combo3"), controls(o).Combo3},
                                               {QStringLiteral("Combo1"), controls(o).Combo1}};
    QCOMPARE(listIndex(lists.at(list)), std::int16_t(-1));
    QVERIFY(lists.at(list)->currentText().isEmpty());
    exitAnswering(vbYes);
    QCOMPARE(contents(file()), bytes);
}

void tst_mdlIniIoEx::aValueAWindowCannotTakeCostsOnlyThatField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::newRow("Combo2 of 40, a list of 0..11") << "Combo2" << 40;
    QTest::newRow("Combo4(3) of 12, early in block 3") << "Combo4(3)" << 12;
    QTest::newRow("Combo1 below -1") << "Combo1" << -2;
    QTest::newRow("scroll speed 0, a slider of 1..2000") << "CtrlData.nScrollSpeed" << 0;
    QTest::newRow("scroll wait 65536") << "CtrlData.nScrollWait" << 65536;
}

void tst_mdlIniIoEx::aValueAWindowCannotTakeCostsOnlyThatField()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    SettingsBuilder good = SettingsBuilder::initial()
                               .set("Text2(0)", QStringLiteral("/運賃"))
                               .set("Check2", 1)
                               .set("Check4", 1)
                               .set("Combo1", 7)
                               .set("CtrlData.nScrollSpeed", 500)
                               .set("FormPos.nLeft", 1500)
                               .set("DegitUser(12).Shift", 2);
    const QByteArray bad = SettingsBuilder(good).set(field.toLatin1().constData(), value).bytes();
    startWith(bad);
    // One message, naming the file and the field; no error box.
    QVERIFY(errorBoxes().isEmpty());
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].prompt.contains(file()) && messages_[0].prompt.contains(field),
             qPrintable(messages_[0].prompt));
    QVERIFY2(messages_[0].prompt.contains(QString::number(value)), qPrintable(messages_[0].prompt));
    // Everything else is restored, before the field and after it.
    const frmOption &o = sim_->option();
    QCOMPARE(controls(o).Text2[0]->text(), QStringLiteral("/運賃"));
    QVERIFY(controls(o).Check2->isChecked());
    QVERIFY(controls(o).Check4->isChecked());
    QCOMPARE(sim_->form1().x(), 100);
    QCOMPARE(sim_->form1().controlsForTesting().Degit[12]->Shift(), std::int16_t(2));
    // The next save loses that field only: it holds what the window held.
    exitAnswering(vbYes);
    QCOMPARE(ended_, 1);
    const QByteArray saved = contents(file());
    SettingsRecords initial = SettingsBuilder::initial().records();
    const SettingsBuilder expected =
        SettingsBuilder(settingsfile::read(bad).records)
            .set(field.toLatin1().constData(), testing::fieldValue(initial, field).toLongLong());
    QCOMPARE(saved, expected.bytes());
}

void tst_mdlIniIoEx::restoredBoxesAndOptionsRaiseTheirHandlers_data()
{
    QTest::addColumn<bool>("windowFirst");
    QTest::newRow("options window made when wanted") << false;
    QTest::newRow("options window made before the file is read") << true;
}

void tst_mdlIniIoEx::restoredBoxesAndOptionsRaiseTheirHandlers()
{
    QFETCH(bool, windowFirst);
    QVERIFY(testing::writeFile(file(), SettingsBuilder::initial()
                                           .set("Check1", 0)
                                           .set("Option3(0)", 0)
                                           .set("Option3(1)", -1)
                                           .set("Check3(0)", 1)
                                           .set("Check3(3)", 1)
                                           .set("chkUseSeiriPrev", 1)
                                           .bytes()));
    sim_ = std::make_unique<Simulator>(settingsFilePaths(file()));
    if (windowFirst)
        sim_->option();
    sim_->start();
    const frmOption &o = sim_->option();
    QVERIFY(!controls(o).Frame3->isEnabled());
    for (QGroupBox *frame : controls(o).Frame6)
        QVERIFY(frame->isEnabled() && !frame->isHidden());
    QVERIFY(controls(o).Combo4[0]->isEnabled() && controls(o).Check3[4]->isEnabled());
    QVERIFY(controls(o).Combo4[3]->isEnabled() && controls(o).Combo4[4]->isEnabled());
    QVERIFY(!controls(o).Combo4[1]->isEnabled());
    for (QGroupBox *frame : {controls(o).Frame10, controls(o).Frame7})
        QVERIFY(frame->isEnabled() && !frame->isHidden());
}

void tst_mdlIniIoEx::theBacklightFollowsThePanelPicturesBeforeLaterSteps()
{
    const QString red = writePicture(dir_->filePath(QStringLiteral("off.bmp")), Qt::red);
    // The OFF state has a picture of its own; block 3 then holds a value its
    // list cannot take.
    startWith(SettingsBuilder::initial()
                  .set("Command5(0)", 0x00FF00)
                  .set("Option3(0)", 0)
                  .set("Option3(1)", -1)
                  .set("Option3(7)", 0)
                  .set("Option3(6)", -1)
                  .set("txtSelectPanel(0)", red)
                  .set("Command8(0)", 0x0000FF)
                  .set("Command8(1)", 0x00FF00)
                  .set("Command8(2)", 0xFF0000)
                  .set("Combo4(3)", 12) // the list has 0..11
                  .set("Check4", 1)
                  .bytes());
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].prompt.contains(QStringLiteral("Combo4(3)")));
    const Form1 &panel = sim_->form1();
    QVERIFY(sim_->ctl().Option4[0]->isChecked());
    QCOMPARE(panel.Picture().toImage().pixelColor(100, 100), QColor(Qt::red));
    QCOMPARE(panel.labelColor(1), OleColor(0x00FF00));
    // The value block 3 cannot hold costs that value only: the sample digit
    // takes the digit colours and block 4 is restored.
    QCOMPARE(controls(sim_->option()).M_Degit1->BackColor(), OleColor(0x0000FF));
    QCOMPARE(listIndex(controls(sim_->option()).Combo4[3]), std::int16_t(0));
    QVERIFY(controls(sim_->option()).Check4->isChecked());
}

void tst_mdlIniIoEx::windowsAndDigitsTakeTheirSavedState()
{
    startWith(everythingChanged().bytes());
    QVERIFY(errorBoxes().isEmpty());
    const Form1 &panel = sim_->form1();
    const frmCtl &ctl = sim_->ctl();
    QCOMPARE(panel.pos(), QPoint(1001 / 15, 302 / 15));
    QCOMPARE(ctl.pos(), QPoint(1234 / 15, 4567 / 15));
    QCOMPARE(ctl.HScroll1[0]->value(), 2000);
    QCOMPARE(ctl.Label1[1]->text(), QStringLiteral("3000"));
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->Speed(), std::int16_t(2000));
    QVERIFY(ctl.Check2->isChecked());
    QCOMPARE(ctl.width(), 9000 / 15);
    QCOMPARE(ctl.nBackFrame, std::int16_t(0));
    for (std::size_t i = 1; i <= 12; ++i) {
        const M_Degit *d = panel.controlsForTesting().Degit[i];
        QCOMPARE(d->Shift(), std::int16_t(i % 3));
        QCOMPARE(d->FillZero(), std::int16_t(i % 4));
        QCOMPARE(d->BackColor(), OleColor(0x010203));
        QCOMPARE(d->DegitForeColor(), OleColor(0x070809));
        QCOMPARE(d->Value(), QVariant(QStringLiteral(" ")));
    }
    QCOMPARE(panel.controlsForTesting().TimeDegit[1]->BaseForeColor(), OleColor(0x040506));
    QCOMPARE(controls(sim_->option()).M_Degit1->DegitForeColor(), OleColor(0x070809));
    const ChimeiCtl_DX *strip = panel.controlsForTesting().ChimeiCtl;
    QCOMPARE(strip->BackColor(), OleColor(0x111111));
    QCOMPARE(strip->TsugiwaMode(), std::int16_t(2));
    QCOMPARE(strip->TsugiwaFontMode(), std::int16_t(3));
    QCOMPARE(strip->FontMode(), std::int16_t(4));
    QVERIFY(strip->TsugiwaBold());
    QCOMPARE(sim_->ini.CustColors[16], OleColor(0x101010));
}

void tst_mdlIniIoEx::shortOrDamagedFilesRestoreWhatTheyHold_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstText"); // Text2(0) as restored
    QTest::addColumn<QString>("firstMissing");
    const QByteArray full = SettingsBuilder::initial()
                                .set("Text2(0)", QStringLiteral("/運賃"))
                                .set("Combo1", 20)
                                .set("CtrlData.nScrollSpeed", 300)
                                .bytes();
    // Text2(0) moves everything after it by its length.
    const qsizetype shift = cp932::encode(QStringLiteral("/運賃")).size();
    QTest::newRow("cut inside block 5") << full.left(112 + shift + 2) << QStringLiteral("/運賃") // after Combo1
                                        << QStringLiteral("txtSelectSound(8)");
    QByteArray pastEnd = full.left(2 + shift);
    pastEnd.append(QByteArray("\xF4\x01", 2)); // Text2(1) claims 500 bytes
    pastEnd.append("0123456789");
    QTest::newRow("a count past the end") << pastEnd << QStringLiteral("/運賃") << QStringLiteral("Text2(1)");
    QTest::newRow("empty file") << QByteArray() << QString() << QStringLiteral("Text2(0)");
}

void tst_mdlIniIoEx::shortOrDamagedFilesRestoreWhatTheyHold()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, firstText);
    QFETCH(QString, firstMissing);
    startWith(bytes);
    const frmOption &o = sim_->option();
    QCOMPARE(controls(o).Text2[0]->text(), firstText);
    QVERIFY(controls(o).Text2[1]->text().isEmpty());
    // The fields the file does not hold keep their start-up values: one
    // option of each group chosen, the slider at its lowest; one message
    // names the file and where it ends.
    QVERIFY(controls(o).Option7[0]->isChecked());
    QVERIFY(controls(o).Option4[0]->isChecked());
    QCOMPARE(sim_->ctl().HScroll1[0]->value(), 1);
    QVERIFY(errorBoxes().isEmpty());
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].prompt.contains(file()) && messages_[0].prompt.contains(firstMissing),
             qPrintable(messages_[0].prompt));
    // The program runs on and writes a complete file.
    exitAnswering(vbYes);
    QCOMPARE(ended_, 1);
    const settingsfile::ReadResult read = settingsfile::read(contents(file()));
    QCOMPARE(read.damage, settingsfile::Damage::None);
    QCOMPARE(read.trailingBytes, 0);
}

void tst_mdlIniIoEx::aSaveThatCannotWriteShowsTheErrorAndStillEnds_data()
{
    QTest::addColumn<QString>("target"); // under the temporary folder; "" for none
    QTest::addColumn<int>("error");
    QTest::newRow("its folder is a file") << "plain/kerubara.in4" << 76;
    QTest::newRow("its name is a folder") << "folder" << 75;
    QTest::newRow("no name") << "" << 52;
}

void tst_mdlIniIoEx::aSaveThatCannotWriteShowsTheErrorAndStillEnds()
{
    QFETCH(QString, target);
    QFETCH(int, error);
    QVERIFY(testing::writeFile(dir_->filePath(QStringLiteral("plain")), "not a folder"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder")));
    start(target.isEmpty() ? QString() : dir_->filePath(target));
    messages_.clear(); // what reading the same name said is not the question here
    exitAnswering(vbYes);
    QCOMPARE(ended_, 1);
    const QList<MsgBoxCall> boxes = errorBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].prompt.startsWith(QStringLiteral("エラー Code:%1\r\n内容:").arg(error)), qPrintable(boxes[0].prompt));
}

void tst_mdlIniIoEx::theListsAndSlidersHoldWhatTheFileToolChecks()
{
    start(QString());
    const frmOption &o = sim_->option();
    const std::map<QString, QComboBox *> lists{
        {QStringLiteral("Combo2"), controls(o).Combo2},       {QStringLiteral("Combo3"), controls(o).Combo3},       {QStringLiteral("Combo5"), controls(o).Combo5},
        {QStringLiteral("Combo6"), controls(o).Combo6},       {QStringLiteral("Combo1"), controls(o).Combo1},       {QStringLiteral("Combo4(0)"), controls(o).Combo4[0]},
        {QStringLiteral("Combo4(1)"), controls(o).Combo4[1]}, {QStringLiteral("Combo4(2)"), controls(o).Combo4[2]}, {QStringLiteral("Combo4(3)"), controls(o).Combo4[3]},
        {QStringLiteral("Combo4(4)"), controls(o).Combo4[4]}};
    QCOMPARE(settingsfile::listFields().size(), lists.size());
    for (const auto &list : settingsfile::listFields())
        QCOMPARE(lists.at(list.name)->count(), list.entries);
    const auto &sliders = settingsfile::sliderFields();
    QCOMPARE(sliders.size(), std::size_t(2));
    for (std::size_t i = 0; i < 2; ++i) {
        QCOMPARE(sim_->ctl().HScroll1[i]->minimum(), sliders[i].minimum);
        QCOMPARE(sim_->ctl().HScroll1[i]->maximum(), sliders[i].maximum);
    }
}

void tst_mdlIniIoEx::aSecondProgramOnTheFileAsksAndThenDoesNotSave_data()
{
    QTest::addColumn<QString>("holder"); // of the lock: "running", "ended" or ""
    QTest::addColumn<int>("answer");     // to the question, if asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("saves");
    QTest::newRow("no other program") << "" << int(vbYes) << false << true << true;
    QTest::newRow("a running one; start without saving") << "running" << int(vbYes) << true << true << false;
    QTest::newRow("a running one; do not start") << "running" << int(vbNo) << true << false << false;
    QTest::newRow("the lock of one that has ended") << "ended" << int(vbYes) << false << true << true;
}

void tst_mdlIniIoEx::aSecondProgramOnTheFileAsksAndThenDoesNotSave()
{
    QFETCH(QString, holder);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, starts);
    QFETCH(bool, saves);
    const QByteArray before = SettingsBuilder::initial().bytes();
    QVERIFY(testing::writeFile(file(), before));
    const QString lockName = file() + QStringLiteral(".lock");
    QLockFile other(lockName);
    if (holder == "running") {
        QVERIFY(other.tryLock(0)); // held by this process, which runs
    } else if (holder == "ended") {
        // A lock file naming a process that has ended.
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QVERIFY(testing::writeFile(lockName, QByteArray::number(pid) + "\ntrue\n" + host + "\n"));
    }
    SettingsFilePaths paths = settingsFilePaths(file());
    SettingsLock lock;
    answer_ = answer;
    const bool started = lock.claim(paths, askToStartWithoutSaving);
    answer_ = vbOK;
    QCOMPARE(messages_.size(), asked ? 1 : 0);
    if (asked) {
        QVERIFY2(messages_[0].prompt.contains(file()), qPrintable(messages_[0].prompt));
        QCOMPARE(messages_[0].style, int(vbYesNo | vbExclamation));
    }
    QCOMPARE(started, starts);
    if (!started)
        return;
    QCOMPARE(lock.held(), saves);
    QCOMPARE(paths.saves, saves);
    // The program runs on the file's settings; the change is saved only when
    // it holds the lock.
    sim_ = std::make_unique<Simulator>(paths);
    sim_->start();
    controls(sim_->option()).Check2->click();
    exitAnswering(vbYes);
    QCOMPARE(ended_, 1);
    QCOMPARE(contents(file()) == before, !saves);
}

void tst_mdlIniIoEx::thePluginIsLoadedAtStartAndARefusalIsNotReported_data()
{
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<int>("lines"); // of its description; 0: none loaded
    QTest::newRow("the full sample plug-in") << QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-full.4SP") << 10;
    QTest::newRow("a plug-in that is not there") << QStringLiteral("/nowhere/整理券.4SP") << 0;
    QTest::newRow("a file that is no plug-in") << QStringLiteral(KERUBARA_EXAMPLES_DIR "/12.csv") << 0;
}

void tst_mdlIniIoEx::thePluginIsLoadedAtStartAndARefusalIsNotReported()
{
    QFETCH(QString, plugin);
    QFETCH(int, lines);
    const QByteArray bytes = SettingsBuilder::initial().set("chkUseSeiriPrev", 1).set("txtSeiriPlgDir", plugin).bytes();
    startWith(bytes);
    QVERIFY(messages_.isEmpty());
    // The console has the plug-in before anyone opens the options window,
    // which then shows what was read.
    QVERIFY(!sim_->hasOptionWindow());
    if (lines > 0) {
        QCOMPARE(sim_->ctl().picSeirikenPrev->size(), QSize(200, 256));
        QCOMPARE(sim_->ctl().Combo1->count(), 3); // its companies
    }
    const frmOption &o = sim_->option();
    QCOMPARE(controls(o).txtSeiriPlgDir->text(), plugin);
    QCOMPARE(controls(o).List1->count(), lines);
    QCOMPARE(controls(o).txtPlginComment->toPlainText().isEmpty(), lines == 0);
    QCOMPARE(sim_->ctl().Combo1->count(), lines > 0 ? 3 : 0); // listed once
    exitAnswering(vbYes);
    QCOMPARE(contents(file()), bytes);
}

void tst_mdlIniIoEx::aMovedRouteFolderKeepsItsRelativePaths_data()
{
    QTest::addColumn<QString>("folder"); // the data folders as stored; @ is elsewhere
    QTest::addColumn<QString>("data");   // where the route's files lie; @ is elsewhere
    QTest::newRow("the settings file's own folder") << QStringLiteral(".") << QStringLiteral("route");
    QTest::newRow("a folder inside it") << QStringLiteral("data") << QStringLiteral("route/data");
    QTest::newRow("a folder beside it") << QStringLiteral("../shared") << QStringLiteral("shared");
    QTest::newRow("an absolute folder, as before") << QStringLiteral("@") << QStringLiteral("@");
}

// A route folder holding its settings file works wherever it is moved: a
// relative folder or file lies beside the settings file, not where the
// program was started; the file keeps the paths as they were written.
void tst_mdlIniIoEx::aMovedRouteFolderKeepsItsRelativePaths()
{
    QFETCH(QString, folder);
    QFETCH(QString, data);
    const QTemporaryDir elsewhere;
    folder.replace(u'@', elsewhere.path());
    data.replace(u'@', elsewhere.path());
    QDir top(dir_->path());
    const QString files = QDir::isAbsolutePath(data) ? data : top.filePath(data);
    QVERIFY(top.mkpath(files) && top.mkpath(QStringLiteral("route")));
    QVERIFY(testing::writeFile(files + QStringLiteral("/7.hy3"), testing::routeBytes(3)));
    QVERIFY(testing::writeFile(files + QStringLiteral("/7tp.csv"), cp932::encode(QStringLiteral("\"次は、停2です。\",1,0\r\n"))));
    const QByteArray bytes = SettingsBuilder::initial()
                                 .set("Text2(0)", folder)
                                 .set("Text2(1)", folder)
                                 .set("txtSelectSound(8)", QStringLiteral("chimes/stop.wav"))
                                 .bytes();
    QVERIFY(testing::writeFile(top.filePath(QStringLiteral("route/route.in4")), bytes));
    // Both moved, and the program started somewhere else again.
    QVERIFY(top.mkdir(QStringLiteral("moved")) && top.rename(QStringLiteral("route"), QStringLiteral("moved/route")));
    if (!QDir::isAbsolutePath(data) && !data.startsWith(QStringLiteral("route")))
        QVERIFY(top.rename(data, QStringLiteral("moved/") + data));
    const QString moved = top.filePath(QStringLiteral("moved/route"));
    start(moved + QStringLiteral("/route.in4"));

    frmCtl &console = sim_->ctl();
    QTest::mouseDClick(console.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4));
    for (int key : {10, 7, 11, 1})
        click(console.CommandButton1[static_cast<std::size_t>(key)]);
    click(console.Command1[1]);
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.value(0).prompt));
    QCOMPARE(sim_->state.nStopCount, std::int16_t(3));
    QCOMPARE(sim_->tape().GetTapeCount(), 1);
    QCOMPARE(sim_->settings().stepSoundFile(1), moved + QStringLiteral("/chimes/stop.wav"));

    // What the user sees and what is saved is what was written.
    QCOMPARE(controls(sim_->option()).Text2[0]->text(), folder);
    exitAnswering(vbYes);
    QCOMPARE(contents(moved + QStringLiteral("/route.in4")), bytes);
}

QTEST_MAIN(tst_mdlIniIoEx)
#include "tst_mdliniioex.moc"
