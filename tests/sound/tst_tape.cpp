// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ApiSleep.h"
#include "reslib/Cp932.h"
#include "reslib/OsInfo.h"
#include "sound/SoundSystem.h"
#include "sound/TapeHost.h"
#include "sound/mdlM_Tape.h"

#include "SoundFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

namespace {

// Records what the tape does to the control panel and answers its settings.
struct FakeHost : TapeHost
{
    QStringList sounds = QStringList(11);
    bool always = false;
    bool sync = true;
    QString caption = QStringLiteral("音合使用不可");
    bool frameEnabled = false;
    bool buttonsEnabled = false;
    QWidget *owner = reinterpret_cast<QWidget *>(0x1234); // only passed on, never used

    QString selectSound(int index) const override { return sounds.value(index); }
    bool alwaysPreBroadcastSound() const override { return always; }
    bool preBroadcastSoundSync() const override { return sync; }
    void setTapeFrameCaption(const QString &c) override { caption = c; }
    void setTapeFrameEnabled(bool e) override { frameEnabled = e; }
    void setTapeButtonsEnabled(bool e) override { buttonsEnabled = e; }
    QWidget *dialogOwner() const override { return owner; }
};

// Records every call the tape makes of its engine.
struct FakeEngine : SpeechEngine
{
    QStringList *calls;
    int status = 1;
    explicit FakeEngine(QStringList *log) : calls(log) {}
    void VoiceStop() override { *calls << "stop"; }
    void VoiceSpeak(const QString &text) override { *calls << "speak " + text; }
    std::int32_t VoiceStatus() override
    {
        *calls << "status";
        return status;
    }
    void prepare(const QStringList &texts) override { *prepared = texts; }
    QStringList *prepared = nullptr;
    std::vector<ReadingProblem> useReadingDictionaries(const QString &folder) override
    {
        *dictionaryFolders << folder;
        return dictionaryProblems;
    }
    QStringList *dictionaryFolders = nullptr;
    std::vector<ReadingProblem> dictionaryProblems;
};

struct Rig
{
    FakeHost host;
    QStringList engineCalls;
    QStringList commands;
    int engineStatus = 1;
    bool engineAvailable = true;
    std::vector<ReadingProblem> dictionaryProblems;
    QStringList dictionaryFolders;
    QStringList prepared;
    ScopedSleepHandler noSleep{[](int) {}};
    SoundSystem sound{std::make_unique<NullAudioOutput>(), QStringLiteral("kb")};
    mdlM_Tape tape{sound, host, [this]() -> std::unique_ptr<SpeechEngine> {
                       if (!engineAvailable)
                           return nullptr;
                       auto e = std::make_unique<FakeEngine>(&engineCalls);
                       e->status = engineStatus;
                       e->dictionaryFolders = &dictionaryFolders;
                       e->prepared = &prepared;
                       e->dictionaryProblems = dictionaryProblems;
                       return e;
                   }};

    Rig() { sound.setCommandLog([this](const QString &c) { commands << c; }); }
    // Only the spoken texts, in order.
    QStringList spoken() const { return engineCalls.filter(QRegularExpression("^speak ")).replaceInStrings("speak ", ""); }
};

QByteArray tapeBytes(const QString &text)
{
    return cp932::encode(text);
}

} // namespace

class tst_Tape : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initVoiceCaptionsTheFrame_data();
    void initVoiceCaptionsTheFrame();
    void loadTapeCountsLinesAndEnablesTheButtons();
    void loadTapeDoesNothingOnVista();
    void loadTapeEndsAtTheEndOfFileMark_data();
    void loadTapeEndsAtTheEndOfFileMark();
    void failedLoadDisablesTheFrameAndLeavesNoTable_data();
    void failedLoadDisablesTheFrameAndLeavesNoTable();
    void secondRouteReplacesTheFirst();
    void eachRouteSettingReadsTheFoldersReadingDictionary();
    void forwardSpeaksEachEntryAndStopsAtTheLast();
    void backStopsAtTheFirstWithoutSound();
    void preAnnouncementSoundIsChosen_data();
    void preAnnouncementSoundIsChosen();
    void failedStatusStopsTheEngineAgain();
    void stopAndDialogReachTheEngine();
    void flagsOutsideTheTableAreZero();

private:
    QString folder() const { return dir_.path() + u'/'; }
    QTemporaryDir dir_;
};

