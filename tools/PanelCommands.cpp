// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/PanelCommands.h"

#include "formats/FareRecord.h"
#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "sound/SpeechEngine.h"
#include "tools/DataTool.h"
#include "tools/OffscreenPanel.h"
#include "tools/ToolFiles.h"
#include "tools/TripCommands.h"
#include "windows/Form1.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTextStream>

#include <map>
#include <optional>

namespace kerubara::datatool {
namespace {

// What render-panel is asked to draw.
struct PanelRequest
{
    QString fareFile;
    QString outFile;
    int stop = 0;
    std::int16_t section = 1;
    bool lateNight = false;
    std::optional<std::int16_t> ticketStyle;
    bool leadingZero = false;
    std::optional<std::int16_t> tsugiwaMode;
    std::optional<std::int16_t> backlight;
    int page = 1; // the page of ticket numbers, 1..4
    int fareDigits = Form1::kMinFareDigits;
    QString settingsFile;
};

// The backlight states as the program's --backlight names them.
const QStringList kBacklightStates{QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};

// An integer option's value in min..max, or a usage error.
struct IntOption
{
    int min;
    int max;
    QString what;
};

std::optional<int> intValue(const QString &text, const IntOption &option)
{
    const std::optional<std::int32_t> value = parseInt32(text);
    if (!value || *value < option.min || *value > option.max)
        return std::nullopt;
    return *value;
}

// A backlight state by its name, OFF, ON1 or ON2 in any case.
std::optional<int> backlightValue(const QString &text)
{
    const qsizetype state = kBacklightStates.indexOf(text.toUpper());
    return state < 0 ? std::nullopt : std::optional<int>(static_cast<int>(state));
}

// Reads the arguments; on bad usage says why and gives nothing.
std::optional<PanelRequest> parseRequest(const QStringList &args, QTextStream &err, int &status)
{
    status = 2;
    PanelRequest request;
    QStringList positional;
    bool stopGiven = false;
    const std::map<QString, IntOption> valueOptions{
        {QStringLiteral("--stop"),
         {1, kFareRows, QCoreApplication::translate("PanelCommands", "停留所の番号（1～301）")}},
        {QStringLiteral("--section"), {1, 300, QCoreApplication::translate("PanelCommands", "区間（1～300）")}},
        {QStringLiteral("--ticket-style"),
         {0, 11, QCoreApplication::translate("PanelCommands", "整理券番号の表示方法（0～11）")}},
        {QStringLiteral("--tsugiwa-mode"),
         {0, 2, QCoreApplication::translate("PanelCommands", "「次は」の表示（0～2）")}},
        {QStringLiteral("--page"),
         {1, OperationEngine::kMaxTicketPages,
          QCoreApplication::translate("PanelCommands", "整理券番号のページ（1～4）")}},
        {QStringLiteral("--fare-digits"),
         {Form1::kMinFareDigits, Form1::kMaxFareDigits,
          QCoreApplication::translate("PanelCommands", "運賃の桁数 3 か 4")}},
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--late-night") {
            request.lateNight = true;
            continue;
        }
        if (arg == u"--leading-zero") {
            request.leadingZero = true;
            continue;
        }
        if (!arg.startsWith(QStringLiteral("--"))) {
            positional << arg;
            continue;
        }
        const auto option = valueOptions.find(arg);
        const bool textOption = arg == u"--settings" || arg == u"--backlight";
        if (!textOption && option == valueOptions.end()) {
            usageError(
                err,
                QCoreApplication::translate("PanelCommands", "render-panel に「%1」というオプションはありません。")
                    .arg(arg));
            return std::nullopt;
        }
        const QString what = arg == u"--settings" ? QCoreApplication::translate("PanelCommands", "設定ファイル（.in4）")
            : arg == u"--backlight" ? QCoreApplication::translate("PanelCommands", "バックライト（OFF、ON1、ON2）")
                                    : option->second.what;
        if (i + 1 >= args.size()) {
            usageError(err,
                       QCoreApplication::translate("PanelCommands", "%1 の後に%2を指定してください。").arg(arg, what));
            return std::nullopt;
        }
        const QString &text = args[++i];
        if (arg == u"--settings") {
            request.settingsFile = text;
            continue;
        }
        const std::optional<int> value = arg == u"--backlight" ? backlightValue(text) : intValue(text, option->second);
        if (!value) {
            usageError(
                err,
                QCoreApplication::translate("PanelCommands", "%1 の値「%2」が正しくありません。%3を指定してください。")
                    .arg(arg, text, what));
            return std::nullopt;
        }
        if (arg == u"--backlight") {
            request.backlight = static_cast<std::int16_t>(*value);
            continue;
        }
        const auto v16 = static_cast<std::int16_t>(*value);
        if (arg == u"--stop") {
            request.stop = *value;
            stopGiven = true;
        } else if (arg == u"--section") {
            request.section = v16;
        } else if (arg == u"--ticket-style") {
            request.ticketStyle = v16;
        } else if (arg == u"--page") {
            request.page = *value;
        } else if (arg == u"--fare-digits") {
            request.fareDigits = *value;
        } else {
            request.tsugiwaMode = v16;
        }
    }
    if (positional.size() != 2) {
        usageError(
            err,
            QCoreApplication::translate(
                "PanelCommands", "render-panel には運賃データ（.hy3）と出力する PNG ファイルを指定してください。"));
        return std::nullopt;
    }
    if (!stopGiven) {
        usageError(err,
                   QCoreApplication::translate("PanelCommands",
                                               "render-panel には --stop で停留所の番号を指定してください。"));
        return std::nullopt;
    }
    request.fareFile = positional[0];
    request.outFile = positional[1];
    status = 0;
    return request;
}

// The settings of the options window the request names, applied to the panel
// as the options window's OK applies them.
void applyOptions(Simulator &sim, const PanelRequest &request)
{
    SettingsModel &settings = sim.settings();
    sim.form1().setFareDigits(request.fareDigits);
    if (request.ticketStyle)
        settings.setTicketNumberStyle(*request.ticketStyle);
    // Page P is drawn from a panel that shows at least P pages.
    if (request.page > sim.engine().ticketPages())
        sim.engine().setTicketPages(request.page);
    if (request.leadingZero)
        settings.setLeadingZero(true);
    if (request.tsugiwaMode)
        settings.setTsugiwaMode(*request.tsugiwaMode);
    if (request.backlight)
        sim.ctl().Option4[static_cast<std::size_t>(*request.backlight)]->setChecked(true);
    sim.applyPanelSettings();
}

// Whether the route can be set and the stop shown; false after saying why not.
bool checkRoute(const PanelRequest &request, QTextStream &err)
{
    const std::optional<int> count = routeStopCount(request.fareFile, request.section, err);
    if (!count)
        return false;
    if (request.stop > *count) {
        err << request.fareFile
            << QCoreApplication::translate("PanelCommands",
                                           ": 停留所 %1 はありません。この系統の停留所は 1～%2 です。\n")
                   .arg(QString::number(request.stop), QString::number(*count));
        return false;
    }
    return true;
}

// The panel as it shows `stop`, reached as the driver reaches it: route
// setting (its lamp test takes no time here), then データ送り or データ戻し
// from the section's stop. A name that scrolls is shown from its start.
void showStop(Simulator &sim, const PanelRequest &request)
{
    if (request.lateNight)
        sim.ctl().Check2->setChecked(true);
    reachStop(sim.engine(), request.fareFile, request.section, request.stop);
    sim.form1().stopScrolling();
    sim.engine().showTicketPage(request.page - 1);
}

} // namespace

