// SPDX-License-Identifier: GPL-3.0-or-later
// render-trip: the video decoded again shows, frame by frame and sample by
// sample, the trip the simulator would show and play.

#include "tools/PanelCommands.h"

#include "FareBytes.h"
#include "OptionControls.h"
#include "SettingsBytes.h"
#include "TestFiles.h"
#include "VoiceFiles.h"
#include "reslib/Cp932.h"
#include "reslib/PixelZoom.h"
#include "reslib/Seams.h"
#include "sound/Mixer.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "sound/WavWriter.h"
#include "tools/DataTool.h"
#include "tools/InfoBar.h"
#include "tools/OffscreenPanel.h"
#include "tools/TripCanvas.h"
#include "tools/TripProgress.h"
#include "tools/TripTimeline.h"
#include "tools/VideoEncoder.h"
#include "windows/AutoRunPanel.h"
#include "windows/Form1.h"
#include "windows/Simulator.h"
#include "windows/frmOption.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRate = 48000;
constexpr int kStops = 4;
// The timeline the tests plan, in milliseconds: the lamp test, the step
// chime, each announcement the voice speaks, dwell and travel.
constexpr int kLampMs = 3000;
constexpr int kChimeMs = 200;
constexpr int kSpeechMs = 300;
constexpr int kDwellMs = 500;
constexpr int kTravelMs = 500;

struct Run
{
    int status = 0;
    QString err;
};

Run runTool(const QStringList &args)
{
    Run r;
    QString out;
    QTextStream outStream(&out);
    QTextStream errStream(&r.err);
    r.status = datatool::runWithPanel(args, outStream, errStream);
    errStream.flush();
    return r;
}

// A tone, so that its start can be found in the decoded sound.
std::vector<std::int16_t> tone(int ms, double hz)
{
    std::vector<std::int16_t> samples;
    for (int i = 0; i < kRate * ms / 1000; ++i) {
        const auto v = static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * hz * i / kRate));
        samples.insert(samples.end(), {v, v});
    }
    return samples;
}

// The pitch the tone voice says a text of the test tape in, each its own
// (and none the step chime's 880 Hz), so that each can be found in the sound.
double speechHz(const QString &text)
{
    static const std::map<QString, double> pitches{{u"A"_s, 400.0}, {u"B"_s, 600.0}, {u"C"_s, 1000.0}, {u"D"_s, 1400.0}};
    const auto pitch = pitches.find(text);
    return pitch == pitches.end() ? 660.0 : pitch->second;
}

// A voice that says every text as kSpeechMs of tone on the speech voice and
// remembers what it said; `onSpeak` runs as it starts.
class ToneVoice final : public SpeechEngine
{
public:
    ToneVoice(SoundSystem &sound, QStringList &spoken, std::function<void()> onSpeak)
        : sound_(sound), spoken_(spoken), onSpeak_(std::move(onSpeak))
    {
    }
    void VoiceStop() override { sound_.mixer().stop(sound_.speechVoice()); }
    void VoiceSpeak(const QString &text) override
    {
        spoken_ << text;
        if (onSpeak_)
            onSpeak_();
        auto speech = std::make_shared<PcmBuffer>();
        for (std::int16_t s : tone(kSpeechMs, speechHz(text)))
            speech->samples.push_back(s / 32768.0f);
        sound_.mixer().play(sound_.speechVoice(), std::move(speech));
    }
    std::int32_t VoiceStatus() override { return 0; }

private:
    SoundSystem &sound_;
    QStringList &spoken_;
    std::function<void()> onSpeak_;
};

// A video decoded: each frame handed over as it comes (a picture held on
// for several frames once for each), the sound kept.
struct Decoded
{
    int frames = 0;
    std::vector<float> left; // the left channel
    double fps = 0;
    int pictures = 0;        // the pictures stored
    int longestHeld = 0;     // the most frames a picture lasted, but the last
    int longestKeyGap = 0;   // the most frames from a key frame to the next
};

Decoded decode(const QString &path, const std::function<void(int, const QImage &)> &onFrame)
{
    Decoded result;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return result;
    avformat_find_stream_info(format, nullptr);
    std::map<int, AVCodecContext *> codecs;
    AVRational videoBase{1, 1};
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters *par = format->streams[i]->codecpar;
        if (par->codec_type != AVMEDIA_TYPE_VIDEO && par->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        AVCodecContext *c = avcodec_alloc_context3(avcodec_find_decoder(par->codec_id));
        avcodec_parameters_to_context(c, par);
        avcodec_open2(c, avcodec_find_decoder(par->codec_id), nullptr);
        codecs[int(i)] = c;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            result.fps = av_q2d(format->streams[i]->r_frame_rate);
            videoBase = format->streams[i]->time_base;
        }
    }
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    QImage previous;
    int lastIndex = 0;
    int lastKey = 0;
    auto drain = [&](AVCodecContext *c) {
        while (avcodec_receive_frame(c, frame) == 0) {
            if (c->codec_type == AVMEDIA_TYPE_VIDEO) {
                // Timestamps keep to the frame rate's grid; a picture lasts
                // until the next.
                const int index = int(std::llround(double(frame->best_effort_timestamp) * av_q2d(videoBase) * result.fps));
                if (result.pictures > 0)
                    result.longestHeld = std::max(result.longestHeld, index - lastIndex);
                for (; result.frames < index; ++result.frames)
                    onFrame(result.frames, previous);
                lastIndex = index;
                QImage image(frame->width, frame->height, QImage::Format_RGB32);
                for (int y = 0; y < frame->height; ++y)
                    std::memcpy(image.scanLine(y), frame->data[0] + y * frame->linesize[0], size_t(frame->width) * 4);
                if (frame->key_frame) {
                    result.longestKeyGap = std::max(result.longestKeyGap, index - lastKey);
                    lastKey = index;
                }
                ++result.pictures;
                onFrame(result.frames++, image);
                previous = image;
            } else {
                const auto *s = reinterpret_cast<const std::int16_t *>(frame->data[0]);
                for (int i = 0; i < frame->nb_samples; ++i)
                    result.left.push_back(s[2 * i] / 32768.0f);
            }
        }
    };
    while (av_read_frame(format, packet) >= 0) {
        const auto c = codecs.find(packet->stream_index);
        if (c != codecs.end())
            avcodec_send_packet(c->second, packet);
        av_packet_unref(packet);
        if (c != codecs.end())
            drain(c->second);
    }
    for (auto &[index, c] : codecs) {
        avcodec_send_packet(c, nullptr);
        drain(c);
        avcodec_free_context(&c);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&format);
    return result;
}

// The first sample after `fromMs` louder than a whisper, in milliseconds.
double onsetMs(const std::vector<float> &samples, double fromMs)
{
    for (auto i = static_cast<std::size_t>(fromMs * kRate / 1000); i < samples.size(); ++i) {
        if (std::abs(samples[i]) > 0.05f)
            return i * 1000.0 / kRate;
    }
    return -1;
}

// Where a tone of `hz` sounds in `samples`, in milliseconds: the middles of
// the first and the last 10 ms windows in which it is at least half as loud
// as the tone voice's; nothing when it never is.
std::optional<std::pair<double, double>> toneSpanMs(const std::vector<float> &samples, double hz)
{
    constexpr std::size_t kWindow = kRate / 100;
    constexpr std::size_t kHop = kRate / 1000;
    std::optional<std::pair<double, double>> span;
    for (std::size_t at = 0; at + kWindow <= samples.size(); at += kHop) {
        double re = 0;
        double im = 0;
        for (std::size_t i = 0; i < kWindow; ++i) {
            re += samples[at + i] * std::cos(2 * M_PI * hz * double(i) / kRate);
            im += samples[at + i] * std::sin(2 * M_PI * hz * double(i) / kRate);
        }
        if (2 * std::hypot(re, im) / kWindow < 0.5 * 12000 / 32768.0)
            continue;
        const double middle = (double(at) + kWindow / 2.0) * 1000.0 / kRate;
        span = std::pair{span ? span->first : middle, middle};
    }
    return span;
}

// A subtitle stream read back: its codec, language and cues, timed from
// the first picture (a container may shift every stream by the sound's
// codec delay).
struct Subtitles
{
    AVCodecID codec = AV_CODEC_ID_NONE;
    QString language;
    struct Cue
    {
        double startMs = 0;
        double endMs = 0;
        QString text;
    };
    std::vector<Cue> cues;
};

// The text of an ASS dialogue event as a decoder gives it: what follows
// its eighth comma.
QString eventText(const char *event)
{
    const QString line = QString::fromUtf8(event);
    qsizetype at = 0;
    for (int comma = 0; comma < 8 && at >= 0; ++comma)
        at = line.indexOf(u',', at) + 1;
    return at > 0 ? line.mid(at).trimmed() : line;
}

