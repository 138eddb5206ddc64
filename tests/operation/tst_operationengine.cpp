// SPDX-License-Identifier: GPL-3.0-or-later
// The unit driven without any window: a whole trip of the sample route
// through its announcement tape, on a virtual clock.

#include "operation/OperationEngine.h"

#include "formats/FareFile.h"
#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "sound/Chimes.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "sound/WavWriter.h"
#include "sound/mdlM_Tape.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include <map>

using namespace kerubara;

namespace {

// The demonstration's settings, as a caller without windows gives them: the
// built sample route and its chimes, the step chime chosen by column 13 and
// waited for, the chimes before announcements by their flags.
class SampleSettings final : public OperationSettings
{
public:
    explicit SampleSettings(QString folder) : folder_(std::move(folder)) {}

    QString fareDataFolder() const override { return folder_; }
    QString broadcastDataFolder() const override { return folder_; }
    QString routeSettingSound() const override { return {}; }
    bool stepSoundAlways() const override { return false; }
    QString stepSoundFile() const override { return {}; }
    QString stepSoundFile(int flag) const override
    {
        static const std::map<int, const char *> chimes{
            {1, "chime-stop.wav"}, {2, "chime-arrival.wav"}, {3, "chime-terminus.mid"}};
        const auto it = chimes.find(flag);
        return it == chimes.end() ? QString() : QDir(folder_).filePath(QLatin1StringView(it->second));
    }
    int stepSoundFlagColumn() const override { return stepChimes ? 13 : 0; }
    std::int16_t stepSoundWait() const override { return -1; }
    QString tapeSoundFile(int index) const override { return index >= 4 ? stepSoundFile(index - 3) : QString(); }
    bool preBroadcastSoundAlways() const override { return false; }
    bool preBroadcastSoundWaits() const override { return true; }
    TicketDateMode ticketDateMode() const override { return dateMode; }
    QString fixedTicketDate() const override { return QStringLiteral("2026/12/07"); }
    std::optional<int> infoDigit(InfoDigit) const override { return std::nullopt; }
    bool stopOrderFromZero() const override { return false; }
    int infoDataColumn() const override { return 0; }
    std::int16_t tsugiwaMode() const override { return 1; }
    QString stopRequestSound() const override { return requestChime; }

    QString requestChime;
    bool stepChimes = true;
    TicketDateMode dateMode = TicketDateMode::Fixed;

private:
    QString folder_;
};

struct QuietVoice : SpeechEngine
{
    QStringList *spoken;
    explicit QuietVoice(QStringList *log) : spoken(log) {}
    void VoiceStop() override {}
    void VoiceSpeak(const QString &text) override { spoken->append(text); }
    std::int32_t VoiceStatus() override { return 0; }
};

// What the panel shows after each press, as the signals tell it.
struct Shown
{
    QString name;
    std::int16_t drawnMode = -1;
    std::array<int, 13> fares{};
};

} // namespace

class tst_OperationEngine : public QObject
{
    Q_OBJECT

private slots:
    void sampleTripByTheTapeOnAVirtualClock();
    void stopRequestLightsOnceUntilTheNextStep_data();
    void stopRequestLightsOnceUntilTheNextStep();
    void ticketTakesItsDateAndTimeFromTheClock();
};

