// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/GtfsCommands.h"

#include "reslib/ProgramInfo.h"
#include "settings/SettingsFile.h"
#include "tools/DataTool.h"
#include "tools/FareCommands.h"
#include "tools/GtfsImport.h"
#include "tools/ToolFiles.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace kerubara::datatool {
namespace {

struct GtfsArguments
{
    QStringList positional;
    gtfs::ImportRequest request;
    std::optional<QString> chimes;
    QString error;
};

GtfsArguments gtfsArguments(const QStringList &args)
{
    GtfsArguments a;
    bool routeGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        const bool takesValue = arg == u"--route" || arg == u"--trip" || arg == u"--direction" || arg == u"--number"
            || arg == u"--tickets" || arg == u"--chimes";
        if (arg.startsWith(u"--") && arg.contains(u'=')) {
            value = arg.mid(arg.indexOf(u'=') + 1);
            arg = arg.left(arg.indexOf(u'='));
        } else if (takesValue) {
            if (++i >= args.size()) {
                a.error = QStringLiteral("%1 の値がありません。").arg(arg);
                return a;
            }
            value = args[i];
        } else if (arg.startsWith(u"--")) {
            a.error = QStringLiteral("「%1」というオプションはありません。").arg(arg);
            return a;
        } else {
            a.positional << arg;
            continue;
        }
        if (arg == u"--route") {
            a.request.routeId = value;
            routeGiven = true;
        } else if (arg == u"--trip") {
            a.request.tripId = value;
        } else if (arg == u"--direction") {
            if (value != u"0" && value != u"1") {
                a.error = QStringLiteral("--direction には 0 か 1 を指定してください。");
                return a;
            }
            a.request.direction = value.toInt();
        } else if (arg == u"--number") {
            static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
            if (!digits.match(value).hasMatch()) {
                a.error = QStringLiteral("--number には系統番号を1～5桁の数字で指定してください。");
                return a;
            }
            a.request.number = value;
        } else if (arg == u"--tickets") {
            if (value != u"stage" && value != u"stop") {
                a.error = QStringLiteral("--tickets には stage か stop を指定してください。");
                return a;
            }
            a.request.tickets = value == u"stop" ? gtfs::TicketRule::Stop : gtfs::TicketRule::Stage;
        } else if (arg == u"--chimes") {
            a.chimes = value;
        } else {
            a.error = QStringLiteral("「%1」というオプションはありません。").arg(arg);
            return a;
        }
    }
    if (a.positional.size() != 2 || !routeGiven)
        a.error = QStringLiteral("gtfs にはフィード、--route 系統の route_id と出力のフォルダーを指定してください。");
    return a;
}

bool hasChimes(const QString &folder)
{
    const QDir dir(folder);
    return !folder.isEmpty()
        && std::all_of(gtfs::chimeFiles().begin(), gtfs::chimeFiles().end(),
                       [&](const QString &f) { return QFileInfo(dir.filePath(f)).isFile(); });
}

int refuse(QTextStream &err, const gtfs::FeedError &error)
{
    err << error.text() << '\n';
    return 1;
}

} // namespace

QString bundledChimesFolder()
{
    for (const QString &folder : {installedExamplesFolder(), QDir(programFolder()).filePath(QStringLiteral("../examples"))}) {
        if (hasChimes(folder))
            return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    }
    return {};
}

int listGtfsRoutes(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usageError(err, QStringLiteral("gtfs-routes にはフィード（フォルダーか .zip）を1つ指定してください。"));
    gtfs::FeedError error;
    const std::optional<gtfs::Feed> feed = gtfs::Feed::open(args[0], &error);
    if (!feed)
        return refuse(err, error);
    const auto routes = gtfs::listRoutes(*feed, &error);
    if (!routes)
        return refuse(err, error);
    out << QStringLiteral("route_id\t系統名\t便数\t停留所数\t整理券番号\n");
    for (const gtfs::RouteListing &r : *routes)
        out << r.id << '\t' << r.name << '\t' << r.trips << '\t' << r.stops << '\t' << r.tickets << '\n';
    return 0;
}

