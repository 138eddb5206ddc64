// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

class QImage;
class QIODevice;

namespace kerubara::datatool {

// A failure of the encoder or of writing its output, said in Japanese.
class EncodeError : public std::runtime_error
{
public:
    explicit EncodeError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// The codecs and container of a video file.
enum class VideoFormat {
    H264Aac,  // MP4: H.264 (x264) and AAC
    Vp9Opus,  // WebM: VP9 and Opus
    Ffv1Flac, // Matroska: FFV1 and FLAC, both lossless
};

// A subtitle: `text` shown from `startMs` to `endMs` of the video.
struct SubtitleCue
{
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    QString text;
};

// A chapter named `title` from frame `frame` of the video on, to the next
// chapter or the end.
struct Chapter
{
    std::int64_t frame = 0;
    QString title;
};

// Writes a video with one picture stream and one 48 kHz stereo sound stream
// through FFmpeg's libraries into a seekable device (the caller's temporary
// file). Pictures come one per frame at a fixed rate, converted and tagged
// as BT.709. A picture equal to the one before is not stored again: the one
// before is held on (its timestamps keep to the frame rate's grid), except
// in the first second, from which players guess the frame rate; one is
// stored at least every two seconds, as a key frame, so that a player can
// seek anywhere, and the last frame always is, so that the video
// lasts as long as its frames; `everyFrame` stores every frame, for editors
// that want a constant frame rate. sound comes as interleaved float samples in any amounts. An MP4
// gets its index before the media: at the end the muxer reads the file back
// through its handle (the device must then be a file). Every call throws
// EncodeError when the libraries refuse or the device cannot be written,
// with the system's reason. With `subtitles` the file has a Japanese text
// track too, in the container's own form (mov_text in MP4, WebVTT in WebM,
// SubRip in Matroska).
class VideoEncoder
{
public:
    struct Setup
    {
        VideoFormat format = VideoFormat::H264Aac;
        const char *container = "mp4"; // FFmpeg's name: mp4, webm, matroska
        QSize size;         // even in both directions
        int fps = 30;
        int sampleRate = 48000;
        bool subtitles = false;
        bool everyFrame = false;
    };

    VideoEncoder(QIODevice &device, const Setup &setup);
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    // The next frame: an image of the setup's size, any 32-bit RGB format.
    void addFrame(const QImage &image);
    // The next `frames` stereo frames of sound.
    void addAudio(const float *interleaved, int frames);
    // The next subtitle, starting no earlier than the one before; only with
    // `subtitles`. It may come after the frames it covers.
    void addCue(const SubtitleCue &cue);
    // The video's chapters, in order; any time before finish().
    void setChapters(const std::vector<Chapter> &chapters);
    // Sends what the encoders still hold and closes the file.
    void finish();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Writes `cues` to `device` as a SubRip (.srt) file; throws EncodeError as
// the encoder does.
void writeSubRip(QIODevice &device, const std::vector<SubtitleCue> &cues);

} // namespace kerubara::datatool
