// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/BoundedRead.h"

#include <QFileDevice>

#include <algorithm>

namespace kerubara {

BoundedRead readBounded(QFileDevice &file, qint64 limit)
{
    constexpr qint64 kChunk = 1 << 20;
    BoundedRead result;
    for (;;) {
        const qint64 room = limit + 1 - result.bytes.size();
        if (room <= 0) {
            result = {BoundedRead::Outcome::TooLarge, {}};
            return result;
        }
        const QByteArray chunk = file.read(std::min(room, kChunk));
        if (chunk.isEmpty())
            break;
        result.bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        result = {BoundedRead::Outcome::Failed, {}};
    return result;
}

QString sizeText(qint64 bytes)
{
    constexpr qint64 kKiB = 1024;
    constexpr qint64 kMiB = 1024 * kKiB;
    if (bytes >= kMiB)
        return QString::number(static_cast<double>(bytes) / kMiB, 'g', 3) + QStringLiteral(" MiB");
    if (bytes >= kKiB)
        return QString::number(bytes / kKiB) + QStringLiteral(" KiB");
    return QString::number(bytes) + QStringLiteral(" バイト");
}

} // namespace kerubara
