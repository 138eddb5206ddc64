// SPDX-License-Identifier: GPL-3.0-or-later
// The options window and the settings records: every setting copied from its
// control into the records before the settings file is written, and back
// after it has been read, in the file's order. The fields of the settings
// file say which control holds each setting; the window only finds the
// control by the setting's name.
#include "controls/digit/M_Degit.h"
#include "reslib/Cp932.h"
#include "reslib/ErrorBoundary.h"
#include "settings/SettingsFile.h"
#include "windows/ColorButton.h"
#include "windows/SettingValues.h"
#include "windows/frmOption.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <stdexcept>

namespace kerubara {
namespace {

using settingsfile::Field;
using settingsfile::Holder;

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

bool inOptionsWindow(const Field &field)
{
    return field.holder != Holder::State && field.holder != Holder::Slider;
}

// The control of the kind `field` names; a field and a control that do not
// match are the program's own fault.
template<typename Control>
Control *control(const QHash<QString, QWidget *> &controls, const Field &field)
{
    auto *found = qobject_cast<Control *>(controls.value(field.name));
    if (!found)
        throw std::logic_error("the options window has no control for " + field.name.toStdString());
    return found;
}

// A text is held by a text box, or a label the window alone changes.
QString text(const QHash<QString, QWidget *> &controls, const Field &field)
{
    if (auto *label = qobject_cast<QLabel *>(controls.value(field.name)))
        return label->text();
    return control<QLineEdit>(controls, field)->text();
}

void setText(const QHash<QString, QWidget *> &controls, const Field &field, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(controls.value(field.name)))
        label->setText(text);
    else
        control<QLineEdit>(controls, field)->setText(text);
}

void store(const QHash<QString, QWidget *> &controls, const Field &field)
{
    switch (field.holder) {
    case Holder::Text:
        storeText(*std::get<QByteArray *>(field.value), text(controls, field));
        break;
    case Holder::Check:
        *std::get<std::int16_t *>(field.value) = checkValue(control<QCheckBox>(controls, field));
        break;
    case Holder::Color:
        *std::get<OleColor *>(field.value) = buttonColor(control<ColorButton>(controls, field));
        break;
    case Holder::List:
        *std::get<std::int16_t *>(field.value) = listIndex(control<QComboBox>(controls, field));
        break;
    case Holder::Option:
        *std::get<std::int16_t *>(field.value) = optionValue(control<QRadioButton>(controls, field));
        break;
    case Holder::State:
    case Holder::Slider:
        break;
    }
}

void restore(const QHash<QString, QWidget *> &controls, const Field &field)
{
    switch (field.holder) {
    case Holder::Text:
        setText(controls, field, cp932::decode(*std::get<QByteArray *>(field.value)));
        break;
    case Holder::Check:
        setCheckValue(control<QCheckBox>(controls, field), *std::get<std::int16_t *>(field.value));
        break;
    case Holder::Color:
        setButtonColor(control<ColorButton>(controls, field), *std::get<OleColor *>(field.value));
        break;
    case Holder::List:
        setListIndex(control<QComboBox>(controls, field), *std::get<std::int16_t *>(field.value));
        break;
    case Holder::Option:
        setOptionValue(control<QRadioButton>(controls, field), *std::get<std::int16_t *>(field.value));
        break;
    case Holder::State:
    case Holder::Slider:
        break;
    }
}

} // namespace

const QHash<QString, QWidget *> &frmOption::settingControls()
{
    if (!settingControls_.isEmpty())
        return settingControls_;
    // The form names a control as its field is named, with "_n" for the
    // array member "(n)": field "Text2(0)" is object "Text2_0".
    for (const Field &field : settingsfile::fields(ini_)) {
        if (!inOptionsWindow(field))
            continue;
        QString objectName = field.name;
        objectName.replace(u'(', u'_').remove(u')');
        if (auto *control = findChild<QWidget *>(objectName))
            settingControls_.insert(field.name, control);
    }
    return settingControls_;
}

void frmOption::bindToRecords()
{
    const QHash<QString, QWidget *> &controls = settingControls();
    for (const Field &field : settingsfile::fields(ini_)) {
        if (!inOptionsWindow(field))
            continue;
        QWidget *widget = controls.value(field.name);
        // The field points into the records, which outlive the window.
        const auto changed = [this, field] {
            if (!showingRecords_)
                store(settingControls(), field);
        };
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            connect(box, &QLineEdit::textChanged, this, changed);
        else if (auto *colour = qobject_cast<ColorButton *>(widget))
            connect(colour, &ColorButton::colorChanged, this, changed);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            connect(button, &QAbstractButton::toggled, this, changed);
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            connect(list, &QComboBox::currentIndexChanged, this, changed);
        // A label (the fixed date) changes only by the window's own hand,
        // which stores it.
    }
    connect(&settings_, &SettingsModel::recordChanged, this, &frmOption::showField);
    connect(&settings_, &SettingsModel::recordsReplaced, this, guarded([this] { SetOptionInfo(); }));
    // The window shows the records as they are now.
    SetOptionInfo();
}

void frmOption::storeField(const QString &name)
{
    if (const std::optional<Field> field = settingsfile::field(ini_, name); field && !showingRecords_)
        store(settingControls(), *field);
}

void frmOption::showField(const QString &name)
{
    if (const std::optional<Field> field = settingsfile::field(ini_, name))
        restore(settingControls(), *field);
}

void frmOption::GetOptionInfo()
{
    const QHash<QString, QWidget *> &controls = settingControls();
    for (const Field &field : settingsfile::fields(ini_)) {
        if (inOptionsWindow(field))
            store(controls, field);
    }
}

void frmOption::SetOptionInfo()
{
    // Once the digit colours are back, the sample digit shows them.
    const auto blockRestored = [this](int block) {
        if (block == 3) {
            const DegitDataRecord &digits = ini_.DegitData;
            M_Degit1->setBackColor(digits.Command8[0]);
            M_Degit1->setBaseForeColor(digits.Command8[1]);
            M_Degit1->setDegitForeColor(digits.Command8[2]);
        }
    };
    // However the showing ends (a stored list index outside its list throws),
    // the records are what the controls show afterwards.
    struct Showing
    {
        frmOption &window;
        explicit Showing(frmOption &w) : window(w) { window.showingRecords_ = true; }
        ~Showing()
        {
            window.showingRecords_ = false;
            window.GetOptionInfo();
        }
    } showing(*this);
    const QHash<QString, QWidget *> &controls = settingControls();
    const std::vector<Field> all = settingsfile::fields(ini_);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (inOptionsWindow(all[i]))
            restore(controls, all[i]);
        if (i + 1 == all.size() || all[i + 1].block != all[i].block)
            blockRestored(all[i].block);
    }

    // Last, the plug-in's description. A plug-in that is missing or refused
    // leaves its path in place, unreported.
    SetPlgin(settings_.ticketPluginPath());
}

} // namespace kerubara
