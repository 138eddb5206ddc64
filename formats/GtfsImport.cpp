// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/GtfsImport.h"

#include "formats/Csv.h"
#include "formats/DataFiles.h"
#include "formats/FareChecks.h"
#include "formats/Kana.h"
#include "reslib/Cp932.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

namespace kerubara::gtfs {
namespace {

struct StopInfo
{
    QString name;
    QString zone;
    int line = 0;
    QString parent; // parent_station: the station a platform belongs to
};

struct StopTime
{
    int sequence = 0;
    QString stopId;
    bool boarding = true;          // pickup_type is not 1
    std::optional<int> arrival;    // seconds after midnight of the service day
    std::optional<int> departure;
    int line = 0;
};

struct TripInfo
{
    QString id;
    QString routeId;
    QString headsign;
    int direction = -1;
    int stopCount = 0;           // its rows in stop_times.txt
    std::vector<StopTime> times; // in stop_sequence order, read only for the trips used
};

struct RouteInfo
{
    QString id;
    QString shortName;
    QString longName;

    QString name() const { return shortName.isEmpty() ? longName : shortName; }
};

struct FareRule
{
    int price = 0;
    QString origin;      // zone_id, empty for any
    QString destination; // zone_id, empty for any
};

// Everything the conversion reads of a feed.
struct FeedData
{
    QHash<QString, StopInfo> stops;
    std::vector<RouteInfo> routes;
    QHash<QString, qsizetype> routeIndex;
    std::vector<TripInfo> trips;
    QHash<QString, qsizetype> tripIndex;
    QHash<QString, std::vector<FareRule>> rulesByRoute; // "" for rules of every route
    QString tripsFile;
    QString stopTimesFile;
};

FeedError rowError(const Columns &table, const csv::Row &row, FeedError::Kind kind, const QStringList &values = {})
{
    return {kind, table.file, row.line, values};
}

// A whole non-negative number, or nothing.
std::optional<int> wholeNumber(const QString &text)
{
    const auto v = datafiles::parseInt32(text);
    return v && *v >= 0 ? std::optional<int>(*v) : std::nullopt;
}

// A price in yen: a whole number, also written with a zero fraction ("200.0").
std::optional<int> yen(QString text)
{
    static const QRegularExpression zeroFraction(QStringLiteral("\\.0*$"));
    text.remove(zeroFraction);
    const auto v = datafiles::parseInt16(text);
    return v && *v >= 0 ? std::optional<int>(*v) : std::nullopt;
}

// "H:MM:SS" (one to three digits of hours, which may pass 24) as seconds;
// nothing for any other text. Read by hand: a feed has millions of them.
std::optional<int> seconds(const QString &text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 1 || colon > 3 || text.size() != colon + 6 || text[colon + 3] != u':')
        return std::nullopt;
    auto number = [&](qsizetype from, qsizetype to) {
        int v = 0;
        for (qsizetype i = from; i < to; ++i) {
            if (text[i] < u'0' || text[i] > u'9')
                return -1;
            v = v * 10 + (text[i].unicode() - u'0');
        }
        return v;
    };
    const int hours = number(0, colon);
    const int minutes = number(colon + 1, colon + 3);
    const int secs = number(colon + 4, colon + 6);
    if (hours < 0 || minutes < 0 || minutes > 59 || secs < 0 || secs > 59)
        return std::nullopt;
    return hours * 3600 + minutes * 60 + secs;
}

bool loadStops(const Feed &feed, FeedData &data, FeedError *error)
{
    const auto table = feed.table(QStringLiteral("stops.txt"), {QStringLiteral("stop_id"), QStringLiteral("stop_name")}, error);
    if (!table)
        return false;
    const int id = table->column(QStringLiteral("stop_id"));
    const int name = table->column(QStringLiteral("stop_name"));
    const int zone = table->column(QStringLiteral("zone_id"));
    const int parent = table->column(QStringLiteral("parent_station"));
    data.stops.reserve(static_cast<qsizetype>(table->rows.size()));
    for (const csv::Row &row : table->rows) {
        const QString stopId = Table::value(row, id);
        if (stopId.isEmpty()) {
            *error = rowError(*table, row, FeedError::Kind::StopIdEmpty);
            return false;
        }
        if (const auto it = data.stops.constFind(stopId); it != data.stops.constEnd()) {
            *error = rowError(*table, row, FeedError::Kind::StopIdTwice, {stopId, QString::number(it->line)});
            return false;
        }
        data.stops.insert(stopId, StopInfo{Table::value(row, name), Table::value(row, zone), row.line, Table::value(row, parent)});
    }
    return true;
}

bool loadRoutes(const Feed &feed, FeedData &data, FeedError *error)
{
    const auto table = feed.table(QStringLiteral("routes.txt"), {QStringLiteral("route_id")}, error);
    if (!table)
        return false;
    const int id = table->column(QStringLiteral("route_id"));
    const int shortName = table->column(QStringLiteral("route_short_name"));
    const int longName = table->column(QStringLiteral("route_long_name"));
    for (const csv::Row &row : table->rows) {
        const QString routeId = Table::value(row, id);
        if (routeId.isEmpty() || data.routeIndex.contains(routeId)) {
            *error = routeId.isEmpty() ? rowError(*table, row, FeedError::Kind::RouteIdEmpty)
                                       : rowError(*table, row, FeedError::Kind::RouteIdTwice, {routeId});
            return false;
        }
        data.routeIndex.insert(routeId, static_cast<qsizetype>(data.routes.size()));
        data.routes.push_back({routeId, Table::value(row, shortName), Table::value(row, longName)});
    }
    return true;
}

bool loadTrips(const Feed &feed, FeedData &data, FeedError *error)
{
    auto table = feed.rows(QStringLiteral("trips.txt"), {QStringLiteral("route_id"), QStringLiteral("trip_id")}, error);
    if (!table)
        return false;
    data.tripsFile = table->file;
    const int route = table->column(QStringLiteral("route_id"));
    const int id = table->column(QStringLiteral("trip_id"));
    const int headsign = table->column(QStringLiteral("trip_headsign"));
    const int direction = table->column(QStringLiteral("direction_id"));
    csv::Row row;
    while (table->next(row)) {
        TripInfo trip{Table::value(row, id), Table::value(row, route), Table::value(row, headsign), -1, 0, {}};
        if (trip.id.isEmpty() || data.tripIndex.contains(trip.id)) {
            *error = trip.id.isEmpty() ? rowError(*table, row, FeedError::Kind::TripIdEmpty)
                                       : rowError(*table, row, FeedError::Kind::TripIdTwice, {trip.id});
            return false;
        }
        if (!data.routeIndex.contains(trip.routeId)) {
            *error = rowError(*table, row, FeedError::Kind::UnknownRoute, {trip.routeId});
            return false;
        }
        if (const QString d = Table::value(row, direction); !d.isEmpty()) {
            if (d != u"0" && d != u"1") {
                *error = rowError(*table, row, FeedError::Kind::BadDirection, {d});
                return false;
            }
            trip.direction = d.toInt();
        }
        data.tripIndex.insert(trip.id, static_cast<qsizetype>(data.trips.size()));
        data.trips.push_back(std::move(trip));
    }
    return table->finish(error);
}

// Reads stop_times.txt row by row. Without `kept`, checks every row and
// counts the stops of each trip; with it, keeps the stops of those trips (by
// their index), in stop_sequence order, and holds nothing of the others. A
// trip whose stop_sequence repeats is an error of the whole read, or, with
// `tripErrors`, of that trip alone (by its index) while the others are read.
bool readStopTimes(const Feed &feed, FeedData &data, const QSet<qsizetype> *kept, FeedError *error,
                   QHash<qsizetype, FeedError> *tripErrors = nullptr)
{
    auto table = feed.rows(QStringLiteral("stop_times.txt"),
                           {QStringLiteral("trip_id"), QStringLiteral("stop_id"), QStringLiteral("stop_sequence"),
                            QStringLiteral("arrival_time"), QStringLiteral("departure_time")},
                           error);
    if (!table)
        return false;
    data.stopTimesFile = table->file;
    const int trip = table->column(QStringLiteral("trip_id"));
    const int stop = table->column(QStringLiteral("stop_id"));
    const int sequence = table->column(QStringLiteral("stop_sequence"));
    const int arrival = table->column(QStringLiteral("arrival_time"));
    const int departure = table->column(QStringLiteral("departure_time"));
    const int pickup = table->column(QStringLiteral("pickup_type"));
    csv::Row row;
    while (table->next(row)) {
        const QString tripId = Table::value(row, trip);
        const auto at = data.tripIndex.constFind(tripId);
        if (at == data.tripIndex.constEnd()) {
            *error = rowError(*table, row, FeedError::Kind::UnknownTrip, {tripId});
            return false;
        }
        if (!kept)
            ++data.trips[static_cast<std::size_t>(*at)].stopCount;
        else if (!kept->contains(*at))
            continue;
        StopTime time;
        time.line = row.line;
        // The stop's id as stops.txt holds it: shared, not one more copy.
        const auto stopAt = data.stops.constFind(Table::value(row, stop));
        if (stopAt == data.stops.constEnd()) {
            *error = rowError(*table, row, FeedError::Kind::UnknownStop, {Table::value(row, stop)});
            return false;
        }
        time.stopId = stopAt.key();
        const QString seq = Table::value(row, sequence);
        const auto number = wholeNumber(seq);
        if (!number) {
            *error = rowError(*table, row, FeedError::Kind::BadSequence, {seq});
            return false;
        }
        time.sequence = *number;
        for (const auto &[column, name, value] : {std::tuple{arrival, "arrival_time", &time.arrival},
                                                  std::tuple{departure, "departure_time", &time.departure}}) {
            const QString text = Table::value(row, column);
            if (text.isEmpty())
                continue;
            *value = seconds(text);
            if (!*value) {
                *error = rowError(*table, row, FeedError::Kind::BadTime, {QLatin1StringView(name), text});
                return false;
            }
        }
        time.boarding = Table::value(row, pickup) != u"1";
        if (kept)
            data.trips[static_cast<std::size_t>(*at)].times.push_back(std::move(time));
    }
    if (!table->finish(error))
        return false;
    if (!kept)
        return true;
    for (const qsizetype index : *kept) {
        TripInfo &t = data.trips[static_cast<std::size_t>(index)];
        std::stable_sort(t.times.begin(), t.times.end(), [](const StopTime &a, const StopTime &b) { return a.sequence < b.sequence; });
        const auto twice = std::adjacent_find(t.times.begin(), t.times.end(),
                                              [](const StopTime &a, const StopTime &b) { return a.sequence == b.sequence; });
        if (twice != t.times.end()) {
            const FeedError repeated{FeedError::Kind::SequenceTwice, table->file,
                                     std::max(twice->line, std::next(twice)->line),
                                     {t.id, QString::number(twice->sequence)}};
            if (!tripErrors) {
                *error = repeated;
                return false;
            }
            tripErrors->insert(index, repeated);
        }
    }
    return true;
}

bool loadFares(const Feed &feed, FeedData &data, FeedError *error)
{
    auto attributes = feed.rows(QStringLiteral("fare_attributes.txt"), {QStringLiteral("fare_id"), QStringLiteral("price")}, error);
    if (!attributes)
        return false;
    QHash<QString, int> prices;
    const int fareId = attributes->column(QStringLiteral("fare_id"));
    const int price = attributes->column(QStringLiteral("price"));
    csv::Row row;
    while (attributes->next(row)) {
        const QString text = Table::value(row, price);
        const auto value = yen(text);
        if (!value) {
            *error = rowError(*attributes, row, FeedError::Kind::BadPrice, {text});
            return false;
        }
        prices.insert(Table::value(row, fareId), *value);
    }
    if (!attributes->finish(error))
        return false;
    auto rules = feed.rows(QStringLiteral("fare_rules.txt"), {QStringLiteral("fare_id")}, error);
    if (!rules)
        return false;
    const int ruleFare = rules->column(QStringLiteral("fare_id"));
    const int route = rules->column(QStringLiteral("route_id"));
    const int origin = rules->column(QStringLiteral("origin_id"));
    const int destination = rules->column(QStringLiteral("destination_id"));
    while (rules->next(row)) {
        const QString id = Table::value(row, ruleFare);
        const auto it = prices.constFind(id);
        if (it == prices.constEnd()) {
            *error = rowError(*rules, row, FeedError::Kind::UnknownFare, {id});
            return false;
        }
        data.rulesByRoute[Table::value(row, route)].push_back({*it, Table::value(row, origin), Table::value(row, destination)});
    }
    return rules->finish(error);
}

// Everything the conversion reads of a feed but the stops of each trip,
// which are only counted: readStopTimes() reads those of the trips chosen.
std::optional<FeedData> loadFeed(const Feed &feed, FeedError *error)
{
    FeedData data;
    if (loadStops(feed, data, error) && loadRoutes(feed, data, error) && loadTrips(feed, data, error)
        && readStopTimes(feed, data, nullptr, error) && loadFares(feed, data, error))
        return data;
    return std::nullopt;
}

// The fares of a route between the stops of a trip: the lowest price of the
// rules of this route or of every route whose zones match; nothing where
// no rule matches.
class FareMatrix
{
public:
    FareMatrix(const FeedData &data, const QString &routeId, const std::vector<StopTime> &stops) : n_(stops.size())
    {
        // Each zone's fares to every zone, with "" as any zone.
        QHash<QString, QHash<QString, int>> lowest;
        for (const QString &key : {routeId, QString()}) {
            if (key.isEmpty() && routeId.isEmpty())
                continue;
            const auto rules = data.rulesByRoute.constFind(key);
            if (rules == data.rulesByRoute.constEnd())
                continue;
            for (const FareRule &rule : *rules) {
                auto &to = lowest[rule.origin];
                const auto it = to.find(rule.destination);
                if (it == to.end())
                    to.insert(rule.destination, rule.price);
                else
                    *it = std::min(*it, rule.price);
            }
        }
        // The zones of the trip's stops, each pair looked up once.
        QHash<QString, std::size_t> zoneIndex;
        std::vector<QString> zones;
        std::vector<std::size_t> zoneOf;
        for (const StopTime &s : stops) {
            const QString zone = data.stops.value(s.stopId).zone;
            auto it = zoneIndex.constFind(zone);
            if (it == zoneIndex.constEnd()) {
                it = zoneIndex.insert(zone, zones.size());
                zones.push_back(zone);
            }
            zoneOf.push_back(*it);
        }
        std::vector<std::optional<int>> byZone(zones.size() * zones.size());
        for (std::size_t a = 0; a < zones.size(); ++a)
            for (std::size_t b = 0; b < zones.size(); ++b)
                byZone[a * zones.size() + b] = lookup(lowest, zones[a], zones[b]);
        fares_.resize(n_ * n_);
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = 0; j < n_; ++j)
                fares_[i * n_ + j] = byZone[zoneOf[i] * zones.size() + zoneOf[j]];
    }

