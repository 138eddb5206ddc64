// SPDX-License-Identifier: GPL-3.0-or-later
// The options window and the settings records: every setting copied from its
// control into the records before the settings file is written, and back
// after it has been read, block by block in the file's order.
#include "app/Simulator.h"
#include "controls/digit/M_Degit.h"
#include "operation/frmCtl.h"
#include "reslib/Cp932.h"
#include "settings/SettingValues.h"
#include "settings/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kerubara {
namespace {

// A text field keeps its bytes while they still spell the control's text, so
// an unchanged text goes back to the file exactly as it came. The boxes refuse
// what code page 932 cannot hold; should such a text reach here all the same,
// the field keeps its previous text whole rather than losing characters.
void storeText(QByteArray &field, const QString &text)
{
    if (cp932::decode(field) == text)
        return;
    qsizetype unencodable = -1;
    QByteArray bytes = cp932::encode(text, &unencodable);
    if (unencodable < 0)
        field = std::move(bytes);
}

QString textOf(const QByteArray &field)
{
    return cp932::decode(field);
}

template<std::size_t N, typename Order = std::initializer_list<int>>
void storeOptions(std::array<std::int16_t, N> &field, const std::array<QRadioButton *, N> &buttons,
                  const Order &order)
{
    for (int i : order)
        field[static_cast<std::size_t>(i)] = optionValue(buttons[static_cast<std::size_t>(i)]);
}

template<std::size_t N, typename Order = std::initializer_list<int>>
void restoreOptions(const std::array<std::int16_t, N> &field, const std::array<QRadioButton *, N> &buttons,
                    const Order &order)
{
    for (int i : order)
        setOptionValue(buttons[static_cast<std::size_t>(i)], field[static_cast<std::size_t>(i)]);
}

// The panel pictures' options in the file's order.
constexpr std::array<int, 8> kOption3Order{0, 1, 7, 6, 3, 2, 4, 5};

} // namespace

void frmOption::GetOptionInfo()
{
    SettingsRecords &r = sim_.ini;

    FolderDataRecord &folders = r.FolderData;
    for (std::size_t i = 0; i < 2; ++i)
        storeText(folders.Text2[i], Text2[i]->text());

    PanelDataRecord &panel = r.PanelData;
    panel.Check1 = checkValue(Check1);
    for (std::size_t i = 0; i < 3; ++i)
        panel.Command5[i] = buttonColor(Command5[i]);
    panel.Combo2 = listIndex(Combo2);
    panel.Check2 = checkValue(Check2);
    storeOptions(panel.Option3, Option3, kOption3Order);
    for (std::size_t i = 0; i < 3; ++i)
        storeText(panel.txtSelectPanel[i], txtSelectPanel[i]->text());

    DegitDataRecord &digits = r.DegitData;
    for (std::size_t i = 0; i < 3; ++i)
        digits.Command8[i] = buttonColor(Command8[i]);
    for (std::size_t i = 0; i < 5; ++i) {
        digits.Check3[i] = checkValue(Check3[i]);
        digits.Combo4[i] = listIndex(Combo4[i]);
    }

    ChimeiDataRecord &name = r.ChimeiData;
    for (std::size_t i = 0; i < 3; ++i)
        name.Command9[i] = buttonColor(Command9[i]);
    name.Combo3 = listIndex(Combo3);
    name.Check4 = checkValue(Check4);
    name.Combo6 = listIndex(Combo6);
    name.Combo5 = listIndex(Combo5);
    name.Check5 = checkValue(Check5);

    SoundDataRecord &sound = r.SoundData;
    for (std::size_t i = 0; i < txtSelectSound.size(); ++i) {
        if (txtSelectSound[i])
            storeText(sound.txtSelectSound[i], txtSelectSound[i]->text());
    }
    storeOptions(sound.Option2, Option2, {0, 1, 2, 3});
    storeOptions(sound.Option6, Option6, {0, 1});
    sound.Combo1 = listIndex(Combo1);
    storeOptions(sound.Option7, Option7, {0, 1});

    SeirikenDataRecord &ticket = r.SeirikenData;
    ticket.chkUseSeiriPrev = checkValue(chkUseSeiriPrev);
    storeText(ticket.txtSeiriPlgDir, txtSeiriPlgDir->text());
    storeOptions(ticket.Option4, Option4, {0, 1, 2});
    storeText(ticket.Label10, Label10->text());
}

