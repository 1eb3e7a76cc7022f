#pragma once

#include <string_view>

namespace platform {

// Message boxes that have no owner window (shown before any window exists).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows text with an OK button and waits until the user dismisses it.
    virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace platform
