// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Modal.h"

#include <QDialog>

namespace kerubara {

void ShowModal(QDialog &dialog)
{
    if (const auto &handler = ModalSeam::handler()) {
        handler(dialog);
        return;
    }
    dialog.exec();
}

} // namespace kerubara
