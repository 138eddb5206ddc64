// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TripCommands.h"

#include "dialogs/VoiceMessages.h"
#include "formats/DataIo.h"
#include "formats/FareFile.h"
#include "operation/AutoRun.h"
#include "operation/OperatingState.h"
#include "operation/OperationEngine.h"
#include "reslib/Cp932.h"
#include "reslib/Seams.h"
#include "reslib/TicketPluginFile.h"
#include "sound/AudioOutput.h"
#include "sound/SoundSystem.h"
#include "sound/Synthesiser.h"
#include "sound/VoiceCatalog.h"
#include "sound/VoiceEngine.h"
#include "sound/mdlM_Tape.h"
#include "tools/DataTool.h"
#include "tools/InfoBar.h"
#include "tools/OffscreenPanel.h"
#include "tools/ToolFiles.h"
#include "tools/TripCanvas.h"
#include "tools/TripProgress.h"
#include "tools/TripTimeline.h"
#include "tools/VideoEncoder.h"
#include "windows/Form1.h"
#include "windows/PictureBox.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <sys/prctl.h>
#include <unistd.h>

namespace kerubara::datatool {
namespace {

constexpr int kSampleRate = 48000;
// Ten milliseconds a buffer: the lamp test and whole seconds of dwell and
// travel fall on a buffer's end, and a sound starts within a buffer of its
// step, well inside one frame.
constexpr int kBufferFrames = kSampleRate / 100;
// The longest a stop's sounds may play before the trip goes on without
// waiting for their end: a stream that never ends must not hang the render.
constexpr double kLongestSoundSeconds = 600.0;
constexpr int kInterrupted = 130;

// What render-trip is asked to make.
struct TripRequest
{
    QString fareFile;
    QString outFile;
    QString tapeFile;
    QString settingsFile;
    QString voice; // empty: the voice of the user's voice settings
    std::int16_t section = 1;
    int zoom = 1;
    int fps = 30;
    double dwellSeconds = 4.0;
    double travelSeconds = 6.0;
    int travelColumn = 0; // 0: --travel for every stop
    double timeScale = 1.0 / 60.0;
    int from = 0; // 0: the section's stop
    int to = 0;   // 0: the last stop
    int ticketPages = 1;
    int pageSeconds = OperationEngine::kDefaultPageSeconds;
    int fareDigits = Form1::kMinFareDigits;
    bool ticket = false;
    bool lossless = false;
    bool subtitles = false; // a text track and a .srt beside the video
    bool everyFrame = false; // --cfr: every frame stored, none held on
    std::optional<QSize> canvasSize; // --size: the frame's size; else the content's own
    QColor background = QColor::fromRgb(kDefaultBackground);
    bool info = false;
    QString headsign;    // empty: from the tape's greeting
    QString previewFile; // --preview: the contact sheet instead of the video
    VideoFormat format = VideoFormat::H264Aac;
    const char *container = "mp4";
};

// A decimal number in min..max, also written as a fraction such as 1/60.
std::optional<double> decimalValue(const QString &text, double min, double max)
{
    const qsizetype slash = text.indexOf(u'/');
    bool ok = false;
    double value = 0.0;
    if (slash < 0) {
        value = text.trimmed().toDouble(&ok);
    } else {
        bool okDenominator = false;
        const double denominator = text.mid(slash + 1).trimmed().toDouble(&okDenominator);
        value = text.left(slash).trimmed().toDouble(&ok) / denominator;
        ok = ok && okDenominator && denominator != 0.0;
    }
    if (!ok || !std::isfinite(value) || value < min || value > max)
        return std::nullopt;
    return value;
}

struct ValueOption
{
    // How the value is described in a message, translated where it is used:
    // the table is made once, perhaps before the translation is installed.
    const char *what;
    std::function<bool(TripRequest &, const QString &)> apply;
};

template<typename T>
std::function<bool(TripRequest &, const QString &)> intInto(T TripRequest::*member, int min, int max)
{
    return [member, min, max](TripRequest &r, const QString &text) {
        const std::optional<std::int32_t> v = parseInt32(text);
        if (!v || *v < min || *v > max)
            return false;
        r.*member = static_cast<T>(*v);
        return true;
    };
}

std::function<bool(TripRequest &, const QString &)> oneOf(int TripRequest::*member, std::initializer_list<int> allowed)
{
    return [member, allowed = std::vector<int>(allowed)](TripRequest &r, const QString &text) {
        const std::optional<std::int32_t> v = parseInt32(text);
        if (!v || std::find(allowed.begin(), allowed.end(), *v) == allowed.end())
            return false;
        r.*member = *v;
        return true;
    };
}

std::function<bool(TripRequest &, const QString &)> decimalInto(double TripRequest::*member, double min, double max)
{
    return [member, min, max](TripRequest &r, const QString &text) {
        const std::optional<double> v = decimalValue(text, min, max);
        if (v)
            r.*member = *v;
        return v.has_value();
    };
}

std::function<bool(TripRequest &, const QString &)> pathInto(QString TripRequest::*member)
{
    return [member](TripRequest &r, const QString &text) {
        r.*member = text;
        return !text.isEmpty();
    };
}

std::function<bool(TripRequest &, const QString &)> sizeInto()
{
    return [](TripRequest &r, const QString &text) {
        r.canvasSize = parseCanvasSize(text);
        return r.canvasSize.has_value();
    };
}

std::function<bool(TripRequest &, const QString &)> colourInto()
{
    return [](TripRequest &r, const QString &text) {
        const std::optional<QColor> colour = parseBackground(text);
        if (colour)
            r.background = *colour;
        return colour.has_value();
    };
}

// The headsign is what the panel's own data could hold: Shift-JIS.
std::function<bool(TripRequest &, const QString &)> headsignInto()
{
    return [](TripRequest &r, const QString &text) {
        r.headsign = text.trimmed();
        return !r.headsign.isEmpty() && cp932::canEncode(r.headsign);
    };
}

const std::map<QString, ValueOption> &valueOptions()
{
    static const std::map<QString, ValueOption> options{
        {QStringLiteral("--section"),
         {QT_TRANSLATE_NOOP("TripCommands", "区間（1～300）"), intInto(&TripRequest::section, 1, 300)}},
        {QStringLiteral("--tape"),
         {QT_TRANSLATE_NOOP("TripCommands", "放送用データ（*tp.csv）"), pathInto(&TripRequest::tapeFile)}},
        {QStringLiteral("--settings"),
         {QT_TRANSLATE_NOOP("TripCommands", "設定ファイル（.in4）"), pathInto(&TripRequest::settingsFile)}},
        {QStringLiteral("--voice"),
         {QT_TRANSLATE_NOOP("TripCommands", "音声ファイル（.htsvoice）か espeak"), pathInto(&TripRequest::voice)}},
        {QStringLiteral("--zoom"),
         {QT_TRANSLATE_NOOP("TripCommands", "倍率 1、2、3 のどれか"), oneOf(&TripRequest::zoom, {1, 2, 3})}},
        {QStringLiteral("--fps"),
         {QT_TRANSLATE_NOOP("TripCommands", "毎秒のコマ数 30 か 60"), oneOf(&TripRequest::fps, {30, 60})}},
        {QStringLiteral("--fare-digits"),
         {QT_TRANSLATE_NOOP("TripCommands", "運賃の桁数 3 か 4"), oneOf(&TripRequest::fareDigits, {3, 4})}},
        {QStringLiteral("--dwell"),
         {QT_TRANSLATE_NOOP("TripCommands", "停車の秒数（0～3600）"),
          decimalInto(&TripRequest::dwellSeconds, 0.0, 3600.0)}},
        {QStringLiteral("--travel"),
         {QT_TRANSLATE_NOOP("TripCommands", "走行の秒数（0～3600）"),
          decimalInto(&TripRequest::travelSeconds, 0.0, 3600.0)}},
        {QStringLiteral("--travel-column"),
         {QT_TRANSLATE_NOOP("TripCommands", "時刻の列（13～150）"),
          intInto(&TripRequest::travelColumn, 13, kFareColumns)}},
        {QStringLiteral("--time-scale"),
         {QT_TRANSLATE_NOOP("TripCommands", "時間の倍率（0より大きく 100 以下、1/60 のような分数も可）"),
          decimalInto(&TripRequest::timeScale, 1e-6, 100.0)}},
        {QStringLiteral("--from"),
         {QT_TRANSLATE_NOOP("TripCommands", "停留所の番号（1～301）"), intInto(&TripRequest::from, 1, kFareRows)}},
        {QStringLiteral("--to"),
         {QT_TRANSLATE_NOOP("TripCommands", "停留所の番号（1～301）"), intInto(&TripRequest::to, 1, kFareRows)}},
        {QStringLiteral("--ticket-pages"),
         {QT_TRANSLATE_NOOP("TripCommands", "整理券番号のページ数（1～4）"),
          intInto(&TripRequest::ticketPages, 1, OperationEngine::kMaxTicketPages)}},
        {QStringLiteral("--page-seconds"),
         {QT_TRANSLATE_NOOP("TripCommands", "ページを切り替える秒数（1～60）"),
          intInto(&TripRequest::pageSeconds, 1, OperationEngine::kMaxPageSeconds)}},
        {QStringLiteral("--size"),
         {QT_TRANSLATE_NOOP("TripCommands", "動画の大きさ（幅x高さ、例えば 1920x1080）"), sizeInto()}},
        {QStringLiteral("--background"),
         {QT_TRANSLATE_NOOP("TripCommands", "背景の色（black、green のような色の名前か #RRGGBB）"), colourInto()}},
        {QStringLiteral("--headsign"),
         {QT_TRANSLATE_NOOP("TripCommands", "行き先（Shift-JIS で書ける文字）"), headsignInto()}},
        {QStringLiteral("--preview"),
         {QT_TRANSLATE_NOOP("TripCommands", "一覧画像の PNG ファイル"), pathInto(&TripRequest::previewFile)}},
    };
    return options;
}

// The codecs the output's name asks for; false after saying why not.
bool chooseFormat(TripRequest &request, QTextStream &err)
{
    const QString suffix = QFileInfo(request.outFile).suffix().toLower();
    if (request.lossless && suffix != u"mkv") {
        usageError(err,
                   QCoreApplication::translate(
                       "TripCommands", "--lossless の出力は .mkv にしてください（FFV1 と FLAC の Matroska）。"));
        return false;
    }
    if (suffix == u"mp4") {
        request.format = VideoFormat::H264Aac;
        request.container = "mp4";
    } else if (suffix == u"webm") {
        request.format = VideoFormat::Vp9Opus;
        request.container = "webm";
    } else if (suffix == u"mkv") {
        request.format = request.lossless ? VideoFormat::Ffv1Flac : VideoFormat::H264Aac;
        request.container = "matroska";
    } else {
        usageError(err,
                   QCoreApplication::translate(
                       "TripCommands", "出力ファイル「%1」の拡張子は .mp4、.webm、.mkv のどれかにしてください。")
                       .arg(request.outFile));
        return false;
    }
    return true;
}

std::optional<TripRequest> parseRequest(const QStringList &args, QTextStream &err)
{
    TripRequest request;
    QStringList positional;
    bool zoomGiven = false;
    bool travelGiven = false;
    bool scaleGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--ticket" || arg == u"--lossless" || arg == u"--subtitles" || arg == u"--info"
            || arg == u"--cfr") {
            (arg == u"--ticket"      ? request.ticket
             : arg == u"--lossless"  ? request.lossless
             : arg == u"--subtitles" ? request.subtitles
             : arg == u"--cfr"       ? request.everyFrame
                                     : request.info) = true;
            continue;
        }
        if (!arg.startsWith(QStringLiteral("--"))) {
            positional << arg;
            continue;
        }
        const auto option = valueOptions().find(arg);
        if (option == valueOptions().end()) {
            usageError(err,
                       QCoreApplication::translate("TripCommands", "render-trip に「%1」というオプションはありません。")
                           .arg(arg));
            return std::nullopt;
        }
        const QString what = QCoreApplication::translate("TripCommands", option->second.what);
        if (i + 1 >= args.size()) {
            usageError(err,
                       QCoreApplication::translate("TripCommands", "%1 の後に%2を指定してください。").arg(arg, what));
            return std::nullopt;
        }
        const QString &text = args[++i];
        if (!option->second.apply(request, text)) {
            usageError(
                err,
                QCoreApplication::translate("TripCommands", "%1 の値「%2」が正しくありません。%3を指定してください。")
                    .arg(arg, text, what));
            return std::nullopt;
        }
        zoomGiven = zoomGiven || arg == u"--zoom";
        travelGiven = travelGiven || arg == u"--travel";
        scaleGiven = scaleGiven || arg == u"--time-scale";
    }
    if (positional.size() != 2) {
        usageError(err,
                   QCoreApplication::translate(
                       "TripCommands",
                       "render-trip には運賃データ（.hy3）か系統のフォルダーと、出力する動画ファイルを指定してください。"));
        return std::nullopt;
    }
    if (zoomGiven && request.canvasSize) {
        usageError(err,
                   QCoreApplication::translate("TripCommands",
                                               "--zoom と --size は一緒に指定できません（--size では倍率を大きさに合わせて決めます）。"));
        return std::nullopt;
    }
    if (!request.headsign.isEmpty() && !request.info) {
        usageError(err, QCoreApplication::translate("TripCommands", "--headsign は --info と一緒に指定してください。"));
        return std::nullopt;
    }
    if (travelGiven && request.travelColumn != 0) {
        usageError(err,
                   QCoreApplication::translate("TripCommands", "--travel と --travel-column は一緒に指定できません。"));
        return std::nullopt;
    }
    if (scaleGiven && request.travelColumn == 0) {
        usageError(
            err,
            QCoreApplication::translate("TripCommands", "--time-scale は --travel-column と一緒に指定してください。"));
        return std::nullopt;
    }
    if (request.from != 0 && request.to != 0 && request.to < request.from) {
        usageError(err,
                   QCoreApplication::translate("TripCommands", "--to（%1）は --from（%2）より前にできません。")
                       .arg(QString::number(request.to), QString::number(request.from)));
        return std::nullopt;
    }
    request.fareFile = positional[0];
    request.outFile = positional[1];
    if (!chooseFormat(request, err))
        return std::nullopt;
    return request;
}

