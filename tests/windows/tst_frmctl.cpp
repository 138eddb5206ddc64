// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionControls.h"
#include "windows/DigitList.h"
#include "windows/frmCtl.h"
#include "windows/frmFareEdit.h"

#include "FakeDialogs.h"
#include "FareBytes.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "dialogs/Modal.h"
#include "reslib/Cp932.h"
#include "reslib/MsgBox.h"
#include "reslib/Seams.h"
#include "reslib/VbError.h"
#include "sound/SoundFiles.h"
#include "sound/SoundSystem.h"
#include "windows/FarePanelView.h"
#include "windows/Form1.h"
#include "windows/PictureBox.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"
#include "windows/frmOption.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>
#include <utility>

using namespace kerubara;

namespace {

// A speech engine that only records what it was asked to say.
struct RecordingEngine : SpeechEngine
{
    QStringList *spoken;
    explicit RecordingEngine(QStringList *log) : spoken(log) {}
    void VoiceStop() override {}
    void VoiceSpeak(const QString &text) override { spoken->append(text); }
    std::int32_t VoiceStatus() override { return 0; }
};

// A route of `n` stops: names 停1..停n, ticket number = stop, column k of
// stop s = 100 s + k; columns 13 and 14 as given (flag and information).
QByteArray route(int n, int flagAtStop3 = 0)
{
    std::vector<testing::StopBytes> stops;
    for (int s = 1; s <= n; ++s) {
        testing::StopBytes stop;
        stop.name = cp932::encode(QStringLiteral("停%1").arg(s));
        stop.ticket = static_cast<std::int16_t>(s);
        for (int k = 1; k <= 12; ++k)
            stop.cols.push_back(static_cast<std::int16_t>(100 * s + k));
        stop.cols.push_back(static_cast<std::int16_t>(s == 3 ? flagAtStop3 : 0)); // column 13
        stop.cols.push_back(static_cast<std::int16_t>(70 + s));                     // column 14
        stops.push_back(stop);
    }
    return testing::fareFileBytes(static_cast<std::int16_t>(n), stops);
}

// A left click delivered through the widget's own mouse events.
void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A click on digit `row` of an entry list, where the user would click.
void clickItem(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// A click that waits in the event queue, as a click made while the program
// is busy does: it arrives when pending messages next run.
void queueClick(QWidget *w)
{
    const QPointF at = QRectF(w->rect()).center();
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                                                   Qt::NoButton, Qt::NoModifier));
}

// True when entry frame `index` is the one the user sees.
bool inFront(const frmCtl &c, int index)
{
    QWidget *top = c.childAt(c.Frame1[0]->geometry().topLeft() + QPoint(100, 100));
    return top == c.Frame1[index] || c.Frame1[index]->isAncestorOf(top);
}

// Dots of `colour` on the strip's canvas, left of x = `width`.
int dotsOf(const ChimeiCtl_DX &strip, const QColor &colour, int width = 1 << 20)
{
    int n = 0;
    const QImage &canvas = strip.canvas();
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < std::min(width, canvas.width()); ++x)
            n += canvas.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

} // namespace

