// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace kerubara {

// The fare editor's grid, with a spreadsheet's keys: typing replaces the
// cell, Enter commits and moves down (and moves down when not editing),
// F2 edits with the cursor after the text, Ctrl+Home goes to the first
// cell, Delete asks for the selection to be cleared. The editor's window
// keeps keys without Ctrl or Alt from the console's program-wide shortcuts.
class FareGridView : public QTableView
{
    Q_OBJECT
public:
    explicit FareGridView(QWidget *parent = nullptr);

signals:
    void clearRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveDown();

    bool enterPressed_ = false;
};

} // namespace kerubara
