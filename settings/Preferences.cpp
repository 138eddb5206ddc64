// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Preferences.h"

#include <QSettings>

#include <algorithm>

namespace kerubara {
namespace preferences {

const std::vector<Row> &table()
{
    using P = Preference;
    static const std::vector<Row> rows{
        {P::PanelZoom, QStringLiteral("panel/zoom"), false, 1, kMaxZoom, 1},
        {P::FareDigits, QStringLiteral("panel/fareDigits"), false, kMinFareDigits, kMaxFareDigits, kMinFareDigits},
        {P::TicketPages, QStringLiteral("panel/ticketPages"), false, 1, kMaxTicketPages, 1},
        {P::PageSeconds, QStringLiteral("panel/pageSeconds"), false, 1, kMaxPageSeconds, kDefaultPageSeconds},
        {P::StopRequestSound, QStringLiteral("sound/stopRequest"), true},
        {P::AutoRunDwell, QStringLiteral("autorun/dwell"), false, 0, 600, 4},
        {P::AutoRunTravel, QStringLiteral("autorun/travel"), false, 0, 600, 6},
    };
    return rows;
}

const Row &row(Preference id)
{
    return table()[static_cast<std::size_t>(id)];
}

} // namespace preferences

namespace {

QSettings conf()
{
    return QSettings(QStringLiteral("kerubara"), QStringLiteral("kerubara"));
}

} // namespace

PreferenceStore::PreferenceStore(Preferences mode, QObject *parent) : QObject(parent), mode_(mode)
{
    static_assert(std::tuple_size_v<decltype(memory_)> == static_cast<std::size_t>(Preference::AutoRunTravel) + 1);
}

QVariant PreferenceStore::stored(Preference id) const
{
    if (mode_ == Preferences::Defaults)
        return memory_[static_cast<std::size_t>(id)];
    return conf().value(preferences::row(id).key);
}

void PreferenceStore::keep(Preference id, const QVariant &value)
{
    if (mode_ == Preferences::Defaults) {
        memory_[static_cast<std::size_t>(id)] = value;
        return;
    }
    QSettings settings = conf();
    if (value.isValid())
        settings.setValue(preferences::row(id).key, value);
    else
        settings.remove(preferences::row(id).key);
}

int PreferenceStore::number(Preference id) const
{
    const preferences::Row &row = preferences::row(id);
    bool ok = false;
    const int value = stored(id).toInt(&ok);
    return ok && value >= row.minimum && value <= row.maximum ? value : row.fallback;
}

QString PreferenceStore::text(Preference id) const
{
    return stored(id).toString();
}

void PreferenceStore::setNumber(Preference id, int value)
{
    const preferences::Row &row = preferences::row(id);
    const int kept = std::clamp(value, row.minimum, row.maximum);
    const bool differs = kept != number(id);
    keep(id, kept);
    if (differs)
        emit changed(id);
}

void PreferenceStore::setText(Preference id, const QString &value)
{
    const bool differs = value != text(id);
    keep(id, value.isEmpty() ? QVariant() : QVariant(value));
    if (differs)
        emit changed(id);
}

} // namespace kerubara
