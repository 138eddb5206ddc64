// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/VideoEncoder.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>
#include <QImage>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <limits>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace kerubara::datatool {
namespace {

// How QImage::Format_RGB32 lies in memory: 0xffRRGGBB as a native integer.
constexpr AVPixelFormat kImageFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGR0 : AV_PIX_FMT_0RGB;
constexpr int kIoBufferSize = 1 << 16;

QString libraryError(int code)
{
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(code, text.data(), text.size());
    return QString::fromLocal8Bit(text.data());
}

// Throws when an FFmpeg call failed, naming what was being done.
int check(int code, const char *doing)
{
    if (code < 0)
        throw EncodeError(QCoreApplication::translate("VideoEncoder", "%1に失敗しました（%2）。")
                              .arg(QCoreApplication::translate("VideoEncoder", doing), libraryError(code)));
    return code;
}

struct FormatDeleter
{
    void operator()(AVFormatContext *c) const { avformat_free_context(c); }
};
struct IoDeleter
{
    void operator()(AVIOContext *c) const
    {
        av_freep(&c->buffer);
        avio_context_free(&c);
    }
};
struct CodecDeleter
{
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct FrameDeleter
{
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};
struct PacketDeleter
{
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct SwsDeleter
{
    void operator()(SwsContext *c) const { sws_freeContext(c); }
};
struct SwrDeleter
{
    void operator()(SwrContext *c) const { swr_free(&c); }
};
struct FifoDeleter
{
    void operator()(AVAudioFifo *f) const { av_audio_fifo_free(f); }
};
struct DictionaryDeleter
{
    void operator()(AVDictionary **d) const { av_dict_free(d); }
};

using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;

FramePtr allocFrame()
{
    FramePtr frame(av_frame_alloc());
    if (!frame)
        throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
    return frame;
}

// The codecs of each format and how they are tuned: quick enough to encode
// many times faster than real time on a small machine, sharp enough for the
// dots of the panel.
struct Codecs
{
    const char *video;
    AVPixelFormat pixels;
    const char *audio;
    AVSampleFormat samples;
    std::int64_t audioBitRate;
};

Codecs codecsOf(VideoFormat format)
{
    switch (format) {
    case VideoFormat::H264Aac:
        return {"libx264", AV_PIX_FMT_YUV420P, "aac", AV_SAMPLE_FMT_FLTP, 192000};
    case VideoFormat::Vp9Opus:
        return {"libvpx-vp9", AV_PIX_FMT_YUV420P, "libopus", AV_SAMPLE_FMT_FLT, 128000};
    case VideoFormat::Ffv1Flac:
        break;
    }
    return {"ffv1", kImageFormat, "flac", AV_SAMPLE_FMT_S16, 0};
}

void tuneVideo(VideoFormat format, AVCodecContext &c)
{
    switch (format) {
    case VideoFormat::H264Aac:
        av_opt_set(c.priv_data, "preset", "veryfast", 0);
        // No look-ahead and threads within a frame: the encoder holds two
        // or three pictures rather than a dozen (some 45 MiB at 1080p), at
        // the cost of a few per cent more bits.
        av_opt_set(c.priv_data, "x264-params",
                   "rc-lookahead=0:sync-lookahead=0:bframes=0:mbtree=0:sliced-threads=1", 0);
        av_opt_set(c.priv_data, "crf", "18", 0);
        c.thread_count = 2;
        break;
    case VideoFormat::Vp9Opus:
        av_opt_set(c.priv_data, "deadline", "realtime", 0);
        av_opt_set(c.priv_data, "cpu-used", "8", 0);
        av_opt_set(c.priv_data, "row-mt", "1", 0);
        av_opt_set(c.priv_data, "crf", "24", 0);
        c.bit_rate = 0;
        break;
    case VideoFormat::Ffv1Flac:
        av_opt_set(c.priv_data, "level", "3", 0);
        av_opt_set(c.priv_data, "slicecrc", "1", 0);
        break;
    }
}

const AVCodec *findEncoder(const char *name)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(name);
    if (!codec)
        throw EncodeError(
            QCoreApplication::translate("VideoEncoder", "符号化方式 %1 が FFmpeg のライブラリにありません。")
                .arg(QLatin1StringView(name)));
    return codec;
}

// The text encoder of each container: what its players show.
const char *subtitleEncoderOf(const char *container)
{
    const std::string_view name(container);
    return name == "mp4" ? "mov_text" : name == "webm" ? "webvtt" : "subrip";
}

// A cue as the text encoders take it: an ASS dialogue line (read order,
// layer, style, name, margins, effect, text), the text's line breaks as \N
// and its braces and backslashes escaped, so that they show as written.
QByteArray assDialogue(const QString &text, int readOrder)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\n')
            escaped += QStringLiteral("\\N");
        else if (c == u'{' || c == u'}' || c == u'\\')
            escaped += QString(u'\\') + c;
        else if (c != u'\r')
            escaped += c;
    }
    return QStringLiteral("%1,0,Default,,0,0,0,,%2").arg(readOrder).arg(escaped).toUtf8();
}

