// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/GtfsCommands.h"

#include "formats/Csv.h"
#include "formats/GtfsImport.h"
#include "reslib/Cp932.h"
#include "reslib/ProgramInfo.h"
#include "reslib/TicketPluginFile.h"
#include "settings/SettingsFile.h"
#include "tools/DataTool.h"
#include "tools/FareCommands.h"
#include "tools/GtfsMessages.h"
#include "tools/ReadingNotes.h"
#include "tools/RouteSettings.h"
#include "tools/ToolFiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

#include <algorithm>

namespace kerubara::datatool {
namespace {

struct GtfsArguments
{
    QStringList positional;
    gtfs::ImportRequest request;
    std::optional<QString> chimes;
    QString plugin;
    bool all = false; // every route, each direction in a folder of its own
    QString error;
};

GtfsArguments gtfsArguments(const QStringList &args)
{
    GtfsArguments a;
    bool routeGiven = false;
    bool oneRouteGiven = false; // an option that picks one route or trip
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        const bool takesValue = arg == u"--route" || arg == u"--trip" || arg == u"--direction" || arg == u"--number"
            || arg == u"--tickets" || arg == u"--chimes" || arg == u"--plugin";
        if (arg.startsWith(u"--") && arg.contains(u'=')) {
            value = arg.mid(arg.indexOf(u'=') + 1);
            arg = arg.left(arg.indexOf(u'='));
        } else if (takesValue) {
            if (++i >= args.size()) {
                a.error = QCoreApplication::translate("GtfsCommands", "%1 の値がありません。").arg(arg);
                return a;
            }
            value = args[i];
        } else if (arg == u"--keep-qualifiers") {
            a.request.keepQualifiers = true;
            continue;
        } else if (arg == u"--all") {
            a.all = true;
            continue;
        } else if (arg.startsWith(u"--")) {
            a.error = QCoreApplication::translate("GtfsCommands", "「%1」というオプションはありません。").arg(arg);
            return a;
        } else {
            a.positional << arg;
            continue;
        }
        oneRouteGiven = oneRouteGiven || arg == u"--route" || arg == u"--trip" || arg == u"--direction" || arg == u"--number";
        if (arg == u"--route") {
            a.request.routeId = value;
            routeGiven = true;
        } else if (arg == u"--trip") {
            a.request.tripId = value;
        } else if (arg == u"--direction") {
            if (value != u"0" && value != u"1") {
                a.error = QCoreApplication::translate("GtfsCommands", "--direction には 0 か 1 を指定してください。");
                return a;
            }
            a.request.direction = value.toInt();
        } else if (arg == u"--number") {
            if (!gtfs::isRouteNumber(value)) {
                const bool zeros = !value.isEmpty() && value.size() <= 5
                    && std::all_of(value.begin(), value.end(), [](QChar c) { return c == u'0'; });
                a.error = zeros
                    ? QCoreApplication::translate("GtfsCommands",
                                                  "--number %1 は系統番号 0 です。系統番号 0 "
                                                  "は、系統を入力せずにリセットしたときに読まれる番号なので使えません。"
                                                  "1～99999 を指定してください。")
                          .arg(value)
                    : QCoreApplication::translate(
                        "GtfsCommands", "--number には系統番号を1～5桁の数字（1～99999）で指定してください。");
                return a;
            }
            a.request.number = value;
        } else if (arg == u"--tickets") {
            if (value != u"stage" && value != u"stop") {
                a.error =
                    QCoreApplication::translate("GtfsCommands", "--tickets には stage か stop を指定してください。");
                return a;
            }
            a.request.tickets = value == u"stop" ? gtfs::TicketRule::Stop : gtfs::TicketRule::Stage;
        } else if (arg == u"--chimes") {
            a.chimes = value;
        } else if (arg == u"--plugin") {
            a.plugin = value;
        } else {
            a.error = QCoreApplication::translate("GtfsCommands", "「%1」というオプションはありません。").arg(arg);
            return a;
        }
    }
    if (a.all && oneRouteGiven)
        a.error = QCoreApplication::translate(
            "GtfsCommands", "--all はすべての系統を取り込みます。--route、--trip、--direction、--number とは一緒に使えません。");
    else if (a.all && a.positional.size() != 2)
        a.error = QCoreApplication::translate("GtfsCommands", "gtfs --all にはフィードと出力のフォルダーを指定してください。");
    else if (!a.all && (a.positional.size() != 2 || !routeGiven))
        a.error = QCoreApplication::translate(
            "GtfsCommands", "gtfs にはフィード、--route 系統の route_id と出力のフォルダーを指定してください。");
    return a;
}

bool hasChimes(const QString &folder)
{
    const QDir dir(folder);
    return !folder.isEmpty()
        && std::all_of(gtfs::chimeFiles().begin(), gtfs::chimeFiles().end(),
                       [&](const QString &f) { return QFileInfo(dir.filePath(f)).isFile(); });
}

// The fares column of gtfs-routes: their range, or why there is none.
QString faresText(const gtfs::RouteListing &r)
{
    if (!r.hasRules || (r.tickets && !r.lowestFare))
        return QCoreApplication::translate("GtfsCommands", "なし");
    if (!r.lowestFare)
        return QStringLiteral("-");
    QString range = *r.lowestFare == *r.highestFare
        ? QCoreApplication::translate("GtfsCommands", "%1円").arg(*r.lowestFare)
        : QCoreApplication::translate("GtfsCommands", "%1～%2円").arg(*r.lowestFare).arg(*r.highestFare);
    if (r.fareMissing)
        range += QCoreApplication::translate("GtfsCommands", "（運賃のない区間あり）");
    return range;
}

int refuse(QTextStream &err, const gtfs::FeedError &error)
{
    err << feedErrorText(error) << '\n';
    return 1;
}

// The stop names speech reads in part one kanji at a time, with the
// readings the folder's yomi.csv now has.
QStringList stopNameNotes(const gtfs::ImportedRoute &route, const QString &yomiPath)
{
    QStringList names;
    for (const FareFileRecord &r : route.records)
        names << cp932::decode(r.chimei);
    QStringList notes;
    for (const auto &[k, note] : stopNameReadingNotes(names, {yomiPath}))
        notes << QCoreApplication::translate("GtfsCommands", "停留所「%1」: %2").arg(names[k], note);
    return notes;
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
        return usageError(err,
                          QCoreApplication::translate(
                              "GtfsCommands", "gtfs-routes にはフィード（フォルダーか .zip）を1つ指定してください。"));
    gtfs::FeedError error;
    const std::optional<gtfs::Feed> feed = gtfs::Feed::open(args[0], &error);
    if (!feed)
        return refuse(err, error);
    const auto routes = gtfs::listRoutes(*feed, &error);
    if (!routes)
        return refuse(err, error);
    out << QCoreApplication::translate("GtfsCommands",
                                       "route_id\t系統名\t方向\t行先\t始発 → 終点\t便数\t停留所数\t整理券番号\t運賃\n");
    const QString none = QStringLiteral("-");
    for (const gtfs::RouteListing &r : *routes) {
        out << r.id << '\t' << r.name << '\t' << (r.direction < 0 ? none : QString::number(r.direction)) << '\t'
            << (r.headsign.isEmpty() ? none : r.headsign) << '\t'
            << (r.first.isEmpty() ? none : r.first + QStringLiteral(" → ") + r.last) << '\t' << r.trips << '\t' << r.stops
            << '\t' << (r.tickets ? QString::number(*r.tickets) : none) << '\t' << faresText(r) << '\n';
        if (r.stops > kFareRows)
            err << QCoreApplication::translate(
                       "GtfsCommands",
                       "注意: 系統「%1」%2の便は停留所が%3件あり、1つの系統に入る301件を超えるため、gtfs "
                       "では取り込めません。\n")
                       .arg(r.id,
                            r.direction < 0
                                ? QString()
                                : QCoreApplication::translate("GtfsCommands", "（方向 %1）").arg(r.direction),
                            QString::number(r.stops));
    }
    return 0;
}

namespace {

// What every route of an import shares: the chimes its settings use (empty
// for none) and the ticket plug-in, with a warning when there are no chimes.
struct RouteSound
{
    QString chimes;
    QString plugin;
    QString warning;
};

// The chimes and the plug-in asked for, the plug-in read as the program will
// read it; nothing, after saying why on `err`, when it cannot be.
std::optional<RouteSound> routeSound(const GtfsArguments &a, QTextStream &err)
{
    RouteSound sound;
    const QString chimes = a.chimes ? QDir::cleanPath(QFileInfo(*a.chimes).absoluteFilePath()) : bundledChimesFolder();
    if (hasChimes(chimes))
        sound.chimes = chimes;
    else
        sound.warning = a.chimes
            ? QCoreApplication::translate("GtfsCommands",
                                          "%1 にチャイム（%2）がありません。音の設定は空のままにしました（--chimes "
                                          "でチャイムのフォルダーを指定できます）。")
                  .arg(chimes, gtfs::chimeFiles().join(QCoreApplication::translate("GtfsCommands", "、")))
            : QCoreApplication::translate("GtfsCommands",
                                          "同梱のチャイムが見つかりません。音の設定は空のままにしました（-"
                                          "-chimes でチャイムのフォルダーを指定できます）。");
    sound.plugin = a.plugin.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(a.plugin).absoluteFilePath());
    if (!sound.plugin.isEmpty()) {
        const TicketPluginRead read = readTicketPlugin(sound.plugin);
        if (!read.plugin) {
            err << (read.error.line > 0
                        ? QCoreApplication::translate(
                              "GtfsCommands",
                              "%1: %2行目: %3（--plugin には整理券プラグイン .4SP を指定してください）\n")
                              .arg(sound.plugin, QString::number(read.error.line), ticketPluginErrorText(read.error))
                        : QCoreApplication::translate(
                              "GtfsCommands", "%1: %2（--plugin には整理券プラグイン .4SP を指定してください）\n")
                              .arg(sound.plugin, ticketPluginErrorText(read.error)));
            return std::nullopt;
        }
    }
    return sound;
}

// The four files of the route's folder `outDir`: the fare data, the
// announcements, the readings joined with those already in the folder, and
// the settings. Nothing, with why, when one cannot be made.
std::optional<std::vector<OutputFile>> routeFolderFiles(const gtfs::ImportedRoute &route, const QString &outDir,
                                                        const RouteSound &sound, QString *why)
{
    const std::optional<SettingsRecords> settings =
        gtfs::routeSettings(outDir, sound.chimes, sound.plugin, QDate::currentDate(), why);
    if (!settings)
        return std::nullopt;

    const QDir dir(outDir);
    const QString yomiPath = dir.filePath(QStringLiteral("yomi.csv"));
    QByteArray existingYomi;
    if (QFileInfo::exists(yomiPath)) {
        QString reason;
        const auto bytes =
            readWholeFile(yomiPath, qint64(64) << 20, QCoreApplication::translate("GtfsCommands", "読み辞書"), &reason);
        if (!bytes) {
            *why = yomiPath + QStringLiteral(": ") + reason;
            return std::nullopt;
        }
        existingYomi = *bytes;
    }

    const QString farePath = dir.filePath(route.number + QStringLiteral(".hy3"));
    const std::optional<QByteArray> fares = serializeFareFile(route.records);
    if (!fares) {
        *why = farePath + QStringLiteral(": ") + fareFileRefusalText(*fareFileRefusal(route.records));
        return std::nullopt;
    }
    const QByteArray tape = gtfs::tapeFileBytes(route.announcements);
    const TapeDataResult check = readTapeData(tape);
    if (check.error || check.records != route.announcements) {
        *why = check.error
            ? QCoreApplication::translate("GtfsCommands", "放送用データを正しく作れませんでした（%1）。").arg(tapeDataErrorText(*check.error))
            : QCoreApplication::translate("GtfsCommands", "放送用データを正しく作れませんでした。");
        return std::nullopt;
    }
    return std::vector<OutputFile>{
        {farePath, *fares},
        {dir.filePath(route.number + QStringLiteral("tp.csv")), tape},
        {yomiPath, gtfs::mergedReadings(existingYomi, route.readings)},
        {dir.filePath(QStringLiteral("route.in4")), settingsfile::bytes(*settings)},
    };
}

// A route and direction as messages name it: 系統「R1」（方向 0）.
QString wayText(const QString &routeId, int direction)
{
    return direction < 0 ? QCoreApplication::translate("GtfsCommands", "系統「%1」").arg(routeId)
                         : QCoreApplication::translate("GtfsCommands", "系統「%1」（方向 %2）").arg(routeId).arg(direction);
}

} // namespace

