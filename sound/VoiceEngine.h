// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/Seam.h"
#include "sound/SpeechEngine.h"
#include "sound/VoiceSettings.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kerubara {

class JapaneseReader;
class Mixer;
class SampleRing;

class VoiceEngine;

// The voice's settings dialog (調整): a window of a higher layer
// (dialogs/VoiceSettingsDialog) that the program installs as the real call.
using VoiceDialogSeam = Seam<void(VoiceEngine &, QWidget *owner, const QString &title), struct VoiceDialogTag>;

// Speaks Japanese text into a voice of the mixer. JapaneseReader turns the
// text into its katakana reading (numbers, the reading dictionaries and
// MeCab), our own kana table turns that into phonemes (KanaPhonemes), and
// espeak-ng's Japanese voice speaks them, and the sound
// streams into the mixer while it is being made: VoiceSpeak returns at once
// and a worker thread does the rest. VoiceStop cuts off both the synthesis
// and what is already waiting in the mixer.
//
// The engine keeps its rate, pitch and volume in its own file (see
// VoiceSettings). It must be destroyed before the mixer it speaks into.
class VoiceEngine final : public SpeechEngine
{
public:
    // VoiceStatus values.
    enum Status : std::int32_t {
        StatusFailed = -1,  // the last text could not be read or synthesised
        StatusIdle = 0,     // nothing to say
        StatusSpeaking = 1, // synthesising, or its sound is still playing
    };

    // Null when the Japanese voice or the MeCab dictionary cannot be loaded.
    static std::unique_ptr<VoiceEngine> create(Mixer &mixer, int voice,
                                               QString settingsFile = VoiceSettings::defaultFile());
    ~VoiceEngine() override;

    void VoiceStop() override;
    // A text given while another is being spoken replaces it.
    void VoiceSpeak(const QString &text) override;
    // StatusFailed until the next VoiceSpeak or VoiceStop after a failure;
    // otherwise StatusSpeaking or StatusIdle.
    std::int32_t VoiceStatus() override;
    // Sliders for rate, pitch and volume and a button to hear a sample; OK
    // keeps and saves the values, Cancel restores the previous ones.
    void VoiceDialog(QWidget *owner, const QString &title) override;
    QStringList useReadingDictionaries(const QString &folder) override;

    // The katakana the engine speaks for `text`.
    QString reading(const QString &text) const;
    // What it hands espeak-ng for `text`: the reading as phoneme input.
    QString phonemes(const QString &text) const;

    const VoiceSettings &settings() const { return settings_; }
    // Uses the values from now on and saves them to the settings file.
    void setSettings(const VoiceSettings &settings);
    // Uses the values from now on without saving them (the dialog tries
    // them out).
    void applySettings(const VoiceSettings &settings);
    const QString &settingsFile() const { return settingsFile_; }

    // The sentence the dialog speaks as a sample.
    static QString sampleText();

private:
    VoiceEngine(Mixer &mixer, int voice, std::unique_ptr<JapaneseReader> reader, QString settingsFile);
    void synthesize(std::stop_token stop, QString text, VoiceSettings settings);

    Mixer &mixer_;
    const int voice_;
    std::unique_ptr<JapaneseReader> reader_;
    std::shared_ptr<SampleRing> ring_;
    QString settingsFile_;
    VoiceSettings settings_;
    std::jthread worker_;
    std::atomic<bool> busy_{false};
    std::atomic<bool> failed_{false};
};

// The whole of `text` spoken at once, as mono 16-bit samples at
// EspeakSynth::sampleRate(), with the settings' rate, pitch and volume:
// the speech the engine plays, starting at once as it does. False when it
// could not be synthesised.
bool speakToSamples(const JapaneseReader &reader, const QString &text, const VoiceSettings &settings,
                    std::vector<std::int16_t> &samples);

} // namespace kerubara
