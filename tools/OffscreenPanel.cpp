// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/OffscreenPanel.h"

#include "formats/FareFile.h"
#include "operation/OperatingState.h"
#include "reslib/Fonts.h"
#include "reslib/MsgBox.h"
#include "reslib/VbError.h"
#include "settings/SettingsLocation.h"
#include "tools/ToolFiles.h"
#include "windows/Form1.h"
#include "windows/Simulator.h"
#include "windows/UnitMessages.h"
#include "windows/frmCtl.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace kerubara::datatool {

QuietQt::QuietQt()
{
    previous_ = qInstallMessageHandler(&QuietQt::handle);
}

QuietQt::~QuietQt()
{
    qInstallMessageHandler(previous_);
}

void QuietQt::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previous_)
        previous_(type, context, message);
}

bool inputsReadable(const QStringList &paths, QTextStream &err)
{
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        QString why;
        QFile probe(path);
        if (!openForReading(probe, &why)) {
            err << path << ": " << why << '\n';
            return false;
        }
    }
    return true;
}

int messageAsWarning(const MsgBoxCall &call, QTextStream &err)
{
    err << QCoreApplication::translate("OffscreenPanel", "警告: %1\n")
               .arg(QString(call.prompt).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    return int(vbOK);
}

void prepareFonts(QTextStream &err)
{
    const QStringList missing = installFontSubstitutions();
    if (!missing.isEmpty())
        err << QCoreApplication::translate("OffscreenPanel", "警告: %1\n").arg(missingFontsMessage(missing));
}

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

std::optional<int> routeStopCount(const QString &path, std::int16_t section, QTextStream &err)
{
    OperatingState state;
    FareLoadResult result = FareLoadResult::Loaded;
    int stops = 0;
    try {
        result = state.LoadFareFile(path, section, &stops);
    } catch (const FareLoadError &e) {
        err << path << ": " << fareLoadErrorText(e) << '\n';
        return std::nullopt;
    } catch (const VbError &e) {
        err << path << ": " << e.description() << '\n';
        return std::nullopt;
    }
    switch (result) {
    case FareLoadResult::ZeroCount:
        err << path << QCoreApplication::translate("OffscreenPanel", ": 停留所が0件です（系統設定できません）。\n");
        return std::nullopt;
    case FareLoadResult::SectionBeyondData:
        err << path
            << QCoreApplication::translate(
                   "OffscreenPanel", ": 区間 %1 は設定できません。区間は停留所の数（%2件）より小さくしてください。\n")
                   .arg(QString::number(section), QString::number(stops));
        return std::nullopt;
    case FareLoadResult::Loaded:
        break;
    }
    return int(state.nStopCount);
}

} // namespace kerubara::datatool
