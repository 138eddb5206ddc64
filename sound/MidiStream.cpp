// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MidiStream.h"

#include "sound/MidiRenderer.h"
#include "sound/Mixer.h"
#include "sound/SampleRing.h"

#include <algorithm>
#include <vector>

namespace kerubara {

MidiStream::MidiStream(Mixer &mixer, int voice)
    : mixer_(mixer),
      voice_(voice),
      ring_(std::make_shared<SampleRing>(static_cast<std::size_t>(mixer.sampleRate()) * kAheadMilliseconds / 1000)),
      renderer_(std::make_unique<MidiRenderer>(mixer.sampleRate()))
{
    mixer_.attachStream(voice_, ring_);
}

MidiStream::~MidiStream()
{
    stop();
    mixer_.attachStream(voice_, nullptr);
}

std::size_t MidiStream::aheadFrames() const
{
    return ring_->capacity();
}

void MidiStream::play(QByteArray fileBytes, std::int64_t startFrame)
{
    stop();
    playing_ = true;
    rendering_ = true;
    rendered_ = 0;
    // Sounding from now on, before the first frame is rendered: an output
    // that idles gets ready for it.
    ring_->setWriting(true);
    mixer_.wake();
    worker_ = std::jthread([this, bytes = std::move(fileBytes), startFrame](std::stop_token stop) {
        render(stop, bytes, std::max<std::int64_t>(startFrame, 0));
        ring_->setWriting(false);
        rendering_ = false;
    });
}

void MidiStream::stop()
{
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
    playing_ = false;
    mixer_.flushStream(voice_);
}

bool MidiStream::isPlaying() const
{
    return playing_ && (rendering_ || !mixer_.streamDrained(voice_));
}

void MidiStream::waitUntilEnded()
{
    while (isPlaying())
        mixer_.waitForProgress();
}

void MidiStream::render(const std::stop_token &stop, const QByteArray &fileBytes, std::int64_t skip)
{
    if (!renderer_->start(fileBytes))
        return;
    std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames) * SampleRing::kChannels);
    while (!stop.stop_requested()) {
        const int got = renderer_->renderNext(chunk.data(), kChunkFrames);
        if (got == 0)
            return;
        rendered_.fetch_add(got, std::memory_order_acq_rel);
        const auto dropped = static_cast<int>(std::min<std::int64_t>(skip, got));
        skip -= dropped;
        if (!ring_->writeAll(chunk.data() + static_cast<std::size_t>(dropped) * SampleRing::kChannels,
                  static_cast<std::size_t>(got - dropped), stop))
            return;
    }
}

} // namespace kerubara
