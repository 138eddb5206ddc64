// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TicketCommands.h"

#include "reslib/Fonts.h"
#include "reslib/TicketPlugin.h"
#include "tools/DataTool.h"
#include "tools/ToolFiles.h"
#include "windows/UnitMessages.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QTime>

#include <functional>
#include <map>
#include <optional>

namespace kerubara::datatool {
namespace {

// What a ticket is drawn with: the arguments of ZR8_DrawSeiriken after the
// plug-in and the painter.
struct TicketRequest
{
    QString stopName = QStringLiteral("中央駅前"); // a stop name, data for the plug-in
    QString date = QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
    QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    std::int32_t route = 1;
    std::int16_t number = 1;
    std::int16_t position = 1;
    std::int32_t company = -1;
};

using Apply = std::function<bool(TicketRequest &, const QString &)>;

struct TicketOption
{
    // How the value is described in a message, translated where it is used:
    // the table is made once, perhaps before the translation is installed.
    const char *what;
    Apply apply;
};

TicketOption textOption(QString TicketRequest::*member)
{
    return {QT_TRANSLATE_NOOP("TicketCommands", "文字"), [member](TicketRequest &r, const QString &v) {
                r.*member = v;
                return true;
            }};
}

TicketOption int16Option(std::int16_t TicketRequest::*member)
{
    return {QT_TRANSLATE_NOOP("TicketCommands", "-32768～32767 の整数"), [member](TicketRequest &r, const QString &v) {
                const auto value = parseInt16(v);
                if (value)
                    r.*member = *value;
                return value.has_value();
            }};
}

TicketOption int32Option(std::int32_t TicketRequest::*member)
{
    return {QT_TRANSLATE_NOOP("TicketCommands", "-2147483648～2147483647 の整数"),
            [member](TicketRequest &r, const QString &v) {
                const auto value = parseInt32(v);
                if (value)
                    r.*member = *value;
                return value.has_value();
            }};
}

const std::map<QString, TicketOption> &ticketOptions()
{
    static const std::map<QString, TicketOption> options{
        {QStringLiteral("--stop-name"), textOption(&TicketRequest::stopName)},
        {QStringLiteral("--date"), textOption(&TicketRequest::date)},
        {QStringLiteral("--time"), textOption(&TicketRequest::time)},
        {QStringLiteral("--route"), int32Option(&TicketRequest::route)},
        {QStringLiteral("--number"), int16Option(&TicketRequest::number)},
        {QStringLiteral("--position"), int16Option(&TicketRequest::position)},
        {QStringLiteral("--company"), int32Option(&TicketRequest::company)},
    };
    return options;
}

// Reads the options into `request` and the file names into `positional`;
// returns the message of the first problem, or nothing.
std::optional<QString> parseArguments(const QStringList &args, TicketRequest &request, QStringList &positional)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(u"--")) {
            positional << arg;
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        QString name = arg;
        std::optional<QString> value;
        if (const qsizetype eq = arg.indexOf(u'='); eq >= 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
        }
        const auto option = ticketOptions().find(name);
        if (option == ticketOptions().end())
            return QCoreApplication::translate("TicketCommands", "render-ticket に「%1」というオプションはありません。")
                .arg(name);
        if (!value) {
            if (i + 1 >= args.size())
                return QCoreApplication::translate("TicketCommands", "%1 の後に%2を指定してください。")
                    .arg(name, QCoreApplication::translate("TicketCommands", option->second.what));
            value = args[++i];
        }
        if (!option->second.apply(request, *value))
            return QCoreApplication::translate("TicketCommands",
                                               "%1 の値「%2」が正しくありません。%3を指定してください。")
                .arg(name, *value, QCoreApplication::translate("TicketCommands", option->second.what));
    }
    if (positional.size() != 2)
        return QCoreApplication::translate(
            "TicketCommands", "render-ticket にはプラグインのファイルと出力する PNG ファイルを指定してください。");
    return std::nullopt;
}

QString refusal(const QString &path, const TicketPluginError &error)
{
    if (error.line > 0)
        return QCoreApplication::translate("TicketCommands", "%1: %2行目: %3")
            .arg(path, QString::number(error.line), ticketPluginErrorText(error));
    return QStringLiteral("%1: %2").arg(path, ticketPluginErrorText(error));
}

} // namespace

int showPlugin(const QString &path, QTextStream &out, QTextStream &err)
{
    const TicketPluginRead read = readTicketPlugin(path);
    if (!read.plugin) {
        err << refusal(path, read.error) << '\n';
        return 1;
    }
    const TicketPlugin &plugin = *read.plugin;
    out << "PlgInfo";
    for (const std::int32_t value : plugin.info.field)
        out << ' ' << value;
    out << '\n';
    for (const QString &line : ticketPluginLines(plugin.info))
        out << line << '\n';
    out << "[Comment]\n";
    if (!plugin.comment.isEmpty())
        out << plugin.comment << '\n';
    out << "[Companies]\n";
    for (const QString &name : plugin.companies)
        out << name << '\n';
    return 0;
}

int renderTicket(const QStringList &args, QTextStream &out, QTextStream &err)
{
    TicketRequest request;
    QStringList positional;
    if (const auto problem = parseArguments(args, request, positional))
        return usageError(err, *problem);
    const QString &pluginPath = positional[0];
    const QString &outPath = positional[1];

    const TicketPluginRead read = readTicketPlugin(pluginPath);
    if (!read.plugin) {
        err << refusal(pluginPath, read.error) << '\n';
        return 1;
    }
    const QStringList missing = installFontSubstitutions();
    if (!missing.isEmpty())
        err << QCoreApplication::translate("TicketCommands", "警告: %1\n").arg(missingFontsMessage(missing));

    const PlgInfoRecord &info = read.plugin->info;
    QImage image(info.field[PlgWidth], info.field[PlgHeight], QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter dc(&image);
        ZR8_DrawSeiriken(pluginPath, dc, request.stopName, request.date, request.time, request.route,
                         request.number, request.position, request.company);
    }
    const int status = writeOutputFile(outPath, [&](QIODevice &file) { return image.save(&file, "PNG"); }, err);
    if (status != 0)
        return status;
    for (const QString &content : ticketBarcodes(*read.plugin, request.route, request.number))
        out << "barcode: " << content << '\n';
    return 0;
}

} // namespace kerubara::datatool
