// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PanelSnapshot.h"

#include "formats/FareFile.h"
#include "operation/OperationEngine.h"
#include "windows/Form1.h"

#include <QFileInfo>
#include <QPixmap>

namespace kerubara {

QString routeDigitsOf(const QString &path)
{
    return routeNumberText(QFileInfo(path).completeBaseName());
}

void reachStop(OperationEngine &unit, const QString &fareFile, std::int16_t section, int stop)
{
    unit.setRouteFile(fareFile, routeDigitsOf(fareFile), QString::number(section));
    while (unit.state.nStopPos + 1 < stop)
        unit.press(OperationEngine::Press::Forward);
    while (unit.state.nStopPos + 1 > stop)
        unit.press(OperationEngine::Press::Back);
}

QImage panelImage(Form1 &panel)
{
    const QPixmap grabbed = panel.grab();
    if (grabbed.devicePixelRatio() == 1.0)
        return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    // A magnifying screen: drawn again at the panel's own size.
    QImage image(panel.size(), QImage::Format_RGB32);
    panel.render(&image);
    return image;
}

} // namespace kerubara
