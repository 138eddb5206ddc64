// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the fuzz targets: the input as Qt bytes, a scratch folder for
// the readers that take a path, and checks that end the run as a finding.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzz {

inline QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A property the code promises does not hold: report it and stop, so that
// libFuzzer keeps the input as a finding.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                       \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// The target's application, made on the first call. It lives until the
// process ends and is never destroyed: libFuzzer ends the run with exit(),
// after Qt has already destroyed globals of its own that an application's
// destructor still uses. The pointer stays reachable, so it is no leak.
template<typename Application>
Application &application(int *argc, char ***argv)
{
    static Application *const app = new Application(*argc, *argv);
    return *app;
}

// A folder of this process for files the readers open by name. In memory
// (/dev/shm) where there is one, so that a run does not wear the disk.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        path_ = QStringLiteral("%1/kerubara-fuzz-%2").arg(base).arg(QCoreApplication::applicationPid());
        QDir().mkpath(path_);
    }
    ~ScratchFolder() { QDir(path_).removeRecursively(); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const QString &path() const { return path_; }
    QString file(const QString &name) const { return path_ + u'/' + name; }

    // Writes `bytes` as the file `name` and returns its path.
    QString put(const QString &name, const QByteArray &bytes) const
    {
        const QString target = file(name);
        QFile f(target);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
            std::abort();
        }
        return target;
    }

private:
    QString path_;
};

} // namespace fuzz
