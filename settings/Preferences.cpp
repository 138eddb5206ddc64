// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Preferences.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <optional>

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
        {P::Voice, QStringLiteral("voice/file"), true},
        {P::VoiceRate, QStringLiteral("voice/rate"), false, kMinVoiceRate, kMaxVoiceRate, kDefaultVoiceRate},
        {P::VoicePitch, QStringLiteral("voice/pitch"), false, kMinVoicePitch, kMaxVoicePitch, 0},
        {P::VoiceVolume, QStringLiteral("voice/volume"), false, kMinVoiceVolume, kMaxVoiceVolume, kMaxVoiceVolume},
        {P::VoiceAllPass, QStringLiteral("voice/allPass"), false, kMinVoiceAllPass, kMaxVoiceAllPass, kVoicesOwnAllPass},
        {P::Language, QStringLiteral("ui/language"), true},
    };
    return rows;
}

const Row &row(Preference id)
{
    return table()[static_cast<std::size_t>(id)];
}

QString oldVoiceFile()
{
    // Shared by the program and the data tool, whatever their file names.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kerubara/voice.ini");
}

} // namespace preferences

namespace {

QSettings conf()
{
    return QSettings(QStringLiteral("kerubara"), QStringLiteral("kerubara"));
}

constexpr std::array kVoiceRows{Preference::Voice, Preference::VoiceRate, Preference::VoicePitch,
                                Preference::VoiceVolume, Preference::VoiceAllPass};

// voice.ini holds a handful of short lines; a larger file is not one of ours.
constexpr qint64 kOldVoiceFileMax = 64 * 1024;
// The espeak-ng voice's rate of 160 words a minute was its natural pace.
constexpr double kOldNaturalRate = 160.0;

std::optional<int> oldNumber(const QSettings &file, const QString &key)
{
    bool ok = false;
    const int value = file.value(key).toString().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The rate of voice.ini: a percentage, or in the espeak-ng voice's days
// words a minute.
std::optional<int> oldRate(const QSettings &file)
{
    if (const auto percent = oldNumber(file, QStringLiteral("Voice/Speed")))
        return percent;
    if (const auto wpm = oldNumber(file, QStringLiteral("Voice/Rate")))
        return static_cast<int>(std::lround(*wpm * 100.0 / kOldNaturalRate));
    return std::nullopt;
}

// The pitch of voice.ini: half-tones, or in the espeak-ng voice's days 0 to
// 99 around 50.
std::optional<int> oldPitch(const QSettings &file)
{
    if (const auto halfTones = oldNumber(file, QStringLiteral("Voice/HalfTones")))
        return halfTones;
    if (const auto old = oldNumber(file, QStringLiteral("Voice/Pitch")))
        return static_cast<int>(std::lround((std::clamp(*old, 0, 99) - 50) * 12.0 / 50.0));
    return std::nullopt;
}

} // namespace

PreferenceStore::PreferenceStore(Preferences mode, QObject *parent) : QObject(parent), mode_(mode)
{
    static_assert(std::tuple_size_v<decltype(memory_)> == static_cast<std::size_t>(Preference::Language) + 1);
    if (mode_ == Preferences::Remembered)
        takeOldVoiceFile();
}

// Values missing from voice.ini or not numbers take their defaults, values
// out of range are brought into it; every number is kept, so that the
// preferences hold the voice from now on and the file is not read again.
void PreferenceStore::takeOldVoiceFile()
{
    const QSettings kept = conf();
    if (std::ranges::any_of(kVoiceRows, [&](Preference id) { return kept.contains(preferences::row(id).key); }))
        return;
    const QFileInfo info(preferences::oldVoiceFile());
    if (!info.isFile() || info.size() > kOldVoiceFileMax)
        return;
    const QSettings old(info.filePath(), QSettings::IniFormat);
    using P = Preference;
    setText(P::Voice, old.value(QStringLiteral("Voice/File")).toString());
    setNumber(P::VoiceRate, oldRate(old).value_or(preferences::kDefaultVoiceRate));
    setNumber(P::VoicePitch, oldPitch(old).value_or(preferences::row(P::VoicePitch).fallback));
    setNumber(P::VoiceVolume, oldNumber(old, QStringLiteral("Voice/Volume")).value_or(preferences::kMaxVoiceVolume));
    setNumber(P::VoiceAllPass, oldNumber(old, QStringLiteral("Voice/AllPass")).value_or(preferences::kVoicesOwnAllPass));
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
    const int kept = value == row.fallback ? value : std::clamp(value, row.minimum, row.maximum);
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
