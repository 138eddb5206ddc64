#include "reslib/ProgramInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kerubara {

QString programFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace kerubara
