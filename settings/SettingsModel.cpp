// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsModel.h"

#include "reslib/Clock.h"
#include "reslib/Cp932.h"
#include "settings/SettingsLocation.h"

namespace kerubara {
namespace {

constexpr int kFareColumns = 150;

// A list that names a fare data column: 1-based, 0 when none is chosen.
int columnOf(std::int16_t index)
{
    const int column = index + 1;
    return column >= 1 && column <= kFareColumns ? column : 0;
}

// An option button is chosen when its value is not 0 (the window writes -1).
bool chosen(std::int16_t option)
{
    return option != 0;
}

} // namespace

SettingsModel::SettingsModel(Preferences preferences, QObject *parent)
    : QObject(parent), records_(settingsfile::initialRecords(wallClock().date())), preferences_(preferences)
{
}

void SettingsModel::replaceRecords(const SettingsRecords &records)
{
    records_ = records;
    emit recordsReplaced();
}

QString SettingsModel::usedPath(const QByteArray &stored) const
{
    return pathFromSettings(cp932::decode(stored), settingsFile_);
}

QString SettingsModel::fareDataFolder() const
{
    return usedPath(records_.FolderData.Text2[0]);
}

QString SettingsModel::broadcastDataFolder() const
{
    return usedPath(records_.FolderData.Text2[1]);
}

QString SettingsModel::routeSettingSound() const
{
    return usedPath(records_.SoundData.txtSelectSound[0]);
}

QString SettingsModel::keySound() const
{
    return usedPath(records_.SoundData.txtSelectSound[1]);
}

bool SettingsModel::stepSoundAlways() const
{
    return chosen(records_.SoundData.Option2[0]);
}

QString SettingsModel::stepSoundFile() const
{
    return usedPath(records_.SoundData.txtSelectSound[7]);
}

QString SettingsModel::stepSoundFile(int flag) const
{
    if (flag < 1 || flag > 3)
        return {};
    return usedPath(records_.SoundData.txtSelectSound[static_cast<std::size_t>(7 + flag)]);
}

int SettingsModel::stepSoundFlagColumn() const
{
    return columnOf(records_.SoundData.Combo1);
}

std::int16_t SettingsModel::stepSoundWait() const
{
    return chosen(records_.SoundData.Option6[0]) ? -1 : 0;
}

QString SettingsModel::tapeSoundFile(int index) const
{
    if (index < 3 || index > 6)
        return {};
    return usedPath(records_.SoundData.txtSelectSound[static_cast<std::size_t>(index)]);
}

bool SettingsModel::preBroadcastSoundAlways() const
{
    return chosen(records_.SoundData.Option2[2]);
}

bool SettingsModel::preBroadcastSoundWaits() const
{
    return chosen(records_.SoundData.Option7[0]);
}

SettingsModel::TicketDateMode SettingsModel::ticketDateMode() const
{
    const auto &option = records_.SeirikenData.Option4;
    if (chosen(option[0]))
        return TicketDateMode::EachTicket;
    if (chosen(option[1]))
        return TicketDateMode::AtRouteSetting;
    return TicketDateMode::Fixed;
}

QString SettingsModel::fixedTicketDate() const
{
    return cp932::decode(records_.SeirikenData.Label10);
}

bool SettingsModel::ticketPreviewInUse() const
{
    return records_.SeirikenData.chkUseSeiriPrev == 1;
}

QString SettingsModel::ticketPluginPath() const
{
    return usedPath(records_.SeirikenData.txtSeiriPlgDir);
}

std::optional<int> SettingsModel::infoDigit(InfoDigit kind) const
{
    const auto i = static_cast<std::size_t>(kind);
    if (records_.DegitData.Check3[i] != 1)
        return std::nullopt;
    // No entry chosen names digit 0, the panel's hidden display.
    return records_.DegitData.Combo4[i] + 1;
}

bool SettingsModel::stopOrderFromZero() const
{
    return records_.DegitData.Check3[4] == 1;
}

int SettingsModel::infoDataColumn() const
{
    return columnOf(records_.DegitData.Combo4[4]);
}

std::int16_t SettingsModel::tsugiwaMode() const
{
    return records_.ChimeiData.Combo6;
}

QString SettingsModel::stopRequestSound() const
{
    const QString chosenFile = preferences_.text(Preference::StopRequestSound);
    return chosenFile.isEmpty() ? builtInStopRequest_ : chosenFile;
}

OleColor SettingsModel::backlightLabelColor(int state) const
{
    return records_.PanelData.Command5[static_cast<std::size_t>(state)];
}

std::optional<QString> SettingsModel::userPanelPicture(int state) const
{
    // Option3(1) chooses pictures of the user's; Option3(6), (2) and (5)
    // say which states take one (OFF, ON1, ON2).
    static constexpr std::array<int, 3> kUserOption{6, 2, 5};
    const auto s = static_cast<std::size_t>(state);
    const auto &option = records_.PanelData.Option3;
    if (!chosen(option[1]) || !chosen(option[static_cast<std::size_t>(kUserOption[s])]))
        return std::nullopt;
    return usedPath(records_.PanelData.txtSelectPanel[s]);
}

void SettingsModel::setBroadcastDataFolder(const QString &folder)
{
    records_.FolderData.Text2[1] = cp932::encode(folder);
    emit recordChanged(QStringLiteral("Text2(1)"));
}

void SettingsModel::setTsugiwaMode(std::int16_t mode)
{
    records_.ChimeiData.Combo6 = mode;
    emit recordChanged(QStringLiteral("Combo6"));
}

void SettingsModel::setTicketNumberStyle(std::int16_t style)
{
    records_.PanelData.Combo2 = style;
    emit recordChanged(QStringLiteral("Combo2"));
}

void SettingsModel::setLeadingZero(bool on)
{
    records_.PanelData.Check2 = on ? 1 : 0;
    emit recordChanged(QStringLiteral("Check2"));
}

} // namespace kerubara
