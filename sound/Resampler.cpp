// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Resampler.h"

#include <samplerate.h>

#include <algorithm>
#include <cmath>

namespace kerubara {
namespace {

// Good enough for speech at a fraction of the best converter's cost.
constexpr int kConverter = SRC_SINC_MEDIUM_QUALITY;
// Output room added per call beyond the frames the ratio promises, for what
// the filter releases at the end.
constexpr std::size_t kSpareFrames = 256;

} // namespace

void Resampler::StateDeleter::operator()(SRC_STATE_tag *state) const
{
    src_delete(state);
}

Resampler::Resampler(int inRate, int outRate, int channels)
    : ratio_(inRate > 0 ? static_cast<double>(outRate) / inRate : 0.0),
      channels_(std::max(channels, 1)),
      passThrough_(inRate == outRate && inRate > 0)
{
    if (passThrough_ || src_is_valid_ratio(ratio_) == 0)
        return;
    int error = 0;
    state_.reset(src_new(kConverter, channels_, &error));
}

Resampler::~Resampler() = default;

bool Resampler::convert(const float *in, std::size_t frames, bool last, std::vector<float> &out)
{
    const auto channels = static_cast<std::size_t>(channels_);
    if (passThrough_) {
        out.insert(out.end(), in, in + frames * channels);
        return true;
    }
    if (!state_)
        return false;
    // libsamplerate releases all it holds only when the call that marks the
    // end brings input too, so the last frame of every piece waits for the
    // next call.
    held_.insert(held_.end(), in, in + frames * channels);
    std::size_t feed = held_.size() / channels;
    if (!last) {
        if (feed <= 1)
            return true;
        --feed;
    }
    const bool ok = process(held_.data(), feed, last, out);
    held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(feed * channels));
    return ok;
}

bool Resampler::process(const float *in, std::size_t frames, bool last, std::vector<float> &out)
{
    const auto channels = static_cast<std::size_t>(channels_);
    for (;;) {
        const auto room = static_cast<std::size_t>(std::ceil(static_cast<double>(frames) * ratio_)) + kSpareFrames;
        const std::size_t at = out.size();
        out.resize(at + room * channels);
        SRC_DATA data{};
        data.data_in = in;
        data.input_frames = static_cast<long>(frames);
        data.data_out = out.data() + at;
        data.output_frames = static_cast<long>(room);
        data.end_of_input = last ? 1 : 0;
        data.src_ratio = ratio_;
        const int error = src_process(state_.get(), &data);
        out.resize(at + static_cast<std::size_t>(data.output_frames_gen) * channels);
        if (error != 0)
            return false;
        const auto used = static_cast<std::size_t>(data.input_frames_used);
        in += used * channels;
        frames -= used;
        // Without input left, the last call has released everything once it
        // gives nothing more; earlier calls keep the rest for the next piece.
        if (frames == 0 && (!last || data.output_frames_gen == 0))
            return true;
    }
}

} // namespace kerubara
