#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace testing {

// With KERUBARA_KEEP_TEST_FILES naming a folder, every file the tests write is
// also kept there, named by its contents and ending as the original did:
// fuzz/collect-seeds gathers the damaged files the tests use this way.
inline void keepCopy(const QString &path, const QByteArray &bytes)
{
    const QString folder = qEnvironmentVariable("KERUBARA_KEEP_TEST_FILES");
    if (folder.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    // "12tp.csv" keeps its "tp.csv": broadcast data is told from other CSV by it.
    const qsizetype tail = name.endsWith(QStringLiteral("tp.csv"), Qt::CaseInsensitive) ? name.size() - 6 : dot;
    const QString ending = tail >= 0 ? name.mid(tail) : QString();
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16);
    QDir().mkpath(folder);
    QFile copy(folder + u'/' + QString::fromLatin1(hash) + ending);
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