QString routeFolderName(const QString &routeId, int direction)
{
    // Whatever could leave the folder or trouble a file system or a shell
    // is written as %XX of its UTF-8 bytes, '%' too, so that two route ids
    // never share a name: a separator, a leading dot, a control character,
    // a blank, and what Windows refuses in a name.
    constexpr int kMaxBytes = 200; // a name's limit is 255 bytes
    static const QString refused = QStringLiteral("/\\:*?\"<>|%");
    QString name;
    int bytes = 0;
    const QList<uint> characters = routeId.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QString c = QString::fromUcs4(reinterpret_cast<const char32_t *>(&characters[i]), 1);
        const QChar::Category category = QChar::category(characters[i]);
        const bool escaped = refused.contains(c) || (i == 0 && c == u".") || category == QChar::Other_Control
            || category == QChar::Other_Format || category == QChar::Other_Surrogate || category == QChar::Other_NotAssigned
            || QChar::isSpace(characters[i]);
        QString piece;
        if (escaped) {
            for (const char b : c.toUtf8())
                piece += QStringLiteral("%%1").arg(uint(uchar(b)), 2, 16, QChar(u'0')).toUpper();
        } else {
            piece = c;
        }
        bytes += int(piece.toUtf8().size());
        if (bytes > kMaxBytes)
            break;
        name += piece;
    }
    return direction < 0 ? name : name + u'-' + QString::number(direction);
}