class tst_frmCtl : public QObject
{
    Q_OBJECT

private slots:
    void theConsoleOpensTheEditorOnTheRouteSet_data();
    void theConsoleOpensTheEditorOnTheRouteSet();
    void init();
    void cleanup();
    void keypadFillsRouteAndSectionLabels();
    void keypadRouteSettingUsesTheLabels();
    void listEntryKeepsLeadingZerosButLoadsThePlainNumber();
    void routeSettingRunsTheLampTestWithTheBusyText();
    void routeSettingRefusalsShowTheirMessages_data();
    void routeSettingRefusalsShowTheirMessages();
    void failedRouteSettingKeepsThePreviousRoute();
    void informationDigitsReachThePanel();
    void stepSoundByFareColumn_data();
    void stepSoundByFareColumn();
    void firstStopShowsNoPrefix();
    void displayClearBlanksAndRestores();
    void previewPaneTogglesTheWidth();
    void previewCopyPutsTheImageOnTheClipboard();
    void optionsRedrawTheStopName();
    void versionTextNamesTheModel();
    void slidersSetBothScrollProperties();
    void controlDataRoundTrips();
    void tapeStepFlagStepsTheStop();
    void exitQuestionNoKeepsRunningYesEnds();
    void secondResetDuringTheLampTestIsIgnored_data();
    void secondResetDuringTheLampTestIsIgnored();
    void stepDuringASynchronousChimeWaitsItsTurn_data();
    void stepDuringASynchronousChimeWaitsItsTurn();
    void tapeButtonDuringTheLampTestWaitsItsTurn();
    void stopEndsASynchronousChimeAtOnce_data();
    void stopEndsASynchronousChimeAtOnce();
    void closeAndOptionsDuringTheLampTestWaitForTheUnit_data();
    void closeAndOptionsDuringTheLampTestWaitForTheUnit();
    void optionsKeepTheFirstStopWithoutPrefix();
    void otherControlsWorkDuringTheLampTest();
    void errorInRouteSettingShowsTheBoxAndFreesTheConsole();
    void keyboardChoiceInDigitListsSoundsLikeAClick_data();
    void keyboardChoiceInDigitListsSoundsLikeAClick();
    void sliderValuesAreRangeCheckedBefore16Bits_data();
    void sliderValuesAreRangeCheckedBefore16Bits();
    void consoleStaysInsideTheAvailableScreen();

private:
    // Route setting through the keypad and its リセット: "12", "003".
    void setRoute(const QString &routeKeys, const QString &sectionKeys);
    // Presses keypad keys: digits, R for 系統, S for 区間.
    void keypad(const QString &keys);
    void step(int index, int times = 1);
    QString writeTone(const QString &name);
    QString path(const QString &name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scopedDialogs_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    std::unique_ptr<ScopedSleepHandler> sleeps_;
    std::unique_ptr<ScopedAudioOutput> audio_;
    std::unique_ptr<ScopedSpeechEngine> speech_;
    std::unique_ptr<ScopedEndProgramHandler> end_;
    QList<MsgBoxCall> messages_;
    int msgBoxAnswer_ = vbOK;
    QList<int> sleptMs_;
    std::function<void()> duringSleep_;
    QStringList commands_;
    QStringList spoken_;
    int ended_ = 0;
};

void tst_frmCtl::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    messages_.clear();
    sleptMs_.clear();
    commands_.clear();
    spoken_.clear();
    ended_ = 0;
    msgBoxAnswer_ = vbOK;
    duringSleep_ = nullptr;
    dialogs_ = testing::FakeDialogs{};
    scopedDialogs_ = std::make_unique<ScopedResDialogs>(dialogs_);
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        messages_ << c;
        return msgBoxAnswer_;
    });
    sleeps_ = std::make_unique<ScopedSleepHandler>([this](int ms) {
        sleptMs_ << ms;
        if (duringSleep_)
            duringSleep_();
    });
    audio_ = std::make_unique<ScopedAudioOutput>([] { return std::make_unique<NullAudioOutput>(); });
    speech_ = std::make_unique<ScopedSpeechEngine>(
        [this](SoundSystem &) -> std::unique_ptr<SpeechEngine> { return std::make_unique<RecordingEngine>(&spoken_); });
    end_ = std::make_unique<ScopedEndProgramHandler>([this] { ++ended_; });
    sim_ = std::make_unique<Simulator>();
    sim_->sound().setCommandLog([this](const QString &c) { commands_ << c; });
    sim_->start();
    frmOption &o = sim_->option();
    controls(o).Text2[0]->setText(dir_->path());
    controls(o).Text2[1]->setText(dir_->path());
    QVERIFY(testing::writeFile(path("12.hy3"), route(5, 2)));
}

void tst_frmCtl::cleanup()
{
    sim_.reset();
    end_.reset();
    speech_.reset();
    audio_.reset();
    sleeps_.reset();
    boxes_.reset();
    scopedDialogs_.reset();
    dir_.reset();
}

void tst_frmCtl::setRoute(const QString &routeKeys, const QString &sectionKeys)
{
    frmCtl &c = sim_->ctl();
    keypad(QStringLiteral("R") + routeKeys + QStringLiteral("S") + sectionKeys);
    click(c.Command1[1]);
}

void tst_frmCtl::keypad(const QString &keys)
{
    frmCtl &c = sim_->ctl();
    if (!inFront(c, 1))
        QTest::mouseDClick(c.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4)); // the keypad to the front
    for (QChar key : keys) {
        const int index = key == u'R' ? 10 : key == u'S' ? 11 : key.digitValue();
        click(c.CommandButton1[static_cast<std::size_t>(index)]);
    }
}

void tst_frmCtl::step(int index, int times)
{
    for (int i = 0; i < times; ++i)
        click(sim_->ctl().Command2[static_cast<std::size_t>(index)]);
}

QString tst_frmCtl::writeTone(const QString &name)
{
    const QString file = path(name);
    testing::writeFile(file, testing::wavFile(testing::tone(440, 480, 48000), 1, 48000, testing::WavFormat::Pcm16));
    return file;
}

void tst_frmCtl::keypadFillsRouteAndSectionLabels()
{
    frmCtl &c = sim_->ctl();
    for (int d : {4, 2})
        click(c.CommandButton1[d]); // before any 系統: the section
    QCOMPARE(c.Label2[2]->text(), QStringLiteral("42"));
    keypad(QStringLiteral("R123456"));
    QCOMPARE(c.Label2[0]->text(), QStringLiteral("12345"));
    keypad(QStringLiteral("S0079"));
    QCOMPARE(c.Label2[2]->text(), QStringLiteral("007"));
    QCOMPARE(c.Label2[0]->text(), QStringLiteral("12345"));
}

void tst_frmCtl::keypadRouteSettingUsesTheLabels()
{
    setRoute("12", "003");
    QVERIFY(messages_.isEmpty());
    QCOMPARE(sim_->state.nSection, std::int16_t(3));
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QCOMPARE(sim_->state.strRouteNo, QStringLiteral("12"));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[12]->Value().toInt(), 312);

    // Empty labels load 0.hy3 with section 1.
    QVERIFY(testing::writeFile(path("0.hy3"), route(3)));
    keypad(QStringLiteral("RS"));
    click(sim_->ctl().Command1[1]);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(sim_->state.nStopCount, std::int16_t(3));
    QCOMPARE(sim_->state.nSection, std::int16_t(1));
}

