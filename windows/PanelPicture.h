// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

namespace kerubara {

// The built-in picture of the fare display's face, 502 x 252 pixels: the
// warm-grey frame, the black face, the grey stop-name window and the fare
// table ruled in white with its caption column and dim digit areas. With
// fare cells of four digits each cell is a digit position (19 pixels)
// wider, the picture 616 pixels wide and the stop-name window in its middle.
QPixmap drawBuiltInPanel(int fareDigits = 3);

} // namespace kerubara