void tst_Tape::initTestCase()
{
    const QByteArray wav = testing::wavFile(testing::level(0.1f, 480), 1, 48000, testing::WavFormat::Pcm16);
    for (const char *name : {"always.wav", "flag1.wav", "flag2.wav", "flag3.wav"})
        QVERIFY(testing::writeFile(folder() + QLatin1StringView(name), wav));
    QVERIFY(testing::writeFile(folder() + "12tp.csv",
                               tapeBytes("発車します。,0,0\r\n\"次は、市役所前です。\",1,2\r\n終点です。,0,3\r\n")));
    QVERIFY(testing::writeFile(folder() + "34TP.CSV", tapeBytes("ご乗車ありがとうございます。,0,1\r\n")));
    QVERIFY(testing::writeFile(folder() + "66tp.csv", tapeBytes("あ,0,0\r\nい,70000,0\r\n")));
    QVERIFY(testing::writeFile(folder() + "67tp.csv", tapeBytes("あ,0,0\r\nい,1\r\n")));
}

void tst_Tape::initVoiceCaptionsTheFrame_data()
{
    QTest::addColumn<QString>("os");
    QTest::addColumn<bool>("engine");
    QTest::addColumn<bool>("ok");
    QTest::newRow("engine created") << "Debian GNU/Linux 12" << true << true;
    QTest::newRow("no engine") << "Debian GNU/Linux 12" << false << false;
    QTest::newRow("vista never asks") << "Windows Vista" << true << false;
}

void tst_Tape::initVoiceCaptionsTheFrame()
{
    QFETCH(QString, os);
    QFETCH(bool, engine);
    QFETCH(bool, ok);
    ScopedOsInfo osInfo(os);
    Rig rig;
    rig.engineAvailable = engine;
    rig.tape.InitVoice();
    QCOMPARE(rig.tape.bVoiceOK(), ok);
    QCOMPARE(rig.tape.objVoice() != nullptr, ok);
    QCOMPARE(rig.host.caption, ok ? QStringLiteral("音合使用可") : QStringLiteral("音合使用不可"));
    QCOMPARE(rig.host.frameEnabled, ok);
    rig.tape.FreeVoice();
    QVERIFY(!rig.tape.objVoice());
}

void tst_Tape::loadTapeCountsLinesAndEnablesTheButtons()
{
    Rig rig;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    QCOMPARE(rig.tape.GetTapeCount(), 3);
    QCOMPARE(rig.tape.GetTapePos(), 0);
    QCOMPARE(rig.tape.TapeData()[1].Text, QStringLiteral("次は、市役所前です。"));
    // Every text of the tape is made ahead while the lamp test runs.
    QCOMPARE(rig.prepared.size(), 3);
    QCOMPARE(rig.prepared[1], QStringLiteral("次は、市役所前です。"));
    QVERIFY(rig.host.frameEnabled);
    QVERIFY(rig.host.buttonsEnabled);
    // Without an engine the table is read but nothing is enabled.
    Rig mute;
    mute.engineAvailable = false;
    mute.tape.InitVoice();
    mute.tape.LoadTape(folder(), "34"); // 34TP.CSV: the name is matched without regard to case
    QCOMPARE(mute.tape.GetTapeCount(), 1);
    QVERIFY(!mute.host.frameEnabled);
    QVERIFY(!mute.host.buttonsEnabled);
}

void tst_Tape::loadTapeDoesNothingOnVista()
{
    Rig rig;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    rig.tape.TapeNext();
    ScopedOsInfo vista(QStringLiteral("Windows Vista"));
    rig.tape.LoadTape(folder(), "34");
    QCOMPARE(rig.tape.GetTapeCount(), 3);
    QCOMPARE(rig.tape.GetTapePos(), 1);
}

void tst_Tape::loadTapeEndsAtTheEndOfFileMark_data()
{
    QTest::addColumn<QByteArray>("tail"); // after two announcements
    QTest::newRow("Ctrl-Z") << QByteArray("\x1A");
    QTest::newRow("Ctrl-Z and a line end") << QByteArray("\x1A\r\n");
    QTest::newRow("Ctrl-Z and blank lines") << QByteArray("\x1A\r\n\r\n");
}

