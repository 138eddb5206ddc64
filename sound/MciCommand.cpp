// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MciCommand.h"

#include <utility>

namespace kerubara {
namespace {

bool is(const QString &word, QLatin1StringView keyword)
{
    return word.compare(keyword, Qt::CaseInsensitive) == 0;
}

MciCommand::Type deviceType(const QString &word)
{
    if (is(word, QLatin1StringView("waveaudio")))
        return MciCommand::Type::WaveAudio;
    if (is(word, QLatin1StringView("sequencer")))
        return MciCommand::Type::Sequencer;
    return MciCommand::Type::None;
}

MciCommand parseOpen(const QStringList &w)
{
    MciCommand c;
    if (w.size() < 2)
        return c;
    c.file = w[1];
    for (qsizetype i = 2; i < w.size(); ++i) {
        if (is(w[i], QLatin1StringView("wait"))) {
            c.wait = true;
        } else if (is(w[i], QLatin1StringView("type")) && i + 1 < w.size()) {
            c.type = deviceType(w[++i]);
            if (c.type == MciCommand::Type::None)
                return {};
        } else if (is(w[i], QLatin1StringView("alias")) && i + 1 < w.size()) {
            c.alias = w[++i];
        } else {
            return {};
        }
    }
    if (c.type == MciCommand::Type::None || c.alias.isEmpty())
        return {};
    c.verb = MciCommand::Verb::Open;
    return c;
}

MciCommand parsePlay(const QStringList &w)
{
    MciCommand c;
    if (w.size() < 2)
        return c;
    c.alias = w[1];
    for (qsizetype i = 2; i < w.size(); ++i) {
        if (is(w[i], QLatin1StringView("wait"))) {
            c.wait = true;
        } else if (is(w[i], QLatin1StringView("from")) && i + 1 < w.size()) {
            bool ok = false;
            c.fromMs = w[++i].toLongLong(&ok);
            if (!ok || c.fromMs < 0)
                return {};
        } else {
            return {};
        }
    }
    c.verb = MciCommand::Verb::Play;
    return c;
}

// "stop A" and "close A", optionally followed by "wait".
MciCommand parseChannelCommand(const QStringList &w, MciCommand::Verb verb)
{
    MciCommand c;
    if (w.size() < 2 || w.size() > 3 || (w.size() == 3 && !is(w[2], QLatin1StringView("wait"))))
        return c;
    c.alias = w[1];
    c.wait = w.size() == 3;
    c.verb = verb;
    return c;
}

} // namespace

QStringList splitMciWords(QStringView command)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (const QChar ch : command) {
        if (quoted) {
            if (ch == u'"')
                quoted = false;
            else
                word += ch;
        } else if (ch == u'"') {
            quoted = true;
            inWord = true;
        } else if (ch == u' ' || ch == u'\t') {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

MciCommand MciCommand::parse(QStringView command)
{
    const QStringList w = splitMciWords(command);
    if (w.isEmpty())
        return {};
    if (is(w[0], QLatin1StringView("open")))
        return parseOpen(w);
    if (is(w[0], QLatin1StringView("play")))
        return parsePlay(w);
    if (is(w[0], QLatin1StringView("stop")))
        return parseChannelCommand(w, Verb::Stop);
    if (is(w[0], QLatin1StringView("close")))
        return parseChannelCommand(w, Verb::Close);
    return {};
}

QString MciCommand::text() const
{
    QString command;
    switch (verb) {
    case Verb::Open:
        command = QStringLiteral("open \"") + file + QStringLiteral("\" type ")
                + (type == Type::WaveAudio ? QStringLiteral("waveaudio") : QStringLiteral("sequencer"))
                + QStringLiteral(" alias ") + alias;
        break;
    case Verb::Play:
        command = QStringLiteral("play ") + alias;
        if (fromMs >= 0)
            command += QStringLiteral(" from ") + QString::number(fromMs);
        break;
    case Verb::Stop:
        command = QStringLiteral("stop ") + alias;
        break;
    case Verb::Close:
        command = QStringLiteral("close ") + alias;
        break;
    case Verb::Invalid:
        return {};
    }
    if (wait)
        command += QStringLiteral(" wait");
    return command;
}

} // namespace kerubara
