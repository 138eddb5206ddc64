#include "operation/frmCtl.h"

#include "FakeDialogs.h"
#include "FareBytes.h"
#include "app/Form1.h"
#include "app/PictureBox.h"
#include "app/Simulator.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/ApiSleep.h"
#include "reslib/Cp932.h"
#include "reslib/Modal.h"
#include "reslib/MsgBox.h"
#include "reslib/VbError.h"
#include "settings/SettingValues.h"
#include "settings/frmOption.h"
#include "sound/SoundFiles.h"
#include "sound/SoundSystem.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

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
    void VoiceDialog(QWidget *, const QString &) override {}
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

} // namespace

class tst_frmCtl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keypadFillsRouteAndSectionLabels();
    void keypadRouteSettingUsesTheLabels();
    void listEntryKeepsLeadingZerosButLoadsThePlainNumber();
    void routeSettingRunsTheLampTestWithTheBusyText();
    void routeSettingRefusalsShowTheirMessages_data();
    void routeSettingRefusalsShowTheirMessages();
    void failedRouteSettingKeepsThePreviousRoute();
    void stepsStopAtBothEndsWithoutSound();
    void sectionLimitsTheFaresRedrawn_data();
    void sectionLimitsTheFaresRedrawn();
    void lateNightDoublesFaresButNotMinusOneOrInformation();
    void informationDigitsFollowTheirSettings();
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

private:
    void setRoute(const QString &routeKeys, const QString &sectionKeys);
    QString path(const QString &name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scopedDialogs_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    std::unique_ptr<ScopedSleepHandler> sleeps_;
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
    Simulator::Platform platform;
    platform.audioOutput = [] { return std::make_unique<NullAudioOutput>(); };
    platform.speechEngine = [this](SoundSystem &) {
        return [this]() -> std::unique_ptr<SpeechEngine> { return std::make_unique<RecordingEngine>(&spoken_); };
    };
    platform.endProgram = [this] { ++ended_; };
    sim_ = std::make_unique<Simulator>(platform);
    sim_->sound().setCommandLog([this](const QString &c) { commands_ << c; });
    sim_->start();
    frmOption &o = sim_->option();
    o.Text2[0]->setText(dir_->path());
    o.Text2[1]->setText(dir_->path());
    QVERIFY(testing::writeFile(path("12.hy3"), route(5, 2)));
}

void tst_frmCtl::cleanup()
{
    sim_.reset();
    sleeps_.reset();
    boxes_.reset();
    scopedDialogs_.reset();
    dir_.reset();
}

void tst_frmCtl::setRoute(const QString &routeKeys, const QString &sectionKeys)
{
    frmCtl &c = sim_->ctl();
    c.CommandButton1_Click(10);
    for (QChar d : routeKeys)
        c.CommandButton1_Click(d.digitValue());
    c.CommandButton1_Click(11);
    for (QChar d : sectionKeys)
        c.CommandButton1_Click(d.digitValue());
    c.Command1_Click(1);
}

void tst_frmCtl::keypadFillsRouteAndSectionLabels()
{
    frmCtl &c = sim_->ctl();
    for (int d : {4, 2})
        c.CommandButton1_Click(d); // before any 系統: the section
    QCOMPARE(c.Label2[2]->text(), QStringLiteral("42"));
    c.CommandButton1_Click(10);
    for (int d = 1; d <= 6; ++d)
        c.CommandButton1_Click(d);
    QCOMPARE(c.Label2[0]->text(), QStringLiteral("12345"));
    c.CommandButton1_Click(11);
    for (int d : {0, 0, 7, 9})
        c.CommandButton1_Click(d);
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
    QCOMPARE(sim_->form1().Degit[12]->Value().toInt(), 312);

    // Empty labels load 0.hy3 with section 1.
    QVERIFY(testing::writeFile(path("0.hy3"), route(3)));
    sim_->ctl().CommandButton1_Click(10);
    sim_->ctl().CommandButton1_Click(11);
    sim_->ctl().Command1_Click(1);
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
        c.List2[i]->setCurrentRow(digits[i].digitValue());
    c.List3[2]->setCurrentRow(2); // section "2" (the other section lists unchosen)
    c.Command1_Click(0);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(sim_->state.strRouteNo, QStringLiteral("00012"));
    QCOMPARE(sim_->state.nSection, std::int16_t(2));
    QCOMPARE(sim_->tape().GetTapeCount(), 2);
}

