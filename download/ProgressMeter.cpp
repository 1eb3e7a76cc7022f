#include "download/ProgressMeter.h"

#include <algorithm>

namespace download {

ProgressMeter::ProgressMeter(ProgressSink& sink, std::optional<std::uint64_t> length)
    : sink_(sink), length_(length) {
    if (!length_) sink_.LengthUnknown();
}

void ProgressMeter::Received(std::size_t bytes) {
    received_ += bytes;
    if (!length_ || *length_ == 0) return;
    // In whole bytes, so that "more than 1%" is exact and never drifts.
    if ((received_ - reported_) * 100 <= *length_) return;
    reported_ = received_;
    // A body longer than announced stays at 100.
    sink_.Progress(static_cast<unsigned>(std::min<std::uint64_t>(received_ * 100 / *length_, 100)));
}

void ProgressMeter::Finished() {
    if (length_ && *length_ != 0) sink_.Progress(100);
}

}  // namespace download
