#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testing {

// Writes a whole file; false when that failed.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace testing