constexpr const char *kAssHeader =
    "[Script Info]\n"
    "ScriptType: v4.00+\n"
    "PlayResX: 384\n"
    "PlayResY: 288\n"
    "\n"
    "[V4+ Styles]\n"
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, "
    "Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, "
    "MarginR, MarginV, Encoding\n"
    "Style: Default,Arial,16,&Hffffff,&Hffffff,&H0,&H0,0,0,0,0,100,100,0,0,1,1,0,2,10,10,10,1\n"
    "\n"
    "[Events]\n"
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";

// FFmpeg's encoder of one text format; each cue becomes one packet, timed in
// milliseconds.
class SubtitleEncoder
{
public:
    static constexpr AVRational kTimeBase{1, 1000};

    SubtitleEncoder(const char *name, const AVFormatContext &format)
    {
        const AVCodec *codec = findEncoder(name);
        context_.reset(avcodec_alloc_context3(codec));
        if (!context_)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        context_->time_base = kTimeBase;
        // The text encoders take their cues as ASS events, with a header
        // that names the style the events use: ASS's default, white text at
        // the bottom, which the SubRip encoder writes as plain text.
        context_->subtitle_header = reinterpret_cast<std::uint8_t *>(av_strdup(kAssHeader));
        if (!context_->subtitle_header)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        context_->subtitle_header_size = static_cast<int>(std::strlen(kAssHeader));
        if (format.oformat->flags & AVFMT_GLOBALHEADER)
            context_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        check(avcodec_open2(context_.get(), codec, nullptr), QT_TRANSLATE_NOOP("VideoEncoder", "字幕の符号化の準備"));
    }

    // A Japanese text stream of the encoder's format in `format`.
    AVStream *addStream(AVFormatContext &format) const
    {
        AVStream *stream = avformat_new_stream(&format, nullptr);
        if (!stream)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        check(avcodec_parameters_from_context(stream->codecpar, context_.get()),
              QT_TRANSLATE_NOOP("VideoEncoder", "ストリームの準備"));
        stream->time_base = kTimeBase;
        av_dict_set(&stream->metadata, "language", "jpn", 0);
        return stream;
    }

    // `cue` into `packet`, in the stream's time base.
    void encode(const SubtitleCue &cue, AVPacket &packet, const AVStream &stream)
    {
        QByteArray line = assDialogue(cue.text, readOrder_++);
        AVSubtitleRect rect = {};
        rect.type = SUBTITLE_ASS;
        rect.ass = line.data();
        AVSubtitleRect *rects[] = {&rect};
        const std::int64_t length = std::max<std::int64_t>(cue.endMs - cue.startMs, 1);
        AVSubtitle subtitle = {};
        subtitle.format = 1; // text
        subtitle.end_display_time = static_cast<std::uint32_t>(length);
        subtitle.num_rects = 1;
        subtitle.rects = rects;
        subtitle.pts = av_rescale_q(cue.startMs, kTimeBase, AV_TIME_BASE_Q);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(line.size()) * 2 + 1024);
        const int size = check(avcodec_encode_subtitle(context_.get(), bytes.data(), int(bytes.size()), &subtitle),
                               QT_TRANSLATE_NOOP("VideoEncoder", "字幕の符号化"));
        av_packet_unref(&packet);
        check(av_new_packet(&packet, size), QT_TRANSLATE_NOOP("VideoEncoder", "字幕の符号化"));
        std::copy_n(bytes.data(), size, packet.data);
        packet.pts = cue.startMs;
        packet.dts = cue.startMs;
        packet.duration = length;
        packet.stream_index = stream.index;
        av_packet_rescale_ts(&packet, kTimeBase, stream.time_base);
    }