void tst_frmCtl::listEntryKeepsLeadingZerosButLoadsThePlainNumber()
{
    QVERIFY(testing::writeFile(path("12tp.csv"), QByteArray("a,0,0\r\nb,1,0\r\n")));
    frmCtl &c = sim_->ctl();
    const QString digits = "00012";
    for (int i = 0; i < 5; ++i)
        clickItem(c.List2[i], digits[i].digitValue());
    clickItem(c.List3[2], 2); // section "2" (the other section lists unchosen)
    click(c.Command1[0]);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(sim_->state.strRouteNo, QStringLiteral("00012"));
    QCOMPARE(sim_->state.nSection, std::int16_t(2));
    QCOMPARE(sim_->tape().GetTapeCount(), 2);
}

void tst_frmCtl::routeSettingRunsTheLampTestWithTheBusyText()
{
    ChimeiCtl_DX *strip = sim_->form1().controlsForTesting().ChimeiCtl;
    strip->setTsugiwaMode(1);
    strip->setTsugiwaColor(rgb(0, 255, 0));
    strip->setForeColor(rgb(255, 0, 0));
    setListIndex(controls(sim_->option()).Combo6, 1);
    QStringList shownDuringTest;
    std::int16_t modeDuringTest = -1;
    int prefixDots = -1;
    int nameDots = -1;
    duringSleep_ = [&] {
        for (int k = 1; k <= 12; ++k)
            shownDuringTest << sim_->form1().controlsForTesting().Degit[k]->Value().toString();
        modeDuringTest = strip->TsugiwaMode();
        prefixDots = dotsOf(*strip, QColor(0, 255, 0));
        nameDots = dotsOf(*strip, QColor(255, 0, 0));
    };
    setRoute("12", "1");
    QCOMPARE(sleptMs_, QList<int>{3000});
    QCOMPARE(shownDuringTest, QStringList(12, QStringLiteral("888")));
    QCOMPARE(prefixDots, 0);  // 系統選別中 without 次は
    QVERIFY(nameDots > 0);
    QCOMPARE(modeDuringTest, std::int16_t(1)); // the prefix mode is back after the busy text
    // After the test the digits show the first stop's fares.
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toInt(), 101);
    QVERIFY(sim_->ctl().Command2[0]->isEnabled());
    QVERIFY(sim_->ctl().Check1->isEnabled());
    QCOMPARE(sim_->engine().strSetDate, QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
}

void tst_frmCtl::routeSettingRefusalsShowTheirMessages_data()
{
    QTest::addColumn<QByteArray>("file"); // contents of 7.hy3; null = no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("details"); // "@" the fare file looked for

    QTest::newRow("missing file") << QByteArray() << "1" << QStringLiteral("指定した系統のデータがありません...")
                                  << QStringLiteral("運賃データのファイルが見つかりません:\n@\n");
    QTest::newRow("count 0") << route(0) << "1" << QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...")
                             << QString();
    QTest::newRow("section equals count")
        << route(4) << "4"
        << QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.") << QString();
    QTest::newRow("section 999 clamped to 300")
        << route(5) << "999"
        << QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.") << QString();
    QTest::newRow("more than 301 stops") << testing::routeBytes(302) << "1"
                                         << QStringLiteral("運賃データの停留所の数（302件）が多すぎます。扱える停留所は301件までです。")
                                         << QString();
}

void tst_frmCtl::routeSettingRefusalsShowTheirMessages()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, message);
    if (!file.isNull())
        QVERIFY(testing::writeFile(path("7.hy3"), file));
    QVERIFY(testing::writeFile(path("7Tp.csv"), QByteArray("a,0,0\r\nb,0,0\r\nc,0,0\r\n")));
    setRoute("7", section);
    // The route's announcements are read before its fare data is refused.
    QCOMPARE(sim_->tape().GetTapeCount(), 3);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_.front().prompt, message);
    QCOMPARE(messages_.front().style, int(vbOKOnly));
    QFETCH(QString, details);
    if (details.isEmpty())
        QCOMPARE(messages_.front().details, QString());
    else
        QVERIFY2(messages_.front().details.startsWith(details.replace(u'@', QFileInfo(path("7.hy3")).absoluteFilePath())),
                 qPrintable(messages_.front().details));
    QVERIFY(sleptMs_.isEmpty());
    QVERIFY(!sim_->ctl().Command2[1]->isEnabled());
}

void tst_frmCtl::failedRouteSettingKeepsThePreviousRoute()
{
    setRoute("12", "1");
    step(1);
    const OperatingState before = sim_->state;
    QVERIFY(testing::writeFile(path("9.hy3"), route(2)));
    setRoute("9", "2"); // refused: section 2 of 2 stops
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(sim_->state.strRouteNo, before.strRouteNo);
    QCOMPARE(sim_->state.nSection, before.nSection);
    QCOMPARE(sim_->state.nStopCount, before.nStopCount);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QVERIFY(sim_->state.FareData == before.FareData);
    QVERIFY(sim_->ctl().Command2[1]->isEnabled());
    step(1);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[2]->Value().toInt(), 302);
}

