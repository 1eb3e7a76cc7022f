#pragma once

namespace platform {

// Whether the program (a 32-bit process) runs on 64-bit Windows.
class Wow64 {
public:
    virtual ~Wow64() = default;
    // True when IsWow64Process succeeds for this process and reports true;
    // false on 32-bit Windows, for a 64-bit process, and on failure.
    virtual bool IsWow64Process() = 0;
};

}  // namespace platform