// ---- The plan ---------------------------------------------------------------

// Where the trip begins and ends, and how long the bus travels to each stop.
struct TripPlan
{
    int from = 1;
    int to = 1;
    std::vector<double> travelSeconds; // by stop, 1-based: the way to that stop
};

// The part of the video's length the plan fixes: the lamp test when the
// video opens with the route setting, each stop's dwell, the travel between
// the stops. The sounds come on top.
double plannedSeconds(const TripRequest &request, const TripPlan &plan)
{
    double seconds = plan.from > request.section ? 0.0 : OperationEngine::kLampTestMs / 1000.0;
    for (int stop = plan.from; stop <= plan.to; ++stop) {
        seconds += request.dwellSeconds;
        if (stop > plan.from)
            seconds += plan.travelSeconds[static_cast<std::size_t>(stop)];
    }
    return seconds;
}

// The plan of the request for the route; nothing after saying why not.
std::optional<TripPlan> planTrip(const TripRequest &request, QTextStream &err)
{
    const std::optional<int> count = routeStopCount(request.fareFile, request.section, err);
    if (!count)
        return std::nullopt;
    TripPlan plan;
    plan.from = request.from == 0 ? request.section : request.from;
    plan.to = request.to == 0 ? *count : request.to;
    for (const int stop : {plan.from, plan.to}) {
        if (stop > *count) {
            err << request.fareFile
                << QCoreApplication::translate("TripCommands",
                                               ": 停留所 %1 はありません。この系統の停留所は 1～%2 です。\n")
                       .arg(QString::number(stop), QString::number(*count));
            return std::nullopt;
        }
    }
    if (plan.from < request.section || plan.to < plan.from) {
        err << request.fareFile
            << QCoreApplication::translate(
                   "TripCommands",
                   ": 区間 %1 の系統設定では停留所 %1 から走ります。--from と --to は %1～%2 の間で、"
                   "--from を --to より前にしてください。\n")
                   .arg(QString::number(request.section), QString::number(*count));
        return std::nullopt;
    }
    plan.travelSeconds.assign(static_cast<std::size_t>(*count) + 1, request.travelSeconds);
    if (request.travelColumn == 0)
        return plan;
    OperatingState route;
    route.LoadFareFile(request.fareFile, request.section);
    for (int stop = plan.from + 1; stop <= plan.to; ++stop) {
        const int before = route.FareData(stop - 1).Col(request.travelColumn);
        const int here = route.FareData(stop).Col(request.travelColumn);
        if (here < before) {
            err << request.fareFile
                << QCoreApplication::translate(
                       "TripCommands",
                       ": 停留所 %1（%2）の列 %3 の値 %4 が前の停留所の値 %5 より小さく、走行時間になりません。"
                       "列 %3 には始発からの分を書いてください。\n")
                       .arg(QString::number(stop), route.FareData(stop).Chimei, QString::number(request.travelColumn),
                            QString::number(here), QString::number(before));
            return std::nullopt;
        }
        plan.travelSeconds[static_cast<std::size_t>(stop)] = (here - before) * 60.0 * request.timeScale;
    }
    return plan;
}

