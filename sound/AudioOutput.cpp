// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/AudioOutput.h"

#include "reslib/Seams.h"
#include "sound/SdlAudioOutput.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace kerubara {
namespace {

// How long a buffer waits for a stream writer that has fallen behind (a
// synthesizer still loading its sound font on a busy machine, say) before it
// is mixed anyway. An output without a device has no clock to keep, and what
// it mixes must not depend on the machine's load (tests, rendered audio), so
// this only guards against a writer that never delivers.
constexpr auto kStreamPatience = std::chrono::seconds(30);

} // namespace

AudioOutput::AudioOutput(int sampleRate, int bufferFrames, int voiceCount)
    : mixer_(sampleRate, voiceCount), bufferFrames_(bufferFrames)
{
}

AudioOutput::~AudioOutput() = default;

std::unique_ptr<AudioOutput> openAudioOutput(int voiceCount)
{
    if (const auto &handler = AudioOutputSeam::handler())
        return handler();
    if (auto device = SdlAudioOutput::open(voiceCount))
        return device;
    return std::make_unique<NullAudioOutput>(48000, 512, voiceCount);
}

NullAudioOutput::NullAudioOutput(int sampleRate, int bufferFrames, int voiceCount, std::size_t captureFrames)
    : AudioOutput(sampleRate, bufferFrames, voiceCount),
      captureFrames_(std::max(captureFrames, static_cast<std::size_t>(std::max(bufferFrames, 1))))
{
    mixer().setProgressHook([this] { pump(); });
}

void NullAudioOutput::pump(int buffers)
{
    const auto frames = static_cast<std::size_t>(bufferFrames());
    for (int b = 0; b < buffers; ++b) {
        waitForStreams();
        keepRoomFor(frames);
        const std::size_t at = captured_.size();
        captured_.resize(at + frames * Mixer::kChannels);
        mixer().render(captured_.data() + at, bufferFrames());
    }
}

void NullAudioOutput::waitForStreams() const
{
    const auto frames = static_cast<std::size_t>(bufferFrames());
    const auto giveUp = std::chrono::steady_clock::now() + kStreamPatience;
    while (!mixer().streamsReady(frames) && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
}

void NullAudioOutput::keepRoomFor(std::size_t frames)
{
    const std::size_t held = captured_.size() / Mixer::kChannels;
    if (held + frames <= captureFrames_)
        return;
    const std::size_t drop = std::min(held, held + frames - captureFrames_ / 2);
    captured_.erase(captured_.begin(), captured_.begin() + static_cast<std::ptrdiff_t>(drop * Mixer::kChannels));
    capturedFrom_ += drop;
}

void NullAudioOutput::clearCaptured()
{
    capturedFrom_ += captured_.size() / Mixer::kChannels;
    captured_.clear();
}

} // namespace kerubara