void tst_Tape::loadTapeEndsAtTheEndOfFileMark()
{
    QFETCH(QByteArray, tail);
    QVERIFY(testing::writeFile(folder() + "80tp.csv", tapeBytes("発車します。,0,0\r\n終点です。,0,3\r\n") + tail));
    Rig rig;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "80");
    QVERIFY(rig.host.frameEnabled && rig.host.buttonsEnabled);
    QCOMPARE(rig.tape.GetTapeCount(), 2);
    rig.tape.TapeNext();
    rig.tape.TapeNext();
    rig.tape.TapeNext(); // past the last: nothing more to speak
    QCOMPARE(rig.spoken(), (QStringList{"発車します。", "終点です。"}));
}

void tst_Tape::failedLoadDisablesTheFrameAndLeavesNoTable_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("no such file") << "99";
    QTest::newRow("flag outside 16 bits") << "66";
    QTest::newRow("record cut off") << "67";
}

void tst_Tape::failedLoadDisablesTheFrameAndLeavesNoTable()
{
    QFETCH(QString, route);
    Rig rig;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    rig.tape.TapeNext();
    rig.tape.LoadTape(folder(), route);
    QVERIFY(!rig.host.frameEnabled);
    QCOMPARE(rig.tape.GetTapeCount(), 0);
    QCOMPARE(rig.tape.GetTapePos(), 0);
    QVERIFY(rig.tape.TapeData().empty());
    rig.engineCalls.clear();
    rig.tape.TapeNext();
    QCOMPARE(rig.tape.GetTapePos(), 0);
    QVERIFY(rig.engineCalls.isEmpty());
}

void tst_Tape::secondRouteReplacesTheFirst()
{
    Rig rig;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    rig.tape.TapeNext();
    rig.tape.LoadTape(folder(), "34");
    QCOMPARE(rig.tape.GetTapeCount(), 1);
    QCOMPARE(rig.tape.GetTapePos(), 0);
    QCOMPARE(rig.tape.TapeData().size(), std::size_t(1));
    QCOMPARE(rig.tape.TapeData()[0].Text, QStringLiteral("ご乗車ありがとうございます。"));
}

void tst_Tape::eachRouteSettingReadsTheFoldersReadingDictionary()
{
    Rig rig;
    rig.dictionaryProblems = {{ReadingProblem::Kind::EmptyReading, 2, {}, QStringLiteral("yomi.csv")}};
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    QCOMPARE(rig.dictionaryFolders, QStringList{folder()});
    QCOMPARE(rig.tape.readingProblems().size(), std::size_t(1));
    QCOMPARE(rig.tape.readingProblems()[0].line, 2);
    // A bad dictionary line never stops the tape.
    QCOMPARE(rig.tape.GetTapeCount(), 3);
    QVERIFY(rig.host.buttonsEnabled);
    rig.tape.TapeNext();
    QCOMPARE(rig.spoken(), QStringList{"発車します。"});
    // The next route setting reads it again, even for a route without announcements.
    rig.tape.LoadTape(folder(), "99");
    QCOMPARE(rig.dictionaryFolders, (QStringList{folder(), folder()}));
}

void tst_Tape::forwardSpeaksEachEntryAndStopsAtTheLast()
{
    Rig rig;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    QList<int> positions;
    for (int press = 0; press < 4; ++press) {
        rig.tape.TapeNext();
        positions << rig.tape.GetTapePos();
    }
    QCOMPARE(positions, (QList<int>{1, 2, 3, 3}));
    QCOMPARE(rig.spoken(), (QStringList{"発車します。", "次は、市役所前です。", "終点です。"}));
    // Each entry: stop, speak, ask the status.
    QCOMPARE(rig.engineCalls.mid(0, 3), (QStringList{"stop", "speak 発車します。", "status"}));
    QCOMPARE(rig.tape.GetTapeStepFlag(rig.tape.GetTapePos()), std::int16_t(0));
}

void tst_Tape::backStopsAtTheFirstWithoutSound()
{
    Rig rig;
    rig.host.sounds[4] = folder() + "flag1.wav";
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "34");
    rig.tape.TapeBack(); // before any forward press
    QCOMPARE(rig.tape.GetTapePos(), 1);
    rig.tape.TapeBack();
    QCOMPARE(rig.tape.GetTapePos(), 1);
    QVERIFY(rig.engineCalls.isEmpty());
    QVERIFY(rig.commands.isEmpty());
}