private:
    std::unique_ptr<AVCodecContext, CodecDeleter> context_;
    int readOrder_ = 0;
};

// Adds `chapters` to `format`, the last ending at frame `frames`.
void addChapters(AVFormatContext &format, const std::vector<Chapter> &chapters, int fps, std::int64_t frames)
{
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        auto **grown = static_cast<AVChapter **>(
            av_realloc_array(format.chapters, format.nb_chapters + 1, sizeof(AVChapter *)));
        if (!grown)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        format.chapters = grown;
        auto *chapter = static_cast<AVChapter *>(av_mallocz(sizeof(AVChapter)));
        if (!chapter)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        format.chapters[format.nb_chapters++] = chapter;
        chapter->id = static_cast<std::int64_t>(i) + 1;
        chapter->time_base = AVRational{1, fps};
        chapter->start = chapters[i].frame;
        chapter->end = i + 1 < chapters.size() ? chapters[i + 1].frame : std::max(frames, chapters[i].frame);
        av_dict_set(&chapter->metadata, "title", chapters[i].title.toUtf8().constData(), 0);
    }
}

} // namespace

struct VideoEncoder::Impl
{
    QIODevice &device;
    Setup setup;
    Codecs codecs;
    QString ioError;
    std::unique_ptr<AVFormatContext, FormatDeleter> format;
    std::unique_ptr<AVIOContext, IoDeleter> io;
    std::unique_ptr<AVCodecContext, CodecDeleter> video;
    std::unique_ptr<AVCodecContext, CodecDeleter> audio;
    AVStream *videoStream = nullptr;
    AVStream *audioStream = nullptr;
    std::optional<SubtitleEncoder> subtitles;
    AVStream *subtitleStream = nullptr;
    std::vector<Chapter> chapters;
    std::unique_ptr<SwsContext, SwsDeleter> scaler;
    std::unique_ptr<SwrContext, SwrDeleter> resampler;
    std::unique_ptr<AVAudioFifo, FifoDeleter> fifo;
    std::unique_ptr<AVPacket, PacketDeleter> packet{av_packet_alloc()};
    FramePtr picture;
    std::int64_t frames = 0;
    QImage held;                // the image in `picture`, converted
    std::int64_t stored = -1;   // the frame `picture` was last stored as
    std::int64_t lastKey = std::numeric_limits<std::int64_t>::min() / 2; // the last key frame stored
    std::int64_t samples = 0;
    bool headerWritten = false;

    Impl(QIODevice &d, const Setup &s) : device(d), setup(s), codecs(codecsOf(s.format)) {}

    static int writePacket(void *opaque, std::uint8_t *buffer, int size)
    {
        auto *self = static_cast<Impl *>(opaque);
        // A file's buffered write can fail without a reason of its own
        // ("Unknown error"); the system's is in errno then.
        errno = 0;
        if (self->device.write(reinterpret_cast<const char *>(buffer), size) != size) {
            const int code = errno != 0 ? errno : EIO;
            self->ioFailed(errno != 0 ? libraryError(AVERROR(code)) : self->device.errorString());
            return AVERROR(code);
        }
        return size;
    }