// The options chosen in the window reach the unit, and what it shows of them
// reaches the panel (the rules are the engine's).
void tst_frmCtl::informationDigitsReachThePanel()
{
    frmOption &o = sim_->option();
    setCheckValue(controls(o).Check3[2], 1);
    setListIndex(controls(o).Combo4[2], 4);
    setCheckValue(controls(o).Check3[3], 1);
    setListIndex(controls(o).Combo4[4], 13); // column 14
    setListIndex(controls(o).Combo4[3], 6);
    frmCtl &c = sim_->ctl();
    for (int i = 0; i < 5; ++i)
        clickItem(c.List2[i], QStringLiteral("00012")[i].digitValue());
    clickItem(c.List3[0], 1);
    click(c.Command1[0]);
    Form1 &f = sim_->form1();
    QCOMPARE(f.controlsForTesting().Degit[5]->Value(), QVariant(QStringLiteral("00012")));
    QCOMPARE(f.controlsForTesting().Degit[7]->Value().toInt(), 71); // column 14
}

void tst_frmCtl::stepSoundByFareColumn_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("sound"); // txtSelectSound index, 0 = none
    QTest::newRow("flag 2 plays sound 9") << 2 << 9;
    QTest::newRow("flag 3 plays sound 10") << 3 << 10;
    QTest::newRow("flag 0 plays nothing") << 0 << 0;
    QTest::newRow("flag 4 plays nothing") << 4 << 0;
}

void tst_frmCtl::stepSoundByFareColumn()
{
    QFETCH(int, flag);
    QFETCH(int, sound);
    QVERIFY(testing::writeFile(path("12.hy3"), route(5, flag)));
    frmOption &o = sim_->option();
    controls(o).Option2[1]->setChecked(true);
    setListIndex(controls(o).Combo1, 12); // column 13
    for (int i : {8, 9, 10}) {
        const QString file = path(QStringLiteral("s%1.wav").arg(i));
        QVERIFY(testing::writeFile(file, testing::wavFile(testing::tone(440, 480, 48000), 1, 48000, testing::WavFormat::Pcm16)));
        controls(o).txtSelectSound[static_cast<std::size_t>(i)]->setText(file);
    }
    setRoute("12", "1");
    step(1);
    commands_.clear();
    step(1); // onto stop 3
    if (sound == 0) {
        QVERIFY(commands_.isEmpty());
    } else {
        QVERIFY(!commands_.isEmpty());
        QVERIFY2(commands_[1].contains(QStringLiteral("s%1.wav").arg(sound)), qPrintable(commands_.join('|')));
    }
}

void tst_frmCtl::firstStopShowsNoPrefix()
{
    setListIndex(controls(sim_->option()).Combo6, 2);
    ChimeiCtl_DX *strip = sim_->form1().controlsForTesting().ChimeiCtl;
    strip->setTsugiwaColor(rgb(0, 255, 0));
    auto prefixDots = [&] {
        int n = 0;
        const QImage &canvas = strip->canvas();
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < std::min(108, canvas.width()); ++x)
                n += canvas.pixelColor(x, y) == QColor(0, 255, 0) ? 1 : 0;
        return n;
    };
    setRoute("12", "1");
    QCOMPARE(prefixDots(), 0);
    QCOMPARE(strip->TsugiwaMode(), std::int16_t(2));
    step(1);
    QVERIFY(prefixDots() > 0);
    step(0); // stepping back onto the first record
    QCOMPARE(prefixDots(), 0);
}

void tst_frmCtl::displayClearBlanksAndRestores()
{
    setRoute("12", "1");
    frmCtl &c = sim_->ctl();
    step(1);
    click(c.Check2); // late-night on: no effect until the next redraw
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toInt(), 201);
    click(c.Check1);
    Form1 &f = sim_->form1();
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(f.controlsForTesting().Degit[k]->Value(), QVariant(QString()));
    QCOMPARE(f.controlsForTesting().TimeDegit[0]->Value(), QVariant(QString()));
    QVERIFY(!f.controlsForTesting().Timer1->isActive());
    for (QWidget *w : {static_cast<QWidget *>(c.Frame1[0]), static_cast<QWidget *>(c.Command2[1]),
                       static_cast<QWidget *>(c.Frame6), static_cast<QWidget *>(c.grpM_Tape)})
        QVERIFY(!w->isEnabled());
    QVERIFY(c.Check1->isEnabled());
    QVERIFY(!c.Check2->isEnabled()); // the late-night toggle rests while the display is clear
    click(c.Check1);
    QVERIFY(c.Command2[1]->isEnabled() && c.Frame6->isEnabled());
    QCOMPARE(c.grpM_Tape->isEnabled(), sim_->tape().bVoiceOK());
    QCOMPARE(f.controlsForTesting().Degit[1]->Value().toInt(), 2 * 201); // redrawn with the late-night fare now on
}

void tst_frmCtl::previewPaneTogglesTheWidth()
{
    frmCtl &c = sim_->ctl();
    QCOMPARE(c.width(), 5385 / 15);
    click(c.Check4);
    QCOMPARE(c.width(), 9000 / 15);
    QCOMPARE(c.Check4->text(), QStringLiteral("<<"));
    QCOMPARE(c.Check4->toolTip(), QStringLiteral("整理券プレビューを隠します"));
    click(c.Check4);
    QCOMPARE(c.width(), 5385 / 15);
    QCOMPARE(c.Check4->text(), QStringLiteral(">>"));
    QCOMPARE(c.Check4->toolTip(), QStringLiteral("整理券プレビューを開きます"));
}