    const std::optional<int> &operator()(std::size_t from, std::size_t to) const { return fares_[from * n_ + to]; }

private:
    static std::optional<int> lookup(const QHash<QString, QHash<QString, int>> &lowest, const QString &from, const QString &to)
    {
        std::optional<int> best;
        for (const QString &o : {from, QString()}) {
            const auto row = lowest.constFind(o);
            if (row == lowest.constEnd())
                continue;
            for (const QString &d : {to, QString()}) {
                if (const auto it = row->constFind(d); it != row->constEnd())
                    best = best ? std::min(*best, *it) : *it;
                if (to.isEmpty())
                    break;
            }
            if (from.isEmpty())
                break;
        }
        return best;
    }

    std::size_t n_;
    std::vector<std::optional<int>> fares_;
};

// The ticket number of each stop: 0 where nobody boards (and at the last
// stop), otherwise numbered by stage or by stop.
std::vector<int> ticketNumbers(const std::vector<StopTime> &stops, const FareMatrix &fares, TicketRule rule)
{
    const std::size_t n = stops.size();
    std::vector<int> numbers(n, 0);
    int issued = 0;
    std::optional<std::size_t> previous;
    auto sameStage = [&](std::size_t p, std::size_t i) {
        for (std::size_t m = i + 1; m < n; ++m) {
            if (fares(p, m) != fares(i, m))
                return false;
        }
        return true;
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (!stops[i].boarding)
            continue;
        if (!previous || rule == TicketRule::Stop || !sameStage(*previous, i))
            ++issued;
        numbers[i] = issued;
        previous = i;
    }
    return numbers;
}

