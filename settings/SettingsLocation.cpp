// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsLocation.h"

#include "reslib/ProgramInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kerubara {
namespace {

// A folder and a file name, with one separator between them.
QString joined(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'/' + name;
}

} // namespace

SettingsFilePaths settingsFilePaths(const QString &programFolder, const QString &programName,
                                    const QString &configFolder, const QString &examplesFolder)
{
    const QString beside = joined(programFolder, programName + QStringLiteral(".in4"));
    const QString inConfig = joined(configFolder, QStringLiteral("kerubara/kerubara.in4"));
    if (QFileInfo::exists(beside))
        return {beside, beside};
    const bool installed = !examplesFolder.isEmpty();
    const QFileInfo folder(programFolder);
    const QString write = !installed && folder.isDir() && folder.isWritable() ? beside : inConfig;
    if (QFileInfo::exists(inConfig))
        return {inConfig, write};
    if (installed) {
        const QString demo = joined(examplesFolder, QStringLiteral("demo-settings.in4"));
        if (QFileInfo::exists(demo))
            return {demo, write};
    }
    return {write, write};
}

SettingsFilePaths settingsFilePaths(const QString &file)
{
    return {file, file};
}

SettingsFilePaths programSettingsFilePaths()
{
    return settingsFilePaths(programFolder(), programFileName(),
                             QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                             installedExamplesFolder());
}

QString pathFromSettings(const QString &stored, const QString &settingsFile)
{
    if (stored.isEmpty() || settingsFile.isEmpty() || QDir::isAbsolutePath(stored))
        return stored;
    return QDir::cleanPath(QFileInfo(settingsFile).absoluteDir().filePath(stored));
}

} // namespace kerubara
