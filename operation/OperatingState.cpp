// SPDX-License-Identifier: GPL-3.0-or-later

#include "operation/OperatingState.h"

#include "formats/FareFile.h"
#include "reslib/BoundedRead.h"
#include "reslib/VbError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <utility>

namespace kerubara {
namespace {

std::int16_t toInt16(const QVariant &value)
{
    bool ok = false;
    const qlonglong v = value.toLongLong(&ok);
    if (!ok) {
        // A text such as "12.0" or a floating value still counts as a number.
        const double d = value.toDouble(&ok);
        if (!ok)
            throw VbError(VbError::TypeMismatch);
        if (d < std::numeric_limits<std::int16_t>::min() - 0.5
            || d >= std::numeric_limits<std::int16_t>::max() + 0.5)
            throw VbError(VbError::Overflow);
        return static_cast<std::int16_t>(qRound(d));
    }
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        throw VbError(VbError::Overflow);
    return static_cast<std::int16_t>(v);
}

} // namespace

void OperatingState::ClearFareData()
{
    for (int r = 1; r <= kFareRows; ++r)
        FareData(r) = FareRecord{};
}

void OperatingState::SetFareItem(int row, int column, const QVariant &value)
{
    if (column < 1 || column > kFareColumns + 2)
        throw VbError(VbError::SubscriptOutOfRange);
    FareRecord &rec = FareData(row); // throws 9 for a bad row
    if (column == 1)
        rec.Chimei = value.toString();
    else if (column == 2)
        rec.SeirikenNo = toInt16(value);
    else
        rec.Col(column - 2) = toInt16(value);
}

namespace {

int errorNumber(FareLoadError::Kind kind)
{
    switch (kind) {
    case FareLoadError::Kind::TooLarge:
        return VbError::OutOfMemory;
    case FareLoadError::Kind::TooManyStops:
        return VbError::SubscriptOutOfRange;
    case FareLoadError::Kind::CutShort:
        break;
    }
    return VbError::InputPastEnd;
}

} // namespace

FareLoadError::FareLoadError(Kind what, QString file, int stops, int cutRecord)
    : VbError(errorNumber(what)), kind(what), path(std::move(file)), count(stops), record(cutRecord)
{
}

FareLoadResult OperatingState::LoadFareFile(const QString &path, std::int16_t section, int *stopsInFile)
{
    if (section < 1)
        throw VbError(VbError::InvalidCall);
    const QFileInfo info(path);
    if (!info.exists())
        throw VbError(VbError::FileNotFound);
    QFile file(path);
    if (openRegularFile(file) != FileOpening::Opened) // a folder, a device or a pipe too
        throw VbError(VbError::PathFileAccess);

    // No more is read than the largest fare data file can hold.
    const BoundedRead read = readBounded(file, kMaxFareFileBytes);
    file.close();
    if (read.outcome == BoundedRead::Outcome::TooLarge)
        throw FareLoadError(FareLoadError::Kind::TooLarge, path);
    if (read.outcome == BoundedRead::Outcome::Failed)
        throw VbError(VbError::DeviceIo);
    QBuffer bytes;
    bytes.setData(read.bytes);
    bytes.open(QIODevice::ReadOnly);
    const FareFileScan scan = scanFareFile(bytes, kFareRows);

    const int n = scan.count; // an empty file reads as N = 0
    if (stopsInFile)
        *stopsInFile = n;
    if (n == 0)
        return FareLoadResult::ZeroCount;
    if (n - 1 < section)
        return FareLoadResult::SectionBeyondData;
    if (n > kFareRows)
        throw FareLoadError(FareLoadError::Kind::TooManyStops, path, n);
    if (scan.damage || static_cast<int>(scan.records.size()) < n)
        throw FareLoadError(FareLoadError::Kind::CutShort, path, n,
                            scan.damage ? scan.damage->record : static_cast<int>(scan.records.size()) + 1);

    // Build the new table aside, so that nothing changes until it is complete.
    // Rows past N stay cleared, as ClearFareData leaves them.
    FareTable table;
    for (int r = 1; r <= n; ++r)
        table(r) = toFareRecord(scan.records[static_cast<std::size_t>(r - 1)]);

    FareData = std::move(table);
    nSection = section;
    nStopPos = static_cast<std::int16_t>(section - 1);
    nStopCount = static_cast<std::int16_t>(n);
    return FareLoadResult::Loaded;
}

} // namespace kerubara
