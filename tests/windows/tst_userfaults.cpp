// SPDX-License-Identifier: GPL-3.0-or-later
// Faults a user meets while the whole program runs: data files deleted, cut
// short or replaced under it, sound files that are no sound, no sound device,
// no speech, a settings file that cannot be written. Each test drives the
// simulator through its windows and checks what the user then sees.

#include "FakeDialogs.h"
#include "FareBytes.h"
#include "OptionControls.h"
#include "SettingsBytes.h"
#include "TestFiles.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "reslib/Seams.h"
#include "sound/SoundFiles.h"
#include "sound/SoundSystem.h"
#include "sound/VoiceEngine.h"
#include "windows/PictureBox.h"
#include "windows/Simulator.h"
#include "windows/frmOption.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace kerubara;

namespace {

const QString kFullPlugin = QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-full.4SP");

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A route of `n` stops named 停1..停n whose fare k at stop s is 100 s + k.
QByteArray route(int n)
{
    return testing::routeBytes(n, static_cast<std::int16_t>(n));
}

// The fare digits 1..12 as the panel shows them.
QStringList fares(Simulator &sim)
{
    QStringList shown;
    for (int k = 1; k <= 12; ++k)
        shown << sim.form1().controlsForTesting().Degit[k]->Value().toString();
    return shown;
}

// Speaks with the program's own engine and notes every text it is given.
class NotingVoice final : public SpeechEngine
{
public:
    NotingVoice(std::unique_ptr<VoiceEngine> voice, QStringList *spoken) : voice_(std::move(voice)), spoken_(spoken) {}
    void VoiceStop() override { voice_->VoiceStop(); }
    void VoiceSpeak(const QString &text) override
    {
        *spoken_ << text;
        voice_->VoiceSpeak(text);
    }
    std::int32_t VoiceStatus() override { return voice_->VoiceStatus(); }

private:
    std::unique_ptr<VoiceEngine> voice_;
    QStringList *spoken_;
};

// Only notes what it is asked to say.
struct NotingEngine final : SpeechEngine
{
    QStringList *spoken;
    explicit NotingEngine(QStringList *log) : spoken(log) {}
    void VoiceStop() override {}
    void VoiceSpeak(const QString &text) override { *spoken << text; }
    std::int32_t VoiceStatus() override { return 0; }
};

// While it lives, this thread meets file permissions as any user does, even
// when the tests run as root: the power to override them is set aside.
class PermissionsApply
{
public:
    PermissionsApply()
    {
        if (capget(saved_) != 0)
            return;
        std::array<__user_cap_data_struct, 2> reduced = saved_;
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            reduced[static_cast<std::size_t>(cap / 32)].effective &= ~(1u << (cap % 32));
        active_ = capset(reduced) == 0;
    }
    ~PermissionsApply()
    {
        if (active_)
            capset(saved_);
    }
    PermissionsApply(const PermissionsApply &) = delete;
    PermissionsApply &operator=(const PermissionsApply &) = delete;

private:
    static int capget(std::array<__user_cap_data_struct, 2> &data)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return static_cast<int>(syscall(SYS_capget, &header, data.data()));
    }
    static int capset(std::array<__user_cap_data_struct, 2> &data)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return static_cast<int>(syscall(SYS_capset, &header, data.data()));
    }

    std::array<__user_cap_data_struct, 2> saved_{};
    bool active_ = false;
};

// While it lives, no file of this process may grow beyond `bytes`: a write
// past that fails as on a full disk.
class DiskFullAt
{
public:
    explicit DiskFullAt(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFullAt()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    DiskFullAt(const DiskFullAt &) = delete;
    DiskFullAt &operator=(const DiskFullAt &) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int);
};

// While it lives, the folder may be read but not written.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString folder) : folder_(std::move(folder))
    {
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    }
    ~ReadOnlyFolder() { QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

private:
    QString folder_;
};

// True when every pixel has one colour.
bool isBlank(const QImage &image)
{
    const QColor first = image.pixelColor(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != first)
                return false;
        }
    }
    return true;
}

