#pragma once

#include <windows.h>

#include "platform/Resources.h"

namespace platform::win32 {

// Reads the resources of one loaded module (the program itself unless told
// otherwise).
class Resources : public platform::Resources {
public:
    explicit Resources(HMODULE module = nullptr) : module_(module) {}
    Resource Read(std::string_view type, int id) override;

private:
    HMODULE module_;
};

}  // namespace platform::win32
