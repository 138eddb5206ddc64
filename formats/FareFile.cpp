// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareFile.h"

#include "reslib/BoundedRead.h"
#include "reslib/Cp932.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace kerubara {
namespace {

std::int16_t readS16(const char *p)
{
    return qFromLittleEndian<std::int16_t>(p);
}

void appendS16(QByteArray &out, std::int16_t v)
{
    char buf[2];
    qToLittleEndian<std::int16_t>(v, buf);
    out.append(buf, 2);
}

// Reads exactly n bytes; returns how many were available.
qsizetype readExactly(QIODevice &device, char *dst, qsizetype n)
{
    qsizetype got = 0;
    while (got < n) {
        const qint64 r = device.read(dst + got, n - got);
        if (r <= 0)
            break;
        got += r;
    }
    return got;
}

} // namespace

FareFileScan scanFareFile(QIODevice &device, int maxRecords)
{
    FareFileScan scan;
    char head[2];
    if (readExactly(device, head, 2) < 2)
        return scan;
    scan.hasCount = true;
    scan.count = readS16(head);

    const int wanted = std::min<int>(scan.count, maxRecords);
    if (wanted > 0)
        scan.records.reserve(static_cast<std::size_t>(wanted));
    QByteArray fixed(kFareRecordFixedBytes - 2, Qt::Uninitialized);
    for (int r = 1; r <= wanted; ++r) {
        char lenBytes[2];
        const qsizetype gotLen = readExactly(device, lenBytes, 2);
        if (gotLen < 2) {
            scan.damage = FareFileDamage{r, gotLen == 0 ? FareFileDamage::Kind::NoRecord : FareFileDamage::Kind::NameLength};
            break;
        }
        const auto nameLen = qFromLittleEndian<std::uint16_t>(lenBytes);
        FareFileRecord rec;
        rec.chimei.resize(nameLen);
        const qsizetype gotName = readExactly(device, rec.chimei.data(), nameLen);
        if (gotName < nameLen) {
            scan.damage = FareFileDamage{r, FareFileDamage::Kind::Name, nameLen, gotName};
            break;
        }
        const qsizetype gotFixed = readExactly(device, fixed.data(), fixed.size());
        if (gotFixed < fixed.size()) {
            scan.damage = gotFixed < 2
                ? FareFileDamage{r, FareFileDamage::Kind::TicketNumber}
                : FareFileDamage{r, FareFileDamage::Kind::Columns, 0, 0, static_cast<int>((gotFixed - 2) / 2 + 1)};
            break;
        }
        rec.seirikenNo = readS16(fixed.constData());
        for (int c = 0; c < kFareColumns; ++c)
            rec.cols[static_cast<std::size_t>(c)] = readS16(fixed.constData() + 2 + 2 * c);
        scan.records.push_back(std::move(rec));
    }
    if (!scan.damage && !device.isSequential())
        scan.trailingBytes = std::max<qint64>(0, device.size() - device.pos());
    return scan;
}

std::optional<FareFileRefusal> fareFileRefusal(const std::vector<FareFileRecord> &records)
{
    using Reason = FareFileRefusal::Reason;
    if (records.size() > static_cast<std::size_t>(kFareRows))
        return FareFileRefusal{Reason::TooManyRecords, 0, static_cast<qsizetype>(records.size())};
    for (std::size_t k = 0; k < records.size(); ++k) {
        const QByteArray &name = records[k].chimei;
        const int record = static_cast<int>(k) + 1;
        if (name.size() > kMaxFareNameBytes)
            return FareFileRefusal{Reason::NameTooLong, record, name.size()};
        const auto control = std::find_if(name.cbegin(), name.cend(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 0x20 || b == 0x7F;
        });
        if (control != name.cend())
            return FareFileRefusal{Reason::ControlCharacter, record, static_cast<unsigned char>(*control)};
    }
    return std::nullopt;
}

std::optional<QByteArray> serializeFareFile(const std::vector<FareFileRecord> &records)
{
    if (fareFileRefusal(records))
        return std::nullopt;
    QByteArray out;
    qsizetype size = 2;
    for (const auto &r : records)
        size += kFareRecordFixedBytes + r.chimei.size();
    out.reserve(size);
    appendS16(out, static_cast<std::int16_t>(records.size()));
    for (const auto &r : records) {
        char len[2];
        qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(r.chimei.size()), len);
        out.append(len, 2);
        out.append(r.chimei);
        appendS16(out, r.seirikenNo);
        for (const std::int16_t v : r.cols)
            appendS16(out, v);
    }
    return out;
}

FareRecord toFareRecord(const FareFileRecord &record)
{
    FareRecord r;
    r.Chimei = cp932::decode(record.chimei);
    r.SeirikenNo = record.seirikenNo;
    r.cols = record.cols;
    return r;
}

QString routeNumberText(const QString &routeNo)
{
    qsizetype i = 0;
    while (i < routeNo.size() && (routeNo[i] == u' ' || routeNo[i] == u'\t'))
        ++i;
    // Leading zeros go; the digits after them make the number.
    while (i < routeNo.size() && routeNo[i] == u'0')
        ++i;
    qsizetype end = i;
    while (end < routeNo.size() && routeNo[end] >= u'0' && routeNo[end] <= u'9')
        ++end;
    return end > i ? routeNo.mid(i, end - i) : QStringLiteral("0");
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

QString fareFilePath(const QString &folder, const QString &routeNo)
{
    return withTrailingSeparator(folder) + routeNumberText(routeNo) + QStringLiteral(".hy3");
}

} // namespace kerubara
