// SPDX-License-Identifier: GPL-3.0-or-later
// The unit driven without any window: a whole trip of the sample route
// through its announcement tape, on a virtual clock.

#include "operation/OperationEngine.h"

#include "FareBytes.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
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
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cmath>

#include <map>

using namespace kerubara;
using namespace Qt::StringLiterals;

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
    bool stepSoundAlways() const override { return !stepAlways.isEmpty(); }
    QString stepSoundFile() const override { return stepAlways; }
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
    std::optional<int> infoDigit(InfoDigit kind) const override
    {
        if (const auto it = infoCells.find(kind); it != infoCells.end())
            return it->second;
        return kind == InfoDigit::DataColumn && dataColumnCell != 0 ? std::optional<int>(dataColumnCell) : std::nullopt;
    }
    bool stopOrderFromZero() const override { return fromZero; }
    int infoDataColumn() const override { return dataColumn; }
    std::int16_t tsugiwaMode() const override { return 1; }
    QString stopRequestSound() const override { return requestChime; }

    QString requestChime;
    QString stepAlways; // the step sound of every step, when given
    int dataColumnCell = 0; // the cell of the data column's information digit, 0 none
    std::map<InfoDigit, int> infoCells; // the cells of the other information digits
    bool fromZero = false;
    int dataColumn = 0;
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

// The unit alone on a route of its own (12.hy3 in a folder of its own):
// the fares and information it sends by cell, the sound commands it gives.
struct RouteRig
{
    explicit RouteRig(const std::vector<testing::StopBytes> &stops)
    {
        settings.stepChimes = false;
        testing::writeFile(dir.filePath(QStringLiteral("12.hy3")),
                           testing::fareFileBytes(static_cast<std::int16_t>(stops.size()), stops));
        sound.setCommandLog([this](const QString &c) { commands << c; });
        QObject::connect(&unit, &OperationEngine::fareShown, [this](int cell, int v) { cells[std::size_t(cell)] = v; });
        QObject::connect(&unit, &OperationEngine::infoShown, [this](int cell, int v) { cells[std::size_t(cell)] = v; });
        QObject::connect(&unit, &OperationEngine::lampTestEnded, [this] { cells.fill(0); });
        QObject::connect(&unit, &OperationEngine::infoTextShown,
                         [this](int cell, const QString &text) { texts[cell] = text; });
        for (auto signal : {&OperationEngine::fareShown, &OperationEngine::infoShown})
            QObject::connect(&unit, signal, [this](int cell, int) { texts.erase(cell); });
    }
    void setRoute(int section) { unit.setRoute(QStringLiteral("12"), QString::number(section)); }

    QTemporaryDir dir;
    SampleSettings settings{dir.path()};
    const ScopedSleepHandler noWait{[](int) {}};
    const ScopedMsgBoxHandler boxes{[](const MsgBoxCall &) { return int(vbOK); }};
    SoundSystem sound{std::make_unique<NullAudioOutput>()};
    QStringList spoken;
    OperationEngine unit{sound, settings, [this] { return std::make_unique<QuietVoice>(&spoken); }};
    std::array<int, OperationEngine::kMaxTickets + 1> cells{};
    std::map<int, QString> texts; // cells showing a text rather than a number
    QStringList commands;
};

// A route of `n` stops: names 停1..停n, ticket number = stop, column k of
// stop s = 100 s + k.
std::vector<testing::StopBytes> plainRoute(int n)
{
    std::vector<testing::StopBytes> stops;
    for (int s = 1; s <= n; ++s) {
        testing::StopBytes stop{cp932::encode(QStringLiteral("停%1").arg(s)), static_cast<std::int16_t>(s), {}};
        for (int k = 1; k <= 12; ++k)
            stop.cols.push_back(static_cast<std::int16_t>(100 * s + k));
        stops.push_back(stop);
    }
    return stops;
}

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
    void faresAStopSends_data();
    void faresAStopSends();
    void stepsStopAtBothEndsWithoutSound();
    void ticketPagesTurnOnTheClock_data();
    void ticketPagesTurnOnTheClock();
    void informationDigitsShowWhatTheSettingsChoose_data();
    void informationDigitsShowWhatTheSettingsChoose();
    void pressesWhileBusyWaitTheirTurn_data();
    void pressesWhileBusyWaitTheirTurn();
    void aRefusedRouteSaysWhyAndKeepsTheShownOne_data();
    void aRefusedRouteSaysWhyAndKeepsTheShownOne();
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

