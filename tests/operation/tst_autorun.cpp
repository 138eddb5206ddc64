// SPDX-License-Identifier: GPL-3.0-or-later
// 自動運行: the unit runs the trip by itself on the real clock, each move
// after the sounds before it.

#include "operation/AutoRun.h"

#include "formats/FareFile.h"
#include "operation/OperationEngine.h"
#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "sound/mdlM_Tape.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kerubara;

namespace {

// The sample route without chimes; its tape only where `tapeFolder` says.
class RouteSettings final : public OperationSettings
{
public:
    RouteSettings(QString fares, QString tapes) : fares_(std::move(fares)), tapes_(std::move(tapes)) {}

    QString fareDataFolder() const override { return fares_; }
    QString broadcastDataFolder() const override { return tapes_; }
    QString routeSettingSound() const override { return {}; }
    bool stepSoundAlways() const override { return false; }
    QString stepSoundFile() const override { return {}; }
    QString stepSoundFile(int) const override { return {}; }
    int stepSoundFlagColumn() const override { return 0; }
    std::int16_t stepSoundWait() const override { return 0; }
    QString tapeSoundFile(int) const override { return {}; }
    bool preBroadcastSoundAlways() const override { return false; }
    bool preBroadcastSoundWaits() const override { return false; }
    TicketDateMode ticketDateMode() const override { return TicketDateMode::Fixed; }
    QString fixedTicketDate() const override { return QStringLiteral("2026/12/07"); }
    std::optional<int> infoDigit(InfoDigit) const override { return std::nullopt; }
    bool stopOrderFromZero() const override { return false; }
    int infoDataColumn() const override { return 0; }
    std::int16_t tsugiwaMode() const override { return 1; }

private:
    QString fares_;
    QString tapes_;
};

// Says each text as 1.2 s of sound (longer than AutoRun's look at the
// sounds); counts the texts cut off by the next.
class ShortVoice final : public SpeechEngine
{
public:
    ShortVoice(Mixer &mixer, QStringList &spoken, int &cutOff) : mixer_(mixer), spoken_(spoken), cutOff_(cutOff)
    {
        auto sound = std::make_shared<PcmBuffer>();
        sound->samples.assign(48000 * 6 / 5 * PcmBuffer::kChannels, 0.25f);
        sound_ = std::move(sound);
    }
    void VoiceStop() override
    {
        if (mixer_.isPlaying(0))
            ++cutOff_;
        mixer_.stop(0);
    }
    void VoiceSpeak(const QString &text) override
    {
        spoken_ << text;
        mixer_.play(0, sound_);
    }
    std::int32_t VoiceStatus() override { return 0; }

private:
    Mixer &mixer_;
    QStringList &spoken_;
    int &cutOff_;
    std::shared_ptr<const PcmBuffer> sound_;
};

} // namespace

class tst_AutoRun : public QObject
{
    Q_OBJECT

private slots:
    void runsToTheLastStop_data();
    void runsToTheLastStop();

private:
    // The unit on the sample route, set up at stop 1, its sound mixed by a
    // device that runs ten times faster than real time.
    struct Unit
    {
        QStringList spoken;
        int cutOff = 0;
        NullAudioOutput *output = nullptr;
        SoundSystem sound;
        RouteSettings settings;
        OperationEngine engine;
        QTimer device;

        explicit Unit(const QString &tapes)
            : sound(makeOutput()), settings(QStringLiteral(KERUBARA_SAMPLE_DIR), tapes),
              engine(sound, settings, [this] { return std::make_unique<ShortVoice>(sound.mixer(), spoken, cutOff); })
        {
            engine.tape().InitVoice();
            engine.setRoute(QStringLiteral("12"), QStringLiteral("1"));
            QObject::connect(&device, &QTimer::timeout, [this] { output->pump(10); });
            device.start(10);
        }
        std::unique_ptr<AudioOutput> makeOutput()
        {
            auto out = std::make_unique<NullAudioOutput>();
            output = out.get();
            return out;
        }
    };
    ScopedSleepHandler noLampTestWait_{[](int) {}};
};

void tst_AutoRun::runsToTheLastStop_data()
{
    QTest::addColumn<bool>("withTape");
    QTest::newRow("by the tape, every announcement in turn") << true;
    QTest::newRow("without a tape, by データ送り") << false;
}

void tst_AutoRun::runsToTheLastStop()
{
    QFETCH(bool, withTape);
    const QTemporaryDir noTapes;
    Unit unit(withTape ? QStringLiteral(KERUBARA_SAMPLE_DIR) : noTapes.path());
    const int announcements = unit.engine.tape().GetTapeCount();
    QCOMPARE(announcements > 0, withTape);

    AutoRun run(unit.engine);
    QSignalSpy ended(&run, &AutoRun::runningChanged);
    run.start(0, 0);
    QVERIFY(run.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), 60000);

    QCOMPARE(unit.engine.state.nStopPos + 1, int(unit.engine.state.nStopCount));
    QCOMPARE(unit.spoken.size(), announcements);
    for (int i = 0; i < announcements; ++i)
        QCOMPARE(unit.spoken[i], unit.engine.tape().TapeData()[std::size_t(i)].Text);
    QCOMPARE(unit.cutOff, 0);
    QCOMPARE(ended.size(), 2);
}

QTEST_GUILESS_MAIN(tst_AutoRun)
#include "tst_autorun.moc"
