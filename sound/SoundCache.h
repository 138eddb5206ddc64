// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/PcmBuffer.h"

#include <QString>

#include <cstddef>
#include <list>
#include <memory>

namespace kerubara {

// Decoded sounds by file, so that a chime played at every step is decoded
// once and then played from memory. The key names the file's path, size and
// time of change, so an edited file is decoded afresh. Least recently used
// sounds are dropped beyond the byte limit.
class SoundCache
{
public:
    static constexpr std::size_t kDefaultLimit = std::size_t{256} << 20;

    explicit SoundCache(std::size_t maxBytes = kDefaultLimit) : maxBytes_(maxBytes) {}

    std::shared_ptr<const PcmBuffer> find(const QString &key);
    void insert(const QString &key, std::shared_ptr<const PcmBuffer> sound);
    std::size_t bytes() const { return bytes_; }

    // The key of a file decoded as `kind`; empty when the file does not exist.
    static QString keyFor(const QString &path, const QString &kind);

private:
    struct Entry
    {
        QString key;
        std::shared_ptr<const PcmBuffer> sound;
    };

    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    std::list<Entry> entries_; // most recently used first
};

} // namespace kerubara