Subtitles readSubtitles(const QString &path)
{
    Subtitles result;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return result;
    avformat_find_stream_info(format, nullptr);
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_SUBTITLE, -1, -1, nullptr, 0);
    const int video = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVStream *pictures = video >= 0 ? format->streams[video] : nullptr;
    const double firstPictureMs = pictures && pictures->start_time != AV_NOPTS_VALUE
        ? pictures->start_time * av_q2d(pictures->time_base) * 1000
        : 0.0;
    if (index >= 0) {
        const AVStream *stream = format->streams[index];
        result.codec = stream->codecpar->codec_id;
        if (const AVDictionaryEntry *language = av_dict_get(stream->metadata, "language", nullptr, 0))
            result.language = QString::fromUtf8(language->value);
        const AVCodec *decoder = avcodec_find_decoder(result.codec);
        AVCodecContext *c = avcodec_alloc_context3(decoder);
        avcodec_parameters_to_context(c, stream->codecpar);
        c->pkt_timebase = stream->time_base;
        avcodec_open2(c, decoder, nullptr);
        AVPacket *packet = av_packet_alloc();
        while (av_read_frame(format, packet) >= 0) {
            AVSubtitle subtitle = {};
            int got = 0;
            if (packet->stream_index == index && avcodec_decode_subtitle2(c, &subtitle, &got, packet) >= 0 && got) {
                const double startMs = packet->pts * av_q2d(stream->time_base) * 1000 - firstPictureMs;
                const double lengthMs = packet->duration * av_q2d(stream->time_base) * 1000;
                if (subtitle.num_rects > 0 && subtitle.rects[0]->ass)
                    result.cues.push_back({startMs, startMs + lengthMs, eventText(subtitle.rects[0]->ass)});
                avsubtitle_free(&subtitle);
            }
            av_packet_unref(packet);
        }
        av_packet_free(&packet);
        avcodec_free_context(&c);
    }
    avformat_close_input(&format);
    return result;
}

// A video file's chapters: where each starts and ends, in frames at `fps`,
// and its title.
struct ChapterRead
{
    int start = 0;
    int end = 0;
    QString title;
};

std::vector<ChapterRead> readChapters(const QString &path, int fps)
{
    std::vector<ChapterRead> chapters;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return chapters;
    for (unsigned i = 0; i < format->nb_chapters; ++i) {
        const AVChapter *c = format->chapters[i];
        const AVDictionaryEntry *title = av_dict_get(c->metadata, "title", nullptr, 0);
        chapters.push_back({int(std::lround(c->start * av_q2d(c->time_base) * fps)),
                            int(std::lround(c->end * av_q2d(c->time_base) * fps)),
                            title ? QString::fromUtf8(title->value) : QString()});
    }
    avformat_close_input(&format);
    return chapters;
}

// The information bar as it should look on a canvas of `canvas` with the
// background `background`: drawn in its place, then cut out.
QImage expectedBar(QSize canvas, const QRect &bar, int factor, const datatool::InfoBarText &text, QColor background)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    datatool::drawInfoBar(painter, bar, factor, text);
    painter.end();
    return image.copy(bar);
}

int frameAt(double ms, int fps)
{
    return static_cast<int>(std::ceil(ms * fps / 1000.0 - 1e-9));
}

// The types of an MP4 file's top-level boxes, in order.
QStringList topLevelBoxes(const QString &path)
{
    QStringList boxes;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return boxes;
    while (file.size() - file.pos() >= 8) {
        const qint64 start = file.pos();
        const QByteArray head = file.read(8);
        quint64 size = qFromBigEndian<quint32>(head.constData());
        if (size == 1)
            size = qFromBigEndian<quint64>(file.read(8).constData());
        boxes << QString::fromLatin1(head.mid(4, 4));
        if (size < 8 || !file.seek(start + qint64(size)))
            break;
    }
    return boxes;
}

// The colour tags of a video file's picture stream, as libavformat reads them.
struct ColourTags
{
    int primaries = -1;
    int transfer = -1;
    int matrix = -1;
    int range = -1;
};

ColourTags colourTags(const QString &path)
{
    ColourTags tags;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return tags;
    avformat_find_stream_info(format, nullptr);
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters *par = format->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO)
            tags = {par->color_primaries, par->color_trc, par->color_space, par->color_range};
    }
    avformat_close_input(&format);
    return tags;
}

// A disk with room for `room` bytes, failing as a full one does under a
// buffered file: the write returns -1 with errno ENOSPC and the device has
// no reason of its own to give.
class FullDisk final : public QIODevice
{
public:
    explicit FullDisk(qint64 room) : room_(room) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return written_; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (pos() + length > room_) {
            errno = ENOSPC;
            return -1;
        }
        written_ = std::max(written_, pos() + length);
        return length;
    }

private:
    qint64 room_;
    qint64 written_ = 0;
};

} // namespace

class tst_RenderTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void framesAreThePanelOfTheStop_data();
    void framesAreThePanelOfTheStop();
    void chimeStartsWithItsStepFrame_data();
    void chimeStartsWithItsStepFrame();
    void lengthIsThePlannedTimeline_data();
    void lengthIsThePlannedTimeline();
    void aRepeatedFrameIsHeldOn_data();
    void aRepeatedFrameIsHeldOn();
    void tapeStepsAsItSays_data();
    void tapeStepsAsItSays();
    void progressIsEstimatedFromThePlan_data();
    void progressIsEstimatedFromThePlan();
    void theLastLineNamesTheFileItsLengthAndTheSpeed();
    void refusalsLeaveNoFile_data();
    void refusalsLeaveNoFile();
    void interruptRemovesThePartialFile();
    void scrollFollowsTheVideo();
    void missingSoundIsWarnedAndSilent();
    void fourDigitFareCellsWidenTheVideo();
    void userPreferencesStayOutOfTheRenders();
    void ticketPagesTurnOnTheVideosClock_data();
    void ticketPagesTurnOnTheVideosClock();
    void aFullDiskIsNamed();
    void aTapeTheSettingsNameIsWarnedOfWhenItCannotPlay_data();
    void aTapeTheSettingsNameIsWarnedOfWhenItCannotPlay();
    void aDamagedSettingsFileIsOnlyRead_data();
    void aDamagedSettingsFileIsOnlyRead();
    void colourIsTaggedBt709_data();
    void colourIsTaggedBt709();
    void mp4IndexComesBeforeTheMedia();
    void aFullFilesystemIsNamed();
    void voiceGivenSpeaksTheTrip_data();
    void voiceGivenSpeaksTheTrip();
    void cuesAreTheSpeechHeard_data();
    void cuesAreTheSpeechHeard();
    void subtitlesTakeTheContainersForm_data();
    void subtitlesTakeTheContainersForm();
    void chaptersAreTheStepsToTheStops_data();
    void chaptersAreTheStepsToTheStops();
    void speechIsTimedByItsAudibleSamples_data();
    void speechIsTimedByItsAudibleSamples();
    void canvasHoldsThePanelMagnifiedAndTheBar_data();
    void canvasHoldsThePanelMagnifiedAndTheBar();
    void previewIsEachStopsStepFrame_data();
    void previewIsEachStopsStepFrame();
    void aRouteFolderGivesItsTapeAndSettings();

private:
    QString path(const QString &name) const { return dir_.filePath(name); }
    // render-trip of the route with the settings, dwell 0.5 s and (without
    // a time column) travel 0.5 s, speaking with the tone voice.
    Run renderTrip(const QString &out, const QStringList &options);
    // Each stop's step frame (the first frame that is render-panel's image
    // of the stop) and the frames asked for, of a decoded video.
    struct Seen
    {
        Decoded decoded;
        std::map<int, int> stepFrame;
        std::map<int, QImage> frames;
    };
    Seen watch(const QString &video, const std::vector<int> &keep);
    // The trip with the tape and --subtitles, lossless, once rendered.
    const Seen &subtitledTrip();

    QTemporaryDir dir_;
    QStringList spoken_;
    std::function<void()> onSpeak_;
    std::map<int, QImage> panels_; // render-panel's image by stop
    Seen plain_;                   // the trip without a tape
    QString plainSaid_;            // what its render said
    std::optional<Seen> taped_;    // the trip with one, once rendered
    std::optional<Seen> paged_;    // the trip with two pages of tickets, once rendered
    std::optional<Seen> subtitled_;
    std::optional<Seen> canvas_;   // the trip on a 720p canvas with the bar, once rendered
};

