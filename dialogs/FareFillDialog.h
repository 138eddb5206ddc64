// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FareFill.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class FareFillDialog;
}

namespace kerubara {

// Asks how to fill a block of the fare table (運賃の自動入力): from a
// fare-stage table (the fares for 0, 1, 2, ... stages typed as a list, what
// each stage beyond it adds, and the rounding), or by copying a ticket
// column's pattern down the diagonal. It shows the fares the table gives and
// why a list is refused, and offers OK only for a rule; it returns the rule
// and leaves filling to its caller.
class FareFillDialog : public QDialog
{
    Q_OBJECT

public:
    // `fareColumns`: the ticket columns a pattern can come from (1 ..);
    // `ticket`: the column offered first.
    FareFillDialog(int fareColumns, int ticket, QWidget *parent = nullptr);
    ~FareFillDialog() override;

    // The rule as it stands; nothing while the list is no list of fares.
    std::optional<FareFillRule> rule() const;

private:
    std::optional<FareStageRule> stageRule(QString *why) const;
    void update();

    std::unique_ptr<Ui::FareFillDialog> ui_;
};

} // namespace kerubara
