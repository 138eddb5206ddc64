// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PanelZoom.h"

#include "windows/Form1.h"

#include <QSettings>

namespace kerubara {
namespace {

const QString kOrganisation = QStringLiteral("kerubara");
const QString kApplication = QStringLiteral("kerubara");
const QString kZoomKey = QStringLiteral("panel/zoom");

} // namespace

int storedPanelZoom()
{
    bool ok = false;
    const QSettings settings(kOrganisation, kApplication);
    const int factor = settings.value(kZoomKey).toInt(&ok);
    return ok && factor >= 1 && factor <= Form1::kMaxZoom ? factor : 1;
}

void storePanelZoom(int factor)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kZoomKey, factor);
}

} // namespace kerubara
