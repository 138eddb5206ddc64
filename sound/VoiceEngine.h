// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/SpeechCache.h"
#include "sound/SpeechEngine.h"
#include "sound/SpeechText.h"
#include "sound/VoiceCatalog.h"
#include "sound/VoiceSettings.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace kerubara {

class JapaneseReader;
class Mixer;
class SampleRing;
class Synthesiser;

// Speaks Japanese text into a voice of the mixer. Two parts meet here and
// nowhere else: the front end (JapaneseReader for our reading,
// JapaneseFrontEnd for the phonemes and the labels with their pitch accent)
// and a synthesiser, a back end that turns what the front end made into
// samples: an HTS voice (HtsSynthesiser) or espeak-ng (EspeakSynthesiser).
//
// VoiceSpeak returns at once and a worker thread does the rest: it makes the
// speech a phrase at a time and streams it into the mixer while the next
// phrase is being made. The texts of the route's tape are made ahead, in the
// background, when the route is set (prepare) and kept by text, voice and
// settings, so that one of them starts in the mixer's next buffer. VoiceStop
// cuts off both the synthesis and what is already waiting in the mixer.
//
// The engine is handed its voice, rate, pitch, volume and all-pass constant
// (VoiceSettings) and hands the ones the user confirms to its owner to keep.
// It must be destroyed before the mixer it speaks into.
class VoiceEngine final : public SpeechEngine
{
public:
    // VoiceStatus values.
    enum Status : std::int32_t {
        StatusFailed = -1,  // the last text could not be read or synthesised
        StatusIdle = 0,     // nothing to say
        StatusSpeaking = 1, // synthesising, or its sound is still playing
    };

    struct Options
    {
        // The values the engine starts with.
        VoiceSettings settings;
        // Told the values setSettings() takes, for the next run; without it
        // they last as long as the engine.
        std::function<void(const VoiceSettings &)> keep;
        VoicePlaces places = VoicePlaces::standard();
        // Speaks with this voice (a file or VoiceSettings::espeak()) rather
        // than the settings' one, without keeping it.
        QString voice;
    };

    // Null when no voice at all (not even espeak-ng's) or the MeCab
    // dictionary cannot be loaded.
    static std::unique_ptr<VoiceEngine> create(Mixer &mixer, int voice, const Options &options);
    // With the default settings, keeping none.
    static std::unique_ptr<VoiceEngine> create(Mixer &mixer, int voice);
    ~VoiceEngine() override;

    void VoiceStop() override;
    // A text given while another is being spoken replaces it.
    void VoiceSpeak(const QString &text) override;
    // StatusFailed until the next VoiceSpeak or VoiceStop after a failure;
    // otherwise StatusSpeaking or StatusIdle.
    std::int32_t VoiceStatus() override;
    std::vector<ReadingProblem> useReadingDictionaries(const QString &folder) override;
    void prepare(const QStringList &texts) override;

    // Whether `text` has been made ahead with the settings as they stand.
    bool isPrepared(const QString &text) const;
    // Whether texts asked for by prepare() are still being made.
    bool isPreparing() const;

    // The katakana the engine speaks for `text`.
    QString reading(const QString &text) const;
    // What it hands espeak-ng for `text`: the reading as phoneme input.
    QString phonemes(const QString &text) const;
    // What the front end makes of `text` for the voice speaking.
    SpokenText analyse(const QString &text) const;

    const VoiceSettings &settings() const { return settings_; }
    // Uses the values from now on and hands them to be kept (Options::keep);
    // the texts made ahead are made again with them.
    void setSettings(const VoiceSettings &settings);
    // Uses the values from now on without keeping them (the dialog tries
    // them out). A voice other than the one speaking is opened; when it is
    // refused the voice speaking stays, and so does the setting.
    void applySettings(const VoiceSettings &settings);

    // The voice speaking: a voice file, or VoiceSettings::espeak().
    const QString &voice() const { return voice_; }
    // Switches to `voice` (empty: the default choice). A voice that is
    // refused leaves the voice speaking as it was; the check says why.
    VoiceFileCheck useVoice(const QString &voice);
    // The all-pass constant of the voice speaking, in hundredths; 0 for
    // espeak-ng, which has none.
    int ownAllPass() const { return ownAllPass_; }
    // Why the voice speaking is not the one asked for at creation, if so.
    const VoiceNotice &notice() const { return notice_; }
    const VoicePlaces &places() const { return places_; }

    // The sentence the dialog speaks as a sample.
    static QString sampleText();

private:
    VoiceEngine(Mixer &mixer, int channel, std::unique_ptr<JapaneseReader> reader,
                std::unique_ptr<JapaneseFrontEnd> frontEnd, const Options &options, VoiceSettings settings);
    void takeVoice(VoiceChoice choice);
    QString cacheKey(const QString &text, const VoiceSettings &settings) const;
    SpokenText spoken(const QString &text, bool labels) const;
    // Makes the samples of `text` at the mixer's rate, handing them on as
    // they come. False on failure.
    bool render(const QString &text, const VoiceSettings &settings, Synthesiser &synthesiser, bool labels,
                std::stop_token stop, const std::function<void(const std::int16_t *, std::size_t)> &out) const;
    bool writeToRing(const std::int16_t *samples, std::size_t count, const std::stop_token *stop);
    void speakMade(std::stop_token stop, SpeechCache::Samples samples, std::size_t from);
    void speakNew(std::stop_token stop, QString text, VoiceSettings settings, QString key);
    void prepareLoop(std::stop_token stop);

    Mixer &mixer_;
    const int channel_;
    std::unique_ptr<JapaneseReader> reader_;
    std::unique_ptr<JapaneseFrontEnd> frontEnd_;
    AccentProblem frontEndWhy_;
    std::shared_ptr<SampleRing> ring_;
    std::function<void(const VoiceSettings &)> keep_;
    VoicePlaces places_;
    VoiceSettings settings_;
    QString voice_;
    std::shared_ptr<Synthesiser> synthesiser_;
    bool labels_ = false;
    int ownAllPass_ = 0;
    VoiceNotice notice_;
    std::atomic<std::uint64_t> dictionaries_{0};
    SpeechCache cache_;
    std::jthread worker_;
    std::atomic<bool> busy_{false};
    std::atomic<bool> failed_{false};

    // Making ahead: texts waiting, with the voice and settings to make them
    // with, and a stop for the text being made.
    struct Job
    {
        QString text;
        QString voice;
        bool labels = false;
        VoiceSettings settings;
    };
    mutable std::mutex prepareMutex_;
    std::condition_variable_any prepareWake_;
    std::vector<Job> jobs_;
    QStringList preparedTexts_;
    std::stop_source current_;
    bool working_ = false;
    std::jthread preparer_;
};

// The whole of `text` spoken by `synthesiser` at once, as mono 16-bit samples
// at its own rate, at the settings' volume: the speech the engine plays.
// False when it could not be synthesised.
bool speakToSamples(const SpokenText &text, Synthesiser &synthesiser, const VoiceSettings &settings,
                    std::vector<std::int16_t> &samples);

} // namespace kerubara
