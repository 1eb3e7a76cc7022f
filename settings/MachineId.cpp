#include "settings/MachineId.h"

#include "settings/RegistryError.h"
#include "settings/RegistryKeys.h"
#include "settings/RegistryValues.h"

std::string ReadMachineId(platform::Registry& registry) {
    try {
        const auto key = win32::OpenKey(registry.Root(platform::RegistryRoot::LocalMachine),
                                        "SOFTWARE\\Microsoft\\Cryptography",
                                        platform::kKeyRead | platform::kKeyWow64_64Key);
        std::string id = win32::ReadString(*key, "", "MachineGuid");
        return id.substr(0, id.find('\0'));
    } catch (const win32::RegistryError&) {
        return "";
    }
}
