// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One route of a GTFS-JP feed turned into what the simulator drives: the fare
// data, the announcements and the readings of the stop names (the data tool's
// gtfs command writes the settings file beside them).

#include "formats/DataIo.h"
#include "formats/FareChecks.h"
#include "formats/FareFile.h"
#include "formats/GtfsFeed.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace kerubara::gtfs {

// How ticket numbers are handed out: one per fare stage (boarding stops from
// which every later stop costs the same share a number), or one per stop.
enum class TicketRule { Stage, Stop };

// The most ticket numbers a route may need: columns 1..140 hold their fares,
// and the last columns carry the stops' own data.
inline constexpr int kMaxTickets = 140;
inline constexpr int kMinutesColumn = 149;
inline constexpr int kStepSoundColumn = 150;

// One line of gtfs-routes: a route in one direction, told by its longest
// trip in that direction.
struct RouteListing
{
    QString id;
    QString name;        // route_short_name, else route_long_name
    int direction = -1;  // direction_id; -1 when the trips give none
    QString headsign;    // trip_headsign of the longest trip
    QString first;       // its first and last stop as the panel shows them;
    QString last;        // empty when the route has no trip
    int trips = 0;       // in this direction
    int stops = 0;       // on the longest trip
    // The ticket numbers that trip needs (fare stages); nothing when it has
    // no stops or more than a route holds.
    std::optional<int> tickets;
    bool hasRules = false; // fare_rules.txt has rules for this route or for every route
    // The lowest and highest fare between its stops; nothing when no pair
    // has one or the fares were not looked up.
    std::optional<int> lowestFare;
    std::optional<int> highestFare;
    bool fareMissing = false; // some pair of its stops has no fare
};

// The feed's routes in the order of routes.txt, each direction in the order
// of its direction_id; a route without trips has one line.
std::optional<std::vector<RouteListing>> listRoutes(const Feed &feed, FeedError *error);

// A text that can number a route: one to five digits, not all zeros (route
// 0 is what the panel loads when no route is typed before リセット).
bool isRouteNumber(const QString &text);

struct ImportRequest
{
    QString routeId;
    QString tripId;                // empty: the route's trip with the most stops
    std::optional<int> direction;  // only trips of this direction_id (-1: trips without one)
    QString number;                // empty: route_short_name when it is 1-5 digits
    TicketRule tickets = TicketRule::Stage;
    bool keepQualifiers = false;   // names keep a trailing qualifier in brackets
};

// What the import did other than the feed says, for the author to know.
struct ImportNote
{
    enum class Kind {
        ParentMissing,       // values: the stop's name, stop_id, parent_station
        NameCleaned,         // values: the name written, stop_id
        NameReplaced,        // values: the name, the name written
        HeadsignNotShiftJis, // values: trip_headsign
        FaresMissing,        // values: their number, then the first few as from, to
        Untimed,             // values: their number
        TicketsBeyondPanel,  // `tickets`
        FaresCut,            // `fares`, by day
        NightFaresCut,       // `fares`, at night
        ReadingsUnreadable,  // `error` says why translations.txt was not read
        ReadingNotKana,      // values: the file, the line, the name, the reading
        NumberedByPlace,     // values: route_short_name, the route's place in routes.txt
    };
    Kind kind = Kind::ParentMissing;
    QStringList values{};
    std::optional<TicketsBeyondPanel> tickets{};
    std::optional<CutFares> fares{};
    std::optional<FeedError> error{};

    bool operator==(const ImportNote &other) const { return kind == other.kind && values == other.values; }
};

struct ImportedRoute
{
    QString routeId;
    QString routeName;
    QString tripId;
    QString destination;
    QString number; // the route number, as the file names use it
    std::vector<FareFileRecord> records;
    std::vector<TapeRecord> announcements;
    std::vector<std::pair<QString, QString>> readings; // stop name, katakana
    QStringList unread; // the names written without a reading, in route order
    int tickets = 0;
    std::optional<int> lowestFare;
    std::optional<int> highestFare;
    std::vector<ImportNote> warnings;
};

struct ImportResult
{
    std::optional<ImportedRoute> route;
    std::optional<FeedError> error;
    // No number was asked for and route_short_name is no route number.
    bool needsNumber = false;
    QString shortName; // route_short_name, when a number is needed
};

ImportResult importRoute(const Feed &feed, const ImportRequest &request);

// Imports every route of the feed in each direction, one after another in
// the order gtfs-routes lists them, the feed read once for all: `each` is
// handed each line of that list with what its import made or why it failed,
// as importRoute() would for that route and direction. The request's ticket
// rule and qualifiers apply to every route; a route whose route_short_name
// is no route number is numbered by its place in routes.txt (with a
// warning). False, with the error, when the feed itself cannot be read.
bool importEveryRoute(const Feed &feed, const ImportRequest &request,
                      const std::function<void(const RouteListing &, ImportResult)> &each, FeedError *error);

// The broadcast data file of the announcements: Shift-JIS, CRLF, each text in
// double quotes. The texts hold only characters that file can carry.
QByteArray tapeFileBytes(const std::vector<TapeRecord> &announcements);

// A reading dictionary (yomi.csv) holding `readings` and every line of
// `existing` that is not about one of their names.
QByteArray mergedReadings(const QByteArray &existing, const std::vector<std::pair<QString, QString>> &readings);

} // namespace kerubara::gtfs
