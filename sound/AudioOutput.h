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

// An output without a device: nothing is mixed until pump() asks for it, and
// everything mixed is kept for inspection. Waiting for the mixer mixes the
// next buffer at once, so a synchronous play returns as soon as its sound has
// been mixed to the end. For tests, tools and machines without audio.
class NullAudioOutput final : public AudioOutput
{
public:
    explicit NullAudioOutput(int sampleRate = 48000, int bufferFrames = 512,
                             int voiceCount = AudioOutput::kDefaultVoices);

    QString driverName() const override { return QStringLiteral("null"); }
    void waitForProgress() override { pump(); }

    // Mixes `buffers` buffers and appends them to captured().
    void pump(int buffers = 1);
    // Every sample mixed so far, interleaved stereo.
    const std::vector<float> &captured() const { return captured_; }
    void clearCaptured() { captured_.clear(); }

private:
    std::vector<float> captured_;
};

} // namespace kerubara
