#include "sound/AudioOutput.h"

#include "reslib/Seams.h"
#include "sound/SdlAudioOutput.h"

namespace kerubara {

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

NullAudioOutput::NullAudioOutput(int sampleRate, int bufferFrames, int voiceCount)
    : AudioOutput(sampleRate, bufferFrames, voiceCount)
{
    mixer().setProgressHook([this] { pump(); });
}

void NullAudioOutput::pump(int buffers)
{
    const std::size_t block = static_cast<std::size_t>(bufferFrames()) * Mixer::kChannels;
    for (int b = 0; b < buffers; ++b) {
        const std::size_t at = captured_.size();
        captured_.resize(at + block);
        mixer().render(captured_.data() + at, bufferFrames());
    }
}

} // namespace kerubara
