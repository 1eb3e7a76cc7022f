#include "platform/fake/FakeRegistry.h"

#include <algorithm>
#include <iterator>

namespace fake {
namespace {

using platform::RegistryResult;
using platform::RegistryRoot;
using platform::RegistryValue;

unsigned char Lower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Lower(x) < Lower(y); });
    }
};

// Empty parts (doubled or trailing backslashes) are passed over.
std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The RRF_RT_* bit of a value type; other types pass only kRrfRtAny.
std::uint32_t TypeBit(std::uint32_t type) {
    switch (type) {
        case platform::kRegNone:
            return 0x01;
        case platform::kRegSz:
            return 0x02;
        case platform::kRegExpandSz:
            return 0x04;
        case platform::kRegBinary:
            return 0x08;
        case platform::kRegDword:
            return 0x10;
        case platform::kRegMultiSz:
            return 0x20;
        case platform::kRegQword:
            return 0x40;
        default:
            return 0;
    }
}

}  // namespace

struct Registry::Node {
    std::map<std::string, std::unique_ptr<Node>, NoCaseLess> subkeys;
    std::map<std::string, RegistryValue, NoCaseLess> values;
    std::uint32_t openError = platform::kErrorSuccess;

    // The node at path below this one; nullptr when a key is missing and
    // create is false.
    Node* Descend(const std::vector<std::string>& path, bool create) {
        Node* node = this;
        for (const auto& name : path) {
            auto found = node->subkeys.find(name);
            if (found == node->subkeys.end()) {
                if (!create) return nullptr;
                found = node->subkeys.emplace(name, std::make_unique<Node>()).first;
            }
            node = found->second.get();
        }
        return node;
    }
};

class Registry::Key final : public platform::RegistryKey {
public:
    // path: the key's place in the tree, after any view redirection.
    Key(Registry& registry, RegistryRoot root, Node& node, std::vector<std::string> path)
        : registry_(registry), root_(root), node_(node), path_(std::move(path)) {}

    RegistryResult<std::unique_ptr<RegistryKey>> Open(std::string_view subkey,
                                                      std::uint32_t access) const override {
        return Reach(subkey, access, false);
    }

    RegistryResult<std::unique_ptr<RegistryKey>> Create(std::string_view subkey,
                                                        std::uint32_t access) const override {
        return Reach(subkey, access, true);
    }

    RegistryResult<platform::SubkeyInfo> QueryInfo() const override {
        ++registry_.infoQueries;
        if (registry_.queryInfoError) return {registry_.queryInfoError, {}};
        // Lengths in bytes: at least the UTF-16 length, and EnumerateSubkey
        // measures the same way.
        platform::SubkeyInfo info{static_cast<std::uint32_t>(node_.subkeys.size()), 0};
        for (const auto& [name, node] : node_.subkeys) {
            info.longestName = std::max(info.longestName, static_cast<std::uint32_t>(name.size()));
        }
        return {platform::kErrorSuccess, info};
    }

    RegistryResult<std::string> EnumerateSubkey(std::uint32_t index,
                                                std::uint32_t capacity) const override {
        if (registry_.enumerateError) return {registry_.enumerateError, {}};
        if (index >= node_.subkeys.size()) return {platform::kErrorNoMoreItems, {}};
        // Walking on from the previous index keeps a whole enumeration linear.
        cursor_ = cursorValid_ && index == cursorIndex_ + 1
                      ? std::next(cursor_)
                      : std::next(node_.subkeys.begin(), static_cast<std::ptrdiff_t>(index));
        cursorIndex_ = index;
        cursorValid_ = true;
        const std::string& name = cursor_->first;
        if (name.size() + 1 > capacity) return {platform::kErrorMoreData, {}};
        return {platform::kErrorSuccess, name};
    }

    RegistryResult<std::uint32_t> QueryValueType(std::string_view name) const override {
        if (registry_.valueError) return {registry_.valueError, {}};
        const auto found = node_.values.find(std::string(name));
        if (found == node_.values.end()) return {platform::kErrorFileNotFound, {}};
        return {platform::kErrorSuccess, found->second.type};
    }

