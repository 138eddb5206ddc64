// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace kerubara {

QString programFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString installedExamplesFolder()
{
    return installedExamplesFolder(programFolder());
}

QString installedExamplesFolder(const QString &programFolder)
{
    // KERUBARA_EXAMPLES_FROM_BINDIR is the install layout's own relative path
    // ("../share/kerubara/examples"), so a tree installed under any prefix,
    // or unpacked anywhere, finds its examples.
    const QFileInfo examples(QDir(programFolder).filePath(QStringLiteral(KERUBARA_EXAMPLES_FROM_BINDIR)));
    return examples.isDir() ? QDir::cleanPath(examples.absoluteFilePath()) : QString();
}

void prepareRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
    if (!QDir().mkpath(folder))
        return;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

} // namespace kerubara