void tst_frmCtl::previewCopyPutsTheImageOnTheClipboard()
{
    frmCtl &c = sim_->ctl();
    c.picSeirikenPrev->image().fill(QColor(10, 20, 30));
    click(c.Check4);
    QTest::mouseClick(c.picSeirikenPrev, Qt::RightButton);
    QTRY_VERIFY(c.MnuHide->isVisible());
    QAction *copy = c.MnuHide->findChild<QAction *>(QStringLiteral("MnuHideCopy"));
    QVERIFY(copy);
    copy->trigger();
    c.MnuHide->hide();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), c.picSeirikenPrev->image().size());
    QCOMPARE(copied.pixelColor(0, 0), QColor(10, 20, 30));
}

void tst_frmCtl::optionsRedrawTheStopName()
{
    setRoute("12", "1");
    int shown = 0;
    ScopedModalHandler modal([&](QDialog &d) {
        ++shown;
        QVERIFY(!sim_->ctl().isEnabled());
        QVERIFY(!sim_->form1().isEnabled());
        setButtonColor(controls(sim_->option()).Command9[1], rgb(0, 0, 255));
        click(controls(static_cast<frmOption &>(d)).Command4);
    });
    click(sim_->ctl().Command4);
    QCOMPARE(shown, 1);
    QVERIFY(sim_->ctl().isEnabled() && sim_->form1().isEnabled());
    // The name was drawn again in the colour chosen.
    const QImage &canvas = sim_->form1().controlsForTesting().ChimeiCtl->canvas();
    bool blue = false;
    for (int y = 0; y < canvas.height() && !blue; ++y)
        for (int x = 0; x < canvas.width() && !blue; ++x)
            blue = canvas.pixelColor(x, y) == QColor(0, 0, 255);
    QVERIFY(blue);
}

void tst_frmCtl::versionTextNamesTheModel()
{
    click(sim_->ctl().Command8);
    QCOMPARE(dialogs_.calls, 1);
    const QStringList lines = dialogs_.lastText.split(QStringLiteral("\r\n"));
    QVERIFY(lines[0].startsWith(QStringLiteral("機種：")));
    QVERIFY(lines[1].startsWith(QStringLiteral("バージョン：")));
    QVERIFY(lines[1].endsWith(QStringLiteral("  ServiceRelease 1")));
    QVERIFY(lines[2].isEmpty());
    QVERIFY(lines[4].contains(QString::number(QDate::currentDate().year())));
    QVERIFY(sim_->form1().isEnabled());
}

void tst_frmCtl::slidersSetBothScrollProperties()
{
    frmCtl &c = sim_->ctl();
    c.HScroll1[1]->setValue(700);
    ChimeiCtl_DX *strip = sim_->form1().controlsForTesting().ChimeiCtl;
    QCOMPARE(strip->ScrollStartWait(), 700);
    QCOMPARE(strip->Speed(), std::int16_t(1));
    QCOMPARE(c.Label1[1]->text(), QStringLiteral("700"));
    c.HScroll1[0]->setValue(250);
    QCOMPARE(strip->Speed(), std::int16_t(250));
    QCOMPARE(c.Label1[0]->text(), QStringLiteral("250"));
}

void tst_frmCtl::controlDataRoundTrips()
{
    frmCtl &c = sim_->ctl();
    c.HScroll1[0]->setValue(120);
    c.HScroll1[1]->setValue(1500);
    c.Check2->setChecked(true);
    c.Check4->setChecked(true);
    QTest::mouseDClick(c.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4)); // keypad in front
    c.GetCtrlDataInfo();
    const CtrlDataRecord saved = sim_->ini.CtrlData;
    QCOMPARE(saved.nBackFrame, std::int16_t(0));
    QCOMPARE(saved.nScrollSpeed, 120);
    QCOMPARE(saved.nPreviewOpen, std::int16_t(1));

    sim_ = std::make_unique<Simulator>();
    sim_->start();
    sim_->ini.CtrlData = saved;
    frmCtl &fresh = sim_->ctl();
    fresh.SetCtrlDataInfo();
    QCOMPARE(fresh.HScroll1[0]->value(), 120);
    QCOMPARE(fresh.Label1[1]->text(), QStringLiteral("1500"));
    QVERIFY(fresh.Check2->isChecked());
    QCOMPARE(fresh.width(), 9000 / 15);
    QCOMPARE(fresh.nBackFrame, std::int16_t(0));
    QVERIFY(inFront(fresh, 1));
    QVERIFY(!inFront(fresh, 0));

    sim_->ini.CtrlData.nScrollWait = 5000; // no slider produces this
    try {
        fresh.SetCtrlDataInfo();
        QFAIL("accepted");
    } catch (const VbError &e) {
        QCOMPARE(e.number(), 380);
    }
}

void tst_frmCtl::tapeStepFlagStepsTheStop()
{
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(QStringLiteral("発車します。,0,0\r\n次は、停2です。,1,0\r\n"))));
    setRoute("12", "1");
    frmCtl &c = sim_->ctl();
    QVERIFY(c.grpM_Tape->isEnabled());
    click(c.cmdTapeNext);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(0));
    click(c.cmdTapeNext);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QCOMPARE(spoken_.last(), QStringLiteral("次は、停2です。"));
    click(c.cmdTapeNext); // past the end: no speech, but the linked step repeats
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QCOMPARE(spoken_.size(), 2);
    click(c.cmdTapeBack); // back to entry 1, which is not linked
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
}

