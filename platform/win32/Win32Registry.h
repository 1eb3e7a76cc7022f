#pragma once

#include <map>
#include <memory>

#include "platform/Registry.h"

namespace platform::win32 {

// The registry through ADVAPI32. Every key opened through it is closed when
// its object goes; the predefined keys are never closed.
class Registry : public platform::Registry {
public:
    Registry();
    ~Registry() override;
    const RegistryKey& Root(RegistryRoot root) override;

private:
    std::map<RegistryRoot, std::unique_ptr<RegistryKey>> roots_;
};

}  // namespace platform::win32
