// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SpeechCache.h"

namespace kerubara {

SpeechCache::Samples SpeechCache::find(const QString &key)
{
    const std::lock_guard lock(mutex_);
    const auto it = index_.constFind(key);
    if (it == index_.constEnd())
        return nullptr;
    order_.splice(order_.begin(), order_, *it);
    return order_.front().samples;
}

bool SpeechCache::contains(const QString &key) const
{
    const std::lock_guard lock(mutex_);
    return index_.contains(key);
}

void SpeechCache::put(const QString &key, std::vector<std::int16_t> samples)
{
    const std::size_t size = samples.size() * sizeof(std::int16_t);
    const std::lock_guard lock(mutex_);
    if (size > budget_)
        return;
    if (const auto it = index_.constFind(key); it != index_.constEnd()) {
        bytes_ -= (*it)->samples->size() * sizeof(std::int16_t);
        order_.erase(*it);
        index_.remove(key);
    }
    while (bytes_ + size > budget_ && !order_.empty()) {
        bytes_ -= order_.back().samples->size() * sizeof(std::int16_t);
        index_.remove(order_.back().key);
        order_.pop_back();
    }
    order_.push_front(Entry{key, std::make_shared<const std::vector<std::int16_t>>(std::move(samples))});
    index_.insert(key, order_.begin());
    bytes_ += size;
}

void SpeechCache::clear()
{
    const std::lock_guard lock(mutex_);
    order_.clear();
    index_.clear();
    bytes_ = 0;
}

std::size_t SpeechCache::bytes() const
{
    const std::lock_guard lock(mutex_);
    return bytes_;
}

} // namespace kerubara