// The trip with the most stops of those `accept` takes; the first on a tie.
const TripInfo *longestTrip(const FeedData &data, const std::function<bool(const TripInfo &)> &accept)
{
    const TripInfo *best = nullptr;
    for (const TripInfo &t : data.trips) {
        if (accept(t) && (!best || t.stopCount > best->stopCount))
            best = &t;
    }
    return best;
}

// A stop name the fare data can hold: as written, else in its compatibility
// form (NFKC); nothing when even that has a character Shift-JIS lacks.
std::optional<QString> storableName(const QString &name, QString *badCharacter)
{
    if (cp932::canEncode(name))
        return name;
    const QString normal = name.normalized(QString::NormalizationForm_KC);
    const qsizetype bad = cp932::firstUnencodable(normal);
    if (bad < 0)
        return normal;
    *badCharacter = normal.mid(bad, normal[bad].isHighSurrogate() ? 2 : 1);
    return std::nullopt;
}

QString codePoint(const QString &character)
{
    return QStringLiteral("U+") + QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
}

// A name as an announcement can say it: the broadcast file quotes each text
// and cannot hold a double quote or a line break inside one.
QString spokenName(QString name)
{
    name.replace(u'"', u'\u201D');
    for (QChar &c : name) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
    return name;
}

// A name without its trailing qualifier in brackets: 「県庁前（群馬）」 is
// 県庁前. Nothing for a name without one, or with nothing before it.
std::optional<QString> withoutQualifier(const QString &name)
{
    static const QRegularExpression qualified(QStringLiteral("^(.*?)\\s*[（(][^（）()]+[）)]\\s*$"));
    const QRegularExpressionMatch m = qualified.match(name);
    if (!m.hasMatch() || m.captured(1).trimmed().isEmpty())
        return std::nullopt;
    return m.captured(1).trimmed();
}