void tst_Tape::preAnnouncementSoundIsChosen_data()
{
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("position"); // reached by the press
    QTest::addColumn<bool>("always");
    QTest::addColumn<bool>("sync");
    QTest::addColumn<QString>("file"); // empty: no sound
    QTest::addColumn<QString>("channel");
    QTest::newRow("forward, flag 2") << true << 2 << false << true << "flag2.wav" << "S3";
    QTest::newRow("forward, flag 3, asynchronous") << true << 3 << false << false << "flag3.wav" << "S3";
    QTest::newRow("forward, flag 0") << true << 1 << false << true << "" << "";
    QTest::newRow("forward, always option") << true << 1 << true << true << "always.wav" << "S3";
    QTest::newRow("back, flag 2") << false << 2 << false << true << "flag2.wav" << "S2";
    QTest::newRow("back ignores always option") << false << 2 << true << false << "flag2.wav" << "S2";
    QTest::newRow("back, flag 0") << false << 1 << true << true << "" << "";
}

void tst_Tape::preAnnouncementSoundIsChosen()
{
    QFETCH(bool, forward);
    QFETCH(int, position);
    QFETCH(bool, always);
    QFETCH(bool, sync);
    QFETCH(QString, file);
    QFETCH(QString, channel);
    Rig rig;
    rig.host.sounds[3] = folder() + "always.wav";
    for (int f = 1; f <= 3; ++f)
        rig.host.sounds[3 + f] = folder() + QStringLiteral("flag%1.wav").arg(f);
    rig.host.always = always;
    rig.host.sync = sync;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    for (int i = 0; i < (forward ? position - 1 : 3); ++i)
        rig.tape.TapeNext();
    while (!forward && rig.tape.GetTapePos() > position + 1)
        rig.tape.TapeBack();
    rig.commands.clear();
    rig.engineCalls.clear();
    forward ? rig.tape.TapeNext() : rig.tape.TapeBack();
    QCOMPARE(rig.tape.GetTapePos(), position);
    QCOMPARE(rig.spoken(), QStringList{rig.tape.TapeData()[static_cast<std::size_t>(position - 1)].Text});
    if (file.isEmpty()) {
        QVERIFY(rig.commands.isEmpty());
        return;
    }
    const QString alias = "kb" + channel;
    QCOMPARE(rig.commands.value(1), QStringLiteral("open \"%1\" type waveaudio alias %2 wait").arg(folder() + file, alias));
    QCOMPARE(rig.commands.last(), sync ? "play " + alias + " from 0 wait" : "play " + alias + " from 0");
}

void tst_Tape::failedStatusStopsTheEngineAgain()
{
    Rig rig;
    rig.engineStatus = -1;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    rig.tape.TapeNext();
    QCOMPARE(rig.engineCalls, (QStringList{"stop", "speak 発車します。", "status", "stop"}));
}

void tst_Tape::stopAndDialogReachTheEngine()
{
    Rig rig;
    rig.tape.InitVoice();
    // The dialog is asked for through its own seam, with the tape's engine.
    const ScopedVoiceDialog dialog([&rig](SpeechEngine &engine, QWidget *owner, const QString &title) {
        rig.engineCalls << QStringLiteral("dialog %1 %2 %3")
                               .arg(owner ? "owner" : "none", title, &engine == rig.tape.objVoice() ? "tape's" : "other");
    });
    rig.tape.TapeStop();
    rig.tape.TapeVoiceDialog();
    QCOMPARE(rig.engineCalls, (QStringList{"stop", "dialog owner 音声の調節 tape's"}));
    rig.tape.FreeVoice();
    rig.tape.TapeStop(); // without an engine: nothing happens
    rig.tape.TapeVoiceDialog();
    QCOMPARE(rig.engineCalls.size(), 2);
}

void tst_Tape::flagsOutsideTheTableAreZero()
{
    Rig rig;
    rig.tape.InitVoice();
    rig.tape.LoadTape(folder(), "12");
    QCOMPARE(rig.tape.GetTapeStepFlag(2), std::int16_t(1));
    QCOMPARE(rig.tape.GetTapeSoundFlag(2), std::int16_t(2));
    for (int pos : {0, -1, 4, 1000}) {
        QCOMPARE(rig.tape.GetTapeStepFlag(pos), std::int16_t(0));
        QCOMPARE(rig.tape.GetTapeSoundFlag(pos), std::int16_t(0));
    }
}

QTEST_GUILESS_MAIN(tst_Tape)
#include "tst_tape.moc"