// The fares a stop sends: from the section's ticket on (the cells before it
// keep 0), the late-night fare doubled in full but never -1, information
// never doubled.
void tst_OperationEngine::faresAStopSends_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("lateNight");
    QTest::addColumn<QList<int>>("cells"); // cells 1..12 at the stop after the section's

    const QList<int> stop5{0, 0, 0, 504, 505, 506, 507, 508, 509, 510, 511, 512};
    QTest::newRow("section 4") << 4 << false << stop5;
    QTest::newRow("section 13: none") << 13 << false << QList<int>(12, 0);
    QTest::newRow("late night") << 1 << true << QList<int>{2 * 300, -1, 2 * 30000, 2 * 7, 0, 0, 0, 0, 0, 0, 0, 7};
}

void tst_OperationEngine::faresAStopSends()
{
    QFETCH(int, section);
    QFETCH(bool, lateNight);
    QFETCH(QList<int>, cells);
    std::vector<testing::StopBytes> stops = plainRoute(20);
    stops[1].cols = {300, -1, 30000, 7}; // stop 2
    RouteRig rig(stops);
    if (lateNight) {
        rig.settings.dataColumnCell = 12; // column 4 as information
        rig.settings.dataColumn = 4;
    }
    rig.unit.setLateNight(lateNight);
    rig.setRoute(section);
    rig.unit.press(OperationEngine::Press::Forward);
    QCOMPARE(rig.unit.state.nStopPos, std::int16_t(section));
    QCOMPARE(QList<int>(rig.cells.begin() + 1, rig.cells.begin() + 13), cells);
}

void tst_OperationEngine::stepsStopAtBothEndsWithoutSound()
{
    RouteRig rig(plainRoute(5));
    rig.settings.stepAlways = rig.dir.filePath(QStringLiteral("step.wav"));
    QVERIFY(saveWavFile(rig.settings.stepAlways, chimes::stopRequest(), 1, chimes::kRate));
    rig.setRoute(1);
    rig.commands.clear();
    rig.unit.press(OperationEngine::Press::Back); // at the first stop
    QVERIFY(rig.commands.isEmpty());
    QCOMPARE(rig.unit.state.nStopPos, std::int16_t(0));
    for (int i = 0; i < 4; ++i)
        rig.unit.press(OperationEngine::Press::Forward);
    QCOMPARE(rig.unit.state.nStopPos, std::int16_t(4));
    rig.commands.clear();
    rig.unit.press(OperationEngine::Press::Forward); // at the last stop
    QVERIFY(rig.commands.isEmpty());
    QCOMPARE(rig.unit.state.nStopPos, std::int16_t(4));
    rig.unit.press(OperationEngine::Press::Back);
    // The step chime is waited for (the settings' step sound wait).
    QVERIFY2(rig.commands.contains(QStringLiteral("play %1S2 from 0 wait").arg(rig.sound.aliasPrefix())),
             qPrintable(rig.commands.join(u'|')));
}

// Four stops and 24 ticket numbers: tickets 1–12 cost 100 × stop + k from
// the first stop on; tickets 13–24 are issued from stop 2 on (0 before) and
// cost 1000 + 10 × stop + k.
namespace {
int pagedFare(int stop, int ticket)
{
    return ticket <= 12 ? 100 * stop + ticket : stop == 1 ? 0 : 1000 + 10 * stop + ticket;
}
} // namespace

