// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/DigitFormatDialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace kerubara {
namespace {

// The ZeroMode choices, by value.
const char16_t *const kZeroModeTexts[] = {
    u"0 は表示しない（空欄も消灯のまま）",
    u"0 は「0」と表示する（空欄も「0」）",
    u"-1 は「0」と表示し、0 は表示しない",
    u"-1 と 0 は「0」と表示する（空欄も「0」）",
};

} // namespace

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
    dialog.setWindowTitle(QStringLiteral("数字の表示設定"));
    auto *layout = new QVBoxLayout(&dialog);

    auto *zeroBox = new QGroupBox(QStringLiteral("0 と -1 の表示"), &dialog);
    auto *zeroLayout = new QVBoxLayout(zeroBox);
    auto *zeroGroup = new QButtonGroup(&dialog);
    for (int mode = 0; mode < 4; ++mode) {
        auto *button = new QRadioButton(QString::fromUtf16(kZeroModeTexts[mode]), zeroBox);
        zeroGroup->addButton(button, mode);
        zeroLayout->addWidget(button);
    }
    // A mode outside 0..3 leaves every choice unchecked and is kept unless
    // the user picks one.
    if (QAbstractButton *current = zeroGroup->button(zeroMode))
        current->setChecked(true);
    layout->addWidget(zeroBox);

    auto *form = new QFormLayout;
    auto *shiftBox = new QSpinBox(&dialog);
    shiftBox->setRange(0, positions - 1);
    shiftBox->setSuffix(QStringLiteral(" 桁"));
    shiftBox->setValue(shift);
    form->addRow(QStringLiteral("右側に空ける桁数："), shiftBox);
    auto *fillBox = new QSpinBox(&dialog);
    fillBox->setSpecialValueText(QStringLiteral("埋めない"));
    fillBox->setSuffix(QStringLiteral(" 桁"));
    form->addRow(QStringLiteral("先頭を 0 で埋める桁数："), fillBox);
    auto *example = new QLabel(&dialog);
    example->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    form->addRow(QStringLiteral("表示例（5 のとき）："), example);
    layout->addLayout(form);
    auto *note = new QLabel(QStringLiteral("全部で %1 桁です。「・」は消灯している桁です。").arg(positions), &dialog);
    layout->addWidget(note);

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

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return 0;
    if (zeroGroup->checkedId() >= 0)
        zeroMode = static_cast<std::int16_t>(zeroGroup->checkedId());
    shift = static_cast<std::int16_t>(shiftBox->value());
    fillZero = static_cast<std::int16_t>(fillBox->value());
    return 1;
}

} // namespace kerubara