void tst_frmCtl::exitQuestionNoKeepsRunningYesEnds()
{
    frmCtl &c = sim_->ctl();
    msgBoxAnswer_ = vbNo;
    c.close();
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_[0].prompt, QStringLiteral("ケルバラを終了しますか？"));
    QCOMPARE(messages_[0].title, QStringLiteral("ケルバラの終了確認"));
    QCOMPARE(messages_[0].style, int(vbQuestion | vbYesNo));
    QCOMPARE(ended_, 0);
    QVERIFY(c.isVisible());
    msgBoxAnswer_ = vbYes;
    c.close();
    QCOMPARE(ended_, 1);
    QVERIFY(!sim_->tape().objVoice());
}

void tst_frmCtl::secondResetDuringTheLampTestIsIgnored_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("same keypad リセット") << 1;
    QTest::newRow("list リセット of another route") << 0;
}

void tst_frmCtl::secondResetDuringTheLampTestIsIgnored()
{
    QFETCH(int, button);
    frmCtl &c = sim_->ctl();
    QVERIFY(testing::writeFile(path("7.hy3"), route(2)));
    clickItem(c.List2[4], 7);
    bool queued = false;
    duringSleep_ = [&] {
        if (!std::exchange(queued, true))
            queueClick(c.Command1[static_cast<std::size_t>(button)]);
    };
    setRoute("12", "1");
    QCoreApplication::processEvents(); // nothing of the second click may be left either
    QVERIFY(queued);
    QCOMPARE(sleptMs_.size(), 1);
    QCOMPARE(sim_->state.strRouteNo, QStringLiteral("12"));
    QCOMPARE(sim_->state.nStopCount, std::int16_t(5));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toInt(), 101);
    // The console is free again: the next リセット runs.
    click(c.Command1[1]);
    QCOMPARE(sleptMs_.size(), 2);
}

void tst_frmCtl::stepDuringASynchronousChimeWaitsItsTurn_data()
{
    QTest::addColumn<bool>("byTape");
    QTest::newRow("データ送り during データ送り's chime") << false;
    QTest::newRow("データ送り during the chime of a stepping 送り") << true;
}

void tst_frmCtl::stepDuringASynchronousChimeWaitsItsTurn()
{
    QFETCH(bool, byTape);
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(QStringLiteral("次は停2です。,1,0\r\n"))));
    frmOption &o = sim_->option();
    controls(o).Option2[0]->setChecked(true); // always the one step sound
    controls(o).Option6[0]->setChecked(true); // and wait for it
    controls(o).txtSelectSound[7]->setText(writeTone(QStringLiteral("chime.wav")));
    setRoute("12", "1");
    frmCtl &c = sim_->ctl();
    bool queued = false;
    QList<int> shownWhenTheSecondStarts;
    // The sound seam's pause after the synchronous chime: a click made
    // while the chime plays is waiting in the queue by then.
    duringSleep_ = [&] {
        if (!std::exchange(queued, true))
            queueClick(c.Command2[1]);
        else
            shownWhenTheSecondStarts << sim_->form1().controlsForTesting().Degit[1]->Value().toInt();
    };
    click(byTape ? c.cmdTapeNext : c.Command2[1]);
    QVERIFY(queued);
    // Carried out after the first, in order: the first stop's fares were
    // shown when the second step's chime had played.
    QCOMPARE(shownWhenTheSecondStarts, QList<int>{201});
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(sim_->form1().controlsForTesting().Degit[k]->Value().toInt(), 300 + k);
    QVERIFY(!c.isBusy());
    click(c.Command2[1]); // and the next step goes through
    QCOMPARE(sim_->state.nStopPos, std::int16_t(3));
}

void tst_frmCtl::tapeButtonDuringTheLampTestWaitsItsTurn()
{
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(QStringLiteral("次は停2です。,1,0\r\n"))));
    frmCtl &c = sim_->ctl();
    QVERIFY(c.grpM_Tape->isEnabled());
    int tapeDuringTest = -1;
    duringSleep_ = [&] {
        tapeDuringTest = sim_->tape().GetTapePos();
        queueClick(c.cmdTapeNext);
    };
    setRoute("12", "1");
    QCOMPARE(tapeDuringTest, 0);
    // Once the route is set the announcement plays and steps the bus with it.
    QCOMPARE(sim_->tape().GetTapePos(), 1);
    QCOMPARE(spoken_, QStringList{QStringLiteral("次は停2です。")});
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
}

void tst_frmCtl::stopEndsASynchronousChimeAtOnce_data()
{
    QTest::addColumn<bool>("announcement"); // the chime before an announcement, or a step's
    QTest::newRow("chime before an announcement") << true;
    QTest::newRow("step chime") << false;
}

