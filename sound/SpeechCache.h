// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <vector>

namespace kerubara {

// Speech made ahead: the samples of a text, at the mixer's rate, by a key
// naming the text, the voice and the settings that shaped them. Holds at most
// `budget` bytes; the text used longest ago goes first. Thread-safe.
class SpeechCache
{
public:
    using Samples = std::shared_ptr<const std::vector<std::int16_t>>;

    explicit SpeechCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

    // Null when the key has no samples.
    Samples find(const QString &key);
    bool contains(const QString &key) const;
    void put(const QString &key, std::vector<std::int16_t> samples);
    void clear();
    std::size_t bytes() const;

private:
    struct Entry
    {
        QString key;
        Samples samples;
    };
    mutable std::mutex mutex_;
    const std::size_t budget_;
    std::size_t bytes_ = 0;
    std::list<Entry> order_; // most recently used first
    QHash<QString, std::list<Entry>::iterator> index_;
};

} // namespace kerubara