// ---- Interruption -------------------------------------------------------------

// Set by the SIGINT handler; the one place a signal handler may write.
volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void requestInterrupt(int)
{
    interruptRequested = 1;
}

// While alive, Ctrl-C asks the render to stop (a second one ends the
// program at once, as usual).
class InterruptScope
{
public:
    InterruptScope()
    {
        interruptRequested = 0;
        struct sigaction action = {};
        action.sa_handler = &requestInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptScope() { sigaction(SIGINT, &previous_, nullptr); }
    InterruptScope(const InterruptScope &) = delete;
    InterruptScope &operator=(const InterruptScope &) = delete;

    static bool requested() { return interruptRequested != 0; }

private:
    struct sigaction previous_ = {};
};

struct Interrupted
{
};

// ---- Progress ---------------------------------------------------------------

// The progress line on a terminal: percent, stop, frames, speed and time
// left, estimated from the planned timeline (estimateTripProgress). It
// measures the wall clock only to tell a person how fast it goes.
class ProgressLine
{
public:
    ProgressLine(QTextStream *terminal, const TripPlan &plan, double plannedSeconds)
        : terminal_(terminal), plan_(plan), plannedSeconds_(plannedSeconds)
    {
    }

    void stopReached(int stop) { stop_ = stop; }

    // At `at` seconds of the video a wait the plan fixes begins (the lamp
    // test, a dwell, a travel); the one before has passed.
    void plannedWait(double at, double seconds)
    {
        doneBefore_ += waitLength_;
        waitStart_ = at;
        waitLength_ = seconds;
    }

    void frameDone(std::int64_t frames, double videoSeconds)
    {
        if (!terminal_)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - shown_ < std::chrono::milliseconds(250))
            return;
        shown_ = now;
        show(frames, estimateTripProgress(input(videoSeconds, false)));
    }

