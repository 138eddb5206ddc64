// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/BoundedRead.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

FileOpening openRegularFile(QFile &file, QString *reason)
{
    auto failed = [&](const QString &why) {
        if (reason)
            *reason = why;
        return FileOpening::Failed;
    };
    if (file.fileName().startsWith(u':'))
        return file.open(QIODevice::ReadOnly) ? FileOpening::Opened : FileOpening::Missing;
    // Opened without waiting and looked at through the same descriptor, so
    // that nothing can take the file's place between the look and the read.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        if (why == ENOENT || why == ENOTDIR || file.fileName().isEmpty())
            return FileOpening::Missing;
        return failed(qt_error_string(why));
    }
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        return folder ? FileOpening::Folder : FileOpening::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(file.errorString());
    }
    return FileOpening::Opened;
}

} // namespace kerubara
