// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings of a run in one object below the windows: the settings
// file's records (settingsfile::fields() is their one table) and the
// program's own preferences (preferences::table()). The unit reads its
// settings here, the options window is a view of the records bound to them
// by field name, and the data tool reads a settings file into one without
// any window.
//
// One save rule: the records go to the settings file at the confirmed exit
// (and when the user saves them); a preference is kept in kerubara.conf the
// moment it changes.

#include "settings/OperationSettings.h"
#include "settings/Preferences.h"
#include "settings/SettingsFile.h"

#include <QObject>

namespace kerubara {

class SettingsModel : public QObject, public OperationSettings
{
    Q_OBJECT

public:
    // The records start as a program without a settings file has them
    // (settingsfile::initialRecords, dated today).
    explicit SettingsModel(Preferences preferences, QObject *parent = nullptr);

    // The records, as the settings file carries them. A view that changes
    // one through here says so with recordChanged().
    SettingsRecords &records() { return records_; }
    const SettingsRecords &records() const { return records_; }
    // All records at once (a settings file read): recordsReplaced().
    void replaceRecords(const SettingsRecords &records);
    PreferenceStore &preferences() { return preferences_; }

    // The settings file the folders and files are written in: a relative
    // one lies in that file's folder (the records keep it as written).
    void setSettingsFile(const QString &file) { settingsFile_ = file; }
    const QString &settingsFile() const { return settingsFile_; }
    // The chime the stop request plays when the user chose none.
    void setBuiltInStopRequestSound(const QString &file) { builtInStopRequest_ = file; }

    // ---- What the unit reads ----------------------------------------------
    // Data folders as written, a relative one in the settings file's folder;
    // empty means the folder the program started in.
    QString fareDataFolder() const override;      // Text2(0)
    QString broadcastDataFolder() const override; // Text2(1)
    QString routeSettingSound() const override;   // txtSelectSound(0)
    bool stepSoundAlways() const override;          // Option2(0)
    QString stepSoundFile() const override;         // txtSelectSound(7)
    QString stepSoundFile(int flag) const override; // txtSelectSound(8..10) for flags 1..3
    int stepSoundFlagColumn() const override;       // Combo1
    std::int16_t stepSoundWait() const override;    // Option6(0)
    QString tapeSoundFile(int index) const override; // txtSelectSound(3..6)
    bool preBroadcastSoundAlways() const override;   // Option2(2)
    bool preBroadcastSoundWaits() const override;    // Option7(0)
    TicketDateMode ticketDateMode() const override;  // Option4(0..2)
    QString fixedTicketDate() const override;        // Label10
    std::optional<int> infoDigit(InfoDigit kind) const override; // Check3(0..3), Combo4(0..3)
    bool stopOrderFromZero() const override;                      // Check3(4)
    int infoDataColumn() const override;                          // Combo4(4)
    std::int16_t tsugiwaMode() const override;                    // Combo6
    // The user's chime, else the built-in one.
    QString stopRequestSound() const override;

    // ---- What the windows and the data tool read --------------------------
    QString keySound() const;          // txtSelectSound(1)
    bool ticketPreviewInUse() const;   // chkUseSeiriPrev
    QString ticketPluginPath() const;  // txtSeiriPlgDir
    // The backlight state's label colour, and its own picture file when the
    // user chose one for that state (0 OFF, 1 ON1, 2 ON2).
    OleColor backlightLabelColor(int state) const;            // Command5(state)
    std::optional<QString> userPanelPicture(int state) const; // Option3, txtSelectPanel

    // ---- Changes that do not come from the options window -----------------
    void setBroadcastDataFolder(const QString &folder); // Text2(1)
    void setTsugiwaMode(std::int16_t mode);             // Combo6
    void setTicketNumberStyle(std::int16_t style);      // Combo2
    void setLeadingZero(bool on);                       // Check2

signals:
    // A record's field changed other than through its view (by its name in
    // the table, "Text2(1)"): the view shows the new value.
    void recordChanged(const QString &field);
    // Every record may have changed: the view shows them all again.
    void recordsReplaced();

private:
    QString usedPath(const QByteArray &stored) const;

    SettingsRecords records_;
    PreferenceStore preferences_;
    QString settingsFile_;
    QString builtInStopRequest_;
};

} // namespace kerubara
