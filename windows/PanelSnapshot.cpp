// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PanelSnapshot.h"

#include "formats/FareFile.h"
#include "settings/SettingsLocation.h"
#include "windows/Form1.h"
#include "windows/Simulator.h"

#include <QFileInfo>
#include <QPixmap>

#include <optional>

namespace kerubara {

std::unique_ptr<Simulator> offscreenSimulator(const QString &settingsFile)
{
    std::optional<SettingsFilePaths> settings;
    if (!settingsFile.isEmpty()) {
        settings = settingsFilePaths(settingsFile);
        settings->saves = false;
    }
    auto sim = std::make_unique<Simulator>(settings, Preferences::Defaults);
    sim->form1().setAttribute(Qt::WA_DontShowOnScreen);
    sim->ctl().setAttribute(Qt::WA_DontShowOnScreen);
    sim->start();
    return sim;
}

QString routeDigitsOf(const QString &path)
{
    return routeNumberText(QFileInfo(path).completeBaseName());
}

void reachStop(Simulator &sim, const QString &fareFile, std::int16_t section, int stop)
{
    OperationEngine &unit = sim.engine();
    unit.setRouteFile(fareFile, routeDigitsOf(fareFile), QString::number(section));
    while (sim.state.nStopPos + 1 < stop)
        unit.press(OperationEngine::Press::Forward);
    while (sim.state.nStopPos + 1 > stop)
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