    // The whole video is made: the line shows 100 % and ends.
    void finish(std::int64_t frames, double videoSeconds)
    {
        if (!terminal_)
            return;
        show(frames, estimateTripProgress(input(videoSeconds, true)));
        end();
    }

    // Ends the line where it stands (an interruption).
    void end()
    {
        if (terminal_ && std::exchange(lineShown_, false))
            *terminal_ << '\n';
    }

    double wallSeconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    }

private:
    TripProgressInput input(double videoSeconds, bool finished) const
    {
        TripProgressInput in;
        in.plannedSeconds = plannedSeconds_;
        in.plannedDone = doneBefore_ + std::clamp(videoSeconds - waitStart_, 0.0, waitLength_);
        in.videoSeconds = videoSeconds;
        in.wallSeconds = wallSeconds();
        in.stops = plan_.to - plan_.from + 1;
        in.stopsBegun = stop_ - plan_.from + 1;
        in.finished = finished;
        return in;
    }

    void show(std::int64_t frames, const TripProgress &p)
    {
        const QString left = p.secondsLeft
            ? QCoreApplication::translate("TripCommands", "残り約 %1 秒").arg(std::lround(*p.secondsLeft))
            : QCoreApplication::translate("TripCommands", "残り時間を計算中");
        *terminal_ << QCoreApplication::translate("TripCommands", "\r%1% 停留所 %2/%3 %4 コマ 実時間の %5 倍 %6   ")
                          .arg(QString::number(p.percent), QString::number(stop_ - plan_.from + 1),
                               QString::number(plan_.to - plan_.from + 1), QString::number(frames),
                               QString::number(p.speed, 'f', 1), left);
        terminal_->flush();
        lineShown_ = true;
    }

    QTextStream *terminal_;
    const TripPlan &plan_;
    double plannedSeconds_;
    int stop_ = 0;
    double doneBefore_ = 0;
    double waitStart_ = 0;
    double waitLength_ = 0;
    bool lineShown_ = false;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point shown_{};
};

// ---- The video's clock --------------------------------------------------------

// The video's time is the sound mixed so far: time passes only as the mixer
// mixes, buffer by buffer, whether the unit waits for a chime, sleeps through
// its lamp test or the bus dwells and travels. After each buffer every video
// frame whose moment has passed is taken from the panel as it shows now, so
// a frame shows what the simulator showed at its moment and a sound starts
// in the same buffer as the step that plays it. Before recording starts
// (the way to --from) sound is mixed and dropped and no frame is taken.
// When every rendered trip starts, by the clock on its tickets.
const QDateTime kTripStartsAt(QDate(2026, 4, 1), QTime(10, 0));

class TripRecorder
{
public:
    TripRecorder(NullAudioOutput &output, int fps, std::function<QImage()> frame, ProgressLine &progress,
                 TripTimeline &timeline)
        : output_(output), samplesPerFrame_(kSampleRate / fps), frame_(std::move(frame)), progress_(progress),
          timeline_(timeline)
    {
        output_.mixer().setProgressHook([this] { mixBuffer(); });
    }
    ~TripRecorder()
    {
        NullAudioOutput &output = output_;
        output.mixer().setProgressHook([&output] { output.pump(); });
    }
    TripRecorder(const TripRecorder &) = delete;
    TripRecorder &operator=(const TripRecorder &) = delete;

    // What the clock seam tells the program (the stop-name scroll).
    qint64 clockMs() const { return static_cast<qint64>(clock_ * 1000 / kSampleRate); }

    void startRecording(VideoEncoder &encoder)
    {
        encoder_ = &encoder;
        origin_ = now();
        clock_ = origin_;
        timeline_.start(origin_);
    }

    // Mixes the next buffer and takes the frames its time has passed.
    void mixBuffer()
    {
        if (InterruptScope::requested())
            throw Interrupted{};
        output_.pump(1);
        clock_ = now();
        if (encoder_) {
            const std::vector<float> &mixed = output_.captured();
            encoder_->addAudio(mixed.data(), static_cast<int>(mixed.size() / Mixer::kChannels));
        }
        output_.clearCaptured();
        takeFrames();
        // An announcement ends where its speech was last heard; its cue goes
        // into the video once nothing sounds any more.
        if (output_.mixer().isIdle())
            timeline_.speechHeardOut();
        addNewCues();
    }

    // The video's time since recording started.
    double videoSeconds() const { return encoder_ ? double(now() - origin_) / kSampleRate : 0.0; }

    // Lets `seconds` pass.
    void wait(double seconds)
    {
        const std::uint64_t until = now() + static_cast<std::uint64_t>(std::llround(seconds * kSampleRate));
        while (now() < until)
            mixBuffer();
    }

    // Mixes until nothing sounds any more (or the longest sound has played).
    void untilQuiet()
    {
        const std::uint64_t giveUp = now() + static_cast<std::uint64_t>(kLongestSoundSeconds * kSampleRate);
        while (!output_.mixer().isIdle() && now() < giveUp)
            mixBuffer();
    }

    // The frames up to the end of the sound mixed, then the encoders' ends.
    void finish()
    {
        takeFrames();
        timeline_.speechEnded();
        addNewCues();
        encoder_->setChapters(timeline_.chapters());
        encoder_->finish();
    }

    std::int64_t frames() const { return frames_; }

private:
    std::uint64_t now() const { return output_.mixer().framesRendered(); }

    // Every frame whose moment lies before the time mixed: at the end, as
    // many frames as cover the sound.
    void takeFrames()
    {
        if (!encoder_)
            return;
        const std::uint64_t end = now();
        for (std::uint64_t at = frameMoment(); at < end; at = frameMoment()) {
            clock_ = at;
            encoder_->addFrame(frame_());
            ++frames_;
            progress_.frameDone(frames_, double(at - origin_) / kSampleRate);
        }
        clock_ = end;
    }

    void addNewCues()
    {
        if (!encoder_)
            return;
        for (const SubtitleCue &cue : timeline_.takeNewCues())
            encoder_->addCue(cue);
    }

    std::uint64_t frameMoment() const { return origin_ + static_cast<std::uint64_t>(frames_) * samplesPerFrame_; }

    NullAudioOutput &output_;
    const std::uint64_t samplesPerFrame_;
    std::function<QImage()> frame_;
    ProgressLine &progress_;
    TripTimeline &timeline_;
    VideoEncoder *encoder_ = nullptr;
    std::uint64_t origin_ = 0;
    std::uint64_t clock_ = 0;
    std::int64_t frames_ = 0;
};

// ---- The trip -----------------------------------------------------------------