void tst_frmCtl::routeSettingRunsTheLampTestWithTheBusyText()
{
    sim_->form1().ChimeiCtl->setTsugiwaMode(1);
    setListIndex(sim_->option().Combo6, 1);
    QStringList shownDuringTest;
    std::int16_t modeDuringTest = -1;
    duringSleep_ = [&] {
        for (int k = 1; k <= 12; ++k)
            shownDuringTest << sim_->form1().Degit[k]->Value().toString();
        modeDuringTest = sim_->form1().ChimeiCtl->TsugiwaMode();
    };
    setRoute("12", "1");
    QCOMPARE(sleptMs_, QList<int>{3000});
    QCOMPARE(shownDuringTest, QStringList(12, QStringLiteral("888")));
    QCOMPARE(modeDuringTest, std::int16_t(1)); // the prefix mode is back after the busy text
    // After the test the digits show the first stop's fares.
    QCOMPARE(sim_->form1().Degit[1]->Value().toInt(), 101);
    QVERIFY(sim_->ctl().Command2[0]->isEnabled());
    QVERIFY(sim_->ctl().Check1->isEnabled());
    QCOMPARE(sim_->ctl().strSetDate, QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
}

void tst_frmCtl::routeSettingRefusalsShowTheirMessages_data()
{
    QTest::addColumn<QByteArray>("file"); // contents of 7.hy3; null = no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing file") << QByteArray() << "1" << QStringLiteral("指定した系統のデータがありません...");
    QTest::newRow("count 0") << route(0) << "1" << QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
    QTest::newRow("section equals count")
        << route(4) << "4"
        << QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.");
    QTest::newRow("section 999 clamped to 300")
        << route(5) << "999"
        << QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.");
    QTest::newRow("more than 301 stops") << testing::routeBytes(302) << "1"
                                         << QStringLiteral("運賃データの停留所の数（302件）が多すぎます。扱える停留所は301件までです。");
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
    QVERIFY(sleptMs_.isEmpty());
    QVERIFY(!sim_->ctl().Command2[1]->isEnabled());
}

void tst_frmCtl::failedRouteSettingKeepsThePreviousRoute()
{
    setRoute("12", "1");
    sim_->ctl().Command2_Click(1);
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
    sim_->ctl().Command2_Click(1);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QCOMPARE(sim_->form1().Degit[2]->Value().toInt(), 302);
}

void tst_frmCtl::stepsStopAtBothEndsWithoutSound()
{
    const QString chime = path("step.wav");
    QVERIFY(testing::writeFile(chime, testing::wavFile(testing::tone(440, 480, 48000), 1, 48000, testing::WavFormat::Pcm16)));
    sim_->option().txtSelectSound[7]->setText(chime);
    setRoute("12", "1");
    commands_.clear();
    sim_->ctl().Command2_Click(0); // at the first stop
    QVERIFY(commands_.isEmpty());
    QCOMPARE(sim_->state.nStopPos, std::int16_t(0));
    for (int i = 0; i < 4; ++i)
        sim_->ctl().Command2_Click(1);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(4));
    commands_.clear();
    sim_->ctl().Command2_Click(1); // at the last stop
    QVERIFY(commands_.isEmpty());
    QCOMPARE(sim_->state.nStopPos, std::int16_t(4));
    sim_->ctl().Command2_Click(0);
    QVERIFY(commands_.contains(QStringLiteral("play %1S2 from 0").arg(sim_->sound().aliasPrefix())));
}

void tst_frmCtl::sectionLimitsTheFaresRedrawn_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("firstRedrawn");
    QTest::newRow("section 4") << "4" << 4;
    QTest::newRow("section 13: none") << "13" << 13;
}

void tst_frmCtl::sectionLimitsTheFaresRedrawn()
{
    QFETCH(QString, section);
    QFETCH(int, firstRedrawn);
    QVERIFY(testing::writeFile(path("20.hy3"), route(20)));
    setRoute("20", section);
    sim_->ctl().Command2_Click(1);
    const int stop = sim_->state.nStopPos + 1;
    for (int k = 1; k <= 12; ++k) {
        const int expected = k < firstRedrawn ? 0 : 100 * stop + k;
        QCOMPARE(sim_->form1().Degit[k]->Value().toInt(), expected);
    }
}

