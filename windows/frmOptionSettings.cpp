// SPDX-License-Identifier: GPL-3.0-or-later
// The options window's settings by name: what the rest of the program reads.
#include "settings/SettingsLocation.h"
#include "sound/Chimes.h"
#include "windows/SettingValues.h"
#include "windows/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kerubara {
namespace {

constexpr int kFareColumns = 150;

// A list that names a fare data column: 1-based, 0 when none is chosen.
int columnOf(const QComboBox *list)
{
    const int column = listIndex(list) + 1;
    return column >= 1 && column <= kFareColumns ? column : 0;
}

} // namespace

void frmOption::setSettingsFile(const QString &file)
{
    settingsFile_ = file;
}

QString frmOption::usedPath(const QString &typed) const
{
    return pathFromSettings(typed, settingsFile_);
}

QString frmOption::fareDataFolder() const
{
    return usedPath(Text2[0]->text());
}

QString frmOption::broadcastDataFolder() const
{
    return usedPath(Text2[1]->text());
}

void frmOption::setBroadcastDataFolder(const QString &folder)
{
    Text2[1]->setText(folder);
}

QString frmOption::routeSettingSound() const
{
    return usedPath(txtSelectSound[0]->text());
}

QString frmOption::keySound() const
{
    return usedPath(txtSelectSound[1]->text());
}

bool frmOption::stepSoundAlways() const
{
    return Option2[0]->isChecked();
}

QString frmOption::stepSoundFile() const
{
    return usedPath(txtSelectSound[7]->text());
}

QString frmOption::stepSoundFile(int flag) const
{
    if (flag < 1 || flag > 3)
        return {};
    return usedPath(txtSelectSound[static_cast<std::size_t>(7 + flag)]->text());
}

int frmOption::stepSoundFlagColumn() const
{
    return columnOf(Combo1);
}

std::int16_t frmOption::stepSoundWait() const
{
    return optionValue(Option6[0]);
}

QString frmOption::tapeSoundFile(int index) const
{
    if (index < 3 || index > 6)
        return {};
    return usedPath(txtSelectSound[static_cast<std::size_t>(index)]->text());
}

bool frmOption::preBroadcastSoundAlways() const
{
    return Option2[2]->isChecked();
}

bool frmOption::preBroadcastSoundWaits() const
{
    return Option7[0]->isChecked();
}

frmOption::TicketDateMode frmOption::ticketDateMode() const
{
    if (Option4[0]->isChecked())
        return TicketDateMode::EachTicket;
    if (Option4[1]->isChecked())
        return TicketDateMode::AtRouteSetting;
    return TicketDateMode::Fixed;
}

QString frmOption::fixedTicketDate() const
{
    return Label10->text();
}

bool frmOption::ticketPreviewInUse() const
{
    return checkValue(chkUseSeiriPrev) == 1;
}

QString frmOption::ticketPluginPath() const
{
    return usedPath(txtSeiriPlgDir->text());
}

std::optional<int> frmOption::infoDigit(InfoDigit kind) const
{
    const auto i = static_cast<std::size_t>(kind);
    if (checkValue(Check3[i]) != 1)
        return std::nullopt;
    // No entry chosen names digit 0, the panel's hidden display.
    return listIndex(Combo4[i]) + 1;
}

bool frmOption::stopOrderFromZero() const
{
    return checkValue(Check3[4]) == 1;
}

int frmOption::infoDataColumn() const
{
    return columnOf(Combo4[4]);
}

std::int16_t frmOption::tsugiwaMode() const
{
    return listIndex(Combo6);
}

QString frmOption::stopRequestSound() const
{
    const QString chosen = txtStopRequestSound->text();
    return chosen.isEmpty() ? chimes::stopRequestFile() : chosen;
}

void frmOption::setTsugiwaMode(std::int16_t mode)
{
    setListIndex(Combo6, mode);
}

void frmOption::setTicketNumberStyle(std::int16_t style)
{
    setListIndex(Combo2, style);
}

void frmOption::setLeadingZero(bool on)
{
    setCheckValue(Check2, on ? 1 : 0);
}

OleColor frmOption::backlightLabelColor(int state) const
{
    return buttonColor(Command5[static_cast<std::size_t>(state)]);
}

std::optional<QString> frmOption::userPanelPicture(int state) const
{
    // Option3(1) chooses pictures of the user's; Option3(6), (2) and (5)
    // say which states take one (OFF, ON1, ON2).
    static constexpr std::array<int, 3> kUserOption{6, 2, 5};
    const auto s = static_cast<std::size_t>(state);
    if (!Option3[1]->isChecked() || !Option3[static_cast<std::size_t>(kUserOption[s])]->isChecked())
        return std::nullopt;
    return usedPath(txtSelectPanel[s]->text());
}

} // namespace kerubara
