// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundCache.h"

#include <QDateTime>
#include <QFileInfo>

namespace kerubara {

QString SoundCache::keyFor(const QString &path, const QString &kind)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return QStringLiteral("%1|%2|%3|%4")
        .arg(kind, info.canonicalFilePath(), QString::number(info.size()),
             QString::number(info.lastModified().toMSecsSinceEpoch()));
}

std::shared_ptr<const PcmBuffer> SoundCache::find(const QString &key)
{
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->key == key) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().sound;
        }
    }
    return nullptr;
}

void SoundCache::insert(const QString &key, std::shared_ptr<const PcmBuffer> sound)
{
    if (key.isEmpty() || !sound)
        return;
    std::erase_if(entries_, [&](const Entry &e) {
        if (e.key != key)
            return false;
        bytes_ -= e.sound->bytes();
        return true;
    });
    bytes_ += sound->bytes();
    entries_.push_front({key, std::move(sound)});
    // Keep at least the newest sound, however large.
    while (bytes_ > maxBytes_ && entries_.size() > 1) {
        bytes_ -= entries_.back().sound->bytes();
        entries_.pop_back();
    }
}

} // namespace kerubara