// How a stop of a trip is called on the panel and in the announcements.
struct ShownStop
{
    QString id;       // the stop named: a platform's station, else the stop itself
    QString fullName; // its name as the feed writes it
    QString name;     // as shown
};

// Each stop of a trip as a passenger knows it: a platform (a stop with a
// parent_station) by its station's name, and a name without its trailing
// qualifier in brackets, unless the qualifiers are kept or two stops of the
// trip would then share a name.
std::vector<ShownStop> shownStops(const FeedData &data, const std::vector<StopTime> &stops, bool keepQualifiers,
                                  std::vector<ImportNote> &warnings)
{
    std::vector<ShownStop> shown;
    shown.reserve(stops.size());
    QHash<QString, QSet<QString>> named; // a name as shown, by the stops it would name
    for (const StopTime &s : stops) {
        const StopInfo &stop = data.stops[s.stopId];
        QString id = s.stopId;
        if (!stop.parent.isEmpty()) {
            if (data.stops.contains(stop.parent))
                id = stop.parent;
            else if (const ImportNote note{ImportNote::Kind::ParentMissing, {stop.name, s.stopId, stop.parent}};
                     std::find(warnings.cbegin(), warnings.cend(), note) == warnings.cend())
                warnings.push_back(note);
        }
        const QString &full = data.stops[id].name;
        const QString name = keepQualifiers ? full : withoutQualifier(full).value_or(full);
        named[name].insert(id);
        shown.push_back({id, full, name});
    }
    for (ShownStop &s : shown) {
        if (s.name != s.fullName && named.value(s.name).size() > 1)
            s.name = s.fullName;
    }
    return shown;
}

// A reading given for the whole name `full` as the reading of `shown`: as it
// is when the names are the same (a qualifier kept is read after a pause);
// without its bracketed end when `shown` is `full` without its qualifier.
// Nothing when the reading does not show which part reads the qualifier.
std::optional<QString> readingAs(const QString &shown, const QString &full, QString reading)
{
    if (shown != full) {
        if (withoutQualifier(full) != shown)
            return std::nullopt;
        const std::optional<QString> base = withoutQualifier(reading);
        if (!base)
            return std::nullopt;
        reading = *base;
    }
    for (QChar &c : reading) {
        if (c == u'（' || c == u'(')
            c = u'・';
    }
    reading.remove(u'）').remove(u')');
    return reading;
}

// The readings of the feed's stop names in ja-Hrkt, by stop_id and by name.
struct Readings
{
    QHash<QString, QString> byStop;
    QHash<QString, QString> byName;
    QHash<QString, int> lineOf; // the line each reading comes from, by reading
};

std::optional<Readings> loadReadings(const Feed &feed, FeedError *error)
{
    Readings readings;
    const QString file = QStringLiteral("translations.txt");
    if (!feed.has(file))
        return readings;
    const auto table = feed.table(file, {QStringLiteral("translation")}, error);
    if (!table)
        return std::nullopt;
    // GTFS-JP first wrote translations by the text itself (trans_id, lang);
    // GTFS writes them by table, field and record (table_name, language).
    const bool byRecord = table->hasColumn(QStringLiteral("table_name"));
    const int language = table->column(byRecord ? QStringLiteral("language") : QStringLiteral("lang"));
    const int translation = table->column(QStringLiteral("translation"));
    const int tableName = table->column(QStringLiteral("table_name"));
    const int fieldName = table->column(QStringLiteral("field_name"));
    const int recordId = table->column(QStringLiteral("record_id"));
    const int fieldValue = table->column(byRecord ? QStringLiteral("field_value") : QStringLiteral("trans_id"));
    if (language < 0) {
        *error = {FeedError::Kind::NoLanguageColumn, table->file, 1};
        return std::nullopt;
    }
    for (const csv::Row &row : table->rows) {
        if (Table::value(row, language).compare(u"ja-Hrkt", Qt::CaseInsensitive) != 0)
            continue;
        if (byRecord && (Table::value(row, tableName) != u"stops" || Table::value(row, fieldName) != u"stop_name"))
            continue;
        const QString reading = Table::value(row, translation);
        if (const QString id = Table::value(row, recordId); byRecord && !id.isEmpty())
            readings.byStop.insert(id, reading);
        else if (const QString text = Table::value(row, fieldValue); !text.isEmpty())
            readings.byName.insert(text, reading);
        readings.lineOf.insert(reading, row.line);
    }
    return readings;
}