// The whole route 12, announcement by announcement, as a video export would
// drive it: no window, no real waiting. Each stop shows its own name and the
// fares of its row; the lamp test's three seconds pass on the virtual clock.
void tst_OperationEngine::sampleTripByTheTapeOnAVirtualClock()
{
    const QString folder = QStringLiteral(KERUBARA_SAMPLE_DIR);
    // The route as the file holds it, to compare with what is shown.
    OperatingState route;
    QCOMPARE(route.LoadFareFile(fareFilePath(folder, QStringLiteral("12")), 1), FareLoadResult::Loaded);
    QVERIFY(route.nStopCount > 2);

    qint64 virtualMs = 0;
    const ScopedSleepHandler clock([&](int ms) { virtualMs += ms; });
    QList<MsgBoxCall> messages;
    const ScopedMsgBoxHandler boxes([&](const MsgBoxCall &call) {
        messages << call;
        return int(vbOK);
    });
    auto output = std::make_unique<NullAudioOutput>();
    NullAudioOutput *out = output.get();
    SoundSystem sound(std::move(output));
    const SampleSettings settings(folder);
    QStringList spoken;
    OperationEngine unit(sound, settings, [&] { return std::make_unique<QuietVoice>(&spoken); });
    unit.tape().InitVoice();

    Shown shown;
    QObject::connect(&unit, &OperationEngine::fareShown, [&](int cell, int value) { shown.fares[cell] = value; });
    QObject::connect(&unit, &OperationEngine::nameShown, [&](const QString &name, std::int16_t mode, std::int16_t) {
        shown.name = name;
        shown.drawnMode = mode;
    });

    QElapsedTimer wall;
    wall.start();
    unit.setRoute(QStringLiteral("00012"), QStringLiteral("001"));
    QCOMPARE(virtualMs, qint64(OperationEngine::kLampTestMs));
    QCOMPARE(unit.state.nStopCount, route.nStopCount);
    const int announcements = unit.tape().GetTapeCount();
    QVERIFY(announcements >= route.nStopCount - 1);

    auto expectStop = [&](int stop) {
        const FareRecord row = route.FareData(stop + 1);
        QCOMPARE(unit.state.nStopPos, std::int16_t(stop));
        QCOMPARE(shown.name, row.Chimei);
        QCOMPARE(shown.drawnMode, std::int16_t(stop == 0 ? 0 : 1));
        for (int k = 1; k <= 12; ++k)
            QCOMPARE(shown.fares[static_cast<std::size_t>(k)], int(row.Col(k)));
    };
    expectStop(0);
    for (int i = 1; i <= announcements; ++i) {
        unit.press(OperationEngine::Press::TapeNext);
        QVERIFY(!unit.isBusy());
        expectStop(unit.state.nStopPos);
        if (QTest::currentTestFailed())
            return;
    }
    const qint64 wallMs = wall.elapsed();
    qInfo("route 12: %d announcements, %d stops in %lld ms of wall time; %llu frames of sound mixed",
          announcements, int(route.nStopCount), wallMs, static_cast<unsigned long long>(out->mixer().framesRendered()));

    // The tape took the bus to the terminus, speaking every announcement,
    // and every chime was mixed to its end.
    QCOMPARE(unit.state.nStopPos, std::int16_t(route.nStopCount - 1));
    QCOMPARE(spoken.size(), announcements);
    QVERIFY(out->mixer().framesRendered() > 0);
    QVERIFY(messages.isEmpty());
}

// 降車ボタン: what a run of presses leaves lit, how often the panel is told,
// and how many request chimes the mixer played. R route setting, Q the stop
// request, F and B a step forward and back.
void tst_OperationEngine::stopRequestLightsOnceUntilTheNextStep_data()
{
    QTest::addColumn<QString>("presses");
    QTest::addColumn<bool>("lit");
    QTest::addColumn<QString>("told"); // each stopRequestChanged: 1 lit, 0 cleared
    QTest::addColumn<int>("chimes");

    QTest::newRow("before any route setting nothing lights") << "Q" << false << "" << 0;
    QTest::newRow("a request lights and chimes") << "RQ" << true << "1" << 1;
    QTest::newRow("a second press while lit does nothing") << "RQQQ" << true << "1" << 1;
    QTest::newRow("the next step clears it") << "RQF" << false << "10" << 1;
    QTest::newRow("a step back clears it too") << "RFQB" << false << "10" << 1;
    QTest::newRow("a route setting clears it") << "RQR" << false << "10" << 1;
    QTest::newRow("after the stop a new request chimes again") << "RQFQ" << true << "101" << 2;
}