    static std::int64_t seek(void *opaque, std::int64_t offset, int whence)
    {
        auto *self = static_cast<Impl *>(opaque);
        QIODevice &d = self->device;
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return d.size();
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += d.pos();
            break;
        case SEEK_END:
            offset += d.size();
            break;
        default:
            return AVERROR(EINVAL);
        }
        errno = 0;
        if (!d.seek(offset)) {
            const int code = errno != 0 ? errno : EIO;
            self->ioFailed(errno != 0 ? libraryError(AVERROR(code)) : d.errorString());
            return AVERROR(code);
        }
        return offset;
    }

    // What the muxer reads back of the file it wrote (an MP4's second pass,
    // which moves the index before the media): the file's own handle, read
    // at positions of its own, so the writing goes on undisturbed.
    struct ReadBack
    {
        int handle;
        std::int64_t pos = 0;
    };

    static int readBack(void *opaque, std::uint8_t *buffer, int size)
    {
        auto *from = static_cast<ReadBack *>(opaque);
        const ssize_t got = ::pread(from->handle, buffer, static_cast<std::size_t>(size), from->pos);
        if (got < 0)
            return AVERROR(errno);
        if (got == 0)
            return AVERROR_EOF;
        from->pos += got;
        return static_cast<int>(got);
    }

    static std::int64_t seekBack(void *opaque, std::int64_t offset, int whence)
    {
        auto *from = static_cast<ReadBack *>(opaque);
        struct stat status = {};
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return ::fstat(from->handle, &status) == 0 ? std::int64_t(status.st_size) : AVERROR(errno);
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += from->pos;
            break;
        case SEEK_END:
            if (::fstat(from->handle, &status) != 0)
                return AVERROR(errno);
            offset += status.st_size;
            break;
        default:
            return AVERROR(EINVAL);
        }
        from->pos = offset;
        return offset;
    }

    static int openReadBack(AVFormatContext *s, AVIOContext **pb, const char *, int flags, AVDictionary **)
    {
        auto *self = static_cast<Impl *>(s->opaque);
        auto *file = qobject_cast<QFileDevice *>(&self->device);
        if (!(flags & AVIO_FLAG_READ) || (flags & AVIO_FLAG_WRITE) || !file || file->handle() < 0)
            return AVERROR(ENOSYS);
        errno = 0;
        if (!file->flush()) {
            self->ioFailed(errno != 0 ? libraryError(AVERROR(errno)) : file->errorString());
            return AVERROR(EIO);
        }
        auto from = std::make_unique<ReadBack>(ReadBack{file->handle()});
        auto *buffer = static_cast<std::uint8_t *>(av_malloc(kIoBufferSize));
        *pb = buffer ? avio_alloc_context(buffer, kIoBufferSize, 0, from.get(), &Impl::readBack, nullptr, &Impl::seekBack)
                     : nullptr;
        if (!*pb) {
            av_free(buffer);
            return AVERROR(ENOMEM);
        }
        from.release();
        return 0;
    }

    static int closeReadBack(AVFormatContext *, AVIOContext *pb)
    {
        delete static_cast<ReadBack *>(pb->opaque);
        av_freep(&pb->buffer);
        avio_context_free(&pb);
        return 0;
    }

    // The first failure of the device is the one to tell.
    void ioFailed(const QString &why)
    {
        if (ioError.isEmpty())
            ioError = why;
    }

    // Turns a failure of the device into the device's own reason.
    void checkIo(int code, const char *doing)
    {
        if (code < 0 && !ioError.isEmpty())
            throw EncodeError(
                QCoreApplication::translate("VideoEncoder", "書き込みに失敗しました（%1）。").arg(ioError));
        check(code, doing);
    }

    void open()
    {
        if (!packet)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        AVFormatContext *f = nullptr;
        check(avformat_alloc_output_context2(&f, nullptr, setup.container, nullptr),
              QT_TRANSLATE_NOOP("VideoEncoder", "出力形式の準備"));
        format.reset(f);
        auto *buffer = static_cast<std::uint8_t *>(av_malloc(kIoBufferSize));
        io.reset(avio_alloc_context(buffer, kIoBufferSize, 1, this, nullptr, &Impl::writePacket, &Impl::seek));
        if (!io) {
            av_free(buffer);
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        }
        format->pb = io.get();
        format->flags |= AVFMT_FLAG_CUSTOM_IO;
        format->opaque = this;
        format->io_open = &Impl::openReadBack;
        format->io_close2 = &Impl::closeReadBack;
        openVideo();
        openAudio();
        if (setup.subtitles) {
            subtitles.emplace(subtitleEncoderOf(setup.container), *format);
            subtitleStream = subtitles->addStream(*format);
        }
        // An MP4 for the web: the index before the media, so that a browser
        // starts playing before the whole file has loaded.
        AVDictionary *raw = nullptr;
        if (std::string_view(setup.container) == "mp4")
            av_dict_set(&raw, "movflags", "+faststart", 0);
        const std::unique_ptr<AVDictionary *, DictionaryDeleter> options(&raw);
        checkIo(avformat_write_header(format.get(), &raw), QT_TRANSLATE_NOOP("VideoEncoder", "動画ファイルの書き始め"));
        headerWritten = true;
    }

    AVCodecContext *openCodec(const AVCodec *codec, std::unique_ptr<AVCodecContext, CodecDeleter> &slot)
    {
        slot.reset(avcodec_alloc_context3(codec));
        if (!slot)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        if (format->oformat->flags & AVFMT_GLOBALHEADER)
            slot->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        return slot.get();
    }

    AVStream *addStream(AVCodecContext &c)
    {
        AVStream *stream = avformat_new_stream(format.get(), nullptr);
        if (!stream)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
        check(avcodec_parameters_from_context(stream->codecpar, &c),
              QT_TRANSLATE_NOOP("VideoEncoder", "ストリームの準備"));
        stream->time_base = c.time_base;
        // The frame rate the timestamps keep to, though a held picture is
        // stored once.
        if (c.codec_type == AVMEDIA_TYPE_VIDEO) {
            stream->avg_frame_rate = c.framerate;
            stream->r_frame_rate = c.framerate;
        }
        return stream;
    }

    void openVideo()
    {
        const AVCodec *codec = findEncoder(codecs.video);
        AVCodecContext &c = *openCodec(codec, video);
        c.width = setup.size.width();
        c.height = setup.size.height();
        c.time_base = AVRational{1, setup.fps};
        c.framerate = AVRational{setup.fps, 1};
        c.pix_fmt = codecs.pixels;
        c.gop_size = setup.fps * 2;
        if (codecs.pixels == AV_PIX_FMT_YUV420P) {
            c.color_range = AVCOL_RANGE_MPEG;
            c.colorspace = AVCOL_SPC_BT709;
            c.color_primaries = AVCOL_PRI_BT709;
            c.color_trc = AVCOL_TRC_BT709;
        }
        tuneVideo(setup.format, c);
        check(avcodec_open2(&c, codec, nullptr), QT_TRANSLATE_NOOP("VideoEncoder", "映像の符号化の準備"));
        videoStream = addStream(c);

        picture = allocFrame();
        picture->format = c.pix_fmt;
        picture->width = c.width;
        picture->height = c.height;
        check(av_frame_get_buffer(picture.get(), 0), QT_TRANSLATE_NOOP("VideoEncoder", "映像のバッファーの準備"));
        if (c.pix_fmt != kImageFormat) {
            scaler.reset(sws_getContext(c.width, c.height, kImageFormat, c.width, c.height, c.pix_fmt,
                                        SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
            if (!scaler)
                throw EncodeError(QCoreApplication::translate("VideoEncoder", "映像の色の変換を準備できません。"));
            const int *coefficients = sws_getCoefficients(SWS_CS_ITU709);
            sws_setColorspaceDetails(scaler.get(), coefficients, 1, coefficients, 0, 0, 1 << 16, 1 << 16);
        }
    }

    void openAudio()
    {
        const AVCodec *codec = findEncoder(codecs.audio);
        AVCodecContext &c = *openCodec(codec, audio);
        c.sample_fmt = codecs.samples;
        c.sample_rate = setup.sampleRate;
        c.time_base = AVRational{1, setup.sampleRate};
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        check(av_channel_layout_copy(&c.ch_layout, &stereo), QT_TRANSLATE_NOOP("VideoEncoder", "音声の準備"));
        if (codecs.audioBitRate > 0)
            c.bit_rate = codecs.audioBitRate;
        check(avcodec_open2(&c, codec, nullptr), QT_TRANSLATE_NOOP("VideoEncoder", "音声の符号化の準備"));
        audioStream = addStream(c);

        SwrContext *r = nullptr;
        check(swr_alloc_set_opts2(&r, &c.ch_layout, c.sample_fmt, c.sample_rate, &stereo, AV_SAMPLE_FMT_FLT,
                                  setup.sampleRate, 0, nullptr),
              QT_TRANSLATE_NOOP("VideoEncoder", "音声の変換の準備"));
        resampler.reset(r);
        check(swr_init(resampler.get()), QT_TRANSLATE_NOOP("VideoEncoder", "音声の変換の準備"));
        fifo.reset(av_audio_fifo_alloc(c.sample_fmt, c.ch_layout.nb_channels, 4096));
        if (!fifo)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
    }

    // Sends `frame` (null: the end) and writes every packet that comes out.
    void encode(AVCodecContext &c, AVStream &stream, AVFrame *frame)
    {
        check(avcodec_send_frame(&c, frame), QT_TRANSLATE_NOOP("VideoEncoder", "符号化"));
        for (;;) {
            const int got = avcodec_receive_packet(&c, packet.get());
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
                return;
            check(got, QT_TRANSLATE_NOOP("VideoEncoder", "符号化"));
            // A picture lasts until the next one; the last one a frame.
            if (&c == video.get() && packet->duration <= 0)
                packet->duration = 1;
            if (&c == video.get() && (packet->flags & AV_PKT_FLAG_KEY) != 0)
                lastKey = std::max(lastKey, packet->pts);
            av_packet_rescale_ts(packet.get(), c.time_base, stream.time_base);
            packet->stream_index = stream.index;
            checkIo(av_interleaved_write_frame(format.get(), packet.get()),
                    QT_TRANSLATE_NOOP("VideoEncoder", "動画ファイルへの書き込み"));
        }
    }

    void addFrame(const QImage &image)
    {
        const QImage rgb = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
        if (rgb.size() != setup.size)
            throw EncodeError(QCoreApplication::translate("VideoEncoder", "映像の大きさが途中で変わりました。"));
        const std::int64_t at = frames++;
        // A still panel gives the same image again, or an equal one.
        const bool same = !held.isNull() && (rgb.cacheKey() == held.cacheKey() || rgb == held);
        const bool keyDue = at - lastKey >= video->gop_size;
        // The first second is stored whole: players and tools guess the
        // frame rate from the first timestamps.
        if (same && !keyDue && !setup.everyFrame && at >= setup.fps)
            return;
        if (!same) {
            check(av_frame_make_writable(picture.get()), QT_TRANSLATE_NOOP("VideoEncoder", "映像のバッファーの準備"));
            const std::uint8_t *source[1] = {rgb.constBits()};
            const int stride[1] = {static_cast<int>(rgb.bytesPerLine())};
            if (scaler) {
                sws_scale(scaler.get(), source, stride, 0, rgb.height(), picture->data, picture->linesize);
            } else {
                av_image_copy_plane(picture->data[0], picture->linesize[0], source[0], stride[0], rgb.width() * 4,
                                    rgb.height());
            }
            held = rgb;
        }
        store(at, keyDue);
    }

    // Sends the picture as frame `at`, a key frame when `key`.
    void store(std::int64_t at, bool key)
    {
        picture->pts = at;
        picture->pict_type = key ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
        if (key)
            lastKey = at;
        stored = at;
        encode(*video, *videoStream, picture.get());
    }

    void addAudio(const float *interleaved, int count)
    {
        if (count <= 0)
            return;
        const int capacity = swr_get_out_samples(resampler.get(), count);
        FramePtr converted = allocFrame();
        converted->format = audio->sample_fmt;
        converted->nb_samples = capacity;
        check(av_channel_layout_copy(&converted->ch_layout, &audio->ch_layout),
              QT_TRANSLATE_NOOP("VideoEncoder", "音声の変換"));
        check(av_frame_get_buffer(converted.get(), 0), QT_TRANSLATE_NOOP("VideoEncoder", "音声のバッファーの準備"));
        const auto *in = reinterpret_cast<const std::uint8_t *>(interleaved);
        const int made = check(swr_convert(resampler.get(), converted->data, capacity, &in, count),
                               QT_TRANSLATE_NOOP("VideoEncoder", "音声の変換"));
        check(av_audio_fifo_write(fifo.get(), reinterpret_cast<void **>(converted->data), made),
              QT_TRANSLATE_NOOP("VideoEncoder", "音声のバッファー"));
        drainAudio(false);
    }

    // Encodes whole codec frames from the FIFO; at the end also the rest.
    void drainAudio(bool end)
    {
        const int frameSize = audio->frame_size > 0 ? audio->frame_size : 1024;
        const bool shortLast = (audio->codec->capabilities
                                & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE))
            != 0;
        while (av_audio_fifo_size(fifo.get()) >= frameSize || (end && av_audio_fifo_size(fifo.get()) > 0)) {
            const int available = std::min(av_audio_fifo_size(fifo.get()), frameSize);
            FramePtr frame = allocFrame();
            frame->format = audio->sample_fmt;
            frame->nb_samples = shortLast ? available : frameSize;
            frame->sample_rate = audio->sample_rate;
            check(av_channel_layout_copy(&frame->ch_layout, &audio->ch_layout),
                  QT_TRANSLATE_NOOP("VideoEncoder", "音声の準備"));
            check(av_frame_get_buffer(frame.get(), 0), QT_TRANSLATE_NOOP("VideoEncoder", "音声のバッファーの準備"));
            if (available < frame->nb_samples) {
                av_samples_set_silence(frame->data, available, frame->nb_samples - available,
                                       audio->ch_layout.nb_channels, audio->sample_fmt);
            }
            check(av_audio_fifo_read(fifo.get(), reinterpret_cast<void **>(frame->data), available),
                  QT_TRANSLATE_NOOP("VideoEncoder", "音声のバッファー"));
            frame->pts = samples;
            samples += available;
            encode(*audio, *audioStream, frame.get());
        }
    }

    void addCue(const SubtitleCue &cue)
    {
        if (!subtitles)
            return;
        subtitles->encode(cue, *packet, *subtitleStream);
        checkIo(av_interleaved_write_frame(format.get(), packet.get()),
                QT_TRANSLATE_NOOP("VideoEncoder", "動画ファイルへの書き込み"));
    }

    void finish()
    {
        // The last frame held on is stored, so that the video ends where its
        // frames do.
        if (!held.isNull() && stored + 1 < frames)
            store(frames - 1, false);
        drainAudio(true);
        encode(*video, *videoStream, nullptr);
        encode(*audio, *audioStream, nullptr);
        addChapters(*format, chapters, setup.fps, frames);
        checkIo(av_write_trailer(format.get()), QT_TRANSLATE_NOOP("VideoEncoder", "動画ファイルの書き終わり"));
        avio_flush(io.get());
        checkIo(io->error, QT_TRANSLATE_NOOP("VideoEncoder", "動画ファイルへの書き込み"));
    }
};