// Drives the unit along the plan as a driver would: the steps and the
// announcements of the tape in order, each after the sounds before it have
// ended.
class TripDriver
{
public:
    TripDriver(Simulator &sim, TripRecorder &recorder, const TripRequest &request, const TripPlan &plan,
               ProgressLine &progress)
        : sim_(sim), unit_(sim.engine()), recorder_(recorder), request_(request), plan_(plan), progress_(progress)
    {
    }

    void run(VideoEncoder &encoder)
    {
        const QString route = routeDigitsOf(request_.fareFile);
        const QString section = QString::number(request_.section);
        progress_.stopReached(plan_.from);
        if (plan_.from > request_.section) {
            // The way to the stop before --from is not recorded; the video
            // opens with the step to --from.
            unit_.setRouteFile(request_.fareFile, route, section);
            approach(plan_.from - 1);
            unit_.stop();
            sim_.sound().CloseAllSnd();
            recorder_.untilQuiet();
            recorder_.startRecording(encoder);
            stepTo(plan_.from);
        } else {
            recorder_.startRecording(encoder);
            progress_.plannedWait(0.0, OperationEngine::kLampTestMs / 1000.0);
            unit_.setRouteFile(request_.fareFile, route, section);
        }
        for (int stop = plan_.from;; ++stop) {
            progress_.stopReached(stop);
            announceRest();
            plannedWait(request_.dwellSeconds);
            if (stop >= plan_.to)
                break;
            plannedWait(plan_.travelSeconds[static_cast<std::size_t>(stop + 1)]);
            stepTo(stop + 1);
        }
        recorder_.finish();
    }

private:
    mdlM_Tape &tape() { return unit_.tape(); }
    int stopShown() const { return unit_.state.nStopPos + 1; }
    bool tapeHasNext() { return tape().GetTapePos() < tape().GetTapeCount(); }

    // A dwell or a travel: time the plan fixes.
    void plannedWait(double seconds)
    {
        progress_.plannedWait(recorder_.videoSeconds(), seconds);
        recorder_.wait(seconds);
    }

    // The announcements of the stop that do not step, one after another.
    void announceRest()
    {
        do
            recorder_.untilQuiet();
        while (autorun::announceNext(unit_));
    }

    void stepTo(int stop)
    {
        while (stopShown() < stop && autorun::stepOn(unit_)) {
        }
    }

    // Reaches `stop` with the tape just before the entry that steps on.
    void approach(int stop)
    {
        while (stopShown() < stop) {
            const int before = stopShown();
            unit_.press(tapeHasNext() ? OperationEngine::Press::TapeNext : OperationEngine::Press::Forward);
            if (stopShown() == before && !tapeHasNext())
                return;
        }
        while (autorun::announceNext(unit_)) {
        }
    }

    Simulator &sim_;
    OperationEngine &unit_;
    TripRecorder &recorder_;
    const TripRequest &request_;
    const TripPlan &plan_;
    ProgressLine &progress_;
};

// ---- Setting up -----------------------------------------------------------------

// Says which sound files the settings name but do not exist: the program
// plays nothing for them, and so does the video.
void warnMissingSounds(const SettingsModel &settings, QTextStream &err)
{
    QStringList files{settings.routeSettingSound(), settings.stepSoundFile()};
    for (int flag = 1; flag <= 3; ++flag)
        files << settings.stepSoundFile(flag);
    for (int index = 3; index <= 6; ++index)
        files << settings.tapeSoundFile(index);
    files.removeDuplicates();
    for (const QString &file : std::as_const(files)) {
        if (!file.isEmpty() && !QFileInfo(file).isFile())
            err << QCoreApplication::translate("TripCommands",
                                               "警告: 音声ファイル %1 がありません。鳴らさずに（無音で）作ります。\n")
                       .arg(file);
    }
}

// Why --ticket cannot draw the console's ticket with these settings, naming
// what is missing; empty when it can.
QString ticketRefusal(const TripRequest &request, const SettingsModel &settings)
{
    if (request.settingsFile.isEmpty())
        return request.fareFile
            + QCoreApplication::translate(
                   "TripCommands",
                   ": --ticket には、整理券プラグインを選んだ設定ファイルを --settings で指定してください。");
    const QString plugin = settings.ticketPluginPath();
    const QString where = request.settingsFile + QStringLiteral(": ");
    if (plugin.isEmpty())
        return where
            + QCoreApplication::translate(
                   "TripCommands",
                   "整理券プラグインが選ばれていません（--ticket に必要です）。kerubara-data gtfs --plugin FILE.4SP で"
                   "作るか、オプションの「整理券プレビュー」でプラグインを選んで保存してください。");
    if (!settings.ticketPreviewInUse())
        return where
            + QCoreApplication::translate(
                   "TripCommands",
                   "整理券プレビューを使わない設定です（--ticket に必要です）。オプションの「整理券プレビュー」で"
                   "「整理券プレビュー機能を使用する」を選んで保存してください。");
    if (const TicketPluginRead read = readTicketPlugin(plugin); !read.plugin)
        return where
            + QCoreApplication::translate("TripCommands",
                                          "整理券プラグイン %1 を読めません（%2）。--ticket に必要です。")
                  .arg(plugin, ticketPluginErrorText(read.error));
    return {};
}

// Says when the tape the settings' broadcast data folder gives the route is
// missing or does not read: the program then announces nothing, and so does
// the video. --tape takes the folder's place.
void warnMissingTape(const TripRequest &request, const SettingsModel &settings, QTextStream &err)
{
    const QString folder = settings.broadcastDataFolder();
    if (!request.tapeFile.isEmpty() || folder.isEmpty())
        return;
    const QString path = tapeFilePath(withTrailingSeparator(folder), routeDigitsOf(request.fareFile));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << QCoreApplication::translate(
                   "TripCommands",
                   "警告: %1: 放送用データがありません（設定の放送用データのフォルダー）。放送なしで作ります。\n")
                   .arg(path);
        return;
    }
    const TapeDataResult data = readTapeFile(file);
    if (data.error) {
        err << QCoreApplication::translate("TripCommands", "警告: %1: %2行目: %3 放送なしで作ります。\n")
                   .arg(path, QString::number(data.error->line), tapeDataErrorText(*data.error));
    }
}