void tst_RenderTrip::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    // Four stops with names that fit the strip; column 20 holds minutes
    // from the start: 0, 1, 3, 4; column 19 goes back.
    const QStringList names{u"中央駅前"_s, u"市役所"_s, u"大手町"_s, u"車庫"_s};
    const std::array<std::int16_t, kStops> minutes{0, 1, 3, 4};
    const std::array<std::int16_t, kStops> backwards{5, 4, 3, 2};
    std::vector<testing::StopBytes> stops;
    for (int s = 1; s <= kStops; ++s) {
        testing::StopBytes stop;
        stop.name = cp932::encode(names[s - 1]);
        stop.ticket = static_cast<std::int16_t>(s);
        for (int k = 1; k <= 20; ++k)
            stop.cols.push_back(static_cast<std::int16_t>(k == 20   ? minutes[s - 1]
                                                          : k == 19 ? backwards[s - 1]
                                                          : k > s + 1 ? -1
                                                                      : 10 * s + k));
        stops.push_back(stop);
    }
    QFile fare(path(u"7.hy3"_s));
    QVERIFY(fare.open(QIODevice::WriteOnly));
    fare.write(testing::fareFileBytes(kStops, stops));
    fare.close();
    QVERIFY(saveWavFile(path(u"step.wav"_s), tone(kChimeMs, 880.0), 2, kRate));
    // A tape: one announcement at the first stop, the step to stop 2 with a
    // second one after it, the step to stop 3, none to stop 4.
    QFile tape(path(u"route7tp.csv"_s));
    QVERIFY(tape.open(QIODevice::WriteOnly));
    tape.write("\"A\",0,0\r\n\"B\",1,0\r\n\"C\",0,0\r\n\"D\",1,0\r\n");
    tape.close();
    // The step chime played at every step without waiting for it; the
    // broadcast data folder empty, so only --tape gives a tape.
    QDir(dir_.path()).mkdir(u"empty"_s);
    QFile text(path(u"settings.txt"_s));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QStringLiteral("Text2(0)=%1\nText2(1)=%2\nOption2(0)=-1\nOption2(1)=0\nOption6(0)=0\nOption6(1)=-1\n"
                              "txtSelectSound(7)=%3\nCombo6=1\nCtrlData.nScrollSpeed=200\nCtrlData.nScrollWait=0\n")
                   .arg(dir_.path(), path(u"empty"_s), path(u"step.wav"_s))
                   .toUtf8());
    text.close();
    QString out;
    QTextStream o(&out);
    QCOMPARE(datatool::run({u"in4"_s, path(u"settings.txt"_s), path(u"settings.in4"_s)}, o, o), 0);

    for (int s = 1; s <= kStops; ++s) {
        const QString png = path(u"stop%1.png"_s.arg(s));
        const Run panel = runTool({u"render-panel"_s, path(u"7.hy3"_s), u"--stop"_s, QString::number(s), png,
                                   u"--settings"_s, path(u"settings.in4"_s)});
        QVERIFY2(panel.status == 0, qPrintable(panel.err));
        panels_[s] = QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    const Run trip = renderTrip(path(u"plain.mkv"_s), {u"--lossless"_s});
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    plainSaid_ = trip.err;
    // Frames 100 ms after each step of the plan below.
    plain_ = watch(path(u"plain.mkv"_s), {frameAt(kLampMs + 100, 30), frameAt(4000 + 100, 30),
                                          frameAt(6400 + 100, 30)});
}

Run tst_RenderTrip::renderTrip(const QString &out, const QStringList &options)
{
    const ScopedSpeechEngine voice([this](SoundSystem &sound) {
        return std::make_unique<ToneVoice>(sound, spoken_, onSpeak_);
    });
    spoken_.clear();
    QStringList args{u"render-trip"_s, path(u"7.hy3"_s), out, u"--settings"_s, path(u"settings.in4"_s), u"--dwell"_s,
                     u"0.5"_s};
    if (!options.contains(u"--travel-column"_s))
        args << u"--travel"_s << u"0.5"_s;
    return runTool(args + options);
}

tst_RenderTrip::Seen tst_RenderTrip::watch(const QString &video, const std::vector<int> &keep)
{
    Seen seen;
    seen.decoded = decode(video, [&](int index, const QImage &image) {
        for (const auto &[stop, panel] : panels_) {
            if (!seen.stepFrame.contains(stop) && image.copy(panel.rect()) == panel)
                seen.stepFrame[stop] = index;
        }
        if (std::find(keep.begin(), keep.end(), index) != keep.end())
            seen.frames[index] = image;
    });
    return seen;
}

// Without a tape: the lamp test ends at 3.0 s with stop 1 shown; each later
// stop comes after the chime, dwell and travel of the one before.
//   stop 1 at 3000 ms, stop 2 at 3000 + dwell + travel = 4000 ms,
//   stop 3 at 4000 + chime + dwell + travel = 5200 ms, stop 4 at 6400 ms.
void tst_RenderTrip::framesAreThePanelOfTheStop_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("atMs");
    QTest::newRow("the first stop, after the lamp test") << 1 << kLampMs + 100;
    QTest::newRow("a stop reached by a step") << 2 << 4000 + 100;
    QTest::newRow("the last stop") << 4 << 6400 + 100;
}

void tst_RenderTrip::framesAreThePanelOfTheStop()
{
    QFETCH(int, stop);
    QFETCH(int, atMs);
    const int index = frameAt(atMs, 30);
    QVERIFY(plain_.frames.contains(index));
    const QImage &frame = plain_.frames.at(index);
    QCOMPARE(frame.size(), QSize(502, 252));
    QCOMPARE(frame, panels_.at(stop));
}

void tst_RenderTrip::chimeStartsWithItsStepFrame_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("plannedMs");
    QTest::newRow("step to stop 2") << 2 << 4000;
    QTest::newRow("step to stop 3") << 3 << 5200;
    QTest::newRow("step to stop 4") << 4 << 6400;
}

void tst_RenderTrip::chimeStartsWithItsStepFrame()
{
    QFETCH(int, stop);
    QFETCH(int, plannedMs);
    QVERIFY(plain_.stepFrame.contains(stop));
    const double stepMs = plain_.stepFrame.at(stop) * 1000.0 / 30;
    QCOMPARE(plain_.stepFrame.at(stop), frameAt(plannedMs, 30));
    const double chimeMs = onsetMs(plain_.decoded.left, plannedMs - 600);
    QVERIFY2(std::abs(chimeMs - stepMs) <= 1000.0 / 30,
             qPrintable(u"chime at %1 ms, step frame at %2 ms"_s.arg(chimeMs).arg(stepMs)));
}

void tst_RenderTrip::lengthIsThePlannedTimeline_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("fps");
    QTest::addColumn<int>("plannedMs");
    // Stop 4 at 6400 ms, then its chime and dwell.
    QTest::newRow("the whole route") << QStringList{} << 30 << 6400 + kChimeMs + kDwellMs;
    QTest::newRow("60 frames a second") << QStringList{u"--fps"_s, u"60"_s} << 60 << 6400 + kChimeMs + kDwellMs;
    // From the step to stop 2: chime, dwell, travel, step to 3, chime, dwell.
    QTest::newRow("from stop 2 to stop 3") << QStringList{u"--from"_s, u"2"_s, u"--to"_s, u"3"_s} << 30
                                           << 2 * (kChimeMs + kDwellMs) + kTravelMs;
    // Travel 1, 2 and 1 s from column 20's minutes at a second a minute.
    QTest::newRow("travel times from a column")
        << QStringList{u"--travel-column"_s, u"20"_s} << 30 << kLampMs + kDwellMs + 1000 + 3 * (kChimeMs + kDwellMs) + 2000 + 1000;
}

void tst_RenderTrip::lengthIsThePlannedTimeline()
{
    QFETCH(QStringList, options);
    QFETCH(int, fps);
    QFETCH(int, plannedMs);
    const QString out = path(u"length.mkv"_s);
    const Run trip = renderTrip(out, options + QStringList{u"--lossless"_s});
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    const Decoded decoded = decode(out, [](int, const QImage &) {});
    QCOMPARE(decoded.left.size(), std::size_t(plannedMs) * kRate / 1000);
    QCOMPARE(decoded.frames, frameAt(plannedMs, fps));
    QCOMPARE(qRound(decoded.fps), fps);
}

// A frame equal to the one before is held on rather than stored again, yet
// the video keeps its length, its frame rate and a key frame at least every
// two seconds; --cfr stores every frame.
void tst_RenderTrip::aRepeatedFrameIsHeldOn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("everyFrame");
    QTest::newRow("H.264") << u"held.mp4"_s << QStringList{} << false;
    QTest::newRow("H.264, 60 frames a second") << u"held60.mp4"_s << QStringList{u"--fps"_s, u"60"_s} << false;
    QTest::newRow("H.264 on a canvas") << u"heldcanvas.mp4"_s << QStringList{u"--size"_s, u"640x360"_s} << false;
    QTest::newRow("lossless") << u"held.mkv"_s << QStringList{u"--lossless"_s} << false;
    QTest::newRow("H.264, every frame") << u"cfr.mp4"_s << QStringList{u"--cfr"_s} << true;
    QTest::newRow("lossless, every frame") << u"cfr.mkv"_s << QStringList{u"--lossless"_s, u"--cfr"_s} << true;
}

void tst_RenderTrip::aRepeatedFrameIsHeldOn()
{
    QFETCH(QString, name);
    QFETCH(QStringList, options);
    QFETCH(bool, everyFrame);
    const QString out = path(name);
    const Run trip = renderTrip(out, options);
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    const int fps = options.contains(u"60"_s) ? 60 : 30;
    const Decoded decoded = decode(out, [](int, const QImage &) {});
    QCOMPARE(qRound(decoded.fps), fps);
    QCOMPARE(decoded.frames, frameAt(6400 + kChimeMs + kDwellMs, fps));
    if (everyFrame) {
        QCOMPARE(decoded.pictures, decoded.frames);
        return;
    }
    // The lamp test, the dwells and the travels are still.
    QVERIFY2(decoded.pictures < decoded.frames / 2,
             qPrintable(u"%1 pictures for %2 frames"_s.arg(decoded.pictures).arg(decoded.frames)));
    QVERIFY2(decoded.longestHeld <= 2 * fps, qPrintable(QString::number(decoded.longestHeld)));
    QVERIFY2(decoded.longestKeyGap <= 2 * fps, qPrintable(QString::number(decoded.longestKeyGap)));
}