enum class Speech { Noted, Real, None };
enum class Audio { Null, NoDevice, NoOutputAtAll };

} // namespace

class tst_UserFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fareFileGoneOrCutBeforeTheNextRouteSettingKeepsTheShownRoute_data();
    void fareFileGoneOrCutBeforeTheNextRouteSettingKeepsTheShownRoute();
    void broadcastFileReplacedWhileTheTapeSpeaksChangesNothingUntilTheNextRouteSetting_data();
    void broadcastFileReplacedWhileTheTapeSpeaksChangesNothingUntilTheNextRouteSetting();
    void soundFileThatIsNoSoundOrCutShortLeavesTheStepSilent_data();
    void soundFileThatIsNoSoundOrCutShortLeavesTheStepSilent();
    void withoutASoundDeviceTheBusStepsAndSpeaksSilently_data();
    void withoutASoundDeviceTheBusStepsAndSpeaksSilently();
    void withoutSpeechTheTapeFrameShowsUnavailableAndTheBusStillRuns();
    void settingsFileThatCannotBeWrittenStaysWholeAndTheProgramStillEnds_data();
    void settingsFileThatCannotBeWrittenStaysWholeAndTheProgramStillEnds();
    void pluginReplacedByGarbageWhileThePreviewIsOnLeavesThePaperBlank_data();
    void pluginReplacedByGarbageWhileThePreviewIsOnLeavesThePaperBlank();

private:
    void start(Speech speech = Speech::Noted, Audio audio = Audio::Null,
               std::optional<SettingsFilePaths> settings = std::nullopt);
    // Route setting through the keypad and its リセット.
    void setRoute(const QString &route);
    void step(int index, int times = 1);
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
    int answer_ = vbOK;
    QList<int> sleptMs_;
    QStringList spoken_;
    int ended_ = 0;
};

void tst_UserFaults::initTestCase()
{
    installFontSubstitutions();
}

void tst_UserFaults::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    messages_.clear();
    sleptMs_.clear();
    spoken_.clear();
    answer_ = vbOK;
    ended_ = 0;
    dialogs_ = testing::FakeDialogs{};
    scopedDialogs_ = std::make_unique<ScopedResDialogs>(dialogs_);
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        messages_ << c;
        return answer_;
    });
    sleeps_ = std::make_unique<ScopedSleepHandler>([this](int ms) { sleptMs_ << ms; });
    end_ = std::make_unique<ScopedEndProgramHandler>([this] { ++ended_; });
}

void tst_UserFaults::cleanup()
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

void tst_UserFaults::start(Speech speech, Audio audio, std::optional<SettingsFilePaths> settings)
{
    switch (audio) {
    case Audio::Null:
        audio_ = std::make_unique<ScopedAudioOutput>([] { return std::make_unique<NullAudioOutput>(); });
        break;
    case Audio::NoDevice:
        audio_.reset(); // the program's own: SDL, and what it falls back to
        break;
    case Audio::NoOutputAtAll:
        audio_ = std::make_unique<ScopedAudioOutput>([] { return std::unique_ptr<AudioOutput>(); });
        break;
    }
    speech_ = std::make_unique<ScopedSpeechEngine>([this, speech](SoundSystem &sound) -> std::unique_ptr<SpeechEngine> {
        switch (speech) {
        case Speech::Noted:
            return std::make_unique<NotingEngine>(&spoken_);
        case Speech::Real:
            if (auto voice = VoiceEngine::create(sound.mixer(), sound.speechVoice()))
                return std::make_unique<NotingVoice>(std::move(voice), &spoken_);
            return nullptr;
        case Speech::None:
            break;
        }
        return nullptr;
    });
    sim_ = std::make_unique<Simulator>(std::move(settings));
    sim_->start();
    frmOption &o = sim_->option();
    controls(o).Text2[0]->setText(dir_->path());
    controls(o).Text2[1]->setText(dir_->path());
}