void tst_frmCtl::lateNightDoublesFaresButNotMinusOneOrInformation()
{
    testing::StopBytes a{cp932::encode(QStringLiteral("始")), 1, {230, -1, 20000, 5}};
    testing::StopBytes b{cp932::encode(QStringLiteral("終")), 2, {240, -1, 30000, 6}};
    QVERIFY(testing::writeFile(path("3.hy3"), testing::fareFileBytes(2, {a, b})));
    frmOption &o = sim_->option();
    setCheckValue(o.Check3[3], 1);
    setListIndex(o.Combo4[4], 3); // column 4
    setListIndex(o.Combo4[3], 11); // cell 12
    sim_->ctl().Check2->setChecked(true);
    setRoute("3", "1");
    Form1 &f = sim_->form1();
    QCOMPARE(f.Degit[1]->Value().toInt(), 460);
    QCOMPARE(f.Degit[2]->Value().toInt(), -1);
    QCOMPARE(f.Degit[3]->Value().toInt(), 40000); // doubled in full
    QCOMPARE(f.Degit[12]->Value().toInt(), 5);     // information is never doubled
}

void tst_frmCtl::informationDigitsFollowTheirSettings()
{
    frmOption &o = sim_->option();
    setCheckValue(o.Check3[0], 1);
    setCheckValue(o.Check3[4], 1);
    setListIndex(o.Combo4[0], 4);
    setCheckValue(o.Check3[1], 1);
    setListIndex(o.Combo4[1], 5);
    setCheckValue(o.Check3[2], 1);
    setListIndex(o.Combo4[2], 4); // shares cell 5 with the stop order: it wins
    setCheckValue(o.Check3[3], 1);
    setListIndex(o.Combo4[4], 13); // column 14
    setListIndex(o.Combo4[3], 6);
    frmCtl &c = sim_->ctl();
    for (int i = 0; i < 5; ++i)
        c.List2[i]->setCurrentRow(QStringLiteral("00012")[i].digitValue());
    c.List3[0]->setCurrentRow(1);
    c.Command1_Click(0);
    Form1 &f = sim_->form1();
    QCOMPARE(f.Degit[5]->Value(), QVariant(QStringLiteral("00012")));
    QCOMPARE(f.Degit[6]->Value().toInt(), 1);  // ticket number of stop 1
    QCOMPARE(f.Degit[7]->Value().toInt(), 71); // column 14
    setCheckValue(o.Check3[2], 0);
    c.Command2_Click(1);
    QCOMPARE(f.Degit[5]->Value().toInt(), 1); // stop order counted from 0: second stop is 1
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
    o.Option2[1]->setChecked(true);
    setListIndex(o.Combo1, 12); // column 13
    for (int i : {8, 9, 10}) {
        const QString file = path(QStringLiteral("s%1.wav").arg(i));
        QVERIFY(testing::writeFile(file, testing::wavFile(testing::tone(440, 480, 48000), 1, 48000, testing::WavFormat::Pcm16)));
        o.txtSelectSound[static_cast<std::size_t>(i)]->setText(file);
    }
    setRoute("12", "1");
    sim_->ctl().Command2_Click(1);
    commands_.clear();
    sim_->ctl().Command2_Click(1); // onto stop 3
    if (sound == 0) {
        QVERIFY(commands_.isEmpty());
    } else {
        QVERIFY(!commands_.isEmpty());
        QVERIFY2(commands_[1].contains(QStringLiteral("s%1.wav").arg(sound)), qPrintable(commands_.join('|')));
    }
}

void tst_frmCtl::firstStopShowsNoPrefix()
{
    setListIndex(sim_->option().Combo6, 2);
    ChimeiCtl_DX *strip = sim_->form1().ChimeiCtl;
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
    sim_->ctl().Command2_Click(1);
    QVERIFY(prefixDots() > 0);
    sim_->ctl().Command2_Click(0); // stepping back onto the first record
    QCOMPARE(prefixDots(), 0);
}

