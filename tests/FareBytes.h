// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Builds fare data files byte by byte, independently of the program's own
// writer, so tests of the reader do not depend on it.

#include "TestFiles.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <vector>

namespace testing {

struct StopBytes
{
    QByteArray name;            // Shift-JIS bytes
    std::int16_t ticket = 0;
    std::vector<std::int16_t> cols; // up to 150, the rest 0
};

inline void putU16(QByteArray &out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

inline QByteArray stopBytes(const StopBytes &s)
{
    QByteArray out;
    putU16(out, static_cast<std::uint16_t>(s.name.size()));
    out.append(s.name);
    putU16(out, static_cast<std::uint16_t>(s.ticket));
    for (int c = 0; c < 150; ++c)
        putU16(out, static_cast<std::uint16_t>(c < static_cast<int>(s.cols.size()) ? s.cols[static_cast<std::size_t>(c)] : 0));
    return out;
}

inline QByteArray fareFileBytes(std::int16_t count, const std::vector<StopBytes> &stops)
{
    QByteArray out;
    putU16(out, static_cast<std::uint16_t>(count));
    for (const auto &s : stops)
        out.append(stopBytes(s));
    return out;
}

// A route of n stops named "停1".."停n" (Shift-JIS), ticket number = stop,
// column k = 100 * stop + k for the first twelve columns.
inline QByteArray routeBytes(int n, std::int16_t count)
{
    std::vector<StopBytes> stops;
    for (int i = 1; i <= n; ++i) {
        StopBytes s;
        s.name = QByteArray("\x92\xE2") + QByteArray::number(i); // 停 + digits
        s.ticket = static_cast<std::int16_t>(i);
        for (int k = 1; k <= 12; ++k)
            s.cols.push_back(static_cast<std::int16_t>(100 * i + k));
        stops.push_back(s);
    }
    return fareFileBytes(count, stops);
}

inline QByteArray routeBytes(int n)
{
    return routeBytes(n, static_cast<std::int16_t>(n));
}

} // namespace testing
