// SPDX-License-Identifier: GPL-3.0-or-later
// Fare data files (.hy3) as the program and the data tool read them.
//
// Route setting reads the file into the operating state: a file it refuses
// must leave route, section, position, count and table exactly as they were.
// A complete file of good names must dump to CSV and build back to the same
// bytes. The data tool's check and dump run on the same file.

#include "FuzzSupport.h"

#include "formats/FareCsv.h"
#include "formats/FareFile.h"
#include "operation/OperatingState.h"
#include "reslib/Cp932.h"
#include "reslib/VbError.h"
#include "tools/FareCommands.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <limits>

using namespace kerubara;

namespace {

std::unique_ptr<fuzz::ScratchFolder> scratch;

// A state that a refusal must leave alone: a route of three stops at stop 2.
OperatingState loadedState()
{
    OperatingState state;
    state.strRouteNo = QStringLiteral("0042");
    state.nSection = 1;
    state.nStopPos = 1;
    state.nStopCount = 3;
    for (std::int16_t r = 1; r <= 3; ++r) {
        state.FareData(r).Chimei = QStringLiteral("停%1").arg(r);
        state.FareData(r).SeirikenNo = r;
        state.FareData(r).Col(1) = static_cast<std::int16_t>(100 * r);
    }
    return state;
}

bool sameState(const OperatingState &a, const OperatingState &b)
{
    return a.strRouteNo == b.strRouteNo && a.nSection == b.nSection && a.nStopPos == b.nStopPos
        && a.nStopCount == b.nStopCount && a.FareData == b.FareData;
}

FareFileScan scan(const QByteArray &bytes, int maxRecords)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return scanFareFile(buffer, maxRecords);
}

void checkScan(const FareFileScan &s, qsizetype size, int maxRecords)
{
    FUZZ_CHECK(s.hasCount == (size >= 2));
    const int wanted = std::clamp<int>(s.count, 0, maxRecords);
    FUZZ_CHECK(static_cast<int>(s.records.size()) <= wanted);
    FUZZ_CHECK(s.damage.has_value() == (static_cast<int>(s.records.size()) < wanted));
    if (s.damage)
        FUZZ_CHECK(s.damage->record == static_cast<int>(s.records.size()) + 1);
    FUZZ_CHECK(s.trailingBytes >= 0 && s.trailingBytes <= size);
}

// Route setting from section 1..4: either the file's stops, or nothing changed.
void checkRouteSetting(const QString &path, const FareFileScan &s, std::int16_t section)
{
    OperatingState state = loadedState();
    const OperatingState before = state;
    try {
        const FareLoadResult result = state.LoadFareFile(path, section);
        if (result != FareLoadResult::Loaded) {
            FUZZ_CHECK(sameState(state, before));
            return;
        }
    } catch (const VbError &) {
        FUZZ_CHECK(sameState(state, before));
        return;
    }
    FUZZ_CHECK(!s.damage && s.count >= 2 && s.count <= kFareRows && section < s.count);
    FUZZ_CHECK(state.nStopCount == s.count && state.nSection == section && state.nStopPos == section - 1);
    FUZZ_CHECK(state.strRouteNo == before.strRouteNo); // route setting sets it, not the reader
    for (int r = 1; r <= kFareRows; ++r) {
        const FareRecord expected = r <= s.count ? toFareRecord(s.records[static_cast<std::size_t>(r - 1)]) : FareRecord{};
        FUZZ_CHECK(state.FareData(r) == expected);
    }
}

// dump followed by hy3 gives back the same bytes.
void checkCsvRoundTrip(const QByteArray &bytes, const FareFileScan &s)
{
    if (!s.hasCount || s.count < 0 || s.count > kFareRows || s.damage)
        return;
    for (const FareFileRecord &r : s.records) {
        if (!cp932::roundTrips(r.chimei))
            return; // the tool refuses or warns: such a name cannot come back byte for byte
    }
    if (fareFileRefusal(s.records))
        return; // a control character in a name: no writer writes it again
    const QString csv = farecsv::toCsv(s.records);
    const farecsv::ReadResult back = farecsv::fromCsv(csv.toUtf8());
    FUZZ_CHECK(back.problems.empty());
    FUZZ_CHECK(back.records == s.records);
    FUZZ_CHECK(serializeFareFile(back.records) == bytes.left(bytes.size() - s.trailingBytes));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::application<QCoreApplication>(argc, argv);
    scratch = std::make_unique<fuzz::ScratchFolder>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const FareFileScan program = scan(bytes, kFareRows);
    checkScan(program, bytes.size(), kFareRows);
    const FareFileScan whole = scan(bytes, std::numeric_limits<int>::max());
    checkScan(whole, bytes.size(), std::numeric_limits<int>::max());

    const QString path = scratch->put(QStringLiteral("7.hy3"), bytes);
    const auto section = static_cast<std::int16_t>(1 + (size > 0 ? data[size - 1] % 4 : 0));
    checkRouteSetting(path, program, section);
    checkCsvRoundTrip(bytes, program);

    QString text;
    QTextStream out(&text);
    datatool::checkFareFiles({path}, out, out);
    datatool::dumpFareFile(path, out, out);
    return 0;
}