// The tape of --tape, readable and as route setting finds it: a copy named
// for the route in a folder of its own, with the reading dictionary that
// lies beside it. False after saying why not.
bool placeTape(const TripRequest &request, const QTemporaryDir &folder, SettingsModel &settings, QTextStream &err)
{
    QString why;
    const std::optional<QByteArray> bytes = readWholeFile(
        request.tapeFile, kMaxTapeFileBytes, QCoreApplication::translate("TripCommands", "放送用データ(tp.csv)"), &why);
    if (!bytes) {
        err << request.tapeFile << ": " << why << '\n';
        return false;
    }
    const TapeDataResult data = readTapeData(*bytes);
    if (data.error) {
        err << request.tapeFile << QCoreApplication::translate("TripCommands", ": %1行目: ").arg(data.error->line)
            << tapeDataErrorText(*data.error) << '\n';
        return false;
    }
    const QString copy = folder.filePath(routeDigitsOf(request.fareFile) + QStringLiteral("tp.csv"));
    QFile out(copy);
    if (!out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size()) {
        err << copy << QCoreApplication::translate("TripCommands", ": 書き込めません（%1）。\n").arg(out.errorString());
        return false;
    }
    const QString dictionary = QFileInfo(request.tapeFile).dir().filePath(QStringLiteral("yomi.csv"));
    if (QFileInfo(dictionary).isFile())
        QFile::copy(dictionary, folder.filePath(QStringLiteral("yomi.csv")));
    settings.setBroadcastDataFolder(folder.path() + u'/');
    return true;
}

// What a frame shows: the panel, and with --ticket the console's ticket
// preview beside it, magnified as the panel is; the size made even for the
// codecs. On a canvas (--size or --info) the panel, drawn at 1×, the ticket
// and the information bar lie where the canvas's layout puts them. The
// scroll and the pages of ticket numbers move on to the frame's moment
// first: their timers never run while the video's clock does.
class FrameComposer
{
public:
    FrameComposer(Simulator &sim, const TripRequest &request, const TripPlan &plan,
                  const std::optional<CanvasLayout> &canvas)
        : panel_(sim.form1()), unit_(sim.engine()), ticket_(request.ticket ? &sim.ctl().picSeirikenPrev->image() : nullptr),
          zoom_(request.zoom)
    {
        if (canvas) {
            canvas_.emplace(*canvas, request.background);
            if (request.info)
                bar_ = std::make_unique<InfoBarFollower>(unit_, routeDigitsOf(request.fareFile), request.headsign,
                                                         plan.from, plan.to);
            size_ = canvas->canvas;
            return;
        }
        QSize size = panel_.size();
        if (ticket_)
            size = QSize(size.width() + ticket_->width() * zoom_, std::max(size.height(), ticket_->height() * zoom_));
        size_ = QSize(size.width() + size.width() % 2, size.height() + size.height() % 2);
    }

    QSize size() const { return size_; }

    QImage frame()
    {
        panel_.updateScroll();
        unit_.updateTicketPages();
        const QImage panel = panelImage(panel_);
        if (canvas_)
            return onCanvas(panel);
        if (panel.size() == size_)
            return panel;
        // The rest in the colour around the panel's rounded corners.
        QImage out(size_, QImage::Format_RGB32);
        out.fill(panel.pixel(0, 0));
        QPainter painter(&out);
        painter.drawImage(0, 0, panel);
        if (ticket_) {
            const QImage ticket = ticket_->scaled(ticket_->size() * zoom_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            painter.drawImage(panel.width(), 0, ticket);
        }
        return out;
    }

private:
    // A frame is drawn again only when the panel or the bar has changed: most
    // frames of a dwell or a travel are the one before.
    QImage onCanvas(const QImage &panel)
    {
        const InfoBarText text = bar_ ? bar_->text() : InfoBarText();
        if (!last_.isNull() && panel == lastPanel_ && text == lastText_ && !ticket_)
            return last_;
        CanvasPainter::DrawBar drawBar;
        if (bar_)
            drawBar = [&text](QPainter &painter, const QRect &area, int factor) {
                drawInfoBar(painter, area, factor, text);
            };
        last_ = canvas_->compose(panel, ticket_, drawBar);
        lastPanel_ = panel;
        lastText_ = text;
        return last_;
    }

    Form1 &panel_;
    OperationEngine &unit_;
    const QImage *ticket_;
    int zoom_;
    QSize size_;
    std::optional<CanvasPainter> canvas_;
    std::unique_ptr<InfoBarFollower> bar_;
    QImage last_;
    QImage lastPanel_;
    InfoBarText lastText_;
};

// While alive, `tap` sees voice `voice` of `mixer`.
class ScopedVoiceTap
{
public:
    ScopedVoiceTap(Mixer &mixer, int voice, VoiceTap &tap) : mixer_(mixer), voice_(voice)
    {
        mixer_.setVoiceTap(voice_, &tap);
    }
    ~ScopedVoiceTap() { mixer_.setVoiceTap(voice_, nullptr); }
    ScopedVoiceTap(const ScopedVoiceTap &) = delete;
    ScopedVoiceTap &operator=(const ScopedVoiceTap &) = delete;

private:
    Mixer &mixer_;
    int voice_;
};

// The canvas the request asks for, its panel at 1×: none without --size
// and --info. Nothing after saying why a size cannot be.
std::optional<std::optional<CanvasLayout>> canvasOf(const TripRequest &request, Simulator &sim, QTextStream &err)
{
    if (!request.canvasSize && !request.info)
        return std::optional<CanvasLayout>();
    CanvasContent content;
    content.panel = sim.form1().size() / sim.form1().zoom();
    if (request.ticket)
        content.ticket = sim.ctl().picSeirikenPrev->image().size();
    content.barHeight = request.info ? kInfoBarHeight : 0;
    if (!request.canvasSize)
        return std::optional<CanvasLayout>(naturalCanvas(content, request.zoom));
    const auto fitted = fitCanvas(content, *request.canvasSize);
    if (const auto *layout = std::get_if<CanvasLayout>(&fitted))
        return std::optional<CanvasLayout>(*layout);
    const QString size = QStringLiteral("%1x%2").arg(request.canvasSize->width()).arg(request.canvasSize->height());
    const QSize least = naturalCanvas(content, 1).canvas;
    switch (std::get<CanvasRefusal>(fitted)) {
    case CanvasRefusal::OddSide:
        usageError(err, QCoreApplication::translate("TripCommands",
                                                    "--size %1: 幅と高さは偶数にしてください（動画の符号化は偶数の大きさしか扱えません）。")
                            .arg(size));
        break;
    case CanvasRefusal::TooLarge:
        usageError(err, QCoreApplication::translate("TripCommands", "--size %1: 幅も高さも %2 以下にしてください。")
                            .arg(size, QString::number(kMaxCanvasSide)));
        break;
    case CanvasRefusal::TooSmall:
        usageError(err, QCoreApplication::translate("TripCommands",
                                                    "--size %1: 等倍でも収まりません。%2x%3 以上の大きさを指定してください。")
                            .arg(size, QString::number(least.width()), QString::number(least.height())));
        break;
    }
    return std::nullopt;
}

// What a render made, for its last line.
struct TripMade
{
    std::int64_t frames = 0;
    double videoSeconds = 0;
    double wallSeconds = 0;
};

// Records the trip into `file` with the program `sim` started offscreen:
// the video's clock and sleep are installed for as long as the recording runs.
int record(Simulator &sim, const TripRequest &request, const TripPlan &plan,
           const std::optional<CanvasLayout> &canvas, QSaveFile &file, TripTimeline &timeline, QTextStream &err,
           TripMade &made)
{
    auto *output = dynamic_cast<NullAudioOutput *>(&sim.sound().output());
    if (!output)
        throw EncodeError(QCoreApplication::translate("TripCommands", "音声の出力を準備できません。"));
    QFile *errFile = qobject_cast<QFile *>(err.device());
    const bool terminal = errFile && errFile->handle() >= 0 && isatty(errFile->handle());
    ProgressLine progress(terminal ? &err : nullptr, plan, plannedSeconds(request, plan));
    FrameComposer composer(sim, request, plan, canvas);
    const QSize size = composer.size();
    TripRecorder recorder(*output, request.fps, [&composer] { return composer.frame(); }, progress, timeline);
    // The chapters: where the strip shows each stop; the subtitles: where
    // the speech voice is heard.
    const QObject stepsSeen;
    QObject::connect(&sim.engine(), &OperationEngine::nameShown, &stepsSeen,
                     [&sim, &timeline, &recorder](const QString &name) {
                         timeline.nameShown(sim.engine().state.nStopPos + 1, name, recorder.frames());
                     });
    const ScopedVoiceTap speechHeard(output->mixer(), sim.sound().speechVoice(), timeline);
    const ScopedClock videoClock([&recorder] { return recorder.clockMs(); });
    // The ticket's date and time and the panel's clock follow the video too,
    // from a fixed moment, so the same inputs give the same frames.
    const ScopedWallClock videoWallClock([&recorder] { return kTripStartsAt.addMSecs(recorder.clockMs()); });
    const ScopedSleepHandler videoSleep([&recorder](int ms) { recorder.wait(ms / 1000.0); });
    const InterruptScope interrupt;
    try {
        VideoEncoder encoder(file, {request.format, request.container, size, request.fps, kSampleRate,
                                    request.subtitles, request.everyFrame});
        TripDriver(sim, recorder, request, plan, progress).run(encoder);
    } catch (const Interrupted &) {
        progress.end();
        err << request.outFile
            << QCoreApplication::translate("TripCommands", ": 中断しました。作りかけのファイルは消しました。\n");
        return kInterrupted;
    }
    made = {recorder.frames(), double(recorder.frames()) / request.fps, progress.wallSeconds()};
    progress.finish(made.frames, made.videoSeconds);
    return 0;
}

// The subtitle file beside `video`: its name with .srt for its extension,
// as players look for it.
QString subtitleFilePath(const QString &video)
{
    const QFileInfo info(video);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".srt"));
}

