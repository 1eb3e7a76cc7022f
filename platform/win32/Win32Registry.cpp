#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "win/Handle.h"
#include "win/Text.h"

static_assert(platform::kKeySetValue == KEY_SET_VALUE && platform::kKeyRead == KEY_READ);
static_assert(platform::kKeyWow64_64Key == KEY_WOW64_64KEY);
static_assert(platform::kRegNone == REG_NONE && platform::kRegSz == REG_SZ &&
              platform::kRegExpandSz == REG_EXPAND_SZ && platform::kRegBinary == REG_BINARY &&
              platform::kRegDword == REG_DWORD && platform::kRegMultiSz == REG_MULTI_SZ &&
              platform::kRegQword == REG_QWORD);
static_assert(platform::kRrfRtRegSz == RRF_RT_REG_SZ &&
              platform::kRrfRtRegDword == RRF_RT_REG_DWORD &&
              platform::kRrfRtRegQword == RRF_RT_REG_QWORD && platform::kRrfRtAny == RRF_RT_ANY);
static_assert(platform::kErrorSuccess == ERROR_SUCCESS &&
              platform::kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
              platform::kErrorMoreData == ERROR_MORE_DATA &&
              platform::kErrorNoMoreItems == ERROR_NO_MORE_ITEMS &&
              platform::kErrorUnsupportedType == ERROR_UNSUPPORTED_TYPE);

namespace platform::win32 {
namespace {

// As the Windows headers form HKEY_LOCAL_MACHINE and the others: the value
// sign-extended to pointer width.
HKEY PredefinedKey(RegistryRoot root) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

RegistryValue Decode(DWORD type, const std::vector<BYTE>& data) {
    RegistryValue value{type, {}, 0};
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ:
        case REG_MULTI_SZ: {
            std::wstring text(data.size() / sizeof(wchar_t), L'\0');
            std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
            if (!text.empty() && text.back() == L'\0') text.pop_back();
            value.text = WideToUtf8(text);
            break;
        }
        case REG_DWORD:
        case REG_QWORD:
            std::memcpy(&value.number, data.data(), std::min(data.size(), sizeof value.number));
            break;
        default:
            break;
    }
    return value;
}

class Key final : public RegistryKey {
public:
    // A predefined key: borrowed, never closed.
    explicit Key(HKEY predefined) : handle_(predefined) {}
    explicit Key(win::UniqueRegistryKey owned) : handle_(owned.Get()), owned_(std::move(owned)) {}

    RegistryResult<std::unique_ptr<RegistryKey>> Open(std::string_view subkey,
                                                      std::uint32_t access) const override {
        win::UniqueRegistryKey key;
        const std::uint32_t error =
            ::RegOpenKeyExW(handle_, Utf8ToWide(subkey).c_str(), 0, access, key.Put());
        return Opened(error, std::move(key));
    }

    RegistryResult<std::unique_ptr<RegistryKey>> Create(std::string_view subkey,
                                                        std::uint32_t access) const override {
        win::UniqueRegistryKey key;
        const std::uint32_t error =
            ::RegCreateKeyExW(handle_, Utf8ToWide(subkey).c_str(), 0, nullptr, 0, access, nullptr,
                              key.Put(), nullptr);
        return Opened(error, std::move(key));
    }

    RegistryResult<SubkeyInfo> QueryInfo() const override {
        DWORD count = 0;
        DWORD longest = 0;
        const std::uint32_t error =
            ::RegQueryInfoKeyW(handle_, nullptr, nullptr, nullptr, &count, &longest, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr);
        return {error, {count, longest}};
    }

    RegistryResult<std::string> EnumerateSubkey(std::uint32_t index,
                                                std::uint32_t capacity) const override {
        std::wstring name(capacity, L'\0');
        DWORD length = capacity;
        const std::uint32_t error = ::RegEnumKeyExW(handle_, index, name.data(), &length, nullptr,
                                                    nullptr, nullptr, nullptr);
        if (error != ERROR_SUCCESS) return {error, {}};
        return {error, WideToUtf8({name.data(), length})};
    }

    RegistryResult<std::uint32_t> QueryValueType(std::string_view name) const override {
        DWORD type = REG_NONE;
        const std::uint32_t error =
            ::RegQueryValueExW(handle_, Utf8ToWide(name).c_str(), nullptr, &type, nullptr, nullptr);
        return {error, type};
    }

    RegistryResult<RegistryValue> GetValue(std::string_view subkey, std::string_view name,
                                           std::uint32_t typeMask) const override {
        const std::wstring wideSubkey = Utf8ToWide(subkey);
        const std::wstring wideName = Utf8ToWide(name);
        DWORD type = REG_NONE;
        const auto get = [&](void* data, DWORD* size) {
            return ::RegGetValueW(handle_, subkey.empty() ? nullptr : wideSubkey.c_str(),
                                  wideName.c_str(), typeMask, &type, data, size);
        };
        DWORD size = 0;
        std::uint32_t error = get(nullptr, &size);
        if (error != ERROR_SUCCESS) return {error, {}};
        std::vector<BYTE> data(size);
        // The value may have grown since it was measured; each refusal names
        // the size it needs now.
        while ((error = get(data.data(), &size)) == ERROR_MORE_DATA) data.resize(size);
        if (error != ERROR_SUCCESS) return {error, {}};
        data.resize(size);
        return {error, Decode(type, data)};
    }

    std::uint32_t SetDword(std::string_view name, std::uint32_t value) const override {
        const DWORD data = value;
        return ::RegSetValueExW(handle_, Utf8ToWide(name).c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&data), sizeof data);
    }

private:
    static RegistryResult<std::unique_ptr<RegistryKey>> Opened(std::uint32_t error,
                                                               win::UniqueRegistryKey key) {
        if (error != ERROR_SUCCESS) return {error, nullptr};
        return {error, std::make_unique<Key>(std::move(key))};
    }

    HKEY handle_;
    win::UniqueRegistryKey owned_;  // empty for a predefined key
};

}  // namespace

Registry::Registry() {
    for (const RegistryRoot root :
         {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine,
          RegistryRoot::Users, RegistryRoot::CurrentConfig}) {
        roots_[root] = std::make_unique<Key>(PredefinedKey(root));
    }
}

Registry::~Registry() = default;

const RegistryKey& Registry::Root(RegistryRoot root) {
    return *roots_.at(root);
}

}  // namespace platform::win32
