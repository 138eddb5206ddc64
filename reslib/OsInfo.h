#pragma once

#include <QString>

#include <functional>

// The operating system's name as the resource library reports it. Callers
// only compare it with "Windows Vista", where speech synthesis is unavailable;
// here it is the platform's own product name.
QString GetOsInfo();

namespace kerubara {

// Replaces the answer of GetOsInfo() while the object lives, so tests can
// pretend to run on another system. Only one may be active at a time.
class ScopedOsInfo
{
public:
    explicit ScopedOsInfo(QString name);
    ~ScopedOsInfo();
    ScopedOsInfo(const ScopedOsInfo &) = delete;
    ScopedOsInfo &operator=(const ScopedOsInfo &) = delete;
};

} // namespace kerubara