// The readings of a feed, read once for all the routes imported from it;
// when translations.txt cannot be read, why, and no readings.
struct FeedReadings
{
    Readings readings;
    std::optional<FeedError> unreadable;
};

FeedReadings feedReadings(const Feed &feed)
{
    FeedReadings loaded;
    FeedError error;
    if (std::optional<Readings> readings = loadReadings(feed, &error))
        loaded.readings = std::move(*readings);
    else
        loaded.unreadable = error;
    return loaded;
}

// A route in one direction as gtfs-routes lists it, from its longest trip.
RouteListing listing(const FeedData &data, const RouteInfo &route, int trips, const TripInfo &trip)
{
    RouteListing line;
    line.id = route.id;
    line.name = route.name();
    line.direction = trip.direction;
    line.headsign = trip.headsign;
    line.trips = trips;
    line.stops = static_cast<int>(trip.times.size());
    line.hasRules = data.rulesByRoute.contains(route.id) || data.rulesByRoute.contains(QString());
    if (trip.times.empty())
        return line;
    std::vector<ImportNote> ignored;
    const std::vector<ShownStop> shown = shownStops(data, trip.times, false, ignored);
    line.first = shown.front().name;
    line.last = shown.back().name;
    // Fares are looked up for every pair of stops: only for a trip a route
    // can hold, so that a huge trip costs no more than its stops.
    if (trip.times.size() > static_cast<std::size_t>(kFareRows))
        return line;
    const FareMatrix fares(data, route.id, trip.times);
    const std::vector<int> numbers = ticketNumbers(trip.times, fares, TicketRule::Stage);
    line.tickets = *std::max_element(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] == 0)
            continue;
        for (std::size_t j = i + 1; j < numbers.size(); ++j) {
            if (const std::optional<int> &fare = fares(i, j)) {
                line.lowestFare = std::min(line.lowestFare.value_or(*fare), *fare);
                line.highestFare = std::max(line.highestFare.value_or(*fare), *fare);
            } else {
                line.fareMissing = true;
            }
        }
    }
    return line;
}

// A route in one direction: its trips that way and the longest of them
// (the first on a tie, as gtfs chooses); no trip for a route without any.
struct Way
{
    const RouteInfo *route = nullptr;
    int direction = -1;
    int trips = 0;
    const TripInfo *longest = nullptr;
};

// Every route in the order of routes.txt, each direction in the order of its
// direction_id; a route without trips has one way with no trip.
std::vector<Way> routeWays(const FeedData &data)
{
    QHash<QString, std::map<int, Way>> byRoute;
    for (const TripInfo &t : data.trips) {
        Way &way = byRoute[t.routeId][t.direction];
        way.direction = t.direction;
        ++way.trips;
        if (!way.longest || t.stopCount > way.longest->stopCount)
            way.longest = &t;
    }
    std::vector<Way> ways;
    for (const RouteInfo &r : data.routes) {
        const auto it = byRoute.constFind(r.id);
        if (it == byRoute.constEnd()) {
            ways.push_back({&r, -1, 0, nullptr});
            continue;
        }
        for (const auto &[direction, way] : *it)
            ways.push_back({&r, direction, way.trips, way.longest});
    }
    return ways;
}

// The indexes of the ways' longest trips: the only trips whose stops are read.
QSet<qsizetype> longestTrips(const FeedData &data, const std::vector<Way> &ways)
{
    QSet<qsizetype> kept;
    for (const Way &way : ways) {
        if (way.longest)
            kept.insert(way.longest - data.trips.data());
    }
    return kept;
}

RouteListing wayListing(const FeedData &data, const Way &way)
{
    if (way.longest)
        return listing(data, *way.route, way.trips, *way.longest);
    RouteListing line;
    line.id = way.route->id;
    line.name = way.route->name();
    line.hasRules = data.rulesByRoute.contains(way.route->id) || data.rulesByRoute.contains(QString());
    return line;
}

} // namespace

std::optional<std::vector<RouteListing>> listRoutes(const Feed &feed, FeedError *error)
{
    std::optional<FeedData> data = loadFeed(feed, error);
    if (!data)
        return std::nullopt;
    const std::vector<Way> ways = routeWays(*data);
    const QSet<qsizetype> kept = longestTrips(*data, ways);
    if (!readStopTimes(feed, *data, &kept, error))
        return std::nullopt;
    std::vector<RouteListing> list;
    list.reserve(ways.size());
    for (const Way &way : ways)
        list.push_back(wayListing(*data, way));
    return list;
}