// With the tape each announcement waits for the sounds before it:
//   A at 3000 (stop 1), dwell and travel: B steps to stop 2 at 4300,
//   C after B at 4600, dwell and travel: D steps to stop 3 at 5900,
//   no entry is left to step: データ送り to stop 4 at 5900 + 300 + 1000.
void tst_RenderTrip::tapeStepsAsItSays_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("plannedMs");
    QTest::newRow("the step with an announcement after it") << 2 << 4300;
    QTest::newRow("a later step of the tape") << 3 << 5900;
    QTest::newRow("beyond the tape's last step") << 4 << 7200;
}

void tst_RenderTrip::tapeStepsAsItSays()
{
    QFETCH(int, stop);
    QFETCH(int, plannedMs);
    if (!taped_) {
        const QString out = path(u"tape.mkv"_s);
        const Run trip = renderTrip(out, {u"--lossless"_s, u"--tape"_s, path(u"route7tp.csv"_s)});
        QVERIFY2(trip.status == 0, qPrintable(trip.err));
        QCOMPARE(spoken_, (QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s}));
        taped_ = watch(out, {});
    }
    const Seen &seen = *taped_;
    QVERIFY(seen.stepFrame.contains(stop));
    QCOMPARE(seen.stepFrame.at(stop), frameAt(plannedMs, 30));
}

// The progress line's figures: the plan fixes the lamp test, the dwells and
// the travels (here 3 + 4 × 4 + 3 × 6 = 37 s over 4 stops); the sounds of the
// stops to come are reckoned at the average of the stops begun.
void tst_RenderTrip::progressIsEstimatedFromThePlan_data()
{
    QTest::addColumn<double>("plannedDone");
    QTest::addColumn<double>("video");
    QTest::addColumn<double>("wall");
    QTest::addColumn<int>("stopsBegun");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("left"); // -1: not known yet
    QTest::newRow("nothing made yet") << 0.0 << 0.0 << 0.0 << 1 << false << 0 << -1.0;
    // 2 s of sounds at stop 1, 6 s reckoned for the three to come: 45 s.
    QTest::newRow("the first stop's sounds: time is left") << 3.0 << 5.0 << 1.0 << 1 << false << 11 << 8.0;
    // 62 s of announcements at stop 1: 186 s reckoned ahead, 285 s in all.
    QTest::newRow("a stop of many announcements: the estimate grows")
        << 3.0 << 65.0 << 13.0 << 1 << false << 22 << 44.0;
    // The last stop's dwell under way: 2 s of it left.
    QTest::newRow("the last stop: nearly all, not three quarters") << 35.0 << 45.0 << 9.0 << 4 << false << 95 << 0.4;
    QTest::newRow("short of the end never 100") << 37.0 << 47.0 << 9.0 << 4 << false << 99 << 0.0;
    QTest::newRow("finished") << 37.0 << 47.0 << 9.4 << 4 << true << 100 << 0.0;
}

void tst_RenderTrip::progressIsEstimatedFromThePlan()
{
    QFETCH(double, plannedDone);
    QFETCH(double, video);
    QFETCH(double, wall);
    QFETCH(int, stopsBegun);
    QFETCH(bool, finished);
    QFETCH(int, percent);
    QFETCH(double, left);
    const datatool::TripProgress p =
        datatool::estimateTripProgress({37.0, plannedDone, video, wall, 4, stopsBegun, finished});
    QCOMPARE(p.percent, percent);
    QCOMPARE(p.secondsLeft.has_value(), left >= 0);
    if (p.secondsLeft)
        QVERIFY2(std::abs(*p.secondsLeft - left) < 1e-9, qPrintable(QString::number(*p.secondsLeft)));
}

// The render ends with a line that names the file written, its length and
// how fast it was made (also where no progress line was shown).
void tst_RenderTrip::theLastLineNamesTheFileItsLengthAndTheSpeed()
{
    // 6400 ms to stop 4, its chime and dwell: 7.1 s, 213 frames.
    const QString line = path(u"plain.mkv"_s) + u": 書き出しました。長さ 7.1秒（213 コマ）、実時間の "_s;
    QVERIFY2(plainSaid_.contains(line), qPrintable(plainSaid_));
    QVERIFY2(plainSaid_.contains(QRegularExpression(u"実時間の [0-9]+\\.[0-9] 倍の速さでした。\n$"_s)),
             qPrintable(plainSaid_));
    QCOMPARE(datatool::videoLengthText(59.94), u"59.9秒"_s);
    QCOMPARE(datatool::videoLengthText(65.4), u"1分5秒"_s);
    QCOMPARE(datatool::videoLengthText(3723.0), u"1時間2分3秒"_s);
}

void tst_RenderTrip::refusalsLeaveNoFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("named");
    const QString fare = path(u"7.hy3"_s);
    const QString out = path(u"refused.mp4"_s);
    QTest::newRow("an unknown option") << QStringList{fare, out, u"--speed"_s, u"2"_s} << 2 << u"--speed"_s;
    QTest::newRow("lossless into MP4") << QStringList{fare, out, u"--lossless"_s} << 2 << u".mkv"_s;
    QTest::newRow("an output of no known kind") << QStringList{fare, path(u"refused.avi"_s)} << 2 << u"refused.avi"_s;
    QTest::newRow("a stop beyond the route") << QStringList{fare, out, u"--from"_s, u"9"_s} << 1 << fare;
    QTest::newRow("a time column that goes back") << QStringList{fare, out, u"--travel-column"_s, u"19"_s} << 1
                                                  << u"列 19"_s;
    QTest::newRow("a missing route") << QStringList{path(u"8.hy3"_s), out} << 1 << path(u"8.hy3"_s);
    QTest::newRow("a tape that does not read")
        << QStringList{fare, out, u"--tape"_s, path(u"empty"_s)} << 1 << path(u"empty"_s);
    QTest::newRow("a folder that does not exist")
        << QStringList{fare, path(u"none/out.mp4"_s), u"--to"_s, u"1"_s} << 1 << path(u"none/out.mp4"_s);
    QTest::newRow("--ticket without settings") << QStringList{fare, out, u"--ticket"_s} << 1 << u"--settings で指定"_s;
    QTest::newRow("--ticket with settings that choose no plug-in")
        << QStringList{fare, out, u"--ticket"_s, u"--settings"_s, path(u"settings.in4"_s)} << 1
        << path(u"settings.in4"_s) + u": 整理券プラグインが選ばれていません（--ticket に必要です）。kerubara-data gtfs --plugin"_s;
    QFile text(path(u"lost-plugin.txt"_s));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QStringLiteral("chkUseSeiriPrev=1\ntxtSeiriPlgDir=%1\n").arg(path(u"lost.4SP"_s)).toUtf8());
    text.close();
    QString said;
    QTextStream o(&said);
    QCOMPARE(datatool::run({u"in4"_s, path(u"lost-plugin.txt"_s), path(u"lost-plugin.in4"_s)}, o, o), 0);
    QTest::newRow("--ticket with a plug-in that is not there")
        << QStringList{fare, out, u"--ticket"_s, u"--settings"_s, path(u"lost-plugin.in4"_s)} << 1
        << u"整理券プラグイン %1 を読めません"_s.arg(path(u"lost.4SP"_s));
    QDir(dir_.path()).mkdir(u"refused.srt"_s);
    QTest::newRow("a subtitle file that cannot be written")
        << QStringList{fare, out, u"--subtitles"_s} << 1 << path(u"refused.srt"_s);
    QTest::newRow("a voice without its file") << QStringList{fare, out, u"--voice"_s} << 2 << u"--voice"_s;
    QTest::newRow("an odd canvas") << QStringList{fare, out, u"--size"_s, u"1281x720"_s} << 2 << u"偶数"_s;
    QTest::newRow("a canvas smaller than the panel") << QStringList{fare, out, u"--size"_s, u"640x200"_s} << 2
                                                     << u"502x252 以上"_s;
    QTest::newRow("a canvas the bar does not fit under the panel")
        << QStringList{fare, out, u"--size"_s, u"640x300"_s, u"--info"_s} << 2 << u"502x348 以上"_s;
    QTest::newRow("a size that is none") << QStringList{fare, out, u"--size"_s, u"hd"_s} << 2 << u"1920x1080"_s;
    QTest::newRow("--zoom with --size") << QStringList{fare, out, u"--size"_s, u"1920x1080"_s, u"--zoom"_s, u"2"_s}
                                        << 2 << u"--zoom と --size"_s;
    QTest::newRow("an unknown colour") << QStringList{fare, out, u"--background"_s, u"greenish"_s} << 2
                                       << u"greenish"_s;
    QTest::newRow("a headsign Shift-JIS cannot hold")
        << QStringList{fare, out, u"--info"_s, u"--headsign"_s, u"Ⓐ😀行き"_s} << 2 << u"Shift-JIS"_s;
    QTest::newRow("a headsign without the bar") << QStringList{fare, out, u"--headsign"_s, u"車庫行き"_s} << 2
                                                << u"--info"_s;
    QDir(dir_.path()).mkdir(u"no-route"_s);
    QTest::newRow("a folder without a route") << QStringList{path(u"no-route"_s), out} << 1 << u"0 個"_s;
    QDir(dir_.path()).mkdir(u"two-routes"_s);
    QFile::copy(fare, path(u"two-routes/7.hy3"_s));
    QFile::copy(fare, path(u"two-routes/8.hy3"_s));
    QTest::newRow("a folder of two routes") << QStringList{path(u"two-routes"_s), out} << 1 << u"2 個"_s;
    const QString cut = path(u"cut.htsvoice"_s);
    testing::writeFile(cut, testing::smallVoice().left(testing::smallVoice().size() - 9));
    QTest::newRow("a voice file cut short") << QStringList{fare, out, u"--voice"_s, cut} << 1
                                            << cut + u": 音声ファイルとして使えません（"_s;
    QTest::newRow("a voice file that is none") << QStringList{fare, out, u"--voice"_s, path(u"7.hy3"_s)} << 1
                                               << path(u"7.hy3"_s) + u": 音声ファイルとして使えません（HTS 音声"_s;
}

