// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TicketPluginLists.h"

#include "reslib/TicketPluginFile.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>

void ZR8_SetPlgComment(const QString &path, QPlainTextEdit *textBox)
{
    if (!textBox)
        return;
    const kerubara::TicketPluginRead read = kerubara::readTicketPlugin(path);
    if (read.plugin)
        textBox->setPlainText(read.plugin->comment);
}

void ZR8_SetCorpAddList(const QString &path, QComboBox *box)
{
    if (!box)
        return;
    const kerubara::TicketPluginRead read = kerubara::readTicketPlugin(path);
    if (!read.plugin)
        return;
    // The names come without a choice: an empty box would take its first name
    // as chosen, and the ticket would print a company nobody picked. Nobody
    // hears of that passing choice either.
    const int chosen = box->currentIndex();
    const QSignalBlocker quiet(box);
    box->addItems(read.plugin->companies);
    box->setCurrentIndex(chosen);
}