namespace {

// The trip asked for, or why there is none.
const TripInfo *chooseTrip(const FeedData &data, const RouteInfo &route, const ImportRequest &request, FeedError *error)
{
    if (!request.tripId.isEmpty()) {
        const auto at = data.tripIndex.constFind(request.tripId);
        if (at == data.tripIndex.constEnd()) {
            *error = {FeedError::Kind::NoSuchTrip, data.tripsFile, 0, {request.tripId}};
            return nullptr;
        }
        const TripInfo &trip = data.trips[static_cast<std::size_t>(*at)];
        if (trip.routeId != route.id) {
            *error = {FeedError::Kind::TripOfOtherRoute, data.tripsFile, 0, {trip.id, route.id, trip.routeId}};
            return nullptr;
        }
        return &trip;
    }
    const TripInfo *trip = longestTrip(data, [&](const TripInfo &t) {
        return t.routeId == route.id && (!request.direction || t.direction == *request.direction);
    });
    if (!trip)
        *error = request.direction
            ? FeedError{FeedError::Kind::NoTripInDirection, data.tripsFile, 0, {route.id, QString::number(*request.direction)}}
            : FeedError{FeedError::Kind::NoTrip, data.tripsFile, 0, {route.id}};
    return trip;
}

// Minutes from the first departure to the arrival at each stop; 0 where the
// feed gives no time.
std::vector<int> minutesOnTheWay(const std::vector<StopTime> &stops, int *untimed)
{
    std::vector<int> minutes(stops.size(), 0);
    const StopTime &first = stops.front();
    const std::optional<int> start = first.departure ? first.departure : first.arrival;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const std::optional<int> at = stops[i].arrival ? stops[i].arrival : stops[i].departure;
        if (!start || !at) {
            ++*untimed;
            continue;
        }
        minutes[i] = std::clamp((*at - *start) / 60, 0, int(std::numeric_limits<std::int16_t>::max()));
    }
    return minutes;
}

std::vector<TapeRecord> announcementsOf(const std::vector<QString> &names, const std::vector<StopTime> &stops,
                                        const QString &destination)
{
    std::vector<TapeRecord> tape;
    tape.push_back({QStringLiteral("ご乗車ありがとうございます。このバスは、") + spokenName(destination)
                        + QStringLiteral("行きです。整理券をお取りください。"),
                    0, 2});
    for (std::size_t i = 1; i < names.size(); ++i) {
        const QString name = spokenName(names[i]);
        if (i + 1 == names.size()) {
            tape.push_back({QStringLiteral("次は、終点、") + name + QStringLiteral("です。お忘れ物のないよう、ご注意ください。"), 1, 3});
        } else {
            QString text = QStringLiteral("次は、") + name + QStringLiteral("です。");
            if (!stops[i].boarding)
                text += QStringLiteral("こちらは、降車専用の停留所です。");
            tape.push_back({text, 1, 1});
        }
    }
    return tape;
}

} // namespace

namespace {

// A stop name without control characters, which the fare data cannot hold:
// a line break (CRLF as one) or a TAB becomes a space, any other goes.
QString withoutControlCharacters(const QString &name)
{
    QString clean;
    clean.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c == u'\r' && i + 1 < name.size() && name[i + 1] == u'\n')
            continue; // its LF makes the space
        if (c == u'\r' || c == u'\n' || c == u'\t')
            clean += u' ';
        else if (c.category() != QChar::Other_Control)
            clean += c;
    }
    return clean;
}

// The names the fare data and the announcements carry, one per stop; a name
// with a character Shift-JIS lacks even in its compatibility form, or longer
// than the fare data holds, is an error. Control characters are cleaned out
// with a warning.
std::optional<std::vector<QString>> storableNames(const Feed &feed, const FeedData &data, const std::vector<ShownStop> &stops,
                                                  std::vector<ImportNote> &warnings, FeedError *error)
{
    std::vector<QString> names;
    QSet<QString> cleaned;
    for (const ShownStop &s : stops) {
        const StopInfo &stop = data.stops[s.id];
        const QString written = withoutControlCharacters(s.name);
        if (written != s.name && !cleaned.contains(s.id)) {
            cleaned.insert(s.id);
            warnings.push_back({ImportNote::Kind::NameCleaned, {written, s.id}});
        }
        QString bad;
        const std::optional<QString> name = storableName(written, &bad);
        if (!name) {
            *error = {FeedError::Kind::NameNotShiftJis, feed.shownName(QStringLiteral("stops.txt")), stop.line,
                      {s.name, s.id, bad, codePoint(bad)}};
            return std::nullopt;
        }
        if (*name != written)
            warnings.push_back({ImportNote::Kind::NameReplaced, {written, *name}});
        if (const qsizetype bytes = cp932::encode(*name).size(); bytes > kMaxFareNameBytes) {
            *error = {FeedError::Kind::NameTooLong, feed.shownName(QStringLiteral("stops.txt")), stop.line,
                      {name->left(20), s.id, QString::number(bytes)}};
            return std::nullopt;
        }
        names.push_back(*name);
    }
    return names;
}

// The place a headsign names, without the 行き (行, ゆき) many operators end
// it with: the greeting and the summary add their own.
QString placeOf(const QString &headsign)
{
    static const QRegularExpression bound(QStringLiteral("(?:行き|ゆき|(?<!銀)行)$"));
    QString place = headsign;
    place.remove(bound);
    place = place.trimmed();
    return place.isEmpty() ? headsign : place;
}

// Where the bus goes: the trip's headsign, else its last stop.
QString destinationOf(const TripInfo &trip, const std::vector<QString> &names, std::vector<ImportNote> &warnings)
{
    if (trip.headsign.isEmpty())
        return names.back();
    QString bad;
    if (const std::optional<QString> headsign = storableName(trip.headsign, &bad))
        return placeOf(*headsign);
    warnings.push_back({ImportNote::Kind::HeadsignNotShiftJis, {trip.headsign}});
    return names.back();
}