void tst_RenderTrip::refusalsLeaveNoFile()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, named);
    const Run run = runTool(QStringList{u"render-trip"_s} + args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(named), qPrintable(run.err));
    QVERIFY(!QFile::exists(path(u"refused.mp4"_s)));
    QVERIFY(!QFile::exists(path(u"refused.avi"_s)));
}

// Ctrl-C in the middle of the trip (as the second announcement starts):
// status 130, and the file that was there before is left as it was.
void tst_RenderTrip::interruptRemovesThePartialFile()
{
    const QString out = path(u"interrupted.mp4"_s);
    QFile before(out);
    QVERIFY(before.open(QIODevice::WriteOnly));
    before.write("earlier");
    before.close();
    onSpeak_ = [this] {
        if (spoken_.size() == 2)
            std::raise(SIGINT);
    };
    const Run trip = renderTrip(out, {u"--tape"_s, path(u"route7tp.csv"_s), u"--subtitles"_s});
    onSpeak_ = {};
    QCOMPARE(trip.status, 130);
    QVERIFY2(trip.err.contains(out), qPrintable(trip.err));
    QFile after(out);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), QByteArray("earlier"));
    QCOMPARE(QDir(dir_.path()).entryList({u"interrupted*"_s}), QStringList{u"interrupted.mp4"_s});
}

// A name too long for the strip scrolls by the video's time, not the wall
// clock's: two renders give the same frames, and the name moves in them.
void tst_RenderTrip::scrollFollowsTheVideo()
{
    std::vector<testing::StopBytes> stops(2);
    stops[0].name = cp932::encode(u"中央駅前"_s);
    stops[1].name = cp932::encode(u"県立中央病院東口前"_s);
    for (testing::StopBytes &stop : stops)
        stop.cols.assign(12, 100);
    QFile fare(path(u"8.hy3"_s));
    QVERIFY(fare.open(QIODevice::WriteOnly));
    fare.write(testing::fareFileBytes(2, stops));
    fare.close();
    std::vector<std::vector<QImage>> strips(2);
    for (int run = 0; run < 2; ++run) {
        const QString out = path(u"scroll%1.mkv"_s.arg(run));
        const Run trip = runTool({u"render-trip"_s, path(u"8.hy3"_s), out, u"--settings"_s, path(u"settings.in4"_s),
                                  u"--dwell"_s, u"1"_s, u"--travel"_s, u"0"_s, u"--lossless"_s});
        QVERIFY2(trip.status == 0, qPrintable(trip.err));
        // The strip, every fifth frame after the step to stop 2 at 4.0 s.
        decode(out, [&](int index, const QImage &image) {
            if (index >= 120 && index % 5 == 0)
                strips[std::size_t(run)].push_back(image.copy(0, 0, 502, 70));
        });
    }
    QVERIFY(strips[0].size() >= 6);
    QVERIFY(strips[0] == strips[1]);
    QVERIFY(strips[0].front() != strips[0].back());
}

// --fare-digits 4: the frames are the wider panel render-panel draws.
void tst_RenderTrip::fourDigitFareCellsWidenTheVideo()
{
    const QString png = path(u"four.png"_s);
    const Run panel = runTool({u"render-panel"_s, path(u"7.hy3"_s), u"--stop"_s, u"1"_s, png, u"--settings"_s,
                               path(u"settings.in4"_s), u"--fare-digits"_s, u"4"_s});
    QVERIFY2(panel.status == 0, qPrintable(panel.err));
    const QString out = path(u"four.mkv"_s);
    const Run trip = renderTrip(out, {u"--to"_s, u"1"_s, u"--fare-digits"_s, u"4"_s, u"--lossless"_s});
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    const Seen seen = watch(out, {frameAt(kLampMs + 100, 30)});
    QVERIFY(seen.frames.contains(frameAt(kLampMs + 100, 30)));
    const QImage &frame = seen.frames.at(frameAt(kLampMs + 100, 30));
    QCOMPARE(frame.size(), QSize(616, 252));
    QCOMPARE(frame, QImage(png).convertToFormat(QImage::Format_RGB32));
}

// What the user chose in the simulator (kerubara.conf) stays out of the
// renders: the program they draw with starts from the defaults and keeps
// nothing, and a video is the same frame by frame and sample by sample.
void tst_RenderTrip::userPreferencesStayOutOfTheRenders()
{
    const std::map<QString, QVariant> odd{
        {u"panel/zoom"_s, 3},       {u"panel/ticketPages"_s, 4}, {u"panel/pageSeconds"_s, 1},
        {u"panel/fareDigits"_s, 4}, {u"autorun/dwell"_s, 1},     {u"autorun/travel"_s, 2},
        {u"sound/stopRequest"_s, path(u"step.wav"_s)},
    };
    // What each run made: a digest of each frame and the sound (the file
    // itself also holds a random identifier of the container's).
    std::array<std::pair<std::vector<QByteArray>, std::vector<float>>, 2> made;
    for (std::size_t run = 0; run < made.size(); ++run) {
        QSettings preferences(u"kerubara"_s, u"kerubara"_s);
        preferences.clear();
        for (const auto &[key, value] : odd) {
            if (run == 1)
                preferences.setValue(key, value);
        }
        preferences.sync();
        const QString out = path(u"prefs%1.mkv"_s.arg(run));
        const Run r = renderTrip(out, {u"--to"_s, u"1"_s, u"--dwell"_s, u"2"_s, u"--lossless"_s});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        made[run].second = decode(out, [&](int, const QImage &frame) {
                               made[run].first.push_back(QCryptographicHash::hash(
                                   QByteArrayView(frame.constBits(), frame.sizeInBytes()), QCryptographicHash::Md5));
                           }).left;
    }
    QVERIFY(!made[0].first.empty());
    QVERIFY(made[1] == made[0]);

    const std::unique_ptr<Simulator> sim = datatool::offscreenSimulator({});
    QCOMPARE(sim->form1().zoom(), 1);
    QCOMPARE(sim->form1().fareDigits(), 3);
    QCOMPARE(sim->engine().ticketPages(), 1);
    QCOMPARE(sim->engine().pageSeconds(), OperationEngine::kDefaultPageSeconds);
    QCOMPARE(sim->ctl().autoRun->dwellSeconds()->value(), 4);
    QCOMPARE(controls(sim->option()).txtStopRequestSound->text(), QString());
    QSettings preferences(u"kerubara"_s, u"kerubara"_s);
    for (const auto &[key, value] : odd)
        QCOMPARE(preferences.value(key), value);
    preferences.clear();
}

// With two pages of ticket numbers the cells turn to tickets 13-24 and back
// every --page-seconds on the video's time, from each stop's step, as the
// live panel does (render-panel --page 2 draws the second page):
//   stop 1 from 3000 ms (dwell 2.5 s, no travel), stop 2 from 5500 ms.
void tst_RenderTrip::ticketPagesTurnOnTheVideosClock_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("atMs");
    QTest::newRow("a stop opens on the first page") << 1 << 1 << 3000 + 100;
    QTest::newRow("the second page after a second") << 1 << 2 << 4000 + 100;
    QTest::newRow("the first again after two") << 1 << 1 << 5000 + 100;
    QTest::newRow("the next stop starts on the first page") << 2 << 1 << 5500 + 100;
    QTest::newRow("and turns from its own step") << 2 << 2 << 6500 + 100;
}

