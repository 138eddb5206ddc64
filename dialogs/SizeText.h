// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace kerubara {

// "12.3 MiB", "512 KiB", "100 バイト": a size limit as people read it.
QString sizeText(qint64 bytes);

} // namespace kerubara