// The fare data records: names, ticket numbers, the fares of each ticket
// from the stop that first issued it, minutes on the way and the step sound.
void fillRecords(ImportedRoute &out, const std::vector<QString> &names, const std::vector<StopTime> &stops,
                 const std::vector<int> &numbers, const FareMatrix &fares)
{
    std::vector<std::size_t> firstStop(static_cast<std::size_t>(out.tickets) + 1, 0);
    for (std::size_t i = stops.size(); i-- > 0;) {
        if (numbers[i] > 0)
            firstStop[static_cast<std::size_t>(numbers[i])] = i;
    }
    int untimed = 0;
    const std::vector<int> minutes = minutesOnTheWay(stops, &untimed);
    int missing = 0;
    QStringList missingNamed;
    for (std::size_t j = 0; j < stops.size(); ++j) {
        FareFileRecord rec;
        rec.chimei = cp932::encode(names[j]);
        rec.seirikenNo = static_cast<std::int16_t>(numbers[j]);
        for (int k = 1; k <= out.tickets; ++k) {
            const std::size_t from = firstStop[static_cast<std::size_t>(k)];
            if (j <= from)
                continue; // 0 until the ticket has been issued
            const std::optional<int> &fare = fares(from, j);
            rec.cols[static_cast<std::size_t>(k - 1)] = static_cast<std::int16_t>(fare.value_or(-1));
            if (fare) {
                out.lowestFare = std::min(out.lowestFare.value_or(*fare), *fare);
                out.highestFare = std::max(out.highestFare.value_or(*fare), *fare);
            } else if (missing++ < 3) {
                missingNamed << names[from] << names[j];
            }
        }
        rec.cols[kMinutesColumn - 1] = static_cast<std::int16_t>(minutes[j]);
        rec.cols[kStepSoundColumn - 1] = j + 1 == stops.size() ? 3 : 1;
        out.records.push_back(std::move(rec));
    }
    if (missing > 0)
        out.warnings.push_back({ImportNote::Kind::FaresMissing, QStringList{QString::number(missing)} + missingNamed});
    if (untimed > 0)
        out.warnings.push_back({ImportNote::Kind::Untimed, {QString::number(untimed)}});
    if (const auto beyond = ticketsBeyondPanel(std::vector<std::int16_t>(numbers.begin(), numbers.end())))
        out.warnings.push_back({ImportNote::Kind::TicketsBeyondPanel, {}, *beyond});
}

// The readings of the names in katakana, each name once: the feed's reading
// of the name shown, else of the stop it names (the station of a platform),
// else of the stop itself. A reading that is not kana is left out with a
// warning; the names left without one are listed.
void fillReadings(ImportedRoute &out, const Feed &feed, const FeedData &data, const FeedReadings &feedReadings,
                  const std::vector<StopTime> &stops, const std::vector<ShownStop> &shown, const std::vector<QString> &names)
{
    if (feedReadings.unreadable) {
        // Readings only help the voice: the route is made without them.
        out.warnings.push_back({ImportNote::Kind::ReadingsUnreadable, {}, {}, {}, feedReadings.unreadable});
    }
    const Readings *readings = &feedReadings.readings;
    QSet<QString> named;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        if (named.contains(names[i]))
            continue;
        const QString &own = stops[i].stopId;
        const QString &ownName = data.stops[own].name;
        const std::pair<QString, QString> candidates[] = {
            {shown[i].name, readings->byName.value(shown[i].name)},
            {shown[i].fullName, readings->byStop.value(shown[i].id)},
            {shown[i].fullName, readings->byName.value(shown[i].fullName)},
            {ownName, readings->byStop.value(own)},
            {ownName, readings->byName.value(ownName)},
        };
        for (const auto &[full, reading] : candidates) {
            const std::optional<QString> as = readingAs(shown[i].name, full, reading);
            if (!as || as->isEmpty())
                continue;
            const QString katakana = kana::cleanReading(*as);
            if (katakana.isEmpty()) {
                out.warnings.push_back({ImportNote::Kind::ReadingNotKana,
                                        {feed.shownName(QStringLiteral("translations.txt")),
                                         QString::number(readings->lineOf.value(reading)), full, reading}});
                continue;
            }
            named.insert(names[i]);
            out.readings.emplace_back(names[i], katakana);
            break;
        }
    }
    for (const QString &name : names) {
        if (!named.contains(name) && !out.unread.contains(name))
            out.unread << name;
    }
}

} // namespace

bool isRouteNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    return digits.match(text).hasMatch() && routeNumberText(text) != u"0";
}

