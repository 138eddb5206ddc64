// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/FareFillDialog.h"

#include "ui_FareFillDialog.h"

#include <QPushButton>
#include <QRegularExpression>

#include <array>
#include <limits>

namespace kerubara {

namespace {

// The rounding steps the unit list offers, in its order.
constexpr std::array kRoundTo{1, 5, 10, 50, 100};
// The directions the rounding list offers, in its order.
constexpr std::array kRounding{FareRounding::Nearest, FareRounding::Up, FareRounding::Down};
// How many stages past the list the example shows.
constexpr int kExampleBeyond = 2;

} // namespace

FareFillDialog::FareFillDialog(int fareColumns, int ticket, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::FareFillDialog>())
{
    ui_->setupUi(this);
    ui_->sourceBox->setRange(1, std::max(fareColumns, 1));
    ui_->sourceBox->setValue(ticket);
    ui_->roundToBox->setCurrentIndex(0);
    ui_->roundingBox->setCurrentIndex(0);
    ui_->stagesChoice->setChecked(true);
    ui_->buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui_->stagesChoice, &QRadioButton::toggled, this, &FareFillDialog::update);
    connect(ui_->faresEdit, &QLineEdit::textChanged, this, &FareFillDialog::update);
    connect(ui_->perStageBox, &QDoubleSpinBox::valueChanged, this, &FareFillDialog::update);
    connect(ui_->roundToBox, &QComboBox::currentIndexChanged, this, &FareFillDialog::update);
    connect(ui_->roundingBox, &QComboBox::currentIndexChanged, this, &FareFillDialog::update);
    update();
}

FareFillDialog::~FareFillDialog() = default;

std::optional<FareStageRule> FareFillDialog::stageRule(QString *why) const
{
    // Full-width digits and commas read as their ASCII selves.
    const QString text = ui_->faresEdit->text().normalized(QString::NormalizationForm_KC);
    static const QRegularExpression separators(QStringLiteral("[\\s,、]+"));
    const QStringList entries = text.split(separators, Qt::SkipEmptyParts);
    if (entries.isEmpty()) {
        *why = tr("0区間からの運賃を、カンマか空白で区切って入力してください。");
        return std::nullopt;
    }
    FareStageRule rule;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        bool ok = false;
        const double fare = entries[i].toDouble(&ok);
        if (!ok || fare < 0 || fare > std::numeric_limits<std::int16_t>::max()) {
            *why = tr("%1番目の「%2」は運賃として読めません（0～32767 の数にしてください）。")
                       .arg(i + 1)
                       .arg(entries[i]);
            return std::nullopt;
        }
        rule.stageFares.push_back(fare);
    }
    rule.perStageAfter = ui_->perStageBox->value();
    rule.roundTo = kRoundTo.at(static_cast<std::size_t>(std::max(ui_->roundToBox->currentIndex(), 0)));
    rule.rounding = kRounding.at(static_cast<std::size_t>(std::max(ui_->roundingBox->currentIndex(), 0)));
    QStringList example;
    const auto shown = static_cast<int>(rule.stageFares.size()) + kExampleBeyond;
    for (int stages = 0; stages < shown; ++stages) {
        const std::optional<std::int16_t> fare = stageFare(rule, stages);
        if (!fare) {
            *why = tr("%1区間の運賃が 0～32767 に収まりません。").arg(stages);
            return std::nullopt;
        }
        example << tr("%1区間 %2円").arg(stages).arg(*fare);
    }
    *why = example.join(tr("、")) + tr("、…");
    return rule;
}

std::optional<FareFillRule> FareFillDialog::rule() const
{
    if (ui_->diagonalChoice->isChecked())
        return DiagonalRule{ui_->sourceBox->value()};
    QString why;
    if (std::optional<FareStageRule> stages = stageRule(&why))
        return *stages;
    return std::nullopt;
}

void FareFillDialog::update()
{
    const bool byStages = ui_->stagesChoice->isChecked();
    ui_->stagesBox->setEnabled(byStages);
    ui_->sourceBox->setEnabled(!byStages);
    QString why;
    const bool ready = !byStages || stageRule(&why).has_value();
    ui_->example->setText(byStages ? why : QString());
    ui_->buttons->button(QDialogButtonBox::Ok)->setEnabled(ready);
}

} // namespace kerubara