void tst_frmCtl::stopEndsASynchronousChimeAtOnce()
{
    QFETCH(bool, announcement);
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(QStringLiteral("次は停2です。,1,1\r\n"))));
    const QString longChime = path("long.wav");
    QVERIFY(testing::writeFile(longChime, testing::wavFile(testing::tone(440, 5 * 48000, 48000), 1, 48000,
                                                           testing::WavFormat::Pcm16)));
    frmOption &o = sim_->option();
    controls(o).Option2[3]->setChecked(true); // announcement sounds by flag, and waited for
    controls(o).Option7[0]->setChecked(true);
    controls(o).txtSelectSound[4]->setText(announcement ? longChime : QString());
    controls(o).Option2[0]->setChecked(true); // the step sound always, and waited for
    controls(o).Option6[0]->setChecked(true);
    controls(o).txtSelectSound[7]->setText(announcement ? QString() : longChime);
    setRoute("12", "1");
    frmCtl &c = sim_->ctl();
    auto &out = static_cast<NullAudioOutput &>(sim_->sound().output());
    out.clearCaptured();
    const std::uint64_t before = out.mixer().framesRendered();
    bool pressed = false;
    // ■ is pressed once the chime has started: the click waits in the queue
    // until the chime's wait lets messages run.
    sim_->sound().setCommandLog([&](const QString &command) {
        if (command.endsWith(QStringLiteral(" wait")) && command.startsWith(QStringLiteral("play"))
            && !std::exchange(pressed, true))
            queueClick(c.cmdTapeStop);
    });
    click(c.cmdTapeNext);
    QVERIFY(pressed);
    // Far less than the chime's five seconds was mixed, the announcement
    // after the chime was not spoken, and the bus still moved with the tape.
    QVERIFY2(out.mixer().framesRendered() - before < 48000, qPrintable(QString::number(out.mixer().framesRendered() - before)));
    QCOMPARE(spoken_.isEmpty(), announcement);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QVERIFY(!c.isBusy());
}

void tst_frmCtl::closeAndOptionsDuringTheLampTestWaitForTheUnit_data()
{
    QTest::addColumn<bool>("close"); // the window's close, or 設定...
    QTest::newRow("close request") << true;
    QTest::newRow("設定...") << false;
}

void tst_frmCtl::closeAndOptionsDuringTheLampTestWaitForTheUnit()
{
    QFETCH(bool, close);
    frmCtl &c = sim_->ctl();
    msgBoxAnswer_ = vbNo;
    QList<bool> busyWhenAsked;
    boxes_.reset(); // the seam's handlers nest: the old one goes first
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([&](const MsgBoxCall &call) {
        busyWhenAsked << c.isBusy();
        messages_ << call;
        return msgBoxAnswer_;
    });
    int optionsShown = 0;
    ScopedModalHandler modal([&](QDialog &d) {
        ++optionsShown;
        click(controls(static_cast<frmOption &>(d)).Command4);
    });
    duringSleep_ = [&] {
        if (close)
            QCoreApplication::postEvent(&c, new QCloseEvent);
        else
            queueClick(c.Command4);
    };
    setRoute("12", "1");
    QCoreApplication::processEvents();
    if (close) {
        // Asked once, after the route setting had ended.
        QCOMPARE(busyWhenAsked, QList<bool>{false});
        QCOMPARE(messages_.constLast().prompt, QStringLiteral("ケルバラを終了しますか？"));
    } else {
        QCOMPARE(optionsShown, 0); // ignored, as a second リセット is
        QVERIFY(c.isEnabled());
    }
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toInt(), 101);
    QCOMPARE(ended_, 0);
}

void tst_frmCtl::optionsKeepTheFirstStopWithoutPrefix()
{
    setListIndex(controls(sim_->option()).Combo6, 2);
    ChimeiCtl_DX *strip = sim_->form1().controlsForTesting().ChimeiCtl;
    setRoute("12", "1");
    ScopedModalHandler modal([&](QDialog &d) {
        setButtonColor(controls(sim_->option()).Command9[2], rgb(0, 255, 0)); // the prefix's colour
        click(controls(static_cast<frmOption &>(d)).Command4);
    });
    click(sim_->ctl().Command4);
    QCOMPARE(dotsOf(*strip, QColor(0, 255, 0)), 0);
    QCOMPARE(strip->TsugiwaMode(), std::int16_t(2));
    step(1);
    QVERIFY(dotsOf(*strip, QColor(0, 255, 0)) > 0); // the next stop has it
    click(sim_->ctl().Command4);
    QVERIFY(dotsOf(*strip, QColor(0, 255, 0)) > 0);
}

void tst_frmCtl::otherControlsWorkDuringTheLampTest()
{
    frmCtl &c = sim_->ctl();
    duringSleep_ = [&] {
        queueClick(c.Check2);
        queueClick(c.Option4[1]);
    };
    setRoute("12", "1");
    QCoreApplication::processEvents();
    QVERIFY(c.Check2->isChecked());
    QVERIFY(c.Option4[1]->isChecked());
    QCOMPARE(sim_->form1().labelColor(1), buttonColor(controls(sim_->option()).Command5[1]));
}

void tst_frmCtl::errorInRouteSettingShowsTheBoxAndFreesTheConsole()
{
    bool thrown = false;
    duringSleep_ = [&] {
        if (!std::exchange(thrown, true))
            throw std::runtime_error("lamp");
    };
    setRoute("12", "1");
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].prompt.startsWith(QStringLiteral("エラー Code:51\r\n内容:")), qPrintable(messages_[0].prompt));
    QVERIFY(!sim_->ctl().isBusy());
    click(sim_->ctl().Command1[1]);
    QCOMPARE(sleptMs_.size(), 2);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toInt(), 101);
}