// Puts the subtitle file in place once the video is; when that fails the
// new video goes too, so that no file is left without the other.
bool commitSidecar(QSaveFile &sidecar, const QString &video, QTextStream &err)
{
    errno = 0;
    if (sidecar.flush() && sidecar.commit())
        return true;
    const QString why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : sidecar.errorString();
    QFile::remove(video);
    err << sidecar.fileName()
        << QCoreApplication::translate("TripCommands", ": 書き込みに失敗しました（%1）。動画 %2 も消しました。\n")
               .arg(why, video);
    return false;
}

// The contact sheet of --preview: each stop's frame as its step shows it,
// reached by データ送り without sound or waiting, the trip's clock at the
// moment the plan gives the step. A quick look, not the video's timing.
int writePreview(Simulator &sim, const TripRequest &request, const TripPlan &plan,
                 const std::optional<CanvasLayout> &canvas, QTextStream &err)
{
    qint64 plannedMs = 0;
    const ScopedWallClock clock([&plannedMs] { return kTripStartsAt.addMSecs(plannedMs); });
    const ScopedClock frozen([] { return qint64(0); });
    const ScopedSleepHandler noWait([](int) {});
    FrameComposer composer(sim, request, plan, canvas);
    OperationEngine &unit = sim.engine();
    unit.setRouteFile(request.fareFile, routeDigitsOf(request.fareFile), QString::number(request.section));
    double seconds = plan.from > request.section ? 0.0 : OperationEngine::kLampTestMs / 1000.0;
    std::vector<QImage> frames;
    for (int stop = plan.from; stop <= plan.to; ++stop) {
        while (sim.state.nStopPos + 1 < stop) {
            const int before = sim.state.nStopPos;
            unit.press(OperationEngine::Press::Forward);
            if (sim.state.nStopPos == before)
                break;
        }
        if (stop > plan.from)
            seconds += request.dwellSeconds + plan.travelSeconds[static_cast<std::size_t>(stop)];
        plannedMs = std::llround(seconds * 1000.0);
        sim.form1().stopScrolling();
        frames.push_back(composer.frame());
    }
    const QImage sheet = contactSheet(frames, request.background);
    return writeOutputFile(request.previewFile, [&sheet](QIODevice &out) { return sheet.save(&out, "PNG"); }, err);
}

// A route folder as kerubara-data gtfs writes it stands for its fare data,
// with its tape and its settings where no others are given. False after
// saying why the folder is no route.
bool takeRouteFolder(TripRequest &request, QTextStream &err)
{
    if (!QFileInfo(request.fareFile).isDir())
        return true;
    const QDir folder(request.fareFile);
    const QStringList fares = folder.entryList({QStringLiteral("*.hy3")}, QDir::Files, QDir::Name);
    if (fares.size() != 1) {
        err << request.fareFile
            << QCoreApplication::translate("TripCommands",
                                           ": 系統のフォルダーには運賃データ（.hy3）がちょうど一つ要りますが、%1 個あります。"
                                           "kerubara-data gtfs が書いたフォルダーか、運賃データのファイルを指定してください。\n")
                   .arg(fares.size());
        return false;
    }
    request.fareFile = folder.filePath(fares.front());
    const QString tape = folder.filePath(QFileInfo(fares.front()).completeBaseName() + QStringLiteral("tp.csv"));
    if (request.tapeFile.isEmpty() && QFileInfo(tape).isFile())
        request.tapeFile = tape;
    const QString settings = folder.filePath(QStringLiteral("route.in4"));
    if (request.settingsFile.isEmpty() && QFileInfo(settings).isFile())
        request.settingsFile = settings;
    return true;
}

} // namespace