void tst_RenderTrip::ticketPagesTurnOnTheVideosClock()
{
    QFETCH(int, stop);
    QFETCH(int, page);
    QFETCH(int, atMs);
    if (!paged_) {
        const QString out = path(u"pages.mkv"_s);
        const Run trip = runTool({u"render-trip"_s, path(u"7.hy3"_s), out, u"--settings"_s, path(u"settings.in4"_s),
                                  u"--to"_s, u"2"_s, u"--dwell"_s, u"2.5"_s, u"--travel"_s, u"0"_s, u"--lossless"_s,
                                  u"--ticket-pages"_s, u"2"_s, u"--page-seconds"_s, u"1"_s});
        QVERIFY2(trip.status == 0, qPrintable(trip.err));
        std::vector<int> keep;
        for (const int ms : {3100, 4100, 5100, 5600, 6600})
            keep.push_back(frameAt(ms, 30));
        paged_ = watch(out, keep);
    }
    QImage expected = panels_.at(stop);
    if (page == 2) {
        const QString png = path(u"page2-%1.png"_s.arg(stop));
        const Run panel = runTool({u"render-panel"_s, path(u"7.hy3"_s), u"--stop"_s, QString::number(stop), png,
                                   u"--settings"_s, path(u"settings.in4"_s), u"--page"_s, u"2"_s});
        QVERIFY2(panel.status == 0, qPrintable(panel.err));
        expected = QImage(png).convertToFormat(QImage::Format_RGB32);
        QVERIFY(expected != panels_.at(stop));
    }
    const int index = frameAt(atMs, 30);
    QVERIFY(paged_->frames.contains(index));
    QCOMPARE(paged_->frames.at(index), expected);
}

// A step chime the settings name but that is not there: the program plays
// nothing, so the video is silent, and the render says which file it missed.
void tst_RenderTrip::missingSoundIsWarnedAndSilent()
{
    QFile text(path(u"missing.txt"_s));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QStringLiteral("Text2(1)=%1\nOption2(0)=-1\nOption2(1)=0\ntxtSelectSound(7)=%2\n")
                   .arg(path(u"empty"_s), path(u"gone.wav"_s))
                   .toUtf8());
    text.close();
    QString out;
    QTextStream o(&out);
    QCOMPARE(datatool::run({u"in4"_s, path(u"missing.txt"_s), path(u"missing.in4"_s)}, o, o), 0);
    const QString video = path(u"missing.mkv"_s);
    const Run trip = runTool({u"render-trip"_s, path(u"7.hy3"_s), video, u"--settings"_s, path(u"missing.in4"_s),
                              u"--to"_s, u"2"_s, u"--dwell"_s, u"0.5"_s, u"--travel"_s, u"0"_s, u"--lossless"_s});
    QCOMPARE(trip.status, 0);
    QVERIFY2(trip.err.contains(path(u"gone.wav"_s)), qPrintable(trip.err));
    const Decoded decoded = decode(video, [](int, const QImage &) {});
    QCOMPARE(decoded.left.size(), std::size_t(kLampMs + 2 * kDwellMs) * kRate / 1000);
    QCOMPARE(onsetMs(decoded.left, 0), -1.0);
}

// The tape the settings' broadcast data folder would give the route: when it
// is not there or does not read, the video has no announcements, and the
// render says which file it missed. --tape replaces the folder's tape.
void tst_RenderTrip::aTapeTheSettingsNameIsWarnedOfWhenItCannotPlay_data()
{
    QTest::addColumn<QString>("folder"); // the settings' broadcast data folder
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("warning"); // empty: no word of a tape
    const QString empty = path(u"empty"_s);
    QTest::newRow("no tape for the route in the folder")
        << empty << QStringList{} << u"%1: 放送用データがありません"_s.arg(path(u"empty/7tp.csv"_s));
    QTest::newRow("a folder that is not there")
        << path(u"gone"_s) << QStringList{} << u"%1: 放送用データがありません"_s.arg(path(u"gone/7tp.csv"_s));
    QTest::newRow("a tape that does not read")
        << path(u"broken"_s) << QStringList{} << u"%1: 2行目"_s.arg(path(u"broken/7tp.csv"_s));
    QTest::newRow("--tape instead of the folder's") << empty << QStringList{u"--tape"_s, path(u"route7tp.csv"_s)}
                                                    << QString();
}

void tst_RenderTrip::aTapeTheSettingsNameIsWarnedOfWhenItCannotPlay()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, options);
    QFETCH(QString, warning);
    QVERIFY(QDir().mkpath(path(u"broken"_s)));
    QFile broken(path(u"broken/7tp.csv"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\"A\",0,0\r\n\"B\",99999,0\r\n"); // a step flag beyond its range
    broken.close();
    QFile text(path(u"tapes.txt"_s));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(u"Text2(0)=%1\nText2(1)=%2\n"_s.arg(dir_.path(), folder).toUtf8());
    text.close();
    QString out;
    QTextStream o(&out);
    QCOMPARE(datatool::run({u"in4"_s, path(u"tapes.txt"_s), path(u"tapes.in4"_s)}, o, o), 0);
    const Run trip = renderTrip(path(u"tapes.mkv"_s), QStringList{u"--to"_s, u"2"_s, u"--settings"_s,
                                                                   path(u"tapes.in4"_s)} + options);
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    if (warning.isEmpty()) {
        QVERIFY2(!trip.err.contains(u"放送用データ"_s), qPrintable(trip.err));
    } else {
        QVERIFY2(trip.err.contains(u"警告: "_s + warning) && trip.err.contains(u"放送なし"_s), qPrintable(trip.err));
        QCOMPARE(spoken_, QStringList());
    }
}

// A render reads a settings file and never writes it: what it says of a
// damaged one is true for a reader (nothing is rewritten at an exit).
void tst_RenderTrip::aDamagedSettingsFileIsOnlyRead_data()
{
    QTest::addColumn<QStringList>("command"); // "@" the output
    QTest::newRow("render-trip") << QStringList{u"render-trip"_s, path(u"7.hy3"_s), u"@"_s, u"--to"_s, u"1"_s,
                                                u"--dwell"_s, u"0"_s};
    QTest::newRow("render-panel") << QStringList{u"render-panel"_s, path(u"7.hy3"_s), u"--stop"_s, u"1"_s, u"@"_s};
}

void tst_RenderTrip::aDamagedSettingsFileIsOnlyRead()
{
    QFETCH(QStringList, command);
    const QString in4 = path(u"damaged.in4"_s);
    const QByteArray damaged = testing::SettingsBuilder::initial().set("Combo2", 40).bytes();
    QFile file(in4);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    const QString out = path(command.front() == u"render-trip" ? u"damaged.mkv"_s : u"damaged.png"_s);
    command.replace(command.indexOf(u"@"_s), out);
    const Run run = runTool(command + QStringList{u"--settings"_s, in4});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(run.err.contains(u"Combo2"_s) && run.err.contains(u"書き換えません"_s), qPrintable(run.err));
    QVERIFY2(!run.err.contains(u"終了時"_s), qPrintable(run.err));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), damaged);
}

// The pictures are converted with the BT.709 matrix and tagged so in full:
// primaries, matrix and transfer, so that players on the web show the
// panel's colours as they are.
void tst_RenderTrip::colourIsTaggedBt709_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("MP4") << u"tags.mp4"_s;
    QTest::newRow("WebM") << u"tags.webm"_s;
    QTest::newRow("Matroska") << u"tags.mkv"_s;
}

void tst_RenderTrip::colourIsTaggedBt709()
{
    QFETCH(QString, name);
    const Run trip = renderTrip(path(name), {u"--to"_s, u"1"_s});
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    const ColourTags tags = colourTags(path(name));
    QCOMPARE(tags.primaries, int(AVCOL_PRI_BT709));
    QCOMPARE(tags.matrix, int(AVCOL_SPC_BT709));
    QCOMPARE(tags.transfer, int(AVCOL_TRC_BT709));
    QCOMPARE(tags.range, int(AVCOL_RANGE_MPEG));
}

// An MP4 has its index (moov) before the media (mdat), so that a browser
// plays it while it loads; the video is still the whole trip.
void tst_RenderTrip::mp4IndexComesBeforeTheMedia()
{
    const QString out = path(u"web.mp4"_s);
    const Run trip = renderTrip(out, {u"--to"_s, u"2"_s});
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    const QStringList boxes = topLevelBoxes(out);
    QVERIFY2(boxes.contains(u"moov"_s) && boxes.contains(u"mdat"_s), qPrintable(boxes.join(u' ')));
    QVERIFY2(boxes.indexOf(u"moov"_s) < boxes.indexOf(u"mdat"_s), qPrintable(boxes.join(u' ')));
    const Decoded decoded = decode(out, [](int, const QImage &) {});
    QCOMPARE(decoded.frames, frameAt(4000 + kChimeMs + kDwellMs, 30));
}

