// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PanelZoom.h"

#include "windows/Form1.h"

#include <QSettings>

namespace kerubara {
namespace {

const QString kOrganisation = QStringLiteral("kerubara");
const QString kApplication = QStringLiteral("kerubara");
const QString kZoomKey = QStringLiteral("panel/zoom");
const QString kStopRequestSoundKey = QStringLiteral("sound/stopRequest");

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

QString storedStopRequestSound()
{
    const QSettings settings(kOrganisation, kApplication);
    return settings.value(kStopRequestSoundKey).toString();
}

void storeStopRequestSound(const QString &file)
{
    QSettings settings(kOrganisation, kApplication);
    if (file.isEmpty())
        settings.remove(kStopRequestSoundKey);
    else
        settings.setValue(kStopRequestSoundKey, file);
}

} // namespace kerubara