int importGtfsRoute(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const GtfsArguments a = gtfsArguments(args);
    if (!a.error.isEmpty())
        return usageError(err, a.error);
    const QString &feedPath = a.positional[0];
    const QString outDir = QDir::cleanPath(QFileInfo(a.positional[1]).absoluteFilePath());
    auto unchanged = [&] {
        err << outDir << QStringLiteral(" のファイルは作成・変更していません。\n");
        return 1;
    };

    gtfs::FeedError error;
    const std::optional<gtfs::Feed> feed = gtfs::Feed::open(feedPath, &error);
    if (!feed) {
        refuse(err, error);
        return unchanged();
    }
    const gtfs::ImportResult imported = gtfs::importRoute(*feed, a.request);
    if (imported.error) {
        refuse(err, *imported.error);
        return unchanged();
    }
    if (imported.needsNumber)
        return usageError(err, QStringLiteral("系統「%1」の route_short_name は1～5桁の数字ではありません。--number で系統番号を指定してください。")
                                   .arg(a.request.routeId));
    const gtfs::ImportedRoute &route = *imported.route;
    QStringList warnings = route.warnings;

    // The settings: this folder's data, the step sound by column 150 and the chimes.
    const QString chimes = a.chimes ? QDir::cleanPath(QFileInfo(*a.chimes).absoluteFilePath()) : bundledChimesFolder();
    if (!hasChimes(chimes))
        warnings << (a.chimes ? QStringLiteral("%1 にチャイム（%2）がありません。").arg(chimes, gtfs::chimeFiles().join(QStringLiteral("、")))
                              : QStringLiteral("同梱のチャイムが見つかりません。"))
                + QStringLiteral("音の設定は空のままにしました（--chimes でチャイムのフォルダーを指定できます）。");
    QString why;
    const std::optional<SettingsRecords> settings =
        gtfs::routeSettings(outDir, hasChimes(chimes) ? chimes : QString(), QDate::currentDate(), &why);
    if (!settings) {
        err << why << '\n';
        return unchanged();
    }

    // The readings join those already in the folder.
    const QDir dir(outDir);
    const QString yomiPath = dir.filePath(QStringLiteral("yomi.csv"));
    QByteArray existingYomi;
    if (QFileInfo::exists(yomiPath)) {
        const auto bytes = readWholeFile(yomiPath, qint64(64) << 20, QStringLiteral("読み辞書"), &why);
        if (!bytes) {
            err << yomiPath << ": " << why << '\n';
            return unchanged();
        }
        existingYomi = *bytes;
    }

    const QString farePath = dir.filePath(route.number + QStringLiteral(".hy3"));
    const std::optional<QByteArray> fares = serializeFareFile(route.records);
    if (!fares) {
        err << farePath << ": " << fareFileRefusalText(*fareFileRefusal(route.records)) << '\n';
        return unchanged();
    }
    const QByteArray tape = gtfs::tapeFileBytes(route.announcements);
    const TapeDataResult check = readTapeData(tape);
    if (check.error || check.records != route.announcements) {
        err << QStringLiteral("放送用データを正しく作れませんでした") << (check.error ? QStringLiteral("（") + check.error->message + u'）' : QString())
            << QStringLiteral("。\n");
        return unchanged();
    }
    if (!QDir().mkpath(outDir)) {
        err << outDir << QStringLiteral(": フォルダーを作れません。\n");
        return 1;
    }
    const std::vector<OutputFile> files{
        {farePath, *fares},
        {dir.filePath(route.number + QStringLiteral("tp.csv")), tape},
        {yomiPath, gtfs::mergedReadings(existingYomi, route.readings)},
        {dir.filePath(QStringLiteral("route.in4")), settingsfile::bytes(*settings)},
    };
    switch (writeFilesTogether(files, err)) {
    case FilesWritten::All:
        break;
    case FilesWritten::None:
        return unchanged();
    case FilesWritten::Some:
        return 1;
    }

    out << QStringLiteral("系統: ") << route.routeId << QStringLiteral("（") << route.routeName << QStringLiteral("） → 系統番号 ")
        << route.number << '\n';
    out << QStringLiteral("便: ") << route.tripId << QStringLiteral("（") << route.destination << QStringLiteral("行き）\n");
    out << QStringLiteral("停留所: ") << route.records.size() << QStringLiteral("件\n");
    out << QStringLiteral("整理券番号: 1～") << route.tickets << '\n';
    if (route.lowestFare)
        out << QStringLiteral("運賃: ") << *route.lowestFare << QStringLiteral("円～") << *route.highestFare << QStringLiteral("円\n");
    else
        out << QStringLiteral("運賃: なし\n");
    out << QStringLiteral("読み: ") << route.readings.size() << QStringLiteral("件\n");
    for (const OutputFile &f : files)
        out << QStringLiteral("書き出し: ") << f.path << '\n';
    out << QStringLiteral("kerubara --settings ") << files.back().path << QStringLiteral(" で起動し、系統 ") << route.number
        << QStringLiteral("、区間 1 でリセットしてください。\n");
    for (const QString &w : std::as_const(warnings))
        out << QStringLiteral("注意: ") << w << '\n';
    return 0;
}

} // namespace kerubara::datatool
