// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/GtfsMessages.h"

#include "dialogs/SizeText.h"
#include "windows/FormatMessages.h"

#include <QCoreApplication>

namespace kerubara::datatool {
namespace {

// The context the words below are translated in (lupdate reads it too).
class Words
{
    Q_DECLARE_TR_FUNCTIONS(GtfsMessages)
};

// What is wrong, without the file and line.
QString feedErrorMessage(const gtfs::FeedError &error)
{
    using Kind = gtfs::FeedError::Kind;
    const QStringList &v = error.values;
    switch (error.kind) {
    case Kind::NoFeed:
        return Words::tr("フィードが見つかりません（フォルダーか .zip を指定してください）。");
    case Kind::Unreadable:
        return error.read ? formatmessages::readProblemText(*error.read, Words::tr("フィードの .zip ")) : QString();
    case Kind::NotZip:
        return Words::tr("zip として読めません（%1）。壊れていないか確かめてください。").arg(v.value(0));
    case Kind::NoFiles:
        return Words::tr("GTFS のファイル（stops.txt、routes.txt など）がありません。");
    case Kind::SeveralFolders:
        return Words::tr("GTFS のファイルが複数のフォルダー（%1）にあります。1つのフィードだけを指定してください。")
            .arg(v.join(Words::tr("、")));
    case Kind::MissingFile:
        return Words::tr("フィードにこのファイルがありません（必要なファイルです）。");
    case Kind::FileTooLarge:
        return Words::tr("ファイルが大きすぎます（フィードの1つのファイルは %1 までです）。")
            .arg(sizeText(gtfs::Feed::kMaxFileBytes));
    case Kind::ZipEntryNoInfo:
        return Words::tr("zip の中のファイルの情報を読めません（%1）").arg(v.value(0));
    case Kind::ZipEntryCannotOpen:
        return Words::tr("zip の中のファイルを開けません（%1）").arg(v.value(0));
    case Kind::ZipEntryBroken:
        return Words::tr("zip の中のファイルが壊れていて読めません（%1）。").arg(v.value(0));
    case Kind::ZipEntrySizeWrong:
        return Words::tr("zip の中のファイルが壊れていて読めません（%1）。").arg(Words::tr("大きさが記録と違います"));
    case Kind::ReadFailed:
        return Words::tr("読み込みに失敗しました（%1）。").arg(v.value(0));
    case Kind::Syntax:
        return error.csv ? formatmessages::csvErrorText(*error.csv) : QString();
    case Kind::NoHeader:
        return Words::tr("見出しの行がありません（1行目に列の名前が必要です）。");
    case Kind::MissingColumns:
        return Words::tr("見出しに必要な列「%1」がありません。").arg(v.join(Words::tr("」「")));
    case Kind::NoLanguageColumn:
        return Words::tr("見出しに言語の列（language または lang）がありません。");
    case Kind::StopIdEmpty:
        return Words::tr("stop_id が空です。");
    case Kind::StopIdTwice:
        return Words::tr("stop_id「%1」は %2 行目にもあります。").arg(v.value(0), v.value(1));
    case Kind::RouteIdEmpty:
        return Words::tr("route_id が空です。");
    case Kind::RouteIdTwice:
        return Words::tr("route_id「%1」が2回あります。").arg(v.value(0));
    case Kind::TripIdEmpty:
        return Words::tr("trip_id が空です。");
    case Kind::TripIdTwice:
        return Words::tr("trip_id「%1」が2回あります。").arg(v.value(0));
    case Kind::UnknownRoute:
        return Words::tr("route_id「%1」は routes.txt にありません。").arg(v.value(0));
    case Kind::BadDirection:
        return Words::tr("direction_id「%1」は 0 か 1 でなければなりません。").arg(v.value(0));
    case Kind::UnknownTrip:
        return Words::tr("trip_id「%1」は trips.txt にありません。").arg(v.value(0));
    case Kind::UnknownStop:
        return Words::tr("stop_id「%1」は stops.txt にありません。").arg(v.value(0));
    case Kind::BadSequence:
        return Words::tr("stop_sequence「%1」が 0 以上の整数ではありません。").arg(v.value(0));
    case Kind::BadTime:
        return Words::tr("%1「%2」が「時:分:秒」（例 7:05:00）の形ではありません。").arg(v.value(0), v.value(1));
    case Kind::SequenceTwice:
        return Words::tr("便「%1」の stop_sequence %2 が2回あります。").arg(v.value(0), v.value(1));
    case Kind::BadPrice:
        return Words::tr("price「%1」が 0～32767 の整数（円）ではありません。").arg(v.value(0));
    case Kind::UnknownFare:
        return Words::tr("fare_id「%1」は fare_attributes.txt にありません。").arg(v.value(0));
    case Kind::NoSuchRoute:
        return Words::tr("route_id「%1」の系統はありません（gtfs-routes で一覧を表示できます）。").arg(v.value(0));
    case Kind::NoSuchTrip:
        return Words::tr("trip_id「%1」の便はありません。").arg(v.value(0));
    case Kind::TripOfOtherRoute:
        return Words::tr("便「%1」は系統「%2」ではなく系統「%3」の便です。").arg(v.value(0), v.value(1), v.value(2));
    case Kind::NoTripInDirection:
        return Words::tr("系統「%1」に direction_id が %2 の便がありません。").arg(v.value(0), v.value(1));
    case Kind::NoTrip:
        return Words::tr("系統「%1」の便がありません。").arg(v.value(0));
    case Kind::StopCount:
        return Words::tr("便「%1」の停留所が%2件です。1つの系統に入る停留所は2件から301件までです。").arg(v.value(0), v.value(1));
    case Kind::TooManyTickets:
        return Words::tr("便「%1」には整理券番号が%2個必要です。運賃データに入るのは%3個までです（--tickets stage "
                  "で運賃の同じ停留所をまとめられます）。")
            .arg(v.value(0), v.value(1), v.value(2));
    case Kind::NameNotShiftJis:
        return Words::tr("停留所「%1」（stop_id %2）の名前の「%3」（%4）は Shift-JIS で表せません。別の文字に書き換えてください。")
            .arg(v.value(0), v.value(1), v.value(2), v.value(3));
    case Kind::NameTooLong:
        return Words::tr("停留所「%1…」（stop_id %2）の名前が長すぎます（%3バイト。運賃データの停留所名は65535バイトまでです）。")
            .arg(v.value(0), v.value(1), v.value(2));
    }
    return {};
}

// "「A」→「B」、「C」→「D」 など": the first sections without a fare.
QString sectionsWithoutFare(const QStringList &values)
{
    QStringList sections;
    for (qsizetype i = 1; i + 1 < values.size(); i += 2)
        sections << Words::tr("「%1」→「%2」").arg(values[i], values[i + 1]);
    const bool more = values.value(0).toInt() > sections.size();
    return sections.join(Words::tr("、")) + (more ? Words::tr(" など") : QString());
}

} // namespace

QString feedErrorText(const gtfs::FeedError &error)
{
    if (error.line > 0)
        return Words::tr("%1: %2行目: %3").arg(error.file, QString::number(error.line), feedErrorMessage(error));
    return Words::tr("%1: %2").arg(error.file, feedErrorMessage(error));
}

QString importNoteText(const gtfs::ImportNote &note)
{
    using Kind = gtfs::ImportNote::Kind;
    const QStringList &v = note.values;
    switch (note.kind) {
    case Kind::ParentMissing:
        return Words::tr("停留所「%1」（stop_id %2）の parent_station「%3」は stops.txt にありません。停留所自身の名前にしました。")
            .arg(v.value(0), v.value(1), v.value(2));
    case Kind::NameCleaned:
        return Words::tr("停留所「%1」（stop_id %2）の名前にある改行やタブは空白に、そのほかの制御文字は取り除きました。")
            .arg(v.value(0), v.value(1));
    case Kind::NameReplaced:
        return Words::tr("停留所名「%1」は Shift-JIS で表せないため「%2」としました。").arg(v.value(0), v.value(1));
    case Kind::HeadsignNotShiftJis:
        return Words::tr("trip_headsign「%1」は Shift-JIS で表せないため、行先は終点の名前にしました。").arg(v.value(0));
    case Kind::FaresMissing:
        return Words::tr("fare_rules.txt に運賃のない区間が%1件あります（%2）。その運賃は -1（運賃なし）にしました。")
            .arg(v.value(0), sectionsWithoutFare(v));
    case Kind::Untimed:
        return Words::tr("stop_times.txt に時刻のない停留所が%1件あります。その停留所の列149（始発からの分）は 0 にしました。")
            .arg(v.value(0));
    case Kind::TicketsBeyondPanel:
        return note.tickets ? formatmessages::ticketsBeyondPanelText(*note.tickets) : QString();
    case Kind::FaresCut:
    case Kind::NightFaresCut:
        return note.fares ? formatmessages::cutFaresText(*note.fares, note.kind == Kind::NightFaresCut) : QString();
    case Kind::ReadingsUnreadable:
        return (note.error ? feedErrorText(*note.error) : QString()) + Words::tr("読みは使わずに続けました。");
    case Kind::ReadingNotKana:
        return Words::tr("%1: %2行目: 「%3」の読み「%4」はかなではないため使いません。").arg(v.value(0), v.value(1), v.value(2), v.value(3));
    case Kind::NumberedByPlace:
        return Words::tr("route_short_name「%1」は系統番号（1～99999）にならないため、routes.txt の%2番目の系統として系統番号 %2 にしました。")
            .arg(v.value(0), v.value(1));
    }
    return {};
}

} // namespace kerubara::datatool