void tst_UserFaults::setRoute(const QString &routeNumber)
{
    frmCtl &c = sim_->ctl();
    c.Label2[0]->setText(routeNumber);
    c.Label2[2]->setText(QStringLiteral("1"));
    click(c.Command1[1]);
}

void tst_UserFaults::step(int index, int times)
{
    for (int i = 0; i < times; ++i)
        click(sim_->ctl().Command2[static_cast<std::size_t>(index)]);
}

// ---- Fare data -----------------------------------------------------------

void tst_UserFaults::fareFileGoneOrCutBeforeTheNextRouteSettingKeepsTheShownRoute_data()
{
    QTest::addColumn<QByteArray>("replacement"); // null: the file is deleted
    QTest::addColumn<QString>("message");

    const QByteArray whole = route(5);
    const qsizetype record = 2 + 3 + 302; // length, 停 + one digit, ticket number and 150 columns
    QTest::newRow("deleted") << QByteArray() << QStringLiteral("指定した系統のデータがありません...");
    QTest::newRow("cut inside the third stop")
        << whole.left(2 + 2 * record + 100)
        << QStringLiteral("運賃データが壊れています。5件の停留所のうち3件目の途中でファイルが終わっています。");
    QTest::newRow("cut after the count")
        << whole.left(2) << QStringLiteral("運賃データが壊れています。5件の停留所のうち1件目の途中でファイルが終わっています。");
    QTest::newRow("cut inside the count") << whole.left(1)
                                          << QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
    QTest::newRow("emptied") << QByteArray("") << QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
}

void tst_UserFaults::fareFileGoneOrCutBeforeTheNextRouteSettingKeepsTheShownRoute()
{
    QFETCH(QByteArray, replacement);
    QFETCH(QString, message);
    start();
    QVERIFY(testing::writeFile(path("12.hy3"), route(5)));
    setRoute("12");
    step(1, 2);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    const QStringList shownFares = fares(*sim_);
    QCOMPARE(shownFares[0], QStringLiteral("301"));
    sleptMs_.clear();

    QFile::remove(path("12.hy3"));
    if (!replacement.isNull())
        QVERIFY(testing::writeFile(path("12.hy3"), replacement));
    setRoute("12");

    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_.front().prompt, message);
    QVERIFY(sleptMs_.isEmpty()); // no lamp test
    QCOMPARE(sim_->state.nStopCount, std::int16_t(5));
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QCOMPARE(fares(*sim_), shownFares);
    // The route that was shown can still be driven to its end.
    step(1, 3);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(4));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toString(), QStringLiteral("501"));
    QCOMPARE(messages_.size(), 1);
}

// ---- Broadcast data --------------------------------------------------------

void tst_UserFaults::broadcastFileReplacedWhileTheTapeSpeaksChangesNothingUntilTheNextRouteSetting_data()
{
    QTest::addColumn<QByteArray>("replacement"); // null: the file is deleted
    QTest::addColumn<QStringList>("nextTable");  // the announcements after the next route setting

    QTest::newRow("another route's announcements")
        << cp932::encode(QStringLiteral("発車します。,0,0\r\n終点です。,0,0\r\n"))
        << QStringList{QStringLiteral("発車します。"), QStringLiteral("終点です。")};
    QTest::newRow("a line cut short") << cp932::encode(QStringLiteral("発車します。,0,0\r\n次は,1")) << QStringList();
    QTest::newRow("binary garbage") << QByteArray("\x00\x01,\xFF\"\x1A\x80\x82,99999\r\n", 16) << QStringList();
    QTest::newRow("deleted") << QByteArray() << QStringList();
}

