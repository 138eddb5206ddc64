// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/VoiceEngine.h"

#include "sound/EspeakSynth.h"
#include "sound/JapaneseReader.h"
#include "sound/KanaPhonemes.h"
#include "sound/Mixer.h"
#include "sound/ReadingDictionary.h"
#include "sound/Resampler.h"
#include "sound/SampleRing.h"

#include <QFileInfo>

#include <algorithm>

namespace kerubara {
namespace {

// The ring between the worker and the mixer holds this much speech; the
// worker, far faster than real time, waits while it is full.
constexpr int kRingSeconds = 2;
// Samples closer to zero than this (about -66 dB) are silence.
constexpr std::int16_t kSilence = 16;

float gainOf(const VoiceSettings &s)
{
    return static_cast<float>(s.clamped().volume) / 100.0f;
}

// Leaves out the silence the voice starts with (the closure before a first
// ツ or キ lasts some 40 ms), so that the speech is heard at once: what is
// played and what is written to a file alike.
class LeadingSilence
{
public:
    // Moves `samples` past the silence still at the start, `count` with it.
    void skip(const std::int16_t *&samples, int &count)
    {
        if (started_)
            return;
        const std::int16_t *first = std::find_if(samples, samples + count, [](std::int16_t s) {
            return s > kSilence || s < -kSilence;
        });
        count -= static_cast<int>(first - samples);
        samples = first;
        started_ = count > 0;
    }

private:
    bool started_ = false;
};

} // namespace

std::unique_ptr<VoiceEngine> VoiceEngine::create(Mixer &mixer, int voice, QString settingsFile)
{
    auto reader = JapaneseReader::create();
    if (!reader || !EspeakSynth::load() || voice < 0 || voice >= mixer.voiceCount())
        return nullptr;
    return std::unique_ptr<VoiceEngine>(new VoiceEngine(mixer, voice, std::move(reader), std::move(settingsFile)));
}

VoiceEngine::VoiceEngine(Mixer &mixer, int voice, std::unique_ptr<JapaneseReader> reader, QString settingsFile)
    : mixer_(mixer),
      voice_(voice),
      reader_(std::move(reader)),
      ring_(std::make_shared<SampleRing>(static_cast<std::size_t>(kRingSeconds * mixer.sampleRate()))),
      settingsFile_(std::move(settingsFile)),
      settings_(VoiceSettings::load(settingsFile_))
{
    mixer_.attachStream(voice_, ring_);
    mixer_.setGain(voice_, gainOf(settings_));
}

VoiceEngine::~VoiceEngine()
{
    VoiceStop();
    mixer_.attachStream(voice_, nullptr);
}

QString VoiceEngine::sampleText()
{
    return QStringLiteral("次は、市役所前です。お降りの方は、お知らせください。");
}

QString VoiceEngine::reading(const QString &text) const
{
    return reader_->reading(text);
}

QString VoiceEngine::phonemes(const QString &text) const
{
    return kanaToPhonemes(reader_->reading(text));
}

QStringList VoiceEngine::useReadingDictionaries(const QString &folder)
{
    QStringList messages;
    QStringList files{ReadingDictionary::userFile()};
    const QString data = ReadingDictionary::dataFolderFile(folder);
    if (QFileInfo(data).absoluteFilePath() != QFileInfo(files.front()).absoluteFilePath())
        files << data;
    reader_->setUserDictionary(ReadingDictionary::readFiles(files, &messages));
    return messages;
}

void VoiceEngine::applySettings(const VoiceSettings &settings)
{
    settings_ = settings.clamped();
    mixer_.setGain(voice_, gainOf(settings_));
}

void VoiceEngine::setSettings(const VoiceSettings &settings)
{
    applySettings(settings);
    settings_.save(settingsFile_);
}

void VoiceEngine::VoiceStop()
{
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
    busy_ = false;
    failed_ = false;
    mixer_.flushStream(voice_);
}

void VoiceEngine::VoiceSpeak(const QString &text)
{
    VoiceStop();
    busy_ = true;
    // The mixer counts the speech as sounding from now on, before its first
    // sample is made, and an output that idles gets ready for it.
    ring_->setWriting(true);
    mixer_.wake();
    worker_ = std::jthread([this, text, settings = settings_](std::stop_token stop) {
        synthesize(std::move(stop), text, settings);
        ring_->setWriting(false);
    });
}

std::int32_t VoiceEngine::VoiceStatus()
{
    if (failed_)
        return StatusFailed;
    if (busy_ || !mixer_.streamDrained(voice_))
        return StatusSpeaking;
    return StatusIdle;
}

void VoiceEngine::VoiceDialog(QWidget *owner, const QString &title)
{
    // The dialog is a window (dialogs/VoiceSettingsDialog), installed at
    // start-up; without windows there is none to show.
    if (const auto &dialog = VoiceDialogSeam::call())
        dialog(*this, owner, title);
}

void VoiceEngine::synthesize(std::stop_token stop, QString text, VoiceSettings settings)
{
    const QString phonemes = kanaToPhonemes(reader_->reading(text));
    if (phonemes.isEmpty()) {
        busy_ = false;
        return;
    }
    Resampler resampler(EspeakSynth::sampleRate(), mixer_.sampleRate(), 1);
    if (!resampler.isValid()) {
        failed_ = true;
        busy_ = false;
        return;
    }
    std::vector<float> mono;
    std::vector<float> resampled;
    std::vector<float> stereo;
    // Converts one piece of speech to the mixer's rate and format and moves
    // it into the ring; `last` flushes what the resampler still holds.
    auto forward = [&](const std::int16_t *samples, int count, bool last) {
        mono.resize(static_cast<std::size_t>(count));
        std::transform(samples, samples + count, mono.begin(), [](std::int16_t s) { return s / 32768.0f; });
        resampled.clear();
        if (!resampler.convert(mono.data(), mono.size(), last, resampled))
            return false;
        stereo.resize(resampled.size() * SampleRing::kChannels);
        for (std::size_t i = 0; i < resampled.size(); ++i)
            stereo[2 * i] = stereo[2 * i + 1] = resampled[i];
        return ring_->writeAll(stereo.data(), resampled.size(), stop);
    };
    LeadingSilence leading;
    bool ok = EspeakSynth::speak(phonemes, settings, [&](const std::int16_t *samples, int count) {
        leading.skip(samples, count);
        return !stop.stop_requested() && (count == 0 || forward(samples, count, false));
    });
    if (ok && !stop.stop_requested())
        ok = forward(nullptr, 0, true) || stop.stop_requested();
    if (!ok)
        failed_ = true;
    busy_ = false;
}

bool speakToSamples(const JapaneseReader &reader, const QString &text, const VoiceSettings &settings,
                    std::vector<std::int16_t> &samples)
{
    const QString phonemes = kanaToPhonemes(reader.reading(text));
    if (phonemes.isEmpty())
        return true;
    const float gain = gainOf(settings);
    LeadingSilence leading;
    return EspeakSynth::speak(phonemes, settings, [&](const std::int16_t *data, int count) {
        leading.skip(data, count);
        for (int i = 0; i < count; ++i)
            samples.push_back(static_cast<std::int16_t>(std::clamp(data[i] * gain, -32768.0f, 32767.0f)));
        return true;
    });
}

} // namespace kerubara