void tst_frmCtl::displayClearBlanksAndRestores()
{
    setRoute("12", "1");
    frmCtl &c = sim_->ctl();
    c.Command2_Click(1);
    c.Check1->click();
    Form1 &f = sim_->form1();
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(f.Degit[k]->Value(), QVariant(QString()));
    QCOMPARE(f.TimeDegit[0]->Value(), QVariant(QString()));
    QVERIFY(!f.Timer1->isActive());
    for (QWidget *w : {static_cast<QWidget *>(c.Frame1[0]), static_cast<QWidget *>(c.Command2[1]),
                       static_cast<QWidget *>(c.Frame6), static_cast<QWidget *>(c.grpM_Tape)})
        QVERIFY(!w->isEnabled());
    QVERIFY(c.Check1->isEnabled());
    c.Check2->setChecked(true);
    c.Check1->click();
    QVERIFY(c.Command2[1]->isEnabled() && c.Frame6->isEnabled());
    QCOMPARE(c.grpM_Tape->isEnabled(), sim_->tape().bVoiceOK());
    QCOMPARE(f.Degit[1]->Value().toInt(), 2 * 201); // redrawn with the late-night fare now on
}

void tst_frmCtl::previewPaneTogglesTheWidth()
{
    frmCtl &c = sim_->ctl();
    QCOMPARE(c.width(), 5385 / 15);
    c.Check4->click();
    QCOMPARE(c.width(), 9000 / 15);
    QCOMPARE(c.Check4->text(), QStringLiteral("<<"));
    QCOMPARE(c.Check4->toolTip(), QStringLiteral("整理券プレビューを隠します"));
    c.Check4->click();
    QCOMPARE(c.width(), 5385 / 15);
    QCOMPARE(c.Check4->text(), QStringLiteral(">>"));
    QCOMPARE(c.Check4->toolTip(), QStringLiteral("整理券プレビューを開きます"));
}

void tst_frmCtl::previewCopyPutsTheImageOnTheClipboard()
{
    frmCtl &c = sim_->ctl();
    c.picSeirikenPrev->image().fill(QColor(10, 20, 30));
    c.MnuHideCopy_Click();
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
        setButtonColor(sim_->option().Command9[1], rgb(0, 0, 255));
        static_cast<frmOption &>(d).Command4_Click();
    });
    sim_->ctl().Command4_Click();
    QCOMPARE(shown, 1);
    QVERIFY(sim_->ctl().isEnabled() && sim_->form1().isEnabled());
    // The name was drawn again in the colour chosen.
    const QImage &canvas = sim_->form1().ChimeiCtl->canvas();
    bool blue = false;
    for (int y = 0; y < canvas.height() && !blue; ++y)
        for (int x = 0; x < canvas.width() && !blue; ++x)
            blue = canvas.pixelColor(x, y) == QColor(0, 0, 255);
    QVERIFY(blue);
}

void tst_frmCtl::versionTextNamesTheModel()
{
    sim_->ctl().Command8_Click();
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
    ChimeiCtl_DX *strip = sim_->form1().ChimeiCtl;
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
    c.Frame1_DblClick(0); // keypad in front
    c.GetCtrlDataInfo();
    const CtrlDataRecord saved = sim_->CtrlData;
    QCOMPARE(saved.nBackFrame, std::int16_t(0));
    QCOMPARE(saved.nScrollSpeed, 120);
    QCOMPARE(saved.nPreviewOpen, std::int16_t(1));

    sim_ = std::make_unique<Simulator>(Simulator::Platform{[] { return std::make_unique<NullAudioOutput>(); }, {}, [] {}});
    sim_->start();
    sim_->CtrlData = saved;
    frmCtl &fresh = sim_->ctl();
    fresh.SetCtrlDataInfo();
    QCOMPARE(fresh.HScroll1[0]->value(), 120);
    QCOMPARE(fresh.Label1[1]->text(), QStringLiteral("1500"));
    QVERIFY(fresh.Check2->isChecked());
    QCOMPARE(fresh.width(), 9000 / 15);
    QCOMPARE(fresh.nBackFrame, std::int16_t(0));
    QVERIFY(fresh.Frame1[1]->isVisible());

    sim_->CtrlData.nScrollWait = 5000; // no slider produces this
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
    c.cmdTapeNext_Click();
    QCOMPARE(sim_->state.nStopPos, std::int16_t(0));
    c.cmdTapeNext_Click();
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QCOMPARE(spoken_.last(), QStringLiteral("次は、停2です。"));
    c.cmdTapeNext_Click(); // past the end: no speech, but the linked step repeats
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QCOMPARE(spoken_.size(), 2);
    c.cmdTapeBack_Click(); // back to entry 1, which is not linked
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

QTEST_MAIN(tst_frmCtl)
#include "tst_frmctl.moc"
