// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the demonstration's chimes at build time, so no sound file is kept in
// the sources: a short two-tone chime and a longer arrival chime as WAV, and
// a terminus melody as a MIDI file.
//
//     make-chimes OUTPUT-FOLDER

#include "sound/WavWriter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSaveFile>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;

// One struck bell-like note: a fundamental with two quieter partials, a
// 5 ms attack and an exponential decay.
struct Strike
{
    double startSeconds;
    double frequency;
    double decaySeconds; // time for the note to fall to 1/e
};

std::vector<std::int16_t> render(const std::vector<Strike> &strikes, double lengthSeconds)
{
    std::vector<double> mix(static_cast<std::size_t>(lengthSeconds * kRate), 0.0);
    for (const Strike &s : strikes) {
        const auto first = static_cast<std::size_t>(s.startSeconds * kRate);
        for (std::size_t i = first; i < mix.size(); ++i) {
            const double t = static_cast<double>(i - first) / kRate;
            const double envelope = std::min(1.0, t / 0.005) * std::exp(-t / s.decaySeconds);
            const double w = 2 * std::numbers::pi * s.frequency * t;
            mix[i] += envelope * (std::sin(w) + 0.35 * std::sin(2.0 * w) + 0.12 * std::sin(3.01 * w));
        }
    }
    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        // Fade the last 50 ms so the file ends in silence.
        const double left = static_cast<double>(mix.size() - i) / kRate;
        const double v = 0.28 * mix[i] * std::min(1.0, left / 0.05);
        samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
    }
    return samples;
}

// The ordinary stop: two falling tones.
std::vector<std::int16_t> twoToneChime()
{
    return render({{0.0, 1318.5, 0.35}, {0.32, 1046.5, 0.6}}, 1.6);
}

// The major stop and the greeting: a rising and falling phrase of six notes.
std::vector<std::int16_t> arrivalChime()
{
    const double notes[] = {784.0, 988.0, 1175.0, 1568.0, 1175.0, 1319.0};
    std::vector<Strike> strikes;
    for (int i = 0; i < 6; ++i)
        strikes.push_back({0.3 * i, notes[i], i == 5 ? 0.9 : 0.45});
    return render(strikes, 3.6);
}

// ---- MIDI ------------------------------------------------------------------

void putVariable(QByteArray &out, std::uint32_t value)
{
    char bytes[4];
    int n = 0;
    bytes[n++] = static_cast<char>(value & 0x7F);
    while ((value >>= 7) != 0)
        bytes[n++] = static_cast<char>((value & 0x7F) | 0x80);
    while (n > 0)
        out.append(bytes[--n]);
}

void putBigEndian(QByteArray &out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// The terminus: a short music-box phrase, one note at a time, in a
// standard MIDI file of one track at 480 ticks to the quarter note. About
// 3 s with its ring, as long as a real arrival melody: the announcement
// after it waits for it.
QByteArray terminusMelody()
{
    struct Note
    {
        int key;
        int ticks;
    };
    constexpr int kEighth = 240;
    constexpr int kQuarter = 480;
    const Note melody[] = {
        {72, kEighth}, {76, kEighth}, {79, kEighth}, {84, kQuarter}, {79, kEighth}, {76, kEighth}, {72, 2 * kQuarter},
    };
    QByteArray track;
    putVariable(track, 0);
    track.append("\xFF\x51\x03", 3);
    putBigEndian(track, 500000, 3); // 120 quarter notes a minute
    putVariable(track, 0);
    track.append("\xC0\x0A", 2); // music box
    for (const Note &n : melody) {
        putVariable(track, 0);
        track.append(static_cast<char>(0x90));
        track.append(static_cast<char>(n.key));
        track.append(static_cast<char>(96));
        putVariable(track, static_cast<std::uint32_t>(n.ticks));
        track.append(static_cast<char>(0x80));
        track.append(static_cast<char>(n.key));
        track.append(static_cast<char>(0));
    }
    putVariable(track, kQuarter); // let the last note ring
    track.append("\xFF\x2F\x00", 3);

    QByteArray file("MThd", 4);
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2); // one track
    putBigEndian(file, 1, 2);
    putBigEndian(file, kQuarter, 2);
    file.append("MTrk", 4);
    putBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
    file.append(track);
    return file;
}

bool save(const QString &path, const QByteArray &bytes, QTextStream &err)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    err << path << ": " << file.errorString() << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: make-chimes OUTPUT-FOLDER\n";
        return 2;
    }
    const QString folder = args[1] + u'/';
    const bool ok = save(folder + QStringLiteral("chime-stop.wav"), kerubara::wavBytes(twoToneChime(), 1, kRate), err)
        && save(folder + QStringLiteral("chime-arrival.wav"), kerubara::wavBytes(arrivalChime(), 1, kRate), err)
        && save(folder + QStringLiteral("chime-terminus.mid"), terminusMelody(), err);
    return ok ? 0 : 1;
}