// A write that fails says the system's reason (the disk is full), not an
// unknown error, whether the header, a packet or the end hits it.
void tst_RenderTrip::aFullDiskIsNamed()
{
    const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
    for (const qint64 room : {qint64(100), qint64(40000)}) {
        FullDisk disk(room);
        QString said;
        try {
            datatool::VideoEncoder encoder(disk, {datatool::VideoFormat::Ffv1Flac, "matroska", QSize(64, 64), 30, kRate});
            QImage noise(64, 64, QImage::Format_RGB32);
            for (int frame = 0; frame < 300; ++frame) {
                for (int i = 0; i < 64 * 64; ++i)
                    noise.setPixel(i % 64, i / 64, qRgb(i * 7 + frame * 13, i * frame, i ^ frame) & RGB_MASK);
                encoder.addFrame(noise);
            }
            encoder.finish();
        } catch (const datatool::EncodeError &e) {
            said = e.message();
        }
        QVERIFY2(said.contains(full), qPrintable(u"%1 bytes: %2"_s.arg(room).arg(said)));
    }
}

// The tool onto a filesystem too small for its video, at every size from
// one page until the video fits: each failure names the full disk, wherever
// the writing stops (a packet, the index, the last flush). The filesystem is
// a tmpfs in a user namespace of the test's own, which needs no privileges;
// where the system allows no such namespace the test is skipped.
void tst_RenderTrip::aFullFilesystemIsNamed()
{
    const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
    if (unshare.isEmpty())
        QSKIP("no unshare to make a small filesystem with");
    const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
    const QString mountPoint = path(u"small"_s);
    QVERIFY(QDir().mkpath(mountPoint));
    const QString out = mountPoint + u"/trip.mp4"_s;
    const QString script = u"mount -t tmpfs -o size=\"$1\"k tmpfs \"$2\" || exit 99; shift 2; exec \"$@\""_s;
    int failures = 0;
    for (int kib = 4; kib <= 400; kib += 4) {
        QProcess tool;
        tool.start(unshare, {u"-rm"_s, u"sh"_s, u"-c"_s, script, u"sh"_s, QString::number(kib), mountPoint,
                             QStringLiteral(KERUBARA_DATA_TOOL), u"render-trip"_s, path(u"7.hy3"_s), out,
                             u"--settings"_s, path(u"settings.in4"_s), u"--to"_s, u"1"_s, u"--dwell"_s, u"0"_s});
        QVERIFY(tool.waitForFinished(120000));
        const QString said = QString::fromUtf8(tool.readAllStandardError());
        if (tool.exitCode() == 99 || (tool.exitCode() != 0 && said.contains(u"unshare"_s)))
            QSKIP("this system allows no filesystem of a user namespace");
        if (tool.exitCode() == 0)
            break;
        ++failures;
        QVERIFY2(tool.exitCode() == 1 && said.contains(out) && said.contains(full),
                 qPrintable(u"%1 KiB: %2"_s.arg(kib).arg(said)));
    }
    QVERIFY(failures > 0);
}

// --voice speaks the tape with the voice file given (or espeak-ng) instead
// of the one the user's voice settings name.
void tst_RenderTrip::voiceGivenSpeaksTheTrip_data()
{
    QTest::addColumn<QString>("voice");
    QTest::newRow("an HTS voice file") << path(u"small.htsvoice"_s);
    QTest::newRow("espeak-ng") << u"espeak"_s;
}

void tst_RenderTrip::voiceGivenSpeaksTheTrip()
{
    QFETCH(QString, voice);
    testing::writeFile(path(u"small.htsvoice"_s), testing::smallVoice());
    const QString out = path(u"voiced.mkv"_s);
    const Run trip = renderTrip(out, {u"--lossless"_s, u"--tape"_s, path(u"route7tp.csv"_s), u"--voice"_s, voice,
                                      u"--to"_s, u"2"_s});
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    QVERIFY(QFileInfo(out).size() > 0);
    // The tone voice the other renders speak with was not asked.
    QVERIFY(spoken_.isEmpty());
}

const tst_RenderTrip::Seen &tst_RenderTrip::subtitledTrip()
{
    if (!subtitled_) {
        const QString out = path(u"subtitled.mkv"_s);
        const Run trip = renderTrip(out, {u"--lossless"_s, u"--tape"_s, path(u"route7tp.csv"_s), u"--subtitles"_s});
        if (trip.status != 0)
            qWarning("%s", qPrintable(trip.err));
        subtitled_ = watch(out, {});
    }
    return *subtitled_;
}

// --subtitles: a cue for each announcement spoken, its text, from where its
// speech starts in the video's sound to where it ends, within a frame. The
// tone voice says each text at a pitch of its own; B starts with the step
// chime, C as B ends.
void tst_RenderTrip::cuesAreTheSpeechHeard_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("at the first stop") << 0 << u"A"_s;
    QTest::newRow("with the step chime") << 1 << u"B"_s;
    QTest::newRow("right after the one before") << 2 << u"C"_s;
    QTest::newRow("a later step") << 3 << u"D"_s;
}

void tst_RenderTrip::cuesAreTheSpeechHeard()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    const Seen &seen = subtitledTrip();
    const Subtitles subtitles = readSubtitles(path(u"subtitled.mkv"_s));
    QCOMPARE(subtitles.cues.size(), std::size_t(4));
    const Subtitles::Cue &cue = subtitles.cues[std::size_t(index)];
    QCOMPARE(cue.text, text);
    const auto heard = toneSpanMs(seen.decoded.left, speechHz(text));
    QVERIFY(heard);
    QVERIFY2(std::abs(cue.startMs - heard->first) <= 1000.0 / 30 && std::abs(cue.endMs - heard->second) <= 1000.0 / 30,
             qPrintable(u"cue %1–%2 ms, speech heard %3–%4 ms"_s.arg(cue.startMs).arg(cue.endMs).arg(heard->first).arg(
                 heard->second)));
}

// Each container has the subtitles in its players' own form, in Japanese,
// the same cues as the lossless video's; the .srt beside the video has them
// too, and the chapters are there. An MP4 still has its index first.
void tst_RenderTrip::subtitlesTakeTheContainersForm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("codec");
    QTest::newRow("MP4: mov_text") << u"subs-mp4.mp4"_s << int(AV_CODEC_ID_MOV_TEXT);
    QTest::newRow("WebM: WebVTT") << u"subs-webm.webm"_s << int(AV_CODEC_ID_WEBVTT);
    QTest::newRow("Matroska: SubRip") << u"subs-mkv.mkv"_s << int(AV_CODEC_ID_SUBRIP);
}

void tst_RenderTrip::subtitlesTakeTheContainersForm()
{
    QFETCH(QString, name);
    QFETCH(int, codec);
    const Seen &lossless = subtitledTrip();
    const Subtitles expected = readSubtitles(path(u"subtitled.mkv"_s));
    const Run trip = renderTrip(path(name), {u"--tape"_s, path(u"route7tp.csv"_s), u"--subtitles"_s});
    QVERIFY2(trip.status == 0, qPrintable(trip.err));
    const Subtitles subtitles = readSubtitles(path(name));
    QCOMPARE(int(subtitles.codec), codec);
    QCOMPARE(subtitles.language, u"jpn"_s);
    QCOMPARE(subtitles.cues.size(), expected.cues.size());
    for (std::size_t i = 0; i < expected.cues.size(); ++i) {
        QCOMPARE(subtitles.cues[i].text, expected.cues[i].text);
        QVERIFY(std::abs(subtitles.cues[i].startMs - expected.cues[i].startMs) < 1.0);
        QVERIFY(std::abs(subtitles.cues[i].endMs - expected.cues[i].endMs) < 1.0);
    }
    QFile srt(path(QFileInfo(name).completeBaseName() + u".srt"_s));
    QVERIFY(srt.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(srt.readAll()), u"1\n00:00:03,000 --> 00:00:03,300\nA\n\n"
                                                u"2\n00:00:04,300 --> 00:00:04,600\nB\n\n"
                                                u"3\n00:00:04,600 --> 00:00:04,900\nC\n\n"
                                                u"4\n00:00:05,900 --> 00:00:06,200\nD\n\n"_s);
    const std::vector<ChapterRead> chapters = readChapters(path(name), 30);
    QCOMPARE(chapters.size(), std::size_t(kStops));
    for (int stop = 2; stop <= kStops; ++stop)
        QCOMPARE(chapters[std::size_t(stop - 1)].start, lossless.stepFrame.at(stop));
    if (name.endsWith(u".mp4"_s)) {
        const QStringList boxes = topLevelBoxes(path(name));
        QVERIFY2(boxes.indexOf(u"moov"_s) >= 0 && boxes.indexOf(u"moov"_s) < boxes.indexOf(u"mdat"_s),
                 qPrintable(boxes.join(u' ')));
    }
}

// Every video has a chapter for each stop, named as the strip shows it,
// from the frame where the panel steps to it to the next one's; the first
// from the video's start (its lamp test is the first stop's), the last to
// the video's end.
void tst_RenderTrip::chaptersAreTheStepsToTheStops_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<QString>("name");
    QTest::newRow("the first stop") << 1 << u"中央駅前"_s;
    QTest::newRow("a stop reached by a step") << 2 << u"市役所"_s;
    QTest::newRow("another") << 3 << u"大手町"_s;
    QTest::newRow("the last stop") << 4 << u"車庫"_s;
}

