// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/ChimeiLayout.h"

#include "reslib/Cp932.h"

#include <array>

namespace kerubara {
namespace {

struct StartPitch
{
    int start;
    int pitch;
};

// Start and pitch by character count 0..7, for names that fit on the strip.
constexpr std::array<StartPitch, 8> kWithoutPrefix{{
    {0, 0}, {188, 0}, {135, 108}, {81, 108}, {67, 81}, {27, 81}, {21, 66}, {18, 57},
}};
constexpr std::array<StartPitch, 7> kWithPrefix{{
    {0, 0}, {242, 0}, {188, 108}, {162, 81}, {135, 72}, {135, 54}, {108, 54},
}};

} // namespace

ChimeiLayout chimeiLayout(std::int32_t byteLength, bool prefixOn)
{
    const std::int32_t count = byteLength / 2;
    ChimeiLayout layout;
    if (!prefixOn) {
        if (count >= 8) {
            layout.start = 0;
            layout.pitch = kCellWidth;
            layout.canvasWidth = count * kCellWidth;
        } else {
            const StartPitch sp = kWithoutPrefix[static_cast<std::size_t>(count)];
            layout.start = sp.start;
            layout.pitch = sp.pitch;
        }
    } else if (count >= 7) {
        layout.start = 2 * kCellWidth;
        layout.pitch = kCellWidth;
        layout.canvasWidth = (count + 2) * kCellWidth;
    } else {
        const StartPitch sp = kWithPrefix[static_cast<std::size_t>(count)];
        layout.start = sp.start;
        layout.pitch = sp.pitch;
    }
    layout.startsOffStrip = count > kCellsOnStrip;
    const std::int32_t countedBytes = byteLength + (prefixOn && count >= 1 ? 4 : 0);
    layout.scrolls = countedBytes / 2 > kCellsOnStrip;
    return layout;
}

std::vector<QString> chimeiUnits(QStringView text)
{
    // Byte offset at which each character of the text ends; characters that
    // code page 932 cannot hold take no bytes, as in the encoded form.
    QByteArray bytes;
    std::vector<bool> boundary{true};
    for (qsizetype i = 0; i < text.size(); ++i) {
        bytes += cp932::encode(text.sliced(i, 1));
        boundary.resize(static_cast<std::size_t>(bytes.size()) + 1, false);
        boundary.back() = true;
    }
    std::vector<QString> units;
    for (qsizetype from = 0; from < bytes.size(); from += 2) {
        const qsizetype to = std::min<qsizetype>(from + 2, bytes.size());
        const bool whole = boundary[static_cast<std::size_t>(from)] && boundary[static_cast<std::size_t>(to)];
        units.push_back(whole ? cp932::decode(QByteArrayView(bytes).sliced(from, to - from)) : QString());
    }
    return units;
}

} // namespace kerubara