// Pages of ticket numbers on the unit's clock: the page shown after each
// turn, what the cells get, and which presses start the first page again.
// Letters: F a step forward, P the page seconds pass, L late night on, 1
// back to a single page, C display clear and back, H the page on show held.
void tst_OperationEngine::ticketPagesTurnOnTheClock_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QList<int>>("shown"); // the page on show after each press
    QTest::newRow("stop 1: tickets 13-24 not issued yet, the page is skipped") << 2 << "PP" << QList<int>{0, 0};
    QTest::newRow("stop 2: tickets 13-24, then 1-12 again") << 2 << "FPPP" << QList<int>{0, 1, 0, 1};
    QTest::newRow("a step starts on the first page") << 2 << "FPFP" << QList<int>{0, 1, 0, 1};
    QTest::newRow("three pages: the empty third is skipped") << 3 << "FPPP" << QList<int>{0, 1, 0, 1};
    QTest::newRow("late night: the later pages doubled too") << 2 << "LFP" << QList<int>{0, 0, 1};
    QTest::newRow("one page again: the first page, no turns") << 2 << "FP1P" << QList<int>{0, 1, 0, 0};
    QTest::newRow("display clear stops the turns, its end starts them") << 2 << "FPCP" << QList<int>{0, 1, 0, 1};
    QTest::newRow("a held page stays until the next step") << 2 << "FPHPPFP" << QList<int>{0, 1, 1, 1, 1, 0, 1};
}

void tst_OperationEngine::ticketPagesTurnOnTheClock()
{
    QFETCH(int, pages);
    QFETCH(QString, presses);
    QFETCH(QList<int>, shown);

    std::vector<testing::StopBytes> stops;
    for (int stop = 1; stop <= 4; ++stop) {
        testing::StopBytes s{QByteArray("\x92\xE2") + QByteArray::number(stop), static_cast<std::int16_t>(stop), {}};
        for (int k = 1; k <= 24; ++k)
            s.cols.push_back(static_cast<std::int16_t>(pagedFare(stop, k)));
        stops.push_back(s);
    }
    RouteRig rig(stops);
    qint64 nowMs = 0;
    const ScopedClock clock([&nowMs] { return nowMs; });
    OperationEngine &unit = rig.unit;
    unit.setTicketPages(pages);
    unit.setPageSeconds(2);
    QCOMPARE(unit.ticketCount(), 12 * pages);
    int panelPage = 0;
    QObject::connect(&unit, &OperationEngine::ticketPageShown, [&](int page) { panelPage = page; });
    rig.setRoute(1);
    QCOMPARE(unit.ticketPage(), 0);

    int factor = 1;
    for (qsizetype i = 0; i < presses.size(); ++i) {
        switch (presses[i].unicode()) {
        case 'F':
            unit.press(OperationEngine::Press::Forward);
            break;
        case 'P':
            nowMs += 2000;
            unit.updateTicketPages();
            break;
        case 'L':
            unit.setLateNight(true);
            factor = 2;
            break;
        case '1':
            unit.setTicketPages(1);
            break;
        case 'C':
            unit.setDisplayCleared(true);
            nowMs += 2000;
            unit.updateTicketPages();
            QCOMPARE(unit.ticketPage(), 0);
            unit.setDisplayCleared(false);
            break;
        case 'H':
            unit.holdTicketPage();
            for (const QTimer *timer : unit.findChildren<QTimer *>())
                QVERIFY(!timer->isActive());
            break;
        }
        QCOMPARE(unit.ticketPage(), shown[i]);
        QCOMPARE(panelPage, shown[i]);
    }
    // The cells of the page on show hold its tickets' fares.
    const int stop = unit.state.nStopPos + 1;
    for (int k = 1; k <= 12; ++k) {
        const int ticket = 12 * unit.ticketPage() + k;
        QCOMPARE(rig.cells[std::size_t(ticket)], factor * pagedFare(stop, ticket));
    }
}

