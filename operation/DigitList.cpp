// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/DigitList.h"

#include <QKeyEvent>

namespace kerubara {

DigitList::DigitList(QWidget *parent) : QListWidget(parent)
{
    for (int d = 0; d <= 9; ++d)
        addItem(QString::number(d));
    setCurrentRow(-1);
    clearSelection();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString DigitList::chosenDigit() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void DigitList::keyPressEvent(QKeyEvent *event)
{
    const QListWidgetItem *before = currentItem();
    const bool wasChosen = before && before->isSelected();
    QListWidget::keyPressEvent(event);
    const QListWidgetItem *after = currentItem();
    if (after && after->isSelected() && (after != before || !wasChosen))
        emit keyboardSelected();
}

} // namespace kerubara
