#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace fake {

// An in-memory registry as the 32-bit program sees it, on either machine it
// can meet:
// - 32-bit Windows: one view of everything;
// - 64-bit Windows: HKEY_LOCAL_MACHINE\Software has a separate 32-bit view,
//   kept under Software\Wow6432Node, which opens reach unless they ask for
//   kKeyWow64_64Key. HKEY_CURRENT_USER\Software is shared by both views, as
//   on Windows 7 and later.
// Tests lay keys out by their paths as the 64-bit view shows them (a 32-bit
// application's key is "Software\Wow6432Node\Vendor"). Names compare without
// regard to ASCII case and keep the case they were made with. REG_EXPAND_SZ
// texts read through GetValue come back unexpanded.
class Registry : public platform::Registry {
public:
    explicit Registry(bool windows64);
    ~Registry() override;

    bool Windows64() const { return windows64_; }

    // Makes the key and every missing key on its path.
    void AddKey(platform::RegistryRoot root, std::string_view path);
    void SetValue(platform::RegistryRoot root, std::string_view path, std::string_view name,
                  const platform::RegistryValue& value);
    // Opening the key fails with error from now on.
    void FailOpening(platform::RegistryRoot root, std::string_view path, std::uint32_t error);

    // Error codes that every call of a kind returns; kErrorSuccess for none.
    std::uint32_t queryInfoError = platform::kErrorSuccess;
    std::uint32_t enumerateError = platform::kErrorSuccess;
    std::uint32_t valueError = platform::kErrorSuccess;

    // How often keys were opened or created, and branches asked for their
    // subkeys.
    int opens = 0;
    int infoQueries = 0;

    const platform::RegistryKey& Root(platform::RegistryRoot root) override;

    struct Node;
    class Key;

private:
    friend class Key;
    Node& Walk(platform::RegistryRoot root, std::string_view path);
    std::vector<std::string> InView(platform::RegistryRoot root, std::vector<std::string> path,
                                    std::uint32_t access) const;

    bool windows64_;
    std::map<platform::RegistryRoot, std::unique_ptr<Node>> trees_;
    std::map<platform::RegistryRoot, std::unique_ptr<Key>> roots_;
};

}  // namespace fake
