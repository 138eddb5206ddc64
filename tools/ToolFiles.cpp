#include "tools/ToolFiles.h"

#include <QFile>
#include <QFileInfo>

namespace kerubara::datatool {

bool openForReading(QFile &file, QString *why)
{
    const QFileInfo info(file.fileName());
    if (!info.exists()) {
        *why = QStringLiteral("ファイルが見つかりません。");
        return false;
    }
    if (info.isDir()) {
        *why = QStringLiteral("フォルダーです。ファイルを指定してください。");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("ファイルを開けません（%1）。").arg(file.errorString());
        return false;
    }
    return true;
}

} // namespace kerubara::datatool
