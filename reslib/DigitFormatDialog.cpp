#include "reslib/DigitFormatDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace kerubara {

std::int32_t runDigitFormatDialog(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode,
                                  std::int16_t &shift, std::int16_t &fillZero)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("数字の表示設定"));
    auto *form = new QFormLayout(&dialog);
    auto *zero = new QComboBox(&dialog);
    zero->addItems({QStringLiteral("0 と空欄は何も表示しない"),
                    QStringLiteral("0 と空欄は「0」を表示する"),
                    QStringLiteral("-1 は「0」、0 は何も表示しない"),
                    QStringLiteral("-1、0、空欄は「0」を表示する")});
    zero->setCurrentIndex(zeroMode >= 0 && zeroMode <= 3 ? zeroMode : 0);
    form->addRow(QStringLiteral("ゼロの表示："), zero);
    auto *shiftBox = new QSpinBox(&dialog);
    shiftBox->setRange(0, std::max(0, keta - 1));
    shiftBox->setValue(shift);
    form->addRow(QStringLiteral("右に空ける桁数："), shiftBox);
    auto *fill = new QSpinBox(&dialog);
    fill->setRange(0, std::max<int>(0, keta));
    fill->setValue(fillZero);
    form->addRow(QStringLiteral("ゼロ埋めの桁数（0 でなし）："), fill);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    zeroMode = static_cast<std::int16_t>(zero->currentIndex());
    shift = static_cast<std::int16_t>(shiftBox->value());
    fillZero = static_cast<std::int16_t>(fill->value());
    return 1;
}

} // namespace kerubara
