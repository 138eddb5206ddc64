// SPDX-License-Identifier: GPL-3.0-or-later
// The GTFS feed reader and the import behind gtfs and gtfs-routes.
//
// An input starting as a .zip does is read as a whole feed; any other input
// replaces one file (chosen by its first byte) of a small valid feed. A
// refusal names a file and a line the text has; an accepted route fits the
// fare data (at most 301 stops, 140 ticket numbers, every ticket number
// handed out in order), and its broadcast data reads back as written.

#include "FuzzSupport.h"

#include "formats/FareFile.h"
#include "formats/GtfsFeed.h"
#include "formats/GtfsImport.h"

#include <algorithm>
#include <limits>

using namespace kerubara;

namespace {

QHash<QString, QByteArray> validFeed()
{
    return {
        {"routes.txt", "route_id,route_short_name\nR,7\n"},
        {"trips.txt", "route_id,trip_id,trip_headsign\nR,T,終点\n"},
        {"stops.txt", "stop_id,stop_name,zone_id\nA,停A,Z1\nB,停B,Z2\nC,停C,Z2\n"},
        {"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence,pickup_type\n"
                           "T,7:00:00,7:00:00,A,1,0\nT,7:05:00,7:05:00,B,2,0\nT,7:09:00,7:09:00,C,3,1\n"},
        {"fare_attributes.txt", "fare_id,price\nF1,100\nF2,150\n"},
        {"fare_rules.txt", "fare_id,route_id,origin_id,destination_id\nF1,R,Z1,Z1\nF2,R,Z1,Z2\nF1,,Z2,Z2\n"},
        {"translations.txt", "table_name,field_name,language,translation,field_value\nstops,stop_name,ja-Hrkt,ていえー,停A\n"},
    };
}

void checkError(const gtfs::FeedError &error, qsizetype lines)
{
    FUZZ_CHECK(!error.file.isEmpty());
    FUZZ_CHECK(error.csv.has_value() == (error.kind == gtfs::FeedError::Kind::Syntax));
    FUZZ_CHECK(error.line >= 0 && error.line <= lines);
}

void checkRoute(const gtfs::ImportedRoute &route)
{
    FUZZ_CHECK(route.records.size() >= 2 && route.records.size() <= static_cast<std::size_t>(kFareRows));
    FUZZ_CHECK(route.tickets >= 0 && route.tickets <= gtfs::kMaxTickets);
    int highest = 0;
    for (const FareFileRecord &r : route.records) {
        FUZZ_CHECK(r.seirikenNo >= 0 && r.seirikenNo <= highest + 1);
        highest = std::max(highest, int(r.seirikenNo));
    }
    FUZZ_CHECK(highest == route.tickets);
    FUZZ_CHECK(route.announcements.size() == route.records.size());
    const TapeDataResult tape = readTapeData(gtfs::tapeFileBytes(route.announcements));
    FUZZ_CHECK(!tape.error && tape.records == route.announcements);
}

void checkFeed(const gtfs::Feed &feed, qsizetype lines)
{
    gtfs::FeedError error;
    const auto routes = gtfs::listRoutes(feed, &error);
    if (!routes) {
        checkError(error, lines);
        return;
    }
    for (const gtfs::RouteListing &r : *routes) {
        gtfs::ImportRequest request;
        request.routeId = r.id;
        request.number = QStringLiteral("1");
        const gtfs::ImportResult result = gtfs::importRoute(feed, request);
        if (result.error)
            checkError(*result.error, lines);
        else
            checkRoute(*result.route);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    if (bytes.startsWith("PK")) {
        gtfs::FeedError error;
        if (const auto feed = gtfs::Feed::fromZip(bytes, QStringLiteral("feed.zip"), &error))
            checkFeed(*feed, std::numeric_limits<int>::max());
        else
            FUZZ_CHECK(error.file == u"feed.zip" || error.file.startsWith(u"feed.zip:"));
        return 0;
    }
    if (bytes.isEmpty())
        return 0;
    QHash<QString, QByteArray> files = validFeed();
    QStringList names = files.keys();
    names.sort();
    files.insert(names[static_cast<unsigned char>(bytes[0]) % names.size()], bytes.mid(1));
    // The other files of the feed have a few lines each.
    checkFeed(gtfs::Feed::fromFiles(files, QStringLiteral("feed")), std::max<qsizetype>(lines, 8));
    return 0;
}