int renderTrip(const QStringList &args, QTextStream &err)
{
    std::optional<TripRequest> parsed = parseRequest(args, err);
    if (!parsed)
        return 2;
    if (!takeRouteFolder(*parsed, err))
        return 1;
    const TripRequest &request = *parsed;
    if (!inputsReadable({request.fareFile, request.settingsFile, request.tapeFile}, err))
        return 1;
    const std::optional<TripPlan> plan = planTrip(request, err);
    if (!plan)
        return 1;
    // A voice asked for is one the trip is spoken with, or the trip is not made.
    if (!request.voice.isEmpty()) {
        VoiceFileCheck check;
        if (!voices::open(request.voice, &check)) {
            err << (check.ok()
                        ? QCoreApplication::translate("TripCommands", "espeak-ng の日本語音声（ja）を読み込めません。")
                        : voiceRefusedText(request.voice, check)
                            + QCoreApplication::translate("TripCommands", "%1 は作成していません。")
                                  .arg(request.outFile))
                << '\n';
            return 1;
        }
    }
    // The tape speaks through the engine it would have (or the voice asked
    // for), and the timeline hears what it is asked to say.
    TripTimeline timeline(kSampleRate);
    const ScopedSpeechEngine voice(
        [&request, &timeline, installed = SpeechEngineSeam::handler()](SoundSystem &sound) {
            std::unique_ptr<SpeechEngine> engine;
            if (!request.voice.isEmpty()) {
                VoiceEngine::Options options;
                options.voice = request.voice;
                engine = VoiceEngine::create(sound.mixer(), sound.speechVoice(), options);
            } else {
                engine = installed ? installed(sound) : VoiceEngine::create(sound.mixer(), sound.speechVoice());
            }
            return engine ? std::make_unique<NotedSpeech>(std::move(engine), timeline) : nullptr;
        });
    prepareFonts(err);

    // The program with a mixer that mixes only when the video's clock asks,
    // its own voice, and the messages it would show as warnings.
    const ScopedAudioOutput offline([] {
        return std::make_unique<NullAudioOutput>(kSampleRate, kBufferFrames, AudioOutput::kDefaultVoices, kBufferFrames);
    });
    const ScopedMsgBoxHandler messages([&err](const MsgBoxCall &call) { return messageAsWarning(call, err); });
    const QuietQt quiet;
    const std::unique_ptr<Simulator> simulator = offscreenSimulator(request.settingsFile);
    Simulator &sim = *simulator;
    sim.engine().setMessagePump({});
    const std::optional<std::optional<CanvasLayout>> canvas = canvasOf(request, sim, err);
    if (!canvas)
        return 2;
    // On a canvas the panel is drawn at 1× and magnified there.
    sim.form1().setZoom(*canvas ? 1 : request.zoom);
    sim.form1().setFareDigits(request.fareDigits);
    sim.engine().setTicketPages(request.ticketPages);
    sim.engine().setPageSeconds(request.pageSeconds);
    warnMissingSounds(sim.settings(), err);
    warnMissingTape(request, sim.settings(), err);
    if (const QString refusal = request.ticket ? ticketRefusal(request, sim.settings()) : QString(); !refusal.isEmpty()) {
        err << refusal << '\n';
        return 1;
    }
    const QTemporaryDir tapeFolder;
    if (!request.tapeFile.isEmpty() && !placeTape(request, tapeFolder, sim.settings(), err))
        return 1;
    if (!request.previewFile.isEmpty())
        return writePreview(sim, request, *plan, *canvas, err);

    // The encoder asks for huge pages for its larger frames, which would
    // count whole 2 MiB pages against the memory of a 2× or 3× render.
    prctl(PR_SET_THP_DISABLE, 1, 0, 0, 0);
    QSaveFile file(request.outFile);
    if (!file.open(QIODevice::WriteOnly)) {
        err << request.outFile
            << QCoreApplication::translate("TripCommands", ": 書き込めません（%1）。\n").arg(file.errorString());
        return 1;
    }
    // The subtitles beside the video, made and kept with it.
    std::optional<QSaveFile> sidecar;
    if (request.subtitles) {
        sidecar.emplace(subtitleFilePath(request.outFile));
        if (!sidecar->open(QIODevice::WriteOnly)) {
            err << sidecar->fileName()
                << QCoreApplication::translate("TripCommands", ": 書き込めません（%1）。\n").arg(sidecar->errorString());
            return 1;
        }
    }
    TripMade made;
    try {
        if (const int status = record(sim, request, *plan, *canvas, file, timeline, err, made); status != 0)
            return status;
        if (sidecar)
            writeSubRip(*sidecar, timeline.cues());
    } catch (const EncodeError &e) {
        err << request.outFile << ": " << e.message()
            << QCoreApplication::translate("TripCommands", " 元のファイルは変更していません。\n");
        return 1;
    }
    // commit() would pass over a failure of its own final flush. A buffered
    // write that fails may leave the file without a reason ("Unknown
    // error"); the system's is in errno then.
    errno = 0;
    if (!file.flush() || !file.commit()) {
        const QString why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        err << request.outFile
            << QCoreApplication::translate("TripCommands",
                                           ": 書き込みに失敗しました（%1）。元のファイルは変更していません。\n")
                   .arg(why);
        return 1;
    }
    if (sidecar && !commitSidecar(*sidecar, request.outFile, err))
        return 1;
    if (request.subtitles && timeline.cues().empty())
        err << QCoreApplication::translate("TripCommands", "警告: 放送が一つもなく、字幕は空です。\n");
    err << request.outFile
        << QCoreApplication::translate("TripCommands",
                                       ": 書き出しました。長さ %1（%2 コマ）、実時間の %3 倍の速さでした。\n")
               .arg(videoLengthText(made.videoSeconds), QString::number(made.frames),
                    QString::number(made.wallSeconds > 0 ? made.videoSeconds / made.wallSeconds : 0.0, 'f', 1));
    return 0;
}

} // namespace kerubara::datatool
