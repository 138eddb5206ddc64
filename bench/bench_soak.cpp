// SPDX-License-Identifier: GPL-3.0-or-later
// Soak: the whole program driven for 10 000 steps back and forth over a
// 301-stop route whose long names scroll, the tape speaking at every stop and
// the ticket preview drawn, all on the real timers (the scroll's, the
// speech's, the sound device's: SDL's dummy driver unless another is set).
// Prints the resident memory after 1 000 and after 10 000 steps and the
// longest stall of the event loop outside the lamp test, whose 3-second
// sleep goes through the sleep seam shortened to 100 ms.
//
//   build/bench/bench_soak [steps] [milliseconds between steps]
//
// Exits 1 when memory grew by more than 1 MiB after the warm-up (the first
// 1 000 steps) or the event loop stalled for more than 50 ms.

#include "OptionControls.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "reslib/Seams.h"
#include "sound/SoundSystem.h"
#include "windows/PictureBox.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {

using namespace kerubara;

constexpr int kStops = 301;
constexpr int kWarmUpSteps = 1000;
constexpr qint64 kMaxGrowthKiB = 1024;
constexpr qint64 kMaxStallMs = 50;
constexpr int kLampTestMs = 100;

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// A stop name long enough to scroll, different at every stop.
QString stopName(int stop)
{
    static const QStringList parts{QStringLiteral("市立総合病院前"), QStringLiteral("国立がんセンター東口"),
                                   QStringLiteral("中央公園北"), QStringLiteral("八重洲一丁目"),
                                   QStringLiteral("県庁前通り"), QStringLiteral("みなと大橋西詰")};
    return parts[stop % parts.size()] + parts[(stop / parts.size()) % parts.size()] + QString::number(stop);
}

bool writeRoute(const QString &folder)
{
    std::vector<FareFileRecord> records;
    QByteArray tape;
    for (int stop = 1; stop <= kStops; ++stop) {
        FareFileRecord r;
        r.chimei = cp932::encode(stopName(stop));
        r.seirikenNo = static_cast<std::int16_t>(std::min(stop, 99));
        for (int k = 0; k < 12; ++k)
            r.cols[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(100 + 10 * stop + k);
        records.push_back(r);
        tape += cp932::encode(QStringLiteral("次は、%1です。,0,0\r\n").arg(stopName(stop)));
    }
    QFile fare(folder + QStringLiteral("/1.hy3"));
    QFile broadcast(folder + QStringLiteral("/1tp.csv"));
    const QByteArray fareBytes = serializeFareFile(records).value_or(QByteArray());
    return fare.open(QIODevice::WriteOnly) && fare.write(fareBytes) == fareBytes.size()
        && broadcast.open(QIODevice::WriteOnly) && broadcast.write(tape) == tape.size();
}

// The longest time between two turns of the event loop, by a 1 ms timer;
// the lamp test does not count.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        tick_.setTimerType(Qt::PreciseTimer);
        tick_.setInterval(1);
        connect(&tick_, &QTimer::timeout, this, [this] { beat(); });
    }
    void start()
    {
        clock_.start();
        last_ = 0;
        tick_.start();
    }
    void lampTest(bool on)
    {
        inLampTest_ = on;
        last_ = clock_.elapsed();
    }
    qint64 longest() const { return longest_; }
    int longestAtStep() const { return longestAt_; }
    void setStep(int step) { step_ = step; }

