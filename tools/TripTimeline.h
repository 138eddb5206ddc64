// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/Mixer.h"
#include "sound/SpeechEngine.h"
#include "tools/VideoEncoder.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kerubara::datatool {

// What happens when in a rendered trip, gathered while it is recorded: the
// frame where the panel steps to each stop, named as the strip shows it (the
// video's chapters), and each announcement spoken with where its speech is
// heard in the sound mixed, from its first audible sample to its last (the
// subtitles). It taps the speech voice of the mixer, which the recording
// mixes on its own thread, so the times are those of the samples in the
// video, not of a plan.
class TripTimeline final : public VoiceTap
{
public:
    // The quietest sample that counts as speech heard (-40 dBFS).
    static constexpr float kAudible = 0.01f;

    explicit TripTimeline(int sampleRate) : sampleRate_(sampleRate) {}

    // The video starts at output frame `origin` of the mixer: nothing
    // before it counts.
    void start(std::uint64_t origin);
    // The strip shows `name` of stop `stop` from video frame `frame` on. A
    // new stop starts a chapter, named by the last name shown for it; the
    // first one starts at the video's start, so that the chapters cover the
    // whole video (the lamp test belongs to the first stop).
    void nameShown(int stop, const QString &name, std::int64_t frame);
    // The tape speaks `text` from now on, cutting off what it spoke before.
    void speechAsked(const QString &text);
    // The speech is cut off, or nothing sounds any more: the announcement
    // spoken has ended.
    void speechEnded();
    // Nothing sounds any more: the announcement ends if its speech has been
    // heard (one not heard yet may still be on its way).
    void speechHeardOut();

    void mixed(std::uint64_t at, const float *samples, int frames) noexcept override;

    const std::vector<Chapter> &chapters() const { return chapters_; }
    // Every cue ended so far, in order.
    const std::vector<SubtitleCue> &cues() const { return cues_; }
    // The cues ended since the last call.
    std::vector<SubtitleCue> takeNewCues();

private:
    std::int64_t videoMs(std::uint64_t sample) const;

    struct Speech
    {
        QString text;
        std::optional<std::uint64_t> first; // the first audible output frame
        std::uint64_t last = 0;             // the last one
    };

    const int sampleRate_;
    std::optional<std::uint64_t> origin_;
    std::vector<Chapter> chapters_;
    int lastStop_ = 0;
    std::optional<Speech> speech_;
    std::vector<SubtitleCue> cues_;
    std::size_t taken_ = 0;
};

// A speech engine that tells the timeline what it is asked to say and when
// it is cut off, and otherwise is `engine`.
class NotedSpeech final : public SpeechEngine
{
public:
    NotedSpeech(std::unique_ptr<SpeechEngine> engine, TripTimeline &timeline)
        : engine_(std::move(engine)), timeline_(timeline)
    {
    }

    void VoiceStop() override;
    void VoiceSpeak(const QString &text) override;
    std::int32_t VoiceStatus() override { return engine_->VoiceStatus(); }
    void prepare(const QStringList &texts) override { engine_->prepare(texts); }
    std::vector<ReadingProblem> useReadingDictionaries(const QString &folder) override
    {
        return engine_->useReadingDictionaries(folder);
    }

private:
    std::unique_ptr<SpeechEngine> engine_;
    TripTimeline &timeline_;
};

} // namespace kerubara::datatool
