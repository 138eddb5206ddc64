// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/Seam.h"

class QDialog;

namespace kerubara {

// Shows a window modally and returns when it has been closed or hidden. The
// program's own windows shown this way (the options window) go through here,
// so tests can answer them.
void ShowModal(QDialog &dialog);

using ModalSeam = Seam<void(QDialog &), struct ModalTag>;
using ScopedModalHandler = ModalSeam::Scoped;

} // namespace kerubara
