// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Mixer.h"

#include <QString>

#include <memory>
#include <vector>

namespace kerubara {

// Where the mixer's output goes. An output owns its mixer, decides how often
// render() is called and what waiting for the mixer means.
class AudioOutput
{
public:
    // The four sound channels, the speech channel and room to spare.
    static constexpr int kDefaultVoices = 16;

    virtual ~AudioOutput();
    AudioOutput(const AudioOutput &) = delete;
    AudioOutput &operator=(const AudioOutput &) = delete;

    Mixer &mixer() { return mixer_; }
    const Mixer &mixer() const { return mixer_; }
    int sampleRate() const { return mixer_.sampleRate(); }
    // Frames mixed per call of render().
    int bufferFrames() const { return bufferFrames_; }
    // The audio driver in use ("alsa", "pulseaudio", "dummy", ...; "null" for
    // an output that only mixes on demand).
    virtual QString driverName() const = 0;
    // Lets time pass for the mixer while someone waits for it.
    virtual void waitForProgress() = 0;

protected:
    AudioOutput(int sampleRate, int bufferFrames, int voiceCount);

private:
    Mixer mixer_;
    int bufferFrames_;
};

// Opens the sound device through SDL (at most 512 frames a buffer at 48 or
// 44.1 kHz). When no device opens it falls back to SDL's "dummy" driver,
// which consumes the audio silently at the real pace; when even that fails,
// to a NullAudioOutput.
std::unique_ptr<AudioOutput> openAudioOutput(int voiceCount = AudioOutput::kDefaultVoices);

// An output without a device: nothing is mixed until pump() asks for it.
// Waiting for the mixer mixes the next buffer at once, so a synchronous play
// returns as soon as its sound has been mixed to the end. It behaves as a
// device that never runs short: before each buffer it waits (a while at
// most) for streams whose writers are at work. The most recent mixed
// samples are kept for inspection, up to a limit. For tests, tools and
// machines without audio.
class NullAudioOutput final : public AudioOutput
{
public:
    // Ten seconds at 48 kHz.
    static constexpr std::size_t kDefaultCaptureFrames = 480000;

    explicit NullAudioOutput(int sampleRate = 48000, int bufferFrames = 512,
                             int voiceCount = AudioOutput::kDefaultVoices,
                             std::size_t captureFrames = kDefaultCaptureFrames);

    QString driverName() const override { return QStringLiteral("null"); }
    void waitForProgress() override { pump(); }

    // Mixes `buffers` buffers and appends them to captured().
    void pump(int buffers = 1);
    // The most recent samples mixed, interleaved stereo: at most
    // captureFrames() frames. Beyond that the older half is dropped, so
    // keeping up costs little.
    const std::vector<float> &captured() const { return captured_; }
    // The number (counted from the first frame ever mixed) of captured()'s
    // first frame.
    std::uint64_t capturedFrom() const { return capturedFrom_; }
    std::size_t captureFrames() const { return captureFrames_; }
    void clearCaptured();

private:
    void waitForStreams() const;
    void keepRoomFor(std::size_t frames);

    std::size_t captureFrames_;
    std::uint64_t capturedFrom_ = 0;
    std::vector<float> captured_;
};

} // namespace kerubara
