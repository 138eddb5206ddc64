#include "reslib/OsInfo.h"

#include <QSysInfo>

#include <optional>

namespace {

// The test override; empty in the program.
std::optional<QString> &overrideName()
{
    static std::optional<QString> name;
    return name;
}

} // namespace

QString GetOsInfo()
{
    if (const auto &name = overrideName())
        return *name;
    return QSysInfo::prettyProductName();
}

namespace kerubara {

ScopedOsInfo::ScopedOsInfo(QString name)
{
    overrideName() = std::move(name);
}

ScopedOsInfo::~ScopedOsInfo()
{
    overrideName().reset();
}

} // namespace kerubara
