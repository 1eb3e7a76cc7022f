#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "download/ProgressSink.h"

namespace download {

// Turns the bytes of a body into progress reports: one each time the share
// received has grown by more than 1% since the last report, and 100 at the
// end. Without a length it reports LengthUnknown once and nothing else.
class ProgressMeter {
public:
    ProgressMeter(ProgressSink& sink, std::optional<std::uint64_t> length);

    void Received(std::size_t bytes);
    // The body is complete: 100 when the length is known and not 0.
    void Finished();

    std::optional<std::uint64_t> Length() const { return length_; }

private:
    ProgressSink& sink_;
    std::optional<std::uint64_t> length_;
    std::uint64_t received_ = 0;
    std::uint64_t reported_ = 0;  // received_ at the last report
};

}  // namespace download