namespace {

// Why a trip cannot be a route: fewer stops than two or more than one holds.
std::optional<FeedError> stopCountError(const FeedData &data, const TripInfo &trip)
{
    if (trip.stopCount >= 2 && trip.stopCount <= kFareRows)
        return std::nullopt;
    return FeedError{FeedError::Kind::StopCount, data.stopTimesFile, 0, {trip.id, QString::number(trip.stopCount)}};
}

// The route made of `trip`, whose stops have been read.
ImportResult importTrip(const Feed &feed, const FeedData &data, const FeedReadings &readings, const RouteInfo &route,
                        const TripInfo &trip, const ImportRequest &request)
{
    ImportResult result;
    FeedError error;
    auto failed = [&](FeedError e) {
        result.error = std::move(e);
        return std::move(result);
    };
    const std::vector<StopTime> &stops = trip.times;

    const QString number = !request.number.isEmpty() ? request.number : route.shortName;
    if (!isRouteNumber(number)) {
        result.needsNumber = true;
        result.shortName = route.shortName;
        return result;
    }

    ImportedRoute out;
    out.routeId = route.id;
    out.routeName = route.name();
    out.tripId = trip.id;
    out.number = routeNumberText(number);
    const std::vector<ShownStop> shown = shownStops(data, stops, request.keepQualifiers, out.warnings);
    const std::optional<std::vector<QString>> names = storableNames(feed, data, shown, out.warnings, &error);
    if (!names)
        return failed(error);
    out.destination = destinationOf(trip, *names, out.warnings);

    const FareMatrix fares(data, route.id, stops);
    const std::vector<int> numbers = ticketNumbers(stops, fares, request.tickets);
    out.tickets = *std::max_element(numbers.begin(), numbers.end());
    if (out.tickets > kMaxTickets)
        return failed({FeedError::Kind::TooManyTickets, data.stopTimesFile, 0,
                       {trip.id, QString::number(out.tickets), QString::number(kMaxTickets)}});
    fillRecords(out, *names, stops, numbers, fares);
    const FaresBeyondThreeDigits cut = faresBeyondThreeDigits(out.records);
    if (cut.day)
        out.warnings.push_back({ImportNote::Kind::FaresCut, {}, {}, cut.day});
    if (cut.night)
        out.warnings.push_back({ImportNote::Kind::NightFaresCut, {}, {}, cut.night});
    out.announcements = announcementsOf(*names, stops, out.destination);
    fillReadings(out, feed, data, readings, stops, shown, *names);
    result.route = std::move(out);
    return result;
}

} // namespace

ImportResult importRoute(const Feed &feed, const ImportRequest &request)
{
    ImportResult result;
    FeedError error;
    auto failed = [&](FeedError e) {
        result.error = std::move(e);
        return std::move(result);
    };
    std::optional<FeedData> data = loadFeed(feed, &error);
    if (!data)
        return failed(error);
    const auto routeAt = data->routeIndex.constFind(request.routeId);
    if (routeAt == data->routeIndex.constEnd())
        return failed({FeedError::Kind::NoSuchRoute, feed.shownName(QStringLiteral("routes.txt")), 0, {request.routeId}});
    const RouteInfo &route = data->routes[static_cast<std::size_t>(*routeAt)];
    const TripInfo *trip = chooseTrip(*data, route, request, &error);
    if (!trip)
        return failed(error);
    if (std::optional<FeedError> count = stopCountError(*data, *trip))
        return failed(*count);
    // Only this trip's stops are read and kept, however large the feed.
    const QSet<qsizetype> kept{trip - data->trips.data()};
    if (!readStopTimes(feed, *data, &kept, &error))
        return failed(error);
    return importTrip(feed, *data, feedReadings(feed), route, *trip, request);
}

bool importEveryRoute(const Feed &feed, const ImportRequest &request,
                      const std::function<void(const RouteListing &, ImportResult)> &each, FeedError *error)
{
    std::optional<FeedData> data = loadFeed(feed, error);
    if (!data)
        return false;
    const std::vector<Way> ways = routeWays(*data);
    const QSet<qsizetype> kept = longestTrips(*data, ways);
    QHash<qsizetype, FeedError> tripErrors;
    if (!readStopTimes(feed, *data, &kept, error, &tripErrors))
        return false;
    const FeedReadings readings = feedReadings(feed);
    for (const Way &way : ways) {
        const RouteListing listed = wayListing(*data, way);
        ImportResult result;
        if (!way.longest) {
            result.error = FeedError{FeedError::Kind::NoTrip, data->tripsFile, 0, {way.route->id}};
        } else if (const auto repeated = tripErrors.constFind(way.longest - data->trips.data()); repeated != tripErrors.constEnd()) {
            result.error = *repeated;
        } else if (std::optional<FeedError> count = stopCountError(*data, *way.longest)) {
            result.error = std::move(count);
        } else {
            ImportRequest one = request;
            one.routeId = way.route->id;
            one.tripId.clear();
            one.direction = way.direction;
            // A route whose route_short_name is no number is numbered by its
            // place in routes.txt: each route has a folder of its own.
            const qsizetype position = data->routeIndex.value(way.route->id) + 1;
            const bool numbered = isRouteNumber(way.route->shortName);
            one.number = numbered ? QString() : QString::number(position);
            result = importTrip(feed, *data, readings, *way.route, *way.longest, one);
            if (result.route && !numbered)
                result.route->warnings.insert(result.route->warnings.begin(),
                                              {ImportNote::Kind::NumberedByPlace,
                                               {way.route->shortName, QString::number(position)}});
        }
        each(listed, std::move(result));
    }
    return true;
}

QByteArray tapeFileBytes(const std::vector<TapeRecord> &announcements)
{
    QByteArray bytes;
    for (const TapeRecord &r : announcements) {
        bytes += '"' + cp932::encode(r.Text) + "\"," + QByteArray::number(r.StepFlag) + ',' + QByteArray::number(r.SoundFlag)
            + "\r\n";
    }
    return bytes;
}

QByteArray mergedReadings(const QByteArray &existing, const std::vector<std::pair<QString, QString>> &readings)
{
    QSet<QString> names;
    for (const auto &entry : readings)
        names.insert(entry.first);
    QByteArray merged;
    const QList<QByteArray> lines = existing.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray &line = lines[n];
        if (n + 1 == lines.size() && line.isEmpty())
            break; // the end of the last line
        const csv::ParseResult parsed = csv::parse(line);
        const bool replaced = !parsed.error && parsed.rows.size() == 1
            && names.contains(parsed.rows.front().fields.value(0).trimmed());
        if (!replaced)
            merged += line + '\n';
    }
    for (const auto &[name, reading] : readings)
        merged += csv::formatRow({name, reading}).toUtf8();
    return merged;
}

} // namespace kerubara::gtfs
