// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/DigitFormatDialog.h"

#include "ui_DigitFormatDialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace kerubara {

QString digitFormatExample(int keta, int fillZero, int shift)
{
    if (keta <= 0)
        return {};
    QString text = QStringLiteral("5").rightJustified(std::max(fillZero, 1), u'0');
    text += QString(std::max(shift, 0), u' ');
    text = text.right(keta).rightJustified(keta, u' ');
    // Full-width digits, so that every position is as wide as the "・".
    for (QChar &c : text)
        c = c == u' ' ? QChar(u'・') : QChar(c.unicode() - u'0' + u'０');
    return text;
}

std::int32_t runDigitFormatDialog(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode,
                                  std::int16_t &shift, std::int16_t &fillZero)
{
    const int positions = std::max<int>(keta, 1);
    QDialog dialog(owner);
    Ui::DigitFormatDialog form;
    form.setupUi(&dialog);

    auto *zeroGroup = new QButtonGroup(&dialog);
    int mode = 0;
    for (QRadioButton *button : {form.zeroMode_0, form.zeroMode_1, form.zeroMode_2, form.zeroMode_3})
        zeroGroup->addButton(button, mode++);
    // A mode outside 0..3 leaves every choice unchecked and is kept unless
    // the user picks one.
    if (QAbstractButton *current = zeroGroup->button(zeroMode))
        current->setChecked(true);

    QSpinBox *shiftBox = form.shiftBox;
    QSpinBox *fillBox = form.fillBox;
    QLabel *example = form.example;
    shiftBox->setRange(0, positions - 1);
    shiftBox->setValue(shift);
    example->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    form.note->setText(QCoreApplication::translate("DigitFormatDialog", "全部で %1 桁です。「・」は消灯している桁です。").arg(positions));

    // Zero fill uses the positions left of the unlit ones on the right.
    const auto limitFill = [=] { fillBox->setMaximum(positions - shiftBox->value()); };
    const auto showExample = [=] {
        example->setText(digitFormatExample(positions, fillBox->value(), shiftBox->value()));
    };
    limitFill();
    fillBox->setValue(fillZero);
    showExample();
    QObject::connect(shiftBox, &QSpinBox::valueChanged, &dialog, [=] {
        limitFill();
        showExample();
    });
    QObject::connect(fillBox, &QSpinBox::valueChanged, &dialog, showExample);

    QDialogButtonBox *buttons = form.buttons;
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("DigitFormatDialog", "キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() != QDialog::Accepted)
        return 0;
    if (zeroGroup->checkedId() >= 0)
        zeroMode = static_cast<std::int16_t>(zeroGroup->checkedId());
    shift = static_cast<std::int16_t>(shiftBox->value());
    fillZero = static_cast<std::int16_t>(fillBox->value());
    return 1;
}

} // namespace kerubara
