// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/FareGridView.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace kerubara {

FareGridView::FareGridView(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked);
    setSelectionMode(ContiguousSelection);
    setTabKeyNavigation(true);
}

void FareGridView::moveDown()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() + 1 >= model()->rowCount())
        return;
    setCurrentIndex(model()->index(current.row() + 1, current.column()));
}

void FareGridView::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // While editing the delegate commits and closes the editor; the move
        // follows in closeEditor.
        if (state() == EditingState)
            enterPressed_ = true;
        else
            moveDown();
        return;
    }
    if (plain && event->key() == Qt::Key_Delete) {
        emit clearRequested();
        return;
    }
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::ControlModifier && model()) {
        setCurrentIndex(model()->index(0, 0));
        return;
    }
    QTableView::keyPressEvent(event);
}

bool FareGridView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool editing = QTableView::edit(index, trigger, event);
    // F2 keeps the text to change it; typing over a cell replaces it.
    if (editing && trigger == EditKeyPressed) {
        if (auto *line = qobject_cast<QLineEdit *>(indexWidget(index)))
            line->deselect(), line->end(false);
    }
    return editing;
}

void FareGridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // An edit ended with Enter goes on in the cell below.
    const bool byEnter = std::exchange(enterPressed_, false) && hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor, byEnter ? QAbstractItemDelegate::NoHint : hint);
    if (byEnter)
        moveDown();
}

} // namespace kerubara
