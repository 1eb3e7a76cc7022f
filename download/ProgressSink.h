#pragma once

namespace download {

// Where a file download reports how far it is (the download page's window).
// Called on the download's thread; implementations must not block.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // percent: 0 to 100.
    virtual void Progress(unsigned percent) = 0;
    // The answer has no usable length: no Progress() follows.
    virtual void LengthUnknown() = 0;
};

}  // namespace download