void frmOption::SetOptionInfo()
{
    const SettingsRecords &r = sim_.ini;

    // Block 1.
    for (std::size_t i = 0; i < 2; ++i)
        Text2[i]->setText(textOf(r.FolderData.Text2[i]));

    // Block 2, then the panel picture of the current backlight state again,
    // so that it follows the restored picture settings.
    const PanelDataRecord &panel = r.PanelData;
    setCheckValue(Check1, panel.Check1);
    for (std::size_t i = 0; i < 3; ++i)
        setButtonColor(Command5[i], panel.Command5[i]);
    setListIndex(Combo2, panel.Combo2);
    setCheckValue(Check2, panel.Check2);
    restoreOptions(panel.Option3, Option3, kOption3Order);
    for (std::size_t i = 0; i < 3; ++i)
        txtSelectPanel[i]->setText(textOf(panel.txtSelectPanel[i]));
    frmCtl &ctl = sim_.ctl();
    ctl.Option4_Click(ctl.Option4[0]->isChecked() ? 0 : ctl.Option4[1]->isChecked() ? 1 : 2);

    // Block 3, then the sample digit in the digit colours.
    const DegitDataRecord &digits = r.DegitData;
    for (std::size_t i = 0; i < 3; ++i)
        setButtonColor(Command8[i], digits.Command8[i]);
    setCheckValue(Check3[0], digits.Check3[0]);
    setListIndex(Combo4[0], digits.Combo4[0]);
    setCheckValue(Check3[4], digits.Check3[4]);
    for (std::size_t i : {1, 2}) {
        setCheckValue(Check3[i], digits.Check3[i]);
        setListIndex(Combo4[i], digits.Combo4[i]);
    }
    setCheckValue(Check3[3], digits.Check3[3]);
    setListIndex(Combo4[4], digits.Combo4[4]);
    setListIndex(Combo4[3], digits.Combo4[3]);
    M_Degit1->setBackColor(digits.Command8[0]);
    M_Degit1->setBaseForeColor(digits.Command8[1]);
    M_Degit1->setDegitForeColor(digits.Command8[2]);

    // Block 4.
    const ChimeiDataRecord &name = r.ChimeiData;
    setButtonColor(Command9[0], name.Command9[0]);
    setButtonColor(Command9[1], name.Command9[1]);
    setListIndex(Combo3, name.Combo3);
    setCheckValue(Check4, name.Check4);
    setListIndex(Combo6, name.Combo6);
    setButtonColor(Command9[2], name.Command9[2]);
    setListIndex(Combo5, name.Combo5);
    setCheckValue(Check5, name.Check5);

    // Block 5.
    const SoundDataRecord &sound = r.SoundData;
    auto restoreSounds = [&](std::initializer_list<std::size_t> indexes) {
        for (std::size_t i : indexes)
            txtSelectSound[i]->setText(textOf(sound.txtSelectSound[i]));
    };
    restoreSounds({0, 1});
    restoreOptions(sound.Option2, Option2, {0, 1});
    restoreOptions(sound.Option6, Option6, {0, 1});
    restoreSounds({7});
    setListIndex(Combo1, sound.Combo1);
    restoreSounds({8, 9, 10});
    restoreOptions(sound.Option2, Option2, {2, 3});
    restoreOptions(sound.Option7, Option7, {0, 1});
    restoreSounds({3, 4, 5, 6});

    // Block 6.
    const SeirikenDataRecord &ticket = r.SeirikenData;
    setCheckValue(chkUseSeiriPrev, ticket.chkUseSeiriPrev);
    txtSeiriPlgDir->setText(textOf(ticket.txtSeiriPlgDir));
    restoreOptions(ticket.Option4, Option4, {0, 1, 2});
    Label10->setText(textOf(ticket.Label10));

    // Last, the plug-in's description and the console's preview size. A
    // plug-in that is missing or refused leaves its path in place, unreported.
    SetPlgin(txtSeiriPlgDir->text());
}

} // namespace kerubara