void tst_UserFaults::broadcastFileReplacedWhileTheTapeSpeaksChangesNothingUntilTheNextRouteSetting()
{
    QFETCH(QByteArray, replacement);
    QFETCH(QStringList, nextTable);
    start(Speech::Real);
    frmCtl &c = sim_->ctl();
    if (!c.grpM_Tape->isEnabled())
        QSKIP("the Japanese voice (espeak-ng-data) or the MeCab dictionary is not installed");
    QVERIFY(testing::writeFile(path("12.hy3"), route(5)));
    const QStringList first{QStringLiteral("次は、停2です。"), QStringLiteral("次は、停3です。"),
                            QStringLiteral("次は、停4です。")};
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(first.join(",0,0\r\n") + ",0,0\r\n")));
    setRoute("12");
    click(c.cmdTapeNext);
    QCOMPARE(sim_->tape().objVoice()->VoiceStatus(), std::int32_t(VoiceEngine::StatusSpeaking));

    QFile::remove(path("12tp.csv"));
    if (!replacement.isNull())
        QVERIFY(testing::writeFile(path("12tp.csv"), replacement));
    // Speaking goes on from the table read at route setting.
    click(c.cmdTapeNext);
    click(c.cmdTapeNext);
    QCOMPARE(spoken_, first);
    QCOMPARE(sim_->tape().GetTapeCount(), 3);
    click(c.cmdTapeStop);

    setRoute("12");
    QCOMPARE(sim_->tape().GetTapeCount(), nextTable.size());
    QCOMPARE(c.grpM_Tape->isEnabled(), !nextTable.isEmpty());
    spoken_.clear();
    if (!nextTable.isEmpty()) {
        click(c.cmdTapeNext);
        QCOMPARE(spoken_, QStringList{nextTable.front()});
    }
    // The bus runs on either way.
    step(1);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QVERIFY(messages_.isEmpty());
}

// ---- Sound files -----------------------------------------------------------

void tst_UserFaults::soundFileThatIsNoSoundOrCutShortLeavesTheStepSilent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray wav = testing::wavFile(testing::tone(440, 48000, 48000), 1, 48000, testing::WavFormat::Pcm16);
    const QByteArray midi = testing::melodyFile(8);
    QTest::newRow("text named .wav") << "chime.wav" << QByteArray("これは音ではありません\r\n");
    QTest::newRow("empty .wav") << "chime.wav" << QByteArray("");
    QTest::newRow("WAV cut inside its header") << "chime.wav" << wav.left(20);
    QTest::newRow("WAV of its header only") << "chime.wav" << wav.left(44);
    QTest::newRow("WAV cut a second short") << "chime.wav" << wav.left(44 + 1000);
    QTest::newRow("text named .mid") << "chime.mid" << QByteArray("MThd is not enough");
    QTest::newRow("MIDI cut inside its track") << "chime.mid" << midi.left(midi.size() / 2);
    QTest::newRow("a folder named .wav") << "folder.wav" << QByteArray();
}

void tst_UserFaults::soundFileThatIsNoSoundOrCutShortLeavesTheStepSilent()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    start();
    const QString sound = path(name);
    if (bytes.isNull())
        QVERIFY(QDir().mkpath(sound));
    else
        QVERIFY(testing::writeFile(sound, bytes));
    QVERIFY(testing::writeFile(path("12.hy3"), route(5)));
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(QStringLiteral("次は、停2です。,1,1\r\n"))));
    frmOption &o = sim_->option();
    controls(o).txtSelectSound[0]->setText(sound); // route setting
    controls(o).Option2[0]->setChecked(true);      // one sound at every step,
    controls(o).txtSelectSound[7]->setText(sound); // this one,
    controls(o).Option6[0]->setChecked(true);      // waited for
    controls(o).txtSelectSound[3]->setText(sound); // before every announcement,
    controls(o).txtSelectSound[4]->setText(sound); // or before those of sound flag 1,
    controls(o).Option7[0]->setChecked(true);      // also waited for

    setRoute("12");
    QCOMPARE(sim_->state.nStopCount, std::int16_t(5));
    step(1);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toString(), QStringLiteral("201"));
    click(sim_->ctl().cmdTapeNext); // steps the stop too
    QCOMPARE(spoken_, QStringList{QStringLiteral("次は、停2です。")});
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QVERIFY(messages_.isEmpty());
}

// ---- No sound device, no speech --------------------------------------------

