// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundSystem.h"

#include "reslib/ApiSleep.h"
#include "reslib/BoundedRead.h"
#include "reslib/ProgramInfo.h"
#include "sound/MidiRenderer.h"
#include "sound/MidiStream.h"
#include "sound/WavDecoder.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace kerubara {
namespace {

const char *const kChannelNames[] = {"S1", "S2", "S3", "S4"};

// VB's Trim: spaces only.
QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

MciCommand channelCommand(MciCommand::Verb verb, const QString &alias)
{
    MciCommand c;
    c.verb = verb;
    c.alias = alias;
    return c;
}

} // namespace

SoundSystem::SoundSystem(std::unique_ptr<AudioOutput> output, QString aliasPrefix)
    : output_(output ? std::move(output) : std::make_unique<NullAudioOutput>()),
      aliasPrefix_(aliasPrefix.isEmpty() ? programFileName() : std::move(aliasPrefix))
{
    // An alias is one word of a command: a program renamed to a name with
    // spaces would otherwise lose every sound.
    aliasPrefix_.replace(u' ', u'_');
    // Voice 0 is the speech channel; the others serve the aliases, lowest first.
    for (int v = output_->mixer().voiceCount() - 1; v >= 1; --v)
        freeVoices_.push_back(v);
    midiStreams_.resize(static_cast<std::size_t>(output_->mixer().voiceCount()));
}

SoundSystem::~SoundSystem() = default;

void SoundSystem::PlaySnd(const QString &file, const QString &alias, std::int16_t wait, std::int16_t pause)
{
    // A directory search for the name: only a file counts.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    const QString a = aliasPrefix_ + alias;
    send(channelCommand(MciCommand::Verb::Close, a));
    const QString ending = trimSpaces(file.right(3).toUpper());
    MciCommand opening = channelCommand(MciCommand::Verb::Open, a);
    if (ending == u"WAV")
        opening.type = MciCommand::Type::WaveAudio;
    else if (ending == u"MID")
        opening.type = MciCommand::Type::Sequencer;
    else
        return;
    opening.file = file;
    opening.wait = true;
    send(opening);
    MciCommand start = channelCommand(MciCommand::Verb::Play, a);
    start.fromMs = 0;
    if (wait == 0) {
        send(channelCommand(MciCommand::Verb::Stop, a));
        send(start);
        ApiSleep(0);
    } else {
        start.wait = true;
        send(start);
        ApiSleep(pause);
    }
}

void SoundSystem::CloseAllSnd()
{
    for (const char *name : kChannelNames)
        send(channelCommand(MciCommand::Verb::Close, aliasPrefix_ + QLatin1StringView(name)));
}

bool SoundSystem::isOpen(const QString &alias) const
{
    return channels_.contains(key(alias));
}

int SoundSystem::mciSendString(const QString &command)
{
    if (log_)
        log_(command);
    return carryOut(MciCommand::parse(command));
}

int SoundSystem::send(const MciCommand &c)
{
    if (log_)
        log_(c.text());
    return carryOut(c);
}

int SoundSystem::carryOut(const MciCommand &c)
{
    switch (c.verb) {
    case MciCommand::Verb::Open:
        return open(c);
    case MciCommand::Verb::Play:
        return play(c);
    case MciCommand::Verb::Stop:
        return stop(c);
    case MciCommand::Verb::Close:
        return close(c);
    case MciCommand::Verb::Invalid:
        break;
    }
    return MciBadCommand;
}

const MidiStream *SoundSystem::midiStream(const QString &alias) const
{
    const auto it = channels_.constFind(key(alias));
    if (it == channels_.cend() || it->midi.isEmpty())
        return nullptr;
    return midiStreams_[static_cast<std::size_t>(it->voice)].get();
}

MidiStream &SoundSystem::streamFor(int voice)
{
    auto &stream = midiStreams_[static_cast<std::size_t>(voice)];
    if (!stream)
        stream = std::make_unique<MidiStream>(mixer(), voice);
    return *stream;
}

