// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SizeText.h"

#include <QCoreApplication>

namespace kerubara {

QString sizeText(qint64 bytes)
{
    constexpr qint64 kKiB = 1024;
    constexpr qint64 kMiB = 1024 * kKiB;
    if (bytes >= kMiB)
        return QString::number(static_cast<double>(bytes) / kMiB, 'g', 3) + QStringLiteral(" MiB");
    if (bytes >= kKiB)
        return QString::number(bytes / kKiB) + QStringLiteral(" KiB");
    return QCoreApplication::translate("SizeText", "%1 バイト").arg(bytes);
}

} // namespace kerubara