void tst_OperationEngine::stopRequestLightsOnceUntilTheNextStep()
{
    QFETCH(QString, presses);
    QFETCH(bool, lit);
    QFETCH(QString, told);
    QFETCH(int, chimes);

    QTemporaryDir dir;
    SampleSettings settings(QStringLiteral(KERUBARA_SAMPLE_DIR));
    settings.requestChime = dir.filePath(QStringLiteral("request.wav"));
    settings.stepChimes = false; // the request chime is the only sound
    const std::vector<std::int16_t> chime = chimes::stopRequest();
    QVERIFY(saveWavFile(settings.requestChime, chime, 1, chimes::kRate));

    const ScopedSleepHandler noWait([](int) {});
    const ScopedMsgBoxHandler boxes([](const MsgBoxCall &) { return int(vbOK); });
    auto output = std::make_unique<NullAudioOutput>();
    NullAudioOutput *out = output.get();
    SoundSystem sound(std::move(output));
    QStringList spoken;
    OperationEngine unit(sound, settings, [&] { return std::make_unique<QuietVoice>(&spoken); });
    QString changes;
    QObject::connect(&unit, &OperationEngine::stopRequestChanged,
                     [&](bool on) { changes += on ? QLatin1Char('1') : QLatin1Char('0'); });

    // Count the chime's onsets in what the mixer played, each after a
    // stretch of silence.
    const int rate = out->sampleRate();
    int onsets = 0;
    bool sounding = false;
    qint64 quiet = rate;
    std::size_t seen = 0;
    auto listen = [&](double seconds) {
        out->pump(static_cast<int>(seconds * rate / out->bufferFrames()) + 1);
        const std::vector<float> &all = out->captured();
        for (std::size_t i = seen; i + 1 < all.size(); i += 2) {
            const bool loud = std::abs(all[i]) > 0.01f;
            if (loud && !sounding && quiet >= rate / 10)
                ++onsets;
            sounding = loud;
            quiet = loud ? 0 : quiet + 1;
        }
        seen = all.size();
    };
    for (const QChar press : presses) {
        switch (press.unicode()) {
        case 'R':
            unit.setRoute(QStringLiteral("00012"), QStringLiteral("001"));
            break;
        case 'Q':
            unit.requestStop();
            break;
        case 'F':
            unit.press(OperationEngine::Press::Forward);
            break;
        case 'B':
            unit.press(OperationEngine::Press::Back);
            break;
        }
        listen(1.5);
    }
    QCOMPARE(unit.stopRequested(), lit);
    QCOMPARE(changes, told);
    QCOMPARE(onsets, chimes);
}

// A video follows its own clock: the ticket's date and time too.
void tst_OperationEngine::ticketTakesItsDateAndTimeFromTheClock()
{
    SampleSettings settings(QStringLiteral(KERUBARA_SAMPLE_DIR));
    settings.dateMode = OperationSettings::TicketDateMode::EachTicket;
    QDateTime now(QDate(2031, 5, 6), QTime(7, 8, 9));
    const ScopedWallClock clock([&now] { return now; });
    const ScopedSleepHandler noWait([](int) {});
    const ScopedMsgBoxHandler boxes([](const MsgBoxCall &) { return int(vbOK); });
    SoundSystem sound(std::make_unique<NullAudioOutput>());
    QStringList spoken;
    OperationEngine unit(sound, settings, [&] { return std::make_unique<QuietVoice>(&spoken); });
    unit.setRoute(QStringLiteral("00012"), QStringLiteral("001"));
    QCOMPARE(unit.ticket().date, QStringLiteral("05-06-2031"));
    QCOMPARE(unit.ticket().time, QStringLiteral("07:08:09"));
    now = now.addSecs(75);
    unit.press(OperationEngine::Press::Forward);
    QCOMPARE(unit.ticket().time, QStringLiteral("07:09:24"));
}

QTEST_GUILESS_MAIN(tst_OperationEngine)
#include "tst_operationengine.moc"
