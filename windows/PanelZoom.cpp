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
const QString kTicketPagesKey = QStringLiteral("panel/ticketPages");
const QString kPageSecondsKey = QStringLiteral("panel/pageSeconds");
const QString kFareDigitsKey = QStringLiteral("panel/fareDigits");

int storedInt(const QString &key, int low, int high, int otherwise)
{
    bool ok = false;
    const QSettings settings(kOrganisation, kApplication);
    const int value = settings.value(key).toInt(&ok);
    return ok && value >= low && value <= high ? value : otherwise;
}

void store(const QString &key, const QVariant &value)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(key, value);
}

} // namespace

int storedPanelZoom()
{
    return storedInt(kZoomKey, 1, Form1::kMaxZoom, 1);
}

void storePanelZoom(int factor)
{
    store(kZoomKey, factor);
}

int storedTicketPages()
{
    return storedInt(kTicketPagesKey, 1, OperationEngine::kMaxTicketPages, 1);
}

void storeTicketPages(int pages)
{
    store(kTicketPagesKey, pages);
}

int storedPageSeconds()
{
    return storedInt(kPageSecondsKey, 1, OperationEngine::kMaxPageSeconds, OperationEngine::kDefaultPageSeconds);
}

void storePageSeconds(int seconds)
{
    store(kPageSecondsKey, seconds);
}

int storedFareDigits()
{
    return storedInt(kFareDigitsKey, Form1::kMinFareDigits, Form1::kMaxFareDigits, Form1::kMinFareDigits);
}

void storeFareDigits(int digits)
{
    store(kFareDigitsKey, digits);
}

QString storedStopRequestSound()
{
    const QSettings settings(kOrganisation, kApplication);
    return settings.value(kStopRequestSoundKey).toString();
}

void storeStopRequestSound(const QString &file)
{
    if (file.isEmpty())
        QSettings(kOrganisation, kApplication).remove(kStopRequestSoundKey);
    else
        store(kStopRequestSoundKey, file);
}

} // namespace kerubara
