// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace kerubara::chimes {

// The chimes the program and its demonstration bring along, made by our own
// code (no sound file is kept in the sources): struck bell-like notes, a
// fundamental with two quieter partials, a 5 ms attack and an exponential
// decay, mixed in mono at kRate and faded out over the last 50 ms.
constexpr int kRate = 22050;

struct Strike
{
    double startSeconds;
    double frequency;
    double decaySeconds; // time for the note to fall to 1/e
};

std::vector<std::int16_t> render(const std::vector<Strike> &strikes, double lengthSeconds);

// The ordinary stop: two falling tones.
std::vector<std::int16_t> twoTone();
// The major stop and the greeting: a rising and falling phrase of six notes.
std::vector<std::int16_t> arrival();
// The stop request: a short, bright high-low "pin-pon".
std::vector<std::int16_t> stopRequest();

// The stop request chime as a WAV file in the user's cache folder, written
// there on first use (and again when it has gone); empty when it cannot be
// written.
QString stopRequestFile();

} // namespace kerubara::chimes