void tst_UserFaults::withoutASoundDeviceTheBusStepsAndSpeaksSilently_data()
{
    QTest::addColumn<int>("audio");
    QTest::addColumn<QString>("driver");
    QTest::newRow("no driver opens a device") << int(Audio::NoDevice) << "dummy";
    QTest::newRow("no output at all") << int(Audio::NoOutputAtAll) << "null";
}

void tst_UserFaults::withoutASoundDeviceTheBusStepsAndSpeaksSilently()
{
    QFETCH(int, audio);
    QFETCH(QString, driver);
    const QByteArray savedDriver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "kerubara-no-such-driver");
    start(Speech::Real, Audio(audio));
    if (savedDriver.isNull())
        qunsetenv("SDL_AUDIODRIVER");
    else
        qputenv("SDL_AUDIODRIVER", savedDriver);
    QCOMPARE(sim_->sound().output().driverName(), driver);

    const QString chime = path("chime.wav");
    QVERIFY(testing::writeFile(chime, testing::wavFile(testing::tone(440, 2400, 48000), 1, 48000,
                                                       testing::WavFormat::Pcm16)));
    QVERIFY(testing::writeFile(path("12.hy3"), route(5)));
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(QStringLiteral("次は、停2です。,0,0\r\n"))));
    frmOption &o = sim_->option();
    controls(o).Option2[0]->setChecked(true);
    controls(o).txtSelectSound[7]->setText(chime);
    controls(o).Option6[0]->setChecked(true); // the step waits for its chime to end
    setRoute("12");
    step(1, 2);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(2));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[1]->Value().toString(), QStringLiteral("301"));
    if (sim_->ctl().grpM_Tape->isEnabled()) {
        click(sim_->ctl().cmdTapeNext);
        QCOMPARE(spoken_, QStringList{QStringLiteral("次は、停2です。")});
    }
    QVERIFY(messages_.isEmpty());
}

void tst_UserFaults::withoutSpeechTheTapeFrameShowsUnavailableAndTheBusStillRuns()
{
    start(Speech::None); // the engine cannot be made: no Japanese voice, or no MeCab dictionary
    frmCtl &c = sim_->ctl();
    QCOMPARE(c.grpM_Tape->title(), QStringLiteral("音合使用不可"));
    QVERIFY(!c.grpM_Tape->isEnabled());
    QVERIFY(testing::writeFile(path("12.hy3"), route(5)));
    QVERIFY(testing::writeFile(path("12tp.csv"), cp932::encode(QStringLiteral("次は、停2です。,1,0\r\n"))));
    setRoute("12");
    QCOMPARE(sim_->tape().GetTapeCount(), 1);
    QVERIFY(!c.grpM_Tape->isEnabled());
    click(c.cmdTapeNext); // disabled: nothing happens
    QCOMPARE(sim_->state.nStopPos, std::int16_t(0));
    step(1, 4);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(4));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[12]->Value().toString(), QStringLiteral("512"));
    QVERIFY(messages_.isEmpty());
}

// ---- The settings file -------------------------------------------------------

void tst_UserFaults::settingsFileThatCannotBeWrittenStaysWholeAndTheProgramStillEnds_data()
{
    QTest::addColumn<bool>("readOnlyFolder"); // else a disk that fills up
    QTest::addColumn<int>("error");
    QTest::newRow("read-only folder") << true << 75;
    QTest::newRow("full disk") << false << 57;
}

