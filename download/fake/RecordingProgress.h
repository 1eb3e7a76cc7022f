#pragma once

#include <functional>
#include <vector>

#include "download/ProgressSink.h"

namespace fake {

// Keeps every report of a download, in order.
class RecordingProgress : public download::ProgressSink {
public:
    std::vector<unsigned> percents;
    int lengthUnknown = 0;
    // Called after each progress report is recorded.
    std::function<void(unsigned)> onProgress;

    void Progress(unsigned percent) override {
        percents.push_back(percent);
        if (onProgress) onProgress(percent);
    }
    void LengthUnknown() override { ++lengthUnknown; }
};

}  // namespace fake
