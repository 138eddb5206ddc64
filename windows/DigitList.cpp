// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DigitList.h"

#include <QFocusEvent>
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

bool DigitList::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && takesDigits_) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool digit = key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9;
        if (digit && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QListWidget::event(event);
}

void DigitList::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    takesDigits_ = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    QListWidget::focusInEvent(event);
}

void DigitList::focusOutEvent(QFocusEvent *event)
{
    takesDigits_ = false;
    QListWidget::focusOutEvent(event);
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