VideoEncoder::VideoEncoder(QIODevice &device, const Setup &setup) : d_(std::make_unique<Impl>(device, setup))
{
    if (setup.size.width() % 2 != 0 || setup.size.height() % 2 != 0 || setup.size.isEmpty())
        throw EncodeError(QCoreApplication::translate("VideoEncoder", "映像の幅と高さは偶数にしてください。"));
    av_log_set_level(AV_LOG_ERROR);
    d_->open();
}

VideoEncoder::~VideoEncoder() = default;

void VideoEncoder::addFrame(const QImage &image)
{
    d_->addFrame(image);
}

void VideoEncoder::addAudio(const float *interleaved, int frames)
{
    d_->addAudio(interleaved, frames);
}

void VideoEncoder::addCue(const SubtitleCue &cue)
{
    d_->addCue(cue);
}

void VideoEncoder::setChapters(const std::vector<Chapter> &chapters)
{
    d_->chapters = chapters;
}

void VideoEncoder::finish()
{
    d_->finish();
}

namespace {

int writeToDevice(void *opaque, std::uint8_t *buffer, int size)
{
    auto *device = static_cast<QIODevice *>(opaque);
    return device->write(reinterpret_cast<const char *>(buffer), size) == size ? size : AVERROR(EIO);
}

} // namespace

