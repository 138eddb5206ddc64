// SPDX-License-Identifier: GPL-3.0-or-later
// The console under a real window manager (openbox on a virtual X server,
// see tests/under-window-manager.sh): where its framed window is put back
// run after run, and keys typed while a chime plays.

#include "windows/frmCtl.h"

#include "FareBytes.h"
#include "OptionControls.h"
#include "TestFiles.h"
#include "reslib/Cp932.h"
#include "reslib/Seams.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "sound/SoundFiles.h"
#include "sound/SpeechEngine.h"
#include "windows/Simulator.h"
#include "windows/frmOption.h"

#include <QDate>
#include <QGroupBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

namespace {

struct SilentVoice : SpeechEngine
{
    void VoiceStop() override {}
    void VoiceSpeak(const QString &) override {}
    std::int32_t VoiceStatus() override { return 0; }
};

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

CtrlDataRecord storedCtrlData(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return settingsfile::read(f.readAll()).records.CtrlData;
}

} // namespace

class tst_frmCtlWm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void restoredConsoleKeepsItsPlaceRunAfterRun_data();
    void restoredConsoleKeepsItsPlaceRunAfterRun();
    void keysTypedDuringASynchronousChimeAreCarriedOut_data();
    void keysTypedDuringASynchronousChimeAreCarriedOut();

private:
    ScopedMsgBoxHandler boxes_{[](const MsgBoxCall &) { return int(vbYes); }};
    ScopedSleepHandler sleeps_{[](int) {}};
    ScopedSpeechEngine speech_{[](SoundSystem &) -> std::unique_ptr<SpeechEngine> {
        return std::make_unique<SilentVoice>();
    }};
    ScopedEndProgramHandler end_{[] {}};
};

void tst_frmCtlWm::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("runs under tests/under-window-manager.sh only");
}

void tst_frmCtlWm::restoredConsoleKeepsItsPlaceRunAfterRun_data()
{
    QTest::addColumn<QPoint>("at"); // the frame's top-left, pixels
    QTest::newRow("left 300, top 280") << QPoint(300, 280);
    QTest::newRow("left 700, top 500") << QPoint(700, 500);
}

// A console that is restored and saved without being moved saves the same
// twips, and its frame stands where they say. Restored before the window
// manager had framed it, it used to creep 20 px up and 1 px left a run.
void tst_frmCtlWm::restoredConsoleKeepsItsPlaceRunAfterRun()
{
    QFETCH(QPoint, at);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kerubara.in4"));
    SettingsRecords records = settingsfile::initialRecords(QDate::currentDate());
    records.CtrlData.nLeft = at.x() * 15;
    records.CtrlData.nTop = at.y() * 15;
    QVERIFY(testing::writeFile(file, settingsfile::bytes(records)));

    for (int run = 1; run <= 3; ++run) {
        Simulator sim(settingsFilePaths(file));
        sim.start();
        frmCtl &c = sim.ctl();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        // Framed by the window manager, then given time to be put in place.
        QVERIFY(QTest::qWaitFor([&] { return c.frameGeometry().size() != c.size(); }, 5000));
        (void)QTest::qWaitFor([&] { return c.frameGeometry().topLeft() == at; }, 4000);
        const QPoint frameAt = c.frameGeometry().topLeft();
        c.close(); // はい: saved
        const CtrlDataRecord saved = storedCtrlData(file);
        QVERIFY2(frameAt == at, qPrintable(QStringLiteral("run %1: frame at %2,%3").arg(run).arg(frameAt.x()).arg(frameAt.y())));
        QCOMPARE(saved.nLeft, at.x() * 15);
        QCOMPARE(saved.nTop, at.y() * 15);
    }
}

void tst_frmCtlWm::keysTypedDuringASynchronousChimeAreCarriedOut_data()
{
    QTest::addColumn<QString>("typing"); // xdotool's words after Space
    QTest::addColumn<int>("stopAfter");
    QTest::newRow("→ half a second into the chime") << QStringLiteral("sleep 0.5; xdotool key Right") << 2;
    QTest::newRow("a presenter remote's → → → during it")
        << QStringLiteral("sleep 0.3; xdotool key --delay 80 Right Right Right") << 4;
}

// Space plays an announcement after a one-second chime the announcement
// waits for, and steps the bus; keys typed meanwhile are carried out after.
void tst_frmCtlWm::keysTypedDuringASynchronousChimeAreCarriedOut()
{
    QFETCH(QString, typing);
    QFETCH(int, stopAfter);
    QTemporaryDir dir;
    QVERIFY(testing::writeFile(dir.filePath(QStringLiteral("12.hy3")), testing::routeBytes(8)));
    QVERIFY(testing::writeFile(dir.filePath(QStringLiteral("12tp.csv")),
                               cp932::encode(QStringLiteral("次は停2です。,1,1\r\n次は停3です。,1,1\r\n"))));
    const QString chime = dir.filePath(QStringLiteral("chime.wav"));
    QVERIFY(testing::writeFile(chime, testing::wavFile(testing::tone(660, 48000, 48000), 1, 48000,
                                                       testing::WavFormat::Pcm16)));
    Simulator sim;
    sim.start();
    frmOption &o = sim.option();
    controls(o).Text2[0]->setText(dir.path());
    controls(o).Text2[1]->setText(dir.path());
    controls(o).Option2[3]->setChecked(true); // the sound before an announcement by its flag
    controls(o).Option7[0]->setChecked(true); // and the announcement waits for it
    controls(o).txtSelectSound[4]->setText(chime);
    frmCtl &c = sim.ctl();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    QTest::mouseDClick(c.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4)); // the keypad
    for (int key : {10, 1, 2, 11, 1})
        click(c.CommandButton1[static_cast<std::size_t>(key)]);
    click(c.Command1[1]);
    QCOMPARE(sim.state.nStopPos, std::int16_t(0));
    c.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&c));

    QProcess keys;
    keys.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("xdotool key space; ") + typing});
    QVERIFY(keys.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return keys.state() == QProcess::NotRunning; }, 10000));
    QCOMPARE(keys.exitCode(), 0);
    (void)QTest::qWaitFor([&] { return sim.state.nStopPos == stopAfter && !c.isBusy(); }, 10000);
    QCOMPARE(sim.tape().GetTapePos(), 1);
    QCOMPARE(sim.state.nStopPos, std::int16_t(stopAfter));
}

QTEST_MAIN(tst_frmCtlWm)
#include "tst_frmctl_wm.moc"