    RegistryResult<RegistryValue> GetValue(std::string_view subkey, std::string_view name,
                                           std::uint32_t typeMask) const override {
        if (!subkey.empty()) {
            const auto opened = Open(subkey, platform::kKeyRead);
            if (!opened.Succeeded()) return {opened.error, {}};
            return opened.value->GetValue("", name, typeMask);
        }
        if (registry_.valueError) return {registry_.valueError, {}};
        const auto found = node_.values.find(std::string(name));
        if (found == node_.values.end()) return {platform::kErrorFileNotFound, {}};
        RegistryValue value = found->second;
        if (value.type == platform::kRegExpandSz) value.type = platform::kRegSz;
        if (typeMask != platform::kRrfRtAny && (TypeBit(value.type) & typeMask) == 0) {
            return {platform::kErrorUnsupportedType, {}};
        }
        return {platform::kErrorSuccess, value};
    }

    std::uint32_t SetDword(std::string_view name, std::uint32_t value) const override {
        node_.values[std::string(name)] = RegistryValue{platform::kRegDword, "", value};
        return platform::kErrorSuccess;
    }

private:
    RegistryResult<std::unique_ptr<RegistryKey>> Reach(std::string_view subkey,
                                                       std::uint32_t access, bool create) const {
        ++registry_.opens;
        std::vector<std::string> path = path_;
        for (auto& part : SplitPath(subkey)) path.push_back(std::move(part));
        path = registry_.InView(root_, std::move(path), access);
        Node* node = registry_.trees_.at(root_)->Descend(path, create);
        if (!node) return {platform::kErrorFileNotFound, nullptr};
        if (node->openError) return {node->openError, nullptr};
        return {platform::kErrorSuccess,
                std::make_unique<Key>(registry_, root_, *node, std::move(path))};
    }

    Registry& registry_;
    RegistryRoot root_;
    Node& node_;
    std::vector<std::string> path_;
    mutable bool cursorValid_ = false;
    mutable std::uint32_t cursorIndex_ = 0;
    mutable decltype(Node::subkeys)::const_iterator cursor_;
};

Registry::Registry(bool windows64) : windows64_(windows64) {
    for (const RegistryRoot root :
         {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine,
          RegistryRoot::Users, RegistryRoot::CurrentConfig}) {
        auto& tree = trees_[root] = std::make_unique<Node>();
        roots_[root] = std::make_unique<Key>(*this, root, *tree, std::vector<std::string>{});
    }
    AddKey(RegistryRoot::CurrentUser, "Software");
    AddKey(RegistryRoot::LocalMachine, windows64 ? "Software\\Wow6432Node" : "Software");
}

Registry::~Registry() = default;

Registry::Node& Registry::Walk(RegistryRoot root, std::string_view path) {
    return *trees_.at(root)->Descend(SplitPath(path), true);
}

void Registry::AddKey(RegistryRoot root, std::string_view path) {
    Walk(root, path);
}

void Registry::SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                        const RegistryValue& value) {
    Walk(root, path).values[std::string(name)] = value;
}

void Registry::FailOpening(RegistryRoot root, std::string_view path, std::uint32_t error) {
    Walk(root, path).openError = error;
}

std::vector<std::string> Registry::InView(RegistryRoot root, std::vector<std::string> path,
                                          std::uint32_t access) const {
    const bool redirected = windows64_ && root == RegistryRoot::LocalMachine &&
                            (access & platform::kKeyWow64_64Key) == 0 && !path.empty() &&
                            SameName(path[0], "Software") &&
                            !(path.size() > 1 && SameName(path[1], "Wow6432Node"));
    if (redirected) path.insert(path.begin() + 1, "Wow6432Node");
    return path;
}

const platform::RegistryKey& Registry::Root(RegistryRoot root) {
    return *roots_.at(root);
}

}  // namespace fake