void tst_frmCtl::keyboardChoiceInDigitListsSoundsLikeAClick_data()
{
    QTest::addColumn<bool>("route");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("sound"); // txtSelectSound index, -1 for none
    QTest::newRow("route digit, arrow down") << true << int(Qt::Key_Down) << 1;
    QTest::newRow("section digit, arrow down") << false << int(Qt::Key_Down) << 0;
    QTest::newRow("route digit, End") << true << int(Qt::Key_End) << 1;
    QTest::newRow("section digit, letter that chooses nothing") << false << int(Qt::Key_A) << -1;
}

void tst_frmCtl::keyboardChoiceInDigitListsSoundsLikeAClick()
{
    QFETCH(bool, route);
    QFETCH(int, key);
    QFETCH(int, sound);
    frmOption &o = sim_->option();
    controls(o).txtSelectSound[0]->setText(writeTone(QStringLiteral("route-set.wav")));
    controls(o).txtSelectSound[1]->setText(writeTone(QStringLiteral("key.wav")));
    frmCtl &c = sim_->ctl();
    QListWidget *list = route ? static_cast<QListWidget *>(c.List2[2]) : c.List3[1];
    clickItem(list, 4);
    commands_.clear();
    list->setFocus();
    QTest::keyClick(list, static_cast<Qt::Key>(key));
    if (sound < 0) {
        QVERIFY2(commands_.isEmpty(), qPrintable(commands_.join('|')));
        return;
    }
    const QString file = sound == 0 ? QStringLiteral("route-set.wav") : QStringLiteral("key.wav");
    QVERIFY2(commands_.join('|').contains(file), qPrintable(commands_.join('|')));
    QVERIFY(commands_.contains(QStringLiteral("play %1S1 from 0").arg(sim_->sound().aliasPrefix())));
}

void tst_frmCtl::sliderValuesAreRangeCheckedBefore16Bits_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("wait");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("largest values") << 2000 << 3000 << true;
    QTest::newRow("speed 65537 is not 1") << 65537 << 0 << false;
    QTest::newRow("wait 65536 + 700 is not 700") << 1 << 65536 + 700 << false;
    QTest::newRow("speed 0 below the range") << 0 << 0 << false;
    QTest::newRow("wait -1") << 1 << -1 << false;
}

void tst_frmCtl::sliderValuesAreRangeCheckedBefore16Bits()
{
    QFETCH(int, speed);
    QFETCH(int, wait);
    QFETCH(bool, accepted);
    frmCtl &c = sim_->ctl();
    c.HScroll1[0]->setValue(300);
    sim_->ini.CtrlData.nScrollSpeed = speed;
    sim_->ini.CtrlData.nScrollWait = wait;
    try {
        c.SetCtrlDataInfo();
        QVERIFY(accepted);
        QCOMPARE(c.HScroll1[0]->value(), speed);
        QCOMPARE(c.HScroll1[1]->value(), wait);
    } catch (const VbError &e) {
        QVERIFY(!accepted);
        QCOMPARE(e.number(), 380);
        QVERIFY(c.HScroll1[0]->value() == 300 || speed != 65537);
    }
}

void tst_frmCtl::consoleStaysInsideTheAvailableScreen()
{
    frmCtl &c = sim_->ctl();
    const QRect area = c.screen()->availableGeometry();
    QVERIFY(area.contains(c.frameGeometry()));
    QCOMPARE(c.frameGeometry().bottomRight(), area.bottomRight());
    click(c.Check4); // the preview pane widens the window towards the right
    QVERIFY2(area.contains(c.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                             .arg(c.frameGeometry().x())
                                                             .arg(c.frameGeometry().y())
                                                             .arg(c.frameGeometry().width())
                                                             .arg(c.frameGeometry().height())));
    QCOMPARE(c.frameGeometry().right(), area.right());
}

void tst_frmCtl::theConsoleOpensTheEditorOnTheRouteSet_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("stops");

    QTest::newRow("no route set: a new route") << "" << "" << 2;
    QTest::newRow("route 12 set: its file") << "12" << "12.hy3" << 5;
    QTest::newRow("a route without a file: a new route") << "77" << "" << 2;
}

void tst_frmCtl::theConsoleOpensTheEditorOnTheRouteSet()
{
    QFETCH(QString, route);
    QFETCH(QString, file);
    QFETCH(int, stops);
    if (!route.isEmpty())
        setRoute(route, QStringLiteral("1"));
    QVERIFY(!sim_->fareEditor());
    // A setting of the user's that the panel beside the grid shows: fare
    // digit 1 shows 0 rather than going dark.
    sim_->settings().records().DegitUser[1].ZeroMode = 1;
    frmCtl &c = sim_->ctl();
    c.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&c));
    QTest::keyClick(&c, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(sim_->fareEditor());
    QVERIFY(sim_->fareEditor()->isVisible());
    QCOMPARE(sim_->fareEditor()->filePath(), file.isEmpty() ? QString() : path(file));
    QCOMPARE(sim_->fareEditor()->model().rowCount(), stops);
    // The panel beside the grid is dressed as the run's.
    FarePanelView dressed;
    dressed.useSettings(sim_->settings().records());
    dressed.showStop(sim_->fareEditor()->model().records(), 1);
    QCOMPARE(sim_->fareEditor()->panelView()->image(), dressed.image());
}

QTEST_MAIN(tst_frmCtl)
#include "tst_frmctl.moc"