namespace {

// gtfs FEED --all OUTDIR: every route and direction written to a folder of
// its own, each made aside and put in place whole, then routes.csv listing
// them all. A route that cannot be made is named and the others go on.
int importEveryGtfsRoute(const GtfsArguments &a, QTextStream &out, QTextStream &err)
{
    const QString outDir = QDir::cleanPath(QFileInfo(a.positional[1]).absoluteFilePath());
    auto unchanged = [&] {
        err << outDir << QCoreApplication::translate("GtfsCommands", " のファイルは作成・変更していません。\n");
        return 1;
    };
    gtfs::FeedError error;
    const std::optional<gtfs::Feed> feed = gtfs::Feed::open(a.positional[0], &error);
    if (!feed) {
        refuse(err, error);
        return unchanged();
    }
    const std::optional<RouteSound> sound = routeSound(a, err);
    if (!sound)
        return unchanged();
    if (QFileInfo::exists(outDir) && !QFileInfo(outDir).isDir()) {
        err << outDir << QCoreApplication::translate("GtfsCommands", ": フォルダーではありません。出力のフォルダーを指定してください。\n");
        return 1;
    }

    const QString listName = QStringLiteral("routes.csv");
    QString list = csv::formatRow({QStringLiteral("route_id"), QStringLiteral("direction_id"), QStringLiteral("route_name"),
                                   QStringLiteral("number"), QStringLiteral("headsign"), QStringLiteral("first_stop"),
                                   QStringLiteral("last_stop"), QStringLiteral("stops"), QStringLiteral("folder"),
                                   QStringLiteral("status"), QStringLiteral("message")});
    QSet<QString> taken{listName.toCaseFolded()};
    bool outDirMade = false;
    int made = 0;
    int failed = 0;
    auto each = [&](const gtfs::RouteListing &listed, gtfs::ImportResult result) {
        const QString way = wayText(listed.id, listed.direction);
        QString number;
        QString folder;
        auto row = [&](const QString &status, const QString &message) {
            list += csv::formatRow({listed.id, listed.direction < 0 ? QString() : QString::number(listed.direction),
                                    listed.name, number, listed.headsign, listed.first, listed.last,
                                    QString::number(listed.stops), folder, status, message});
        };
        auto fail = [&](const QString &why) {
            ++failed;
            err << way << QCoreApplication::translate("GtfsCommands", ": 取り込めませんでした: ") << why << '\n';
            folder.clear();
            row(QStringLiteral("failed"), why);
        };
        if (result.error)
            return fail(feedErrorText(*result.error));
        if (!result.route)
            return fail(QCoreApplication::translate("GtfsCommands", "route_short_name「%1」は系統番号になりません。")
                            .arg(result.shortName));
        const gtfs::ImportedRoute &route = *result.route;
        number = route.number;
        // Each folder a name of its own, whatever case the file system ignores.
        const QString base = routeFolderName(listed.id, listed.direction);
        folder = base;
        for (int n = 2; taken.contains(folder.toCaseFolded()); ++n)
            folder = base + u'~' + QString::number(n);
        taken.insert(folder.toCaseFolded());
        const QString path = QDir(outDir).filePath(folder);

        QString why;
        const std::optional<std::vector<OutputFile>> files = routeFolderFiles(route, path, *sound, &why);
        if (!files)
            return fail(why);
        if (!outDirMade && !QDir().mkpath(outDir))
            return fail(outDir + QCoreApplication::translate("GtfsCommands", ": フォルダーを作れません。"));
        outDirMade = true;
        const QFileInfo existing(path);
        if (existing.isDir()) {
            // A folder already there is updated as gtfs updates one: its
            // four files replaced together, its other files kept.
            switch (writeFilesTogether(*files, err)) {
            case FilesWritten::All:
                break;
            case FilesWritten::None:
                return fail(path + QCoreApplication::translate("GtfsCommands", " のファイルは変更していません。"));
            case FilesWritten::Some:
                return fail(path + QCoreApplication::translate("GtfsCommands", " の一部のファイルだけが新しくなりました。"));
            }
        } else if (existing.exists() || existing.isSymLink()) {
            return fail(path + QCoreApplication::translate("GtfsCommands", ": フォルダーではないものがあります。そのままにしました。"));
        } else if (const std::optional<datafiles::WriteProblem> problem = datafiles::writeNewFolder(path, *files)) {
            // A file that cannot be written is named inside the folder.
            const bool inside = problem->kind == datafiles::WriteProblem::Kind::CannotWrite;
            return fail((inside ? QDir(path).filePath(problem->path) : path) + QStringLiteral(": ")
                        + writeProblemText(*problem));
        }
        ++made;
        row(QStringLiteral("imported"), QString());
        out << QCoreApplication::translate("GtfsCommands", "%1 → %2: 系統番号 %3、停留所 %4件、%5")
                   .arg(way, folder, route.number, QString::number(route.records.size()),
                        route.lowestFare ? QCoreApplication::translate("GtfsCommands", "運賃 %1円～%2円")
                                               .arg(*route.lowestFare)
                                               .arg(*route.highestFare)
                                         : QCoreApplication::translate("GtfsCommands", "運賃なし"))
            << '\n';
        QStringList warnings;
        for (const gtfs::ImportNote &note : route.warnings)
            warnings << importNoteText(note);
        warnings << stopNameNotes(route, QDir(path).filePath(QStringLiteral("yomi.csv")));
        for (const QString &w : std::as_const(warnings))
            out << QCoreApplication::translate("GtfsCommands", "注意: %1: %2\n").arg(way, w);
    };
    if (!gtfs::importEveryRoute(*feed, a.request, each, &error)) {
        refuse(err, error);
        return unchanged();
    }
    if (!sound->warning.isEmpty())
        out << QCoreApplication::translate("GtfsCommands", "注意: %1\n").arg(sound->warning);
    if (!outDirMade && !QDir().mkpath(outDir)) {
        err << outDir << QCoreApplication::translate("GtfsCommands", ": フォルダーを作れません。\n");
        return 1;
    }
    const QString listPath = QDir(outDir).filePath(listName);
    const QByteArray listBytes = list.toUtf8();
    if (writeOutputFile(listPath, [&](QIODevice &d) { return d.write(listBytes) == listBytes.size(); }, err) != 0)
        return 1;
    out << QCoreApplication::translate("GtfsCommands", "%1件を取り込みました（取り込めなかったもの %2件）。一覧: %3\n")
               .arg(QString::number(made), QString::number(failed), listPath);
    return failed > 0 ? 1 : 0;
}

} // namespace