void writeSubRip(QIODevice &device, const std::vector<SubtitleCue> &cues)
{
    AVFormatContext *f = nullptr;
    check(avformat_alloc_output_context2(&f, nullptr, "srt", nullptr),
          QT_TRANSLATE_NOOP("VideoEncoder", "出力形式の準備"));
    const std::unique_ptr<AVFormatContext, FormatDeleter> format(f);
    auto *buffer = static_cast<std::uint8_t *>(av_malloc(kIoBufferSize));
    const std::unique_ptr<AVIOContext, IoDeleter> io(
        avio_alloc_context(buffer, kIoBufferSize, 1, &device, nullptr, &writeToDevice, nullptr));
    if (!io) {
        av_free(buffer);
        throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
    }
    format->pb = io.get();
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    SubtitleEncoder encoder("subrip", *format);
    const AVStream *stream = encoder.addStream(*format);
    const std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
    if (!packet)
        throw EncodeError(QCoreApplication::translate("VideoEncoder", "メモリーが足りません。"));
    check(avformat_write_header(format.get(), nullptr), QT_TRANSLATE_NOOP("VideoEncoder", "字幕ファイルの書き始め"));
    for (const SubtitleCue &cue : cues) {
        encoder.encode(cue, *packet, *stream);
        check(av_write_frame(format.get(), packet.get()), QT_TRANSLATE_NOOP("VideoEncoder", "字幕ファイルへの書き込み"));
    }
    check(av_write_trailer(format.get()), QT_TRANSLATE_NOOP("VideoEncoder", "字幕ファイルの書き終わり"));
    avio_flush(io.get());
    if (io->error < 0)
        throw EncodeError(QCoreApplication::translate("VideoEncoder", "書き込みに失敗しました（%1）。")
                              .arg(device.errorString()));
}

} // namespace kerubara::datatool