using InfoCells = std::map<OperationSettings::InfoDigit, int>;
Q_DECLARE_METATYPE(InfoCells)

void tst_OperationEngine::informationDigitsShowWhatTheSettingsChoose_data()
{
    using Info = OperationSettings::InfoDigit;
    QTest::addColumn<InfoCells>("chosen");
    QTest::addColumn<bool>("fromZero");
    QTest::addColumn<int>("steps"); // from the first stop
    QTest::addColumn<QStringList>("cells5to8");
    QTest::newRow("each in a cell of its own")
        << InfoCells{{Info::StopOrder, 5}, {Info::TicketNumber, 6}, {Info::DataColumn, 7}, {Info::RouteNumber, 8}}
        << false << 0 << QStringList{u"1"_s, u"1"_s, u"114"_s, u"00012"_s};
    QTest::newRow("the stop order counted from 0")
        << InfoCells{{Info::StopOrder, 5}} << true << 1 << QStringList{u"1"_s, u"206"_s, u"207"_s, u"208"_s};
    QTest::newRow("the route number over the stop order in one cell")
        << InfoCells{{Info::StopOrder, 5}, {Info::RouteNumber, 5}} << false << 0
        << QStringList{u"00012"_s, u"106"_s, u"107"_s, u"108"_s};
    QTest::newRow("the ticket number of the stop shown")
        << InfoCells{{Info::TicketNumber, 8}} << false << 2 << QStringList{u"305"_s, u"306"_s, u"307"_s, u"3"_s};
}

// The information digits go over the fares, in their order, in the cells the
// settings choose; the route number as it was keyed, leading zeros and all.
void tst_OperationEngine::informationDigitsShowWhatTheSettingsChoose()
{
    QFETCH(InfoCells, chosen);
    QFETCH(bool, fromZero);
    QFETCH(int, steps);
    QFETCH(QStringList, cells5to8);
    std::vector<testing::StopBytes> stops = plainRoute(6);
    for (std::size_t s = 0; s < stops.size(); ++s)
        stops[s].cols.insert(stops[s].cols.end(), {std::int16_t(100 * (s + 1) + 13), std::int16_t(100 * (s + 1) + 14)});
    RouteRig rig(stops);
    rig.settings.infoCells = chosen;
    rig.settings.dataColumn = 14;
    rig.settings.fromZero = fromZero;
    rig.unit.setRoute(u"00012"_s, u"1"_s);
    for (int i = 0; i < steps; ++i)
        rig.unit.press(OperationEngine::Press::Forward);
    QStringList shown;
    for (int cell = 5; cell <= 8; ++cell)
        shown << (rig.texts.contains(cell) ? rig.texts[cell] : QString::number(rig.cells[std::size_t(cell)]));
    QCOMPARE(shown, cells5to8);
}

void tst_OperationEngine::pressesWhileBusyWaitTheirTurn_data()
{
    QTest::addColumn<QStringList>("presses"); // while the lamp test runs
    QTest::addColumn<int>("stopAfter");
    QTest::newRow("a presenter remote's three quick presses") << QStringList{"forward", "forward", "forward"} << 3;
    QTest::newRow("forward, back, forward in order") << QStringList{"forward", "forward", "back", "forward"} << 2;
    QTest::newRow("six presses: four are kept") << QStringList(6, QStringLiteral("forward")) << 4;
    QTest::newRow("■ empties the queue") << QStringList{"forward", "forward", "stop"} << 0;
    QTest::newRow("a press after ■ counts") << QStringList{"forward", "stop", "forward"} << 1;
}

