// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace testing {

// With KERUBARA_KEEP_TEST_FILES naming a folder, every file the tests write is
// also kept there as "HASH-NAME" (HASH from its contents, NAME the file's own
// name): fuzz/collect-seeds gathers the damaged files the tests use this way.
inline void keepCopy(const QString &path, const QByteArray &bytes)
{
    const QString folder = qEnvironmentVariable("KERUBARA_KEEP_TEST_FILES");
    if (folder.isEmpty())
        return;
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16);
    QDir().mkpath(folder);
    QFile copy(folder + u'/' + QString::fromLatin1(hash) + u'-' + QFileInfo(path).fileName());
    if (copy.open(QIODevice::WriteOnly))
        copy.write(bytes);
}

// Writes a whole file; false when that failed.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    keepCopy(path, bytes);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace testing