void tst_UserFaults::settingsFileThatCannotBeWrittenStaysWholeAndTheProgramStillEnds()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(int, error);
    const QString folder = path(QStringLiteral("settings"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/kerubara.in4");
    const QByteArray before =
        testing::SettingsBuilder::initial().set("Text2(0)", QStringLiteral("/運賃/以前の場所")).bytes();
    QVERIFY(testing::writeFile(file, before));
    start(Speech::Noted, Audio::Null, settingsFilePaths(file));
    controls(sim_->option()).Text2[0]->setText(QStringLiteral("/運賃/新しい場所"));

    answer_ = vbYes; // ケルバラを終了しますか？
    if (readOnlyFolder) {
        const ReadOnlyFolder readOnly(folder);
        const PermissionsApply asAnyUser;
        if (QFile probe(folder + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("this process can write into a read-only folder");
        }
        sim_->ctl().close();
    } else {
        const DiskFullAt full(100);
        sim_->ctl().close();
    }

    QCOMPARE(ended_, 1);
    QList<MsgBoxCall> errors;
    for (const MsgBoxCall &m : messages_) {
        if (m.prompt.startsWith(QStringLiteral("エラー Code:")))
            errors << m;
    }
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].prompt.startsWith(QStringLiteral("エラー Code:%1\r\n内容:").arg(error)), qPrintable(errors[0].prompt));
    QCOMPARE(contents(file), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kerubara.in4")});
}

// ---- Ticket plug-ins ---------------------------------------------------------

void tst_UserFaults::pluginReplacedByGarbageWhileThePreviewIsOnLeavesThePaperBlank_data()
{
    QTest::addColumn<QByteArray>("garbage"); // null: a folder in its place

    QByteArray plugin = contents(kFullPlugin);
    QTest::newRow("binary bytes") << QByteArray("\x7F" "ELF\x02\x01\x01\x00\x00\x00\xFF\xFE", 12);
    QTest::newRow("not UTF-8") << QByteArray("[Plugin]\nFormat=kerubara-ticket 1\nWidth=\x82\xA0\n");
    QTest::newRow("cut before its size") << plugin.left(plugin.indexOf("Width"));
    QTest::newRow("emptied") << QByteArray("");
    QTest::newRow("over 1 MiB") << QByteArray(1024 * 1024 + 1, ';');
    QTest::newRow("a folder in its place") << QByteArray();
}

void tst_UserFaults::pluginReplacedByGarbageWhileThePreviewIsOnLeavesThePaperBlank()
{
    QFETCH(QByteArray, garbage);
    start();
    const QString plugin = path(QStringLiteral("ticket.4SP"));
    QVERIFY(QFile::copy(kFullPlugin, plugin));
    QVERIFY(testing::writeFile(path("12.hy3"), route(5)));
    // Options, page 5: the preview on, the plug-in chosen.
    frmOption &o = sim_->option();
    o.show();
    click(controls(o).Option1[5]);
    QTest::mouseClick(controls(o).chkUseSeiriPrev, Qt::LeftButton, {}, QPoint(8, controls(o).chkUseSeiriPrev->height() / 2));
    dialogs_.file = plugin;
    click(controls(o).Command1);
    click(controls(o).Command4); // OK
    frmCtl &c = sim_->ctl();
    click(c.Check4); // the preview pane
    setRoute("12");
    const QImage ticket = c.picSeirikenPrev->image();
    QVERIFY(ticket.size() == QSize(200, 256));
    QCOMPARE(ticket.pixelColor(2, 2), QColor(0xF4, 0xFB, 0xF2)); // the plug-in's paper

    QVERIFY(QFile::remove(plugin));
    if (garbage.isNull())
        QVERIFY(QDir().mkpath(plugin));
    else
        QVERIFY(testing::writeFile(plugin, garbage));
    step(1);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    const QImage blank = c.picSeirikenPrev->image();
    QCOMPARE(blank.size(), ticket.size());
    QVERIFY(isBlank(blank));
    QVERIFY(blank.pixelColor(2, 2) != ticket.pixelColor(2, 2));

    // The plug-in put back: the next stop's ticket shows again.
    if (garbage.isNull())
        QVERIFY(QDir().rmdir(plugin));
    else
        QVERIFY(QFile::remove(plugin));
    QVERIFY(QFile::copy(kFullPlugin, plugin));
    step(1);
    QCOMPARE(c.picSeirikenPrev->image().pixelColor(2, 2), QColor(0xF4, 0xFB, 0xF2));
    QVERIFY(messages_.isEmpty());
}

QTEST_MAIN(tst_UserFaults)
#include "tst_userfaults.moc"