void tst_RenderTrip::chaptersAreTheStepsToTheStops()
{
    QFETCH(int, stop);
    QFETCH(QString, name);
    const std::vector<ChapterRead> chapters = readChapters(path(u"plain.mkv"_s), 30);
    QCOMPARE(chapters.size(), std::size_t(kStops));
    const ChapterRead &chapter = chapters[std::size_t(stop - 1)];
    QCOMPARE(chapter.title, name);
    QCOMPARE(chapter.start, stop == 1 ? 0 : plain_.stepFrame.at(stop));
    QCOMPARE(chapter.end, stop == kStops ? plain_.decoded.frames : plain_.stepFrame.at(stop + 1));
}

// A cue lasts from the first audible sample of the speech voice after the
// text was asked for to the last one: the voice's silences at either end,
// a whisper and sound from before the text are not the speech.
void tst_RenderTrip::speechIsTimedByItsAudibleSamples_data()
{
    QTest::addColumn<QList<float>>("levels"); // the speech voice, a millisecond each
    QTest::addColumn<int>("askedAtMs");
    QTest::addColumn<int>("startMs"); // -1: no cue
    QTest::addColumn<int>("endMs");
    QTest::newRow("speech from its first sample") << QList<float>{0.5f, 0.5f, 0.5f} << 0 << 0 << 3;
    QTest::newRow("the voice's silence before and after")
        << QList<float>{0, 0, 0.5f, -0.5f, 0, 0} << 0 << 2 << 4;
    QTest::newRow("a whisper is not speech") << QList<float>{0.001f, 0.5f, 0.001f} << 0 << 1 << 2;
    QTest::newRow("a pause within the speech") << QList<float>{0.5f, 0, 0, 0.5f} << 0 << 0 << 4;
    QTest::newRow("sound from before the text") << QList<float>{0.5f, 0.5f, 0, 0.5f} << 2 << 3 << 4;
    QTest::newRow("nothing heard") << QList<float>{0, 0, 0} << 0 << -1 << -1;
}

void tst_RenderTrip::speechIsTimedByItsAudibleSamples()
{
    QFETCH(QList<float>, levels);
    QFETCH(int, askedAtMs);
    QFETCH(int, startMs);
    QFETCH(int, endMs);
    constexpr int kOrigin = 5 * kRate;
    datatool::TripTimeline timeline(kRate);
    timeline.start(kOrigin);
    for (int ms = 0; ms < int(levels.size()); ++ms) {
        if (ms == askedAtMs)
            timeline.speechAsked(u"X"_s);
        const std::vector<float> block(std::size_t(kRate / 1000) * 2, levels[ms]);
        timeline.mixed(kOrigin + std::uint64_t(ms) * (kRate / 1000), block.data(), kRate / 1000);
    }
    timeline.speechEnded();
    const std::vector<datatool::SubtitleCue> cues = timeline.takeNewCues();
    if (startMs < 0) {
        QVERIFY(cues.empty());
        return;
    }
    QCOMPARE(cues.size(), std::size_t(1));
    QCOMPARE(cues[0].text, u"X"_s);
    QCOMPARE(cues[0].startMs, startMs);
    QCOMPARE(cues[0].endMs, endMs);
}

// On a 1280x720 canvas the 502x252 panel and its bar (96 design pixels) fit
// twice magnified: the panel's pixels are render-panel's, each a 2x2 block,
// the bar under it follows the stop, and the rest is the background.
void tst_RenderTrip::canvasHoldsThePanelMagnifiedAndTheBar_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("atMs");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("next"); // the strip says 次は
    QTest::newRow("the first stop, after the lamp test") << 1 << kLampMs + 100 << u"中央駅前"_s << false;
    QTest::newRow("a stop reached by a step") << 2 << 4000 + 100 << u"市役所"_s << true;
    QTest::newRow("the last stop") << 4 << 6400 + 100 << u"車庫"_s << true;
}

void tst_RenderTrip::canvasHoldsThePanelMagnifiedAndTheBar()
{
    QFETCH(int, stop);
    QFETCH(int, atMs);
    QFETCH(QString, name);
    QFETCH(bool, next);
    const QColor green(0x00, 0xb1, 0x40);
    if (!canvas_) {
        const Run trip = renderTrip(path(u"canvas.mkv"_s), {u"--lossless"_s, u"--size"_s, u"1280x720"_s, u"--info"_s,
                                                            u"--headsign"_s, u"車庫行き"_s, u"--background"_s,
                                                            green.name()});
        QVERIFY2(trip.status == 0, qPrintable(trip.err));
        canvas_ = watch(path(u"canvas.mkv"_s), {frameAt(kLampMs + 100, 30), frameAt(4000 + 100, 30),
                                                frameAt(6400 + 100, 30)});
    }
    const int index = frameAt(atMs, 30);
    QVERIFY(canvas_->frames.contains(index));
    const QImage &frame = canvas_->frames.at(index);
    QCOMPARE(frame.size(), QSize(1280, 720));
    const QRect panel(138, 12, 1004, 504);
    QCOMPARE(frame.copy(panel), zoomedByWholePixels(panels_.at(stop), 2));
    QCOMPARE(QColor(frame.pixel(0, 0)), green);
    QCOMPARE(QColor(frame.pixel(1279, 719)), green);
    datatool::InfoBarText text;
    text.route = u"7"_s;
    text.headsign = u"車庫行き"_s;
    text.stopName = name;
    text.next = next;
    text.clock = QTime(10, 0).addMSecs(index * 1000 / 30).toString(u"HH:mm:ss"_s);
    text.stops = kStops;
    text.reached = stop;
    const QRect bar(138, 516, 1004, 192);
    QCOMPARE(frame.copy(bar), expectedBar(frame.size(), bar, 2, text, green));
}

// --preview writes a contact sheet of each stop's frame, two to a row on
// the dark background, and no video.
void tst_RenderTrip::previewIsEachStopsStepFrame_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("the first stop") << 1 << QPoint(8, 8);
    QTest::newRow("the second, beside it") << 2 << QPoint(8 + 502 + 8, 8);
    QTest::newRow("the third, on the next row") << 3 << QPoint(8, 8 + 252 + 8);
    QTest::newRow("the last") << 4 << QPoint(8 + 502 + 8, 8 + 252 + 8);
}

void tst_RenderTrip::previewIsEachStopsStepFrame()
{
    QFETCH(int, stop);
    QFETCH(QPoint, at);
    const QString sheet = path(u"sheet.png"_s);
    if (!QFile::exists(sheet)) {
        const Run preview = renderTrip(path(u"previewed.mp4"_s), {u"--preview"_s, sheet});
        QVERIFY2(preview.status == 0, qPrintable(preview.err));
        QVERIFY(!QFile::exists(path(u"previewed.mp4"_s)));
    }
    const QImage image = QImage(sheet).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(2 * 502 + 3 * 8, 2 * 252 + 3 * 8));
    QCOMPARE(image.copy(QRect(at, QSize(502, 252))), panels_.at(stop));
    QCOMPARE(image.pixel(0, 0), datatool::kDefaultBackground);
}

// A folder as kerubara-data gtfs writes it is its route: its fare data, its
// tape (whose greeting names the headsign) and its settings.
void tst_RenderTrip::aRouteFolderGivesItsTapeAndSettings()
{
    const QDir folder(path(u"route"_s));
    QVERIFY(QDir().mkpath(folder.path()));
    QVERIFY(QFile::copy(path(u"7.hy3"_s), folder.filePath(u"7.hy3"_s)));
    QVERIFY(QFile::copy(path(u"settings.in4"_s), folder.filePath(u"route.in4"_s)));
    testing::writeFile(folder.filePath(u"7tp.csv"_s),
                       cp932::encode(u"\"このバスは、車庫行きです。\",0,0\r\n\"B\",1,0\r\n"_s));
    const QString sheet = path(u"folder-sheet.png"_s);
    const Run preview = runTool({u"render-trip"_s, folder.path(), path(u"folder.mp4"_s), u"--info"_s, u"--dwell"_s,
                                 u"0.5"_s, u"--travel"_s, u"0.5"_s, u"--preview"_s, sheet});
    QVERIFY2(preview.status == 0, qPrintable(preview.err));
    const QImage image = QImage(sheet).convertToFormat(QImage::Format_RGB32);
    // The second stop's cell: the panel, its bar under it.
    const QPoint cell(8 + 502 + 8, 8);
    QCOMPARE(image.copy(QRect(cell, QSize(502, 252))), panels_.at(2));
    datatool::InfoBarText text;
    text.route = u"7"_s;
    text.headsign = u"車庫行き"_s;
    text.stopName = u"市役所"_s;
    text.next = true;
    text.clock = u"10:00:04"_s; // the lamp test, a dwell and a travel
    text.stops = kStops;
    text.reached = 2;
    const QRect bar(0, 252, 502, datatool::kInfoBarHeight);
    QCOMPARE(image.copy(bar.translated(cell)),
             expectedBar(QSize(502, 252 + datatool::kInfoBarHeight), bar, 1, text, datatool::kDefaultBackground));
}

QTEST_MAIN(tst_RenderTrip)
#include "tst_rendertrip.moc"