// A few presses while the unit is busy are kept and carried out in order;
// ■ empties what waits.
void tst_OperationEngine::pressesWhileBusyWaitTheirTurn()
{
    QFETCH(QStringList, presses);
    QFETCH(int, stopAfter);
    RouteRig rig(plainRoute(8));
    bool pressed = false;
    const ScopedSleepHandler duringTheLampTest([&](int) {
        if (std::exchange(pressed, true))
            return;
        for (const QString &p : std::as_const(presses)) {
            if (p == u"stop")
                rig.unit.stop();
            else
                rig.unit.press(p == u"back" ? OperationEngine::Press::Back : OperationEngine::Press::Forward);
        }
    });
    rig.setRoute(1);
    QVERIFY(pressed);
    QCOMPARE(rig.unit.state.nStopPos, std::int16_t(stopAfter));
    QCOMPARE(rig.unit.queuedPresses(), std::size_t(0));
    QCOMPARE(rig.cells[1], 100 * (stopAfter + 1) + 1);
}

void tst_OperationEngine::aRefusedRouteSaysWhyAndKeepsTheShownOne_data()
{
    QTest::addColumn<QByteArray>("file"); // 7.hy3; null: none
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("loadError"); // FareLoadError's kind, count, record; empty: none
    using K = RouteRefusal::Kind;
    using L = FareLoadError::Kind;
    QTest::newRow("no file") << QByteArray() << u"1"_s << int(K::FareFileMissing) << QList<int>{};
    QTest::newRow("no stops") << testing::routeBytes(0) << u"1"_s << int(K::NoStops) << QList<int>{};
    QTest::newRow("section at the count") << testing::routeBytes(4) << u"4"_s << int(K::SectionBeyondData) << QList<int>{};
    QTest::newRow("too many stops") << testing::routeBytes(302) << u"1"_s << int(K::FareFileUnreadable)
                                    << QList<int>{int(L::TooManyStops), 302, 0};
    QTest::newRow("cut short") << testing::routeBytes(5).chopped(1) << u"1"_s << int(K::FareFileUnreadable)
                               << QList<int>{int(L::CutShort), 5, 5};
}

// The unit says why (the console words it) and the route shown stays set.
void tst_OperationEngine::aRefusedRouteSaysWhyAndKeepsTheShownOne()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(int, kind);
    QFETCH(QList<int>, loadError);
    QTemporaryDir dir;
    QVERIFY(QFile::copy(fareFilePath(QStringLiteral(KERUBARA_SAMPLE_DIR), u"12"_s), dir.filePath(u"12.hy3"_s)));
    if (!file.isNull()) {
        QFile out(dir.filePath(u"7.hy3"_s));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    }
    const ScopedSleepHandler noWait([](int) {});
    QStringList boxes;
    const ScopedMsgBoxHandler noBox([&](const MsgBoxCall &call) {
        boxes << call.prompt;
        return int(vbOK);
    });
    SoundSystem sound(std::make_unique<NullAudioOutput>());
    const SampleSettings settings(dir.path());
    QStringList spoken;
    OperationEngine unit(sound, settings, [&] { return std::make_unique<QuietVoice>(&spoken); });
    unit.setRoute(u"00012"_s, u"001"_s);
    const std::int16_t stops = unit.state.nStopCount;
    QList<RouteRefusal> refusals;
    QObject::connect(&unit, &OperationEngine::routeRefused, [&](const RouteRefusal &r) { refusals << r; });
    unit.setRoute(u"00007"_s, section);
    QCOMPARE(refusals.size(), 1);
    QCOMPARE(int(refusals[0].kind), kind);
    QCOMPARE(QFileInfo(refusals[0].farePath).fileName(), u"7.hy3"_s);
    QCOMPARE(refusals[0].error != 0, kind == int(RouteRefusal::Kind::FareFileUnreadable));
    const std::optional<FareLoadError> &load = refusals[0].loadError;
    const QList<int> loaded = load ? QList<int>{int(load->kind), load->count, load->record} : QList<int>{};
    QCOMPARE(loaded, loadError);
    QVERIFY(boxes.isEmpty()); // the engine words nothing itself
    QCOMPARE(unit.state.nStopCount, stops);
}

QTEST_GUILESS_MAIN(tst_OperationEngine)
#include "tst_operationengine.moc"
