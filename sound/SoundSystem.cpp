#include "sound/SoundSystem.h"

#include "reslib/ApiSleep.h"
#include "reslib/ProgramInfo.h"
#include "sound/MidiRenderer.h"
#include "sound/WavDecoder.h"

#include <QFile>
#include <QFileInfo>

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
}

SoundSystem::~SoundSystem() = default;

void SoundSystem::PlaySnd(const QString &file, const QString &alias, std::int16_t wait, std::int16_t pause)
{
    // A directory search for the name: only a file counts.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    const QString a = aliasPrefix_ + alias;
    mciSendString(QStringLiteral("close ") + a);
    const QString ending = trimSpaces(file.right(3).toUpper());
    QString type;
    if (ending == u"WAV")
        type = QStringLiteral("waveaudio");
    else if (ending == u"MID")
        type = QStringLiteral("sequencer");
    else
        return;
    mciSendString(QStringLiteral("open \"%1\" type %2 alias %3 wait").arg(file, type, a));
    if (wait == 0) {
        mciSendString(QStringLiteral("stop ") + a);
        mciSendString(QStringLiteral("play %1 from 0").arg(a));
        ApiSleep(0);
    } else {
        mciSendString(QStringLiteral("play %1 from 0 wait").arg(a));
        ApiSleep(pause);
    }
}

void SoundSystem::CloseAllSnd()
{
    for (const char *name : kChannelNames)
        mciSendString(QStringLiteral("close ") + aliasPrefix_ + QLatin1StringView(name));
}

bool SoundSystem::isOpen(const QString &alias) const
{
    return channels_.contains(key(alias));
}

int SoundSystem::mciSendString(const QString &command)
{
    if (log_)
        log_(command);
    const MciCommand c = MciCommand::parse(command);
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

std::shared_ptr<const PcmBuffer> SoundSystem::load(const QString &file, MciCommand::Type type)
{
    const QString kind = type == MciCommand::Type::WaveAudio ? QStringLiteral("wave") : QStringLiteral("midi");
    const QString cacheKey = SoundCache::keyFor(file, kind);
    if (cacheKey.isEmpty())
        return nullptr;
    if (auto sound = cache_.find(cacheKey))
        return sound;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = f.readAll();
    std::shared_ptr<const PcmBuffer> sound;
    if (type == MciCommand::Type::WaveAudio) {
        sound = decodeWav(bytes, output_->sampleRate());
    } else {
        if (!midi_)
            midi_ = std::make_unique<MidiRenderer>(output_->sampleRate());
        sound = midi_->render(bytes);
    }
    cache_.insert(cacheKey, sound);
    return sound;
}

int SoundSystem::open(const MciCommand &c)
{
    if (channels_.contains(key(c.alias)))
        return MciAliasInUse;
    auto sound = load(c.file, c.type);
    if (!sound)
        return MciCannotOpen;
    if (freeVoices_.empty())
        return MciNoVoice;
    Channel channel;
    channel.voice = freeVoices_.back();
    freeVoices_.pop_back();
    channel.sound = std::move(sound);
    channels_.insert(key(c.alias), std::move(channel));
    return MciOk;
}

int SoundSystem::play(const MciCommand &c)
{
    const auto it = channels_.constFind(key(c.alias));
    if (it == channels_.cend())
        return MciUnknownAlias;
    Mixer &m = mixer();
    // Without "from" a sound still playing goes on; otherwise it starts over.
    if (c.fromMs >= 0 || !m.isPlaying(it->voice))
        m.play(it->voice, it->sound, std::max<std::int64_t>(c.fromMs, 0) * m.sampleRate() / 1000);
    if (c.wait)
        m.waitUntilEnded(it->voice);
    return MciOk;
}

int SoundSystem::stop(const MciCommand &c)
{
    const auto it = channels_.constFind(key(c.alias));
    if (it == channels_.cend())
        return MciUnknownAlias;
    mixer().stop(it->voice);
    return MciOk;
}

int SoundSystem::close(const MciCommand &c)
{
    const auto it = channels_.constFind(key(c.alias));
    if (it == channels_.cend())
        return MciUnknownAlias;
    mixer().play(it->voice, nullptr);
    freeVoices_.push_back(it->voice);
    channels_.erase(it);
    return MciOk;
}

} // namespace kerubara
