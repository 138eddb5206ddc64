// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/SettingValues.h"

#include "reslib/VbError.h"
#include "windows/ColorButton.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>

namespace kerubara {

std::int16_t checkValue(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

void setCheckValue(QCheckBox *box, std::int16_t value)
{
    box->setChecked(value != 0);
}

std::int16_t optionValue(const QAbstractButton *button)
{
    return button->isChecked() ? -1 : 0;
}

void setOptionValue(QAbstractButton *button, std::int16_t value)
{
    if (value != 0) {
        button->setChecked(true);
        return;
    }
    if (!button->isChecked())
        return;
    // An exclusive group never lets its last selected button go; lift the
    // exclusivity for the moment so the group can end with no selection.
    QButtonGroup *group = button->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive)
        group->setExclusive(false);
    const bool autoExclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (exclusive)
        group->setExclusive(true);
}

std::int16_t listIndex(const QComboBox *list)
{
    return static_cast<std::int16_t>(list->currentIndex());
}

void setListIndex(QComboBox *list, std::int16_t index)
{
    if (index < -1 || index >= list->count())
        throw VbError(VbError::InvalidPropertyValue);
    list->setCurrentIndex(index);
}

OleColor buttonColor(const ColorButton *button)
{
    return button->BackColor();
}

void setButtonColor(ColorButton *button, OleColor color)
{
    button->setBackColor(color);
}

} // namespace kerubara