std::shared_ptr<const PcmBuffer> SoundSystem::loadWave(const QString &file)
{
    const QString cacheKey = SoundCache::keyFor(file, QStringLiteral("wave"));
    if (cacheKey.isEmpty())
        return nullptr;
    if (auto sound = cache_.find(cacheKey))
        return sound;
    QFile f(file);
    if (openRegularFile(f) != FileOpening::Opened)
        return nullptr;
    auto sound = decodeWav(f.readAll(), output_->sampleRate());
    cache_.insert(cacheKey, sound);
    return sound;
}

// The file's bytes when it holds a MIDI piece and there is a sound font to
// play it with; it is rendered only while it plays.
QByteArray SoundSystem::loadMidi(const QString &file) const
{
    QFile f(file);
    if (MidiRenderer::soundFontPath().isEmpty() || openRegularFile(f) != FileOpening::Opened)
        return {};
    return MidiRenderer::standardMidiData(f.readAll());
}

int SoundSystem::open(const MciCommand &c)
{
    if (channels_.contains(key(c.alias)))
        return MciAliasInUse;
    Channel channel;
    if (c.type == MciCommand::Type::WaveAudio)
        channel.sound = loadWave(c.file);
    else
        channel.midi = loadMidi(c.file);
    if (!channel.sound && channel.midi.isEmpty())
        return MciCannotOpen;
    if (freeVoices_.empty())
        return MciNoVoice;
    channel.voice = freeVoices_.back();
    freeVoices_.pop_back();
    channels_.insert(key(c.alias), std::move(channel));
    return MciOk;
}

int SoundSystem::play(const MciCommand &c)
{
    const auto it = channels_.constFind(key(c.alias));
    if (it == channels_.cend())
        return MciUnknownAlias;
    Mixer &m = mixer();
    const std::int64_t from = std::max<std::int64_t>(c.fromMs, 0) * m.sampleRate() / 1000;
    // Without "from" a sound still playing goes on; otherwise it starts over.
    if (!it->midi.isEmpty()) {
        MidiStream &stream = streamFor(it->voice);
        if (c.fromMs >= 0 || !stream.isPlaying())
            stream.play(it->midi, from);
        if (c.wait)
            waitWhile(it->voice, [&stream] { return stream.isPlaying(); });
        return MciOk;
    }
    if (c.fromMs >= 0 || !m.isPlaying(it->voice))
        m.play(it->voice, it->sound, from);
    if (c.wait) {
        const int voice = it->voice;
        waitWhile(voice, [&m, voice] { return m.isPlaying(voice); });
    }
    return MciOk;
}

int SoundSystem::stop(const MciCommand &c)
{
    const auto it = channels_.constFind(key(c.alias));
    if (it == channels_.cend())
        return MciUnknownAlias;
    mixer().stop(it->voice);
    stopStream(it->voice);
    return MciOk;
}

int SoundSystem::close(const MciCommand &c)
{
    const auto it = channels_.constFind(key(c.alias));
    if (it == channels_.cend())
        return MciUnknownAlias;
    stopStream(it->voice);
    // Ends the voice's sound and lets the mixer release it.
    mixer().play(it->voice, nullptr);
    freeVoices_.push_back(it->voice);
    channels_.erase(it);
    return MciOk;
}

void SoundSystem::waitWhile(int voice, const std::function<bool()> &playing)
{
    // The hook may start another synchronous play; each waits for its own.
    const int outer = std::exchange(waitingVoice_, voice);
    waitEnded_ = false;
    while (waitingVoice_ == voice && playing()) {
        if (waitHook_)
            waitHook_();
        if (waitingVoice_ == voice && playing())
            mixer().waitForProgress();
    }
    waitEnded_ = waitingVoice_ != voice;
    waitingVoice_ = outer;
}

void SoundSystem::endWait()
{
    if (waitingVoice_ < 0)
        return;
    mixer().stop(waitingVoice_);
    stopStream(waitingVoice_);
    waitingVoice_ = -1;
}

void SoundSystem::stopStream(int voice)
{
    if (const auto &stream = midiStreams_[static_cast<std::size_t>(voice)])
        stream->stop();
}

} // namespace kerubara