int importGtfsRoute(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const GtfsArguments a = gtfsArguments(args);
    if (!a.error.isEmpty())
        return usageError(err, a.error);
    if (a.all)
        return importEveryGtfsRoute(a, out, err);
    const QString &feedPath = a.positional[0];
    const QString outDir = QDir::cleanPath(QFileInfo(a.positional[1]).absoluteFilePath());
    auto unchanged = [&] {
        err << outDir << QCoreApplication::translate("GtfsCommands", " のファイルは作成・変更していません。\n");
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
        return usageError(err,
                          QCoreApplication::translate(
                              "GtfsCommands",
                              "系統「%1」の route_short_name「%2」は系統番号（1～99999）になりません。--number "
                              "で系統番号を指定してください。")
                              .arg(a.request.routeId, imported.shortName));
    const gtfs::ImportedRoute &route = *imported.route;
    QStringList warnings;
    for (const gtfs::ImportNote &note : route.warnings)
        warnings << importNoteText(note);

    // The settings: this folder's data, the step sound by column 150 and the chimes.
    const std::optional<RouteSound> sound = routeSound(a, err);
    if (!sound)
        return unchanged();
    if (!sound->warning.isEmpty())
        warnings << sound->warning;
    QString why;
    const std::optional<std::vector<OutputFile>> made = routeFolderFiles(route, outDir, *sound, &why);
    if (!made) {
        err << why << '\n';
        return unchanged();
    }
    const std::vector<OutputFile> &files = *made;
    const QString yomiPath = QDir(outDir).filePath(QStringLiteral("yomi.csv"));
    if (!QDir().mkpath(outDir)) {
        err << outDir << QCoreApplication::translate("GtfsCommands", ": フォルダーを作れません。\n");
        return 1;
    }
    switch (writeFilesTogether(files, err)) {
    case FilesWritten::All:
        break;
    case FilesWritten::None:
        return unchanged();
    case FilesWritten::Some:
        return 1;
    }
    warnings << stopNameNotes(route, yomiPath);

    out << QCoreApplication::translate("GtfsCommands", "系統: %1（%2） → 系統番号 %3")
               .arg(route.routeId, route.routeName, route.number);
    if (!a.request.number.isEmpty() && a.request.number != route.number)
        out << QCoreApplication::translate("GtfsCommands", "（%1 の先頭の 0 は系統番号に入りません）")
                   .arg(a.request.number);
    out << '\n';
    out << QCoreApplication::translate("GtfsCommands", "便: %1（%2行き）\n").arg(route.tripId, route.destination);
    out << QCoreApplication::translate("GtfsCommands", "停留所: %1件\n").arg(route.records.size());
    if (route.tickets > 0)
        out << QCoreApplication::translate("GtfsCommands", "整理券番号: 1～%1\n").arg(route.tickets);
    else
        out << QCoreApplication::translate("GtfsCommands", "整理券番号: なし（乗車できる停留所がありません）\n");
    if (route.lowestFare)
        out << QCoreApplication::translate("GtfsCommands", "運賃: %1円～%2円\n")
                   .arg(*route.lowestFare)
                   .arg(*route.highestFare);
    else
        out << QCoreApplication::translate("GtfsCommands", "運賃: なし\n");
    if (!sound->plugin.isEmpty())
        out << QCoreApplication::translate("GtfsCommands", "整理券プラグイン: %1\n").arg(sound->plugin);
    out << QCoreApplication::translate("GtfsCommands", "読み: %1件").arg(route.readings.size());
    if (!route.unread.isEmpty()) {
        constexpr qsizetype kNamed = 10;
        const QString named = route.unread.mid(0, kNamed).join(QCoreApplication::translate("GtfsCommands", "、"));
        out << (route.unread.size() > kNamed
                    ? QCoreApplication::translate("GtfsCommands", "（読みのない停留所: %1 など%2件）")
                          .arg(named, QString::number(route.unread.size()))
                    : QCoreApplication::translate("GtfsCommands", "（読みのない停留所: %1）").arg(named));
    }
    out << '\n';
    for (const OutputFile &f : files)
        out << QCoreApplication::translate("GtfsCommands", "書き出し: %1\n").arg(f.path);
    out << QCoreApplication::translate("GtfsCommands",
                                       "kerubara --settings %1 で起動し、系統 %2、区間 1 でリセットしてください。\n")
               .arg(files.back().path, route.number);
    for (const QString &w : std::as_const(warnings))
        out << QCoreApplication::translate("GtfsCommands", "注意: %1\n").arg(w);
    return 0;
}

} // namespace kerubara::datatool
