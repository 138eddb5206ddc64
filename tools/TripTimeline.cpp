// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TripTimeline.h"

#include <cmath>
#include <iterator>

namespace kerubara::datatool {

void TripTimeline::start(std::uint64_t origin)
{
    origin_ = origin;
}

void TripTimeline::nameShown(int stop, const QString &name, std::int64_t frame)
{
    if (!origin_)
        return;
    // The same stop shown again keeps its chapter, named as it shows now
    // (route setting shows its busy text first).
    if (!chapters_.empty() && stop == lastStop_) {
        chapters_.back().title = name;
        return;
    }
    chapters_.push_back({chapters_.empty() ? 0 : frame, name});
    lastStop_ = stop;
}

void TripTimeline::speechAsked(const QString &text)
{
    speechEnded();
    speech_ = Speech{text, std::nullopt, 0};
}

void TripTimeline::speechEnded()
{
    if (speech_ && speech_->first)
        cues_.push_back({videoMs(*speech_->first), videoMs(speech_->last + 1), speech_->text});
    speech_.reset();
}

void TripTimeline::speechHeardOut()
{
    if (speech_ && speech_->first)
        speechEnded();
}

void TripTimeline::mixed(std::uint64_t at, const float *samples, int frames) noexcept
{
    if (!speech_ || !origin_)
        return;
    for (int f = 0; f < frames; ++f) {
        const std::uint64_t frame = at + static_cast<std::uint64_t>(f);
        if (frame < *origin_)
            continue;
        const float *stereo = samples + static_cast<std::ptrdiff_t>(f) * Mixer::kChannels;
        if (std::abs(stereo[0]) >= kAudible || std::abs(stereo[1]) >= kAudible) {
            if (!speech_->first)
                speech_->first = frame;
            speech_->last = frame;
        }
    }
}

std::vector<SubtitleCue> TripTimeline::takeNewCues()
{
    std::vector<SubtitleCue> fresh(std::next(cues_.begin(), static_cast<std::ptrdiff_t>(taken_)), cues_.end());
    taken_ = cues_.size();
    return fresh;
}

std::int64_t TripTimeline::videoMs(std::uint64_t sample) const
{
    return std::llround(double(sample - *origin_) * 1000.0 / sampleRate_);
}

void NotedSpeech::VoiceStop()
{
    timeline_.speechEnded();
    engine_->VoiceStop();
}

void NotedSpeech::VoiceSpeak(const QString &text)
{
    timeline_.speechAsked(text);
    engine_->VoiceSpeak(text);
}

} // namespace kerubara::datatool
