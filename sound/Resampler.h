// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

struct SRC_STATE_tag;

namespace kerubara {

// Converts interleaved float frames from one sample rate to another with
// libsamplerate's band-limited sinc filter, piece by piece. Once the last
// piece has been converted, the output holds the whole input scaled to the
// new rate (to within a frame): the filter's look-ahead is flushed with
// silence rather than dropped, so a sound keeps its last samples and ends
// towards zero. Equal rates copy the frames unchanged.
class Resampler
{
public:
    Resampler(int inRate, int outRate, int channels);
    ~Resampler();
    Resampler(const Resampler &) = delete;
    Resampler &operator=(const Resampler &) = delete;

    // False when libsamplerate refused the conversion (a rate or channel
    // count it cannot handle).
    bool isValid() const { return passThrough_ || state_ != nullptr; }

    // Converts `frames` frames of `in` and appends what is ready to `out`.
    // `last` marks the end of the input: everything still held back is
    // appended too. Returns false when the conversion failed.
    bool convert(const float *in, std::size_t frames, bool last, std::vector<float> &out);

private:
    bool process(const float *in, std::size_t frames, bool last, std::vector<float> &out);

    struct StateDeleter
    {
        void operator()(SRC_STATE_tag *state) const;
    };

    std::unique_ptr<SRC_STATE_tag, StateDeleter> state_;
    std::vector<float> held_; // input not yet handed to libsamplerate
    double ratio_ = 1.0;
    int channels_ = 1;
    bool passThrough_ = false;
};

} // namespace kerubara
