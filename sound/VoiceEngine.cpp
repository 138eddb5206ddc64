// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/VoiceEngine.h"

#include "sound/JapaneseReader.h"
#include "sound/HtsSynth.h"
#include "sound/KanaPhonemes.h"
#include "sound/Mixer.h"
#include "sound/ReadingDictionary.h"
#include "sound/Resampler.h"
#include "sound/SampleRing.h"
#include "sound/Synthesiser.h"

#include <QFileInfo>

#include <algorithm>

namespace kerubara {
namespace {

// The ring between the worker and the mixer holds this much speech; the
// worker, far faster than real time, waits while it is full.
constexpr int kRingSeconds = 2;
// What a text made ahead puts into the ring before VoiceSpeak returns: the
// mixer's next buffer has speech in it whenever it comes.
constexpr int kFirstPartMs = 200;
// The speech made ahead is kept up to this size: some ten minutes of speech
// at 48 kHz, far more than a route's tape.
constexpr std::size_t kCacheBytes = 64u * 1024 * 1024;

// The key of a text made ahead: the voice and what shapes its sound, the
// reading dictionaries it was read with, and the text.
QString keyOf(const VoiceSettings &settings, std::uint64_t dictionaries, const QString &text)
{
    return QStringLiteral("%1\x1f%2\x1f%3").arg(settings.soundKey()).arg(dictionaries).arg(text);
}

float gainOf(const VoiceSettings &s)
{
    return static_cast<float>(s.clamped().volume) / 100.0f;
}

} // namespace

std::unique_ptr<VoiceEngine> VoiceEngine::create(Mixer &mixer, int voice)
{
    return create(mixer, voice, Options{});
}

std::unique_ptr<VoiceEngine> VoiceEngine::create(Mixer &mixer, int voice, const Options &options)
{
    auto reader = JapaneseReader::create();
    if (!reader || voice < 0 || voice >= mixer.voiceCount())
        return nullptr;
    AccentProblem why;
    auto frontEnd = JapaneseFrontEnd::create(*reader, &why);
    VoiceSettings settings = options.settings.clamped();
    VoiceChoice choice = voices::choose(options.voice.isEmpty() ? settings.voice : options.voice, options.places,
                                        frontEnd != nullptr, why);
    if (!choice.synthesiser)
        return nullptr;
    std::unique_ptr<VoiceEngine> engine(
        new VoiceEngine(mixer, voice, std::move(reader), std::move(frontEnd), options, settings));
    engine->frontEndWhy_ = why;
    engine->notice_ = choice.notice;
    engine->takeVoice(std::move(choice));
    return engine;
}

VoiceEngine::VoiceEngine(Mixer &mixer, int channel, std::unique_ptr<JapaneseReader> reader,
                         std::unique_ptr<JapaneseFrontEnd> frontEnd, const Options &options, VoiceSettings settings)
    : mixer_(mixer),
      channel_(channel),
      reader_(std::move(reader)),
      frontEnd_(std::move(frontEnd)),
      ring_(std::make_shared<SampleRing>(static_cast<std::size_t>(kRingSeconds * mixer.sampleRate()))),
      keep_(options.keep),
      places_(options.places),
      settings_(std::move(settings)),
      cache_(kCacheBytes)
{
    mixer_.attachStream(channel_, ring_);
    mixer_.setGain(channel_, gainOf(settings_));
    preparer_ = std::jthread([this](std::stop_token stop) { prepareLoop(std::move(stop)); });
}

VoiceEngine::~VoiceEngine()
{
    {
        const std::lock_guard lock(prepareMutex_);
        jobs_.clear();
        current_.request_stop();
    }
    preparer_.request_stop();
    preparer_.join();
    VoiceStop();
    mixer_.attachStream(channel_, nullptr);
}

void VoiceEngine::takeVoice(VoiceChoice choice)
{
    voice_ = choice.voice;
    labels_ = voice_ != VoiceSettings::espeak();
    synthesiser_ = std::move(choice.synthesiser);
    ownAllPass_ = 0;
    if (labels_) {
        if (const auto *hts = dynamic_cast<const HtsSynthesiser *>(synthesiser_.get()))
            ownAllPass_ = hts->ownAllPass();
    }
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

SpokenText VoiceEngine::analyse(const QString &text) const
{
    return spoken(text, labels_);
}

SpokenText VoiceEngine::spoken(const QString &text, bool labels) const
{
    if (labels && frontEnd_)
        return frontEnd_->analyse(text);
    SpokenText s;
    s.reading = reader_->reading(text);
    return s;
}

std::vector<ReadingProblem> VoiceEngine::useReadingDictionaries(const QString &folder)
{
    std::vector<ReadingProblem> problems;
    QStringList files{ReadingDictionary::userFile()};
    const QString data = ReadingDictionary::dataFolderFile(folder);
    if (QFileInfo(data).absoluteFilePath() != QFileInfo(files.front()).absoluteFilePath())
        files << data;
    reader_->setUserDictionary(ReadingDictionary::readFiles(files, &problems));
    // What was made ahead was read with the dictionaries before.
    ++dictionaries_;
    cache_.clear();
    return problems;
}

QString VoiceEngine::cacheKey(const QString &text, const VoiceSettings &settings) const
{
    VoiceSettings s = settings;
    s.voice = voice_;
    return keyOf(s, dictionaries_.load(), text);
}

void VoiceEngine::applySettings(const VoiceSettings &settings)
{
    const VoiceSettings s = settings.clamped();
    if (s.voice != settings_.voice && !useVoice(s.voice).ok()) {
        const QString kept = settings_.voice;
        settings_ = s;
        settings_.voice = kept;
    } else {
        settings_ = s;
    }
    mixer_.setGain(channel_, gainOf(settings_));
}

void VoiceEngine::setSettings(const VoiceSettings &settings)
{
    applySettings(settings);
    if (keep_)
        keep_(settings_);
    QStringList texts;
    {
        const std::lock_guard lock(prepareMutex_);
        texts = preparedTexts_;
    }
    prepare(texts);
}

VoiceFileCheck VoiceEngine::useVoice(const QString &voice)
{
    VoiceChoice choice;
    VoiceFileCheck check;
    if (voice.isEmpty()) {
        choice = voices::choose({}, places_, frontEnd_ != nullptr, frontEndWhy_);
    } else {
        choice.synthesiser = voices::open(voice, &check);
        choice.voice = voice;
        if (voice != VoiceSettings::espeak() && !frontEnd_)
            choice.synthesiser.reset();
    }
    if (!choice.synthesiser)
        return check.ok() ? VoiceFileCheck{VoiceFileFault::NoAccentDictionary, {}, {}, frontEndWhy_} : check;
    VoiceStop();
    takeVoice(std::move(choice));
    settings_.voice = voice;
    return {};
}

bool VoiceEngine::isPrepared(const QString &text) const
{
    return cache_.contains(cacheKey(text, settings_));
}

bool VoiceEngine::isPreparing() const
{
    const std::lock_guard lock(prepareMutex_);
    return working_ || !jobs_.empty();
}

void VoiceEngine::prepare(const QStringList &texts)
{
    const std::lock_guard lock(prepareMutex_);
    current_.request_stop();
    jobs_.clear();
    preparedTexts_.clear();
    for (const QString &text : texts) {
        if (text.trimmed().isEmpty() || preparedTexts_.contains(text))
            continue;
        preparedTexts_ << text;
        jobs_.push_back(Job{text, voice_, labels_, settings_});
    }
    // The first text of the tape first.
    std::reverse(jobs_.begin(), jobs_.end());
    prepareWake_.notify_all();
}

void VoiceEngine::prepareLoop(std::stop_token stop)
{
    // A synthesiser of the preparer's own: the one speaking is never kept
    // waiting.
    std::unique_ptr<Synthesiser> synthesiser;
    QString synthesiserVoice;
    while (!stop.stop_requested()) {
        Job job;
        std::stop_token jobStop;
        {
            std::unique_lock lock(prepareMutex_);
            working_ = false;
            if (!prepareWake_.wait(lock, stop, [this] { return !jobs_.empty(); }))
                return;
            job = std::move(jobs_.back());
            jobs_.pop_back();
            current_ = std::stop_source();
            jobStop = current_.get_token();
            working_ = true;
        }
        VoiceSettings settings = job.settings;
        settings.voice = job.voice;
        const QString key = keyOf(settings, dictionaries_.load(), job.text);
        if (cache_.contains(key))
            continue;
        if (!synthesiser || synthesiserVoice != job.voice) {
            synthesiser = voices::open(job.voice);
            synthesiserVoice = job.voice;
        }
        if (!synthesiser)
            continue;
        std::vector<std::int16_t> made;
        const bool ok = render(job.text, job.settings, *synthesiser, job.labels, jobStop,
                               [&made](const std::int16_t *s, std::size_t n) { made.insert(made.end(), s, s + n); });
        if (ok && !jobStop.stop_requested())
            cache_.put(key, std::move(made));
    }
}

bool VoiceEngine::render(const QString &text, const VoiceSettings &settings, Synthesiser &synthesiser, bool labels,
                         std::stop_token stop, const std::function<void(const std::int16_t *, std::size_t)> &out) const
{
    const SpokenText words = spoken(text, labels);
    Resampler resampler(synthesiser.sampleRate(), mixer_.sampleRate(), 1);
    if (!resampler.isValid())
        return false;
    std::vector<float> mono;
    std::vector<float> resampled;
    std::vector<std::int16_t> made;
    bool ok = true;
    // One piece of speech at the mixer's rate, as 16-bit samples: what is
    // played and what is kept alike, so that both are the same.
    auto forward = [&](const std::int16_t *samples, int count, bool last) {
        mono.resize(static_cast<std::size_t>(count));
        std::transform(samples, samples + count, mono.begin(), [](std::int16_t s) { return s / 32768.0f; });
        resampled.clear();
        if (!resampler.convert(mono.data(), mono.size(), last, resampled)) {
            ok = false;
            return;
        }
        made.resize(resampled.size());
        std::transform(resampled.begin(), resampled.end(), made.begin(), [](float f) {
            return static_cast<std::int16_t>(std::clamp(std::lround(f * 32768.0f), -32768L, 32767L));
        });
        if (!made.empty())
            out(made.data(), made.size());
    };
    ok = synthesiser.synthesise(words, settings, stop, [&](const std::int16_t *samples, int count) {
        if (ok && count > 0)
            forward(samples, count, false);
    }) && ok;
    if (ok && !stop.stop_requested())
        forward(nullptr, 0, true);
    return ok;
}

bool VoiceEngine::writeToRing(const std::int16_t *samples, std::size_t count, const std::stop_token *stop)
{
    float stereo[2 * 512];
    for (std::size_t at = 0; at < count;) {
        const std::size_t n = std::min<std::size_t>(512, count - at);
        for (std::size_t i = 0; i < n; ++i)
            stereo[2 * i] = stereo[2 * i + 1] = samples[at + i] / 32768.0f;
        if (stop) {
            if (!ring_->writeAll(stereo, n, *stop))
                return false;
        } else if (ring_->write(stereo, n) != n) {
            return false;
        }
        at += n;
    }
    return true;
}

void VoiceEngine::VoiceStop()
{
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
    busy_ = false;
    failed_ = false;
    mixer_.flushStream(channel_);
}

void VoiceEngine::VoiceSpeak(const QString &text)
{
    VoiceStop();
    busy_ = true;
    // The mixer counts the speech as sounding from now on, before its first
    // sample is made, and an output that idles gets ready for it.
    ring_->setWriting(true);
    mixer_.wake();
    const QString key = cacheKey(text, settings_);
    if (SpeechCache::Samples made = cache_.find(key)) {
        // The first part now, the rest from the worker.
        const std::size_t first = std::min({made->size(), ring_->writableFrames(),
                                            static_cast<std::size_t>(mixer_.sampleRate() * kFirstPartMs / 1000)});
        writeToRing(made->data(), first, nullptr);
        worker_ = std::jthread([this, made = std::move(made), first](std::stop_token stop) {
            speakMade(std::move(stop), made, first);
        });
        return;
    }
    worker_ = std::jthread([this, text, settings = settings_, key](std::stop_token stop) {
        speakNew(std::move(stop), text, settings, key);
    });
}

void VoiceEngine::speakMade(std::stop_token stop, SpeechCache::Samples samples, std::size_t from)
{
    writeToRing(samples->data() + from, samples->size() - from, &stop);
    ring_->setWriting(false);
    busy_ = false;
}

void VoiceEngine::speakNew(std::stop_token stop, QString text, VoiceSettings settings, QString key)
{
    std::vector<std::int16_t> made;
    bool written = true;
    const bool ok = render(text, settings, *synthesiser_, labels_, stop, [&](const std::int16_t *s, std::size_t n) {
        made.insert(made.end(), s, s + n);
        written = written && writeToRing(s, n, &stop);
    });
    if (!ok && !stop.stop_requested())
        failed_ = true;
    else if (ok && written && !stop.stop_requested())
        cache_.put(key, std::move(made));
    ring_->setWriting(false);
    busy_ = false;
}

std::int32_t VoiceEngine::VoiceStatus()
{
    if (failed_)
        return StatusFailed;
    if (busy_ || !mixer_.streamDrained(channel_))
        return StatusSpeaking;
    return StatusIdle;
}

bool speakToSamples(const SpokenText &text, Synthesiser &synthesiser, const VoiceSettings &settings,
                    std::vector<std::int16_t> &samples)
{
    const float gain = gainOf(settings);
    return synthesiser.synthesise(text, settings, std::stop_token(), [&](const std::int16_t *data, int count) {
        for (int i = 0; i < count; ++i)
            samples.push_back(static_cast<std::int16_t>(std::clamp(data[i] * gain, -32768.0f, 32767.0f)));
    });
}

} // namespace kerubara
