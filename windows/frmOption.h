// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/OleColor.h"
#include "settings/SettingsModel.h"
#include "windows/frmOptionControls.h"

#include <QDialog>
#include <QHash>

#include <array>
#include <cstdint>
#include <optional>


namespace kerubara {

// The ticket plug-in setting, as messages name it (translated where shown).
inline constexpr const char *kPluginSetting = QT_TRANSLATE_NOOP("kerubara::frmOption", "整理券プラグイン");

class ColorButton;
struct SettingsRecords;

// The options window "オプション": a view of the settings model's records.
// Each control is bound to its field by the field's name: a change in the
// window is in the records at once, and a change of the records from
// elsewhere (recordChanged, recordsReplaced) is shown. The window is made
// when the user first asks for it, shown modally from the control panel,
// and OK (or closing it) only hides it.
class frmOption : public QDialog, private frmOptionControls
{
    Q_OBJECT

public:
    // A view of `settings` (which outlives the window); the stop request's
    // chime, which the settings file has no place for, is one of its
    // preferences.
    explicit frmOption(SettingsModel &settings, QWidget *parent = nullptr);
    ~frmOption() override;

    // OK: the settings apply to the panel and the console
    // (settingsApplied).
    void SetProp();
    // Lets the user choose the colour of one of the colour buttons.
    void GetBtnColor(ColorButton *button);
    // Fills Combo2 with the twelve ticket-number styles and chooses the first.
    void AddComboItem();
    // Copies every setting from its control into the settings records, and
    // back. Showing the records raises the handlers of the check boxes and
    // option buttons it changes, shows the digit colours on the sample digit
    // and ends with SetPlgin; a stored list index outside its list throws
    // VbError 380. The window shows the records when it is made and whenever
    // the model's records are replaced.
    void GetOptionInfo();
    void SetOptionInfo();
    // The folder dialog; the chosen folder or the empty text.
    QString GetPathString();

    // Loads what the ticket plug-in at `path` can print into page 5 (the
    // list and the notes). 0 when nothing was loaded: an empty path, or a
    // file that is no valid plug-in (then nothing changes).
    std::int32_t SetPlgin(const QString &path);

    // Handlers, named after the controls they belong to.
    void Option1_Click(int index);
    void Option5_Click(int index);
    void Check1_Click();
    void Check3_Click(int index);
    void Option3_Click(int index);
    void chkUseSeiriPrev_Click();
    void Command3_Click(int index);
    void Command10_Click(int index);
    void Command6_Click(int index);
    void cmdSelectSound_Click(int index);
    void cmdStopRequestSound_Click();
    void Command5_Click(int index);
    void Command8_Click(int index);
    void Command9_Click(int index);
    void Command7_Click();
    void Command1_Click();
    void Command11_Click();
    void Command4_Click();

    // The controls themselves, for tests and benchmarks that work the window
    // as a user would. The program never uses them (scripts/check-layers.sh).
    const frmOptionControls &controlsForTesting() const { return *this; }

signals:
    // OK: the panel settings apply to the panel and the console.
    void settingsApplied();
    // The user chose the ticket plug-in at `pluginPath` (a valid one): the
    // console takes its preview size and companies. The company list
    // empties first, whatever the choice turns out to be.
    void companiesCleared();
    void ticketPluginChosen(const QString &pluginPath);

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    // The tabs' captions in the largest font that fits them all, broken
    // between words where a caption is too wide for its tab.
    void fitTabCaptions();
    void connectHandlers();
    // The choice of the words' language, kept in the preferences.
    void offerLanguages(PreferenceStore &preferences);
    // The path boxes refuse a text the settings file cannot hold.
    void guardPathBoxes();
    void Form_Load();
    // The controls holding the settings file's settings, by the settings'
    // names ("Combo4(3)"), gathered on first use.
    const QHash<QString, QWidget *> &settingControls();

    // Binds every control of a field to the records: a change in the window
    // is stored at once, a change of the records from elsewhere is shown.
    void bindToRecords();
    // Copies one field from its control into the records, and back.
    void storeField(const QString &name);
    void showField(const QString &name);

    SettingsModel &settings_;
    SettingsRecords &ini_;
    // While the records are being shown, the controls' changes are not
    // stored back one by one (a handler may change a control whose field is
    // still to come); all are stored once the showing ends.
    bool showingRecords_ = false;
    QHash<QString, QWidget *> settingControls_;
};

} // namespace kerubara
