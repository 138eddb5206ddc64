// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/RouteSettings.h"

#include "formats/GtfsImport.h"
#include "reslib/Cp932.h"

#include <QCoreApplication>
#include <QDir>

namespace kerubara::gtfs {

const QStringList &chimeFiles()
{
    static const QStringList files{QStringLiteral("chime-stop.wav"), QStringLiteral("chime-arrival.wav"),
                                   QStringLiteral("chime-terminus.mid")};
    return files;
}

namespace {

// A path as a settings file in `folder` stores it: relative to that folder
// when it lies inside it, so that the folder can be moved whole; else as it is.
QString storedPath(const QString &path, const QString &folder)
{
    const QString relative = QDir(folder).relativeFilePath(path);
    if (relative.isEmpty() || relative == u".")
        return QStringLiteral(".");
    if (relative == u".." || relative.startsWith(QStringLiteral("../")) || QDir::isAbsolutePath(relative))
        return path;
    return relative;
}

} // namespace

std::optional<SettingsRecords> routeSettings(const QString &folder, const QString &chimesFolder, const QString &plugin,
                                             const QDate &today, QString *why)
{
    auto text = [&](const QString &absolute) -> std::optional<QByteArray> {
        const QString path = storedPath(absolute, folder);
        qsizetype bad = -1;
        QByteArray bytes = cp932::encode(path, &bad);
        if (bad >= 0 || bytes.size() > settingsfile::kMaxTextBytes) {
            *why = QCoreApplication::translate(
                       "RouteSettings", "パス「%1」は Shift-JIS で表せないか長すぎるため、設定ファイルに書けません。")
                       .arg(path);
            return std::nullopt;
        }
        return bytes;
    };
    SettingsRecords records = settingsfile::initialRecords(today);
    const std::optional<QByteArray> data = text(folder);
    if (!data)
        return std::nullopt;
    records.FolderData.Text2 = {*data, *data};
    // The step sound by the flag in a column of the fare data (the list
    // counts columns from 0), the chimes before announcements by the sound
    // flag of each announcement; each waits for its chime.
    SoundDataRecord &sound = records.SoundData;
    sound.Option2 = {0, -1, 0, -1};
    sound.Option6 = {0, -1};
    sound.Combo1 = kStepSoundColumn - 1;
    sound.Option7 = {-1, 0};
    if (!chimesFolder.isEmpty()) {
        for (int flag = 1; flag <= 3; ++flag) {
            const std::optional<QByteArray> chime = text(QDir(chimesFolder).filePath(chimeFiles()[flag - 1]));
            if (!chime)
                return std::nullopt;
            sound.txtSelectSound[static_cast<std::size_t>(7 + flag)] = *chime; // step sound of flag 1..3
            sound.txtSelectSound[static_cast<std::size_t>(3 + flag)] = *chime; // before announcements of flag 1..3
        }
    }
    if (!plugin.isEmpty()) {
        const std::optional<QByteArray> path = text(plugin);
        if (!path)
            return std::nullopt;
        records.SeirikenData.chkUseSeiriPrev = 1;
        records.SeirikenData.txtSeiriPlgDir = *path;
        records.CtrlData.nPreviewOpen = 1;
    }
    // Stop names scroll at a readable pace.
    records.CtrlData.nScrollSpeed = 200;
    records.CtrlData.nScrollWait = 1000;
    // The panel (7 530 twips, 502 pixels wide) at the top left, the console to
    // its right, past the window frames.
    records.FormPos = {0, 0};
    records.CtrlData.nLeft = 7530 + 300;
    records.CtrlData.nTop = 0;
    return records;
}

} // namespace kerubara::gtfs
