// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The GTFS commands of the data tool: gtfs-routes lists a feed's routes, gtfs
// turns one of them into a route folder the simulator drives.
namespace kerubara::datatool {

// gtfs-routes FEED
int listGtfsRoutes(const QStringList &args, QTextStream &out, QTextStream &err);

// gtfs FEED --route ID [--trip ID] [--direction 0|1] [--number N]
//      [--tickets stage|stop] [--chimes DIR] OUTDIR
// gtfs FEED --all [--tickets stage|stop] [--chimes DIR] OUTDIR
int importGtfsRoute(const QStringList &args, QTextStream &out, QTextStream &err);

// The folder gtfs --all writes a route in one direction to: the route_id
// with whatever could leave OUTDIR or trouble a file system written as %XX,
// then "-" and the direction_id (nothing when the trips give none).
QString routeFolderName(const QString &routeId, int direction);

// Where the chimes bundled with the program are: the installed sample route's
// folder, or the sample of the build the program runs from; empty when
// neither holds them.
QString bundledChimesFolder();

} // namespace kerubara::datatool