int renderPanel(const QStringList &args, QTextStream &err)
{
    int status = 0;
    const std::optional<PanelRequest> request = parseRequest(args, err, status);
    if (!request)
        return status;
    if (!inputsReadable({request->fareFile, request->settingsFile}, err))
        return 1;
    prepareFonts(err);

    // The program without a sound device, a voice or a person: messages it
    // would show go to the error output, and its windows never appear.
    const ScopedAudioOutput silent([] { return std::make_unique<NullAudioOutput>(); });
    const ScopedSpeechEngine noVoice([](SoundSystem &) { return std::unique_ptr<SpeechEngine>(); });
    const ScopedMsgBoxHandler messages([&err](const MsgBoxCall &call) { return messageAsWarning(call, err); });
    const ScopedSleepHandler noWait([](int) {});
    const QuietQt quiet;

    const std::unique_ptr<Simulator> simulator = offscreenSimulator(request->settingsFile);
    Simulator &sim = *simulator;
    sim.form1().setZoom(1);
    applyOptions(sim, *request);
    if (!checkRoute(*request, err))
        return 1;
    showStop(sim, *request);

    const QImage image = panelImage(sim.form1());
    return writeOutputFile(request->outFile, [&](QIODevice &out) { return image.save(&out, "PNG"); }, err);
}

int runWithPanel(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty() && args.front() == u"render-panel") {
        const QStringList rest = args.mid(1);
        if (rest.size() == 1 && (rest.front() == u"--help" || rest.front() == u"-h"))
            return run({QStringLiteral("--help")}, out, err);
        return renderPanel(rest, err);
    }
    if (!args.isEmpty() && args.front() == u"render-trip") {
        const QStringList rest = args.mid(1);
        if (rest.size() == 1 && (rest.front() == u"--help" || rest.front() == u"-h"))
            return run({QStringLiteral("--help")}, out, err);
        return renderTrip(rest, err);
    }
    return run(args, out, err);
}

} // namespace kerubara::datatool