private:
    void beat()
    {
        const qint64 now = clock_.elapsed();
        if (!inLampTest_ && now - last_ > longest_) {
            longest_ = now - last_;
            longestAt_ = step_;
        }
        last_ = now;
    }

    QTimer tick_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    int longestAt_ = 0;
    int step_ = 0;
    bool inLampTest_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    installFontSubstitutions();
    const int steps = argc > 1 ? std::max(QByteArray(argv[1]).toInt(), kWarmUpSteps) : 10000;
    const int stepMs = argc > 2 ? std::max(QByteArray(argv[2]).toInt(), 0) : 10;

    QTemporaryDir folder;
    if (!folder.isValid() || !writeRoute(folder.path())) {
        std::fprintf(stderr, "cannot write the route into a temporary folder\n");
        return 2;
    }

    StallMeter stalls;
    int boxes = 0;
    const ScopedMsgBoxHandler noBoxes([&](const MsgBoxCall &call) {
        ++boxes;
        std::fprintf(stderr, "message box: %s\n", qPrintable(call.prompt));
        return int(vbOK);
    });
    const ScopedSleepHandler shortSleeps([&](int ms) {
        if (ms >= 3000) // the lamp test
            stalls.lampTest(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms >= 3000 ? kLampTestMs : ms));
        if (ms >= 3000)
            stalls.lampTest(false);
    });
    const ScopedEndProgramHandler noEnd([] {});

    Simulator sim;
    sim.start();
    frmOption &option = sim.option();
    controls(option).Text2[0]->setText(folder.path());
    controls(option).Text2[1]->setText(folder.path());
    controls(option).chkUseSeiriPrev->setChecked(true);
    const QString plugin = QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-full.4SP");
    controls(option).txtSeiriPlgDir->setText(plugin);
    option.SetPlgin(plugin);
    frmCtl &console = sim.ctl();
    console.Check4->click(); // the preview pane
    console.Label2[0]->setText(QStringLiteral("1"));
    console.Label2[2]->setText(QStringLiteral("1"));
    console.Command1[1]->click(); // route setting, with its lamp test
    std::printf("route 1: %d stops, tape of %d announcements (%s), sound through \"%s\"\n", sim.state.nStopCount,
                sim.tape().GetTapeCount(), qPrintable(console.grpM_Tape->title()),
                qPrintable(sim.sound().output().driverName()));

    long warmKiB = 0;
    long endKiB = 0;
    int done = 0;
    bool forward = true;
    QElapsedTimer clock;
    clock.start();
    // A loop of its own: QCoreApplication::quit() would first close the
    // windows, and the control panel asks before it closes.
    QEventLoop soak;
    QTimer stepper;
    stepper.setInterval(stepMs);
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (sim.state.nStopPos + 1 >= sim.state.nStopCount)
            forward = false;
        else if (sim.state.nStopPos == 0)
            forward = true;
        console.Command2[forward ? 1 : 0]->click();
        (forward ? console.cmdTapeNext : console.cmdTapeBack)->click();
        stalls.setStep(++done);
        if (done == kWarmUpSteps) {
            warmKiB = residentKiB();
            std::printf("after %5d steps (%6.1f s): resident %ld KiB\n", done, clock.elapsed() / 1000.0, warmKiB);
        }
        if (done == steps) {
            endKiB = residentKiB();
            std::printf("after %5d steps (%6.1f s): resident %ld KiB\n", done, clock.elapsed() / 1000.0, endKiB);
            stepper.stop();
            soak.quit();
        }
    });
    stalls.start();
    stepper.start();
    soak.exec();

    const long growth = endKiB - warmKiB;
    const bool ok = growth <= kMaxGrowthKiB && stalls.longest() <= kMaxStallMs && boxes == 0;
    std::printf("growth after the warm-up: %ld KiB (at most %lld)\n", growth, static_cast<long long>(kMaxGrowthKiB));
    std::printf("longest stall of the event loop: %lld ms at step %d (at most %lld; lamp test excluded)\n",
                static_cast<long long>(stalls.longest()), stalls.longestAtStep(), static_cast<long long>(kMaxStallMs));
    std::printf("stop shown: %d, picture %dx%d, message boxes: %d\n", sim.state.nStopPos + 1,
                console.picSeirikenPrev->image().width(), console.picSeirikenPrev->image().height(), boxes);
    std::printf("%s\n", ok ? "within limits" : "OUTSIDE LIMITS");
    return ok ? 0 : 1;
}
