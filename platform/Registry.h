#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// The predefined keys. The values are Windows' own, so a key handle can be
// formed from them the way the Windows headers do.
enum class RegistryRoot : std::uint32_t {
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
    CurrentConfig = 0x80000005,
};

// Access rights and view flags (REGSAM), with Windows' values.
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWow64_64Key = 0x0100;  // the 64-bit view

// Value types (REG_*).
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// Type restrictions of a value read (RRF_RT_*): one bit per accepted type.
inline constexpr std::uint32_t kRrfRtRegSz = 0x0002;
inline constexpr std::uint32_t kRrfRtRegDword = 0x0010;
inline constexpr std::uint32_t kRrfRtRegQword = 0x0040;
inline constexpr std::uint32_t kRrfRtAny = 0xFFFF;

// Error codes the registry calls return (Windows' system error codes).
inline constexpr std::uint32_t kErrorSuccess = 0;
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorMoreData = 234;
inline constexpr std::uint32_t kErrorNoMoreItems = 259;
inline constexpr std::uint32_t kErrorUnsupportedType = 1630;

// What a registry call produced, with the Windows error code it returned;
// value is meaningful only when error is kErrorSuccess.
template <typename T>
struct RegistryResult {
    std::uint32_t error = kErrorSuccess;
    T value{};

    bool Succeeded() const { return error == kErrorSuccess; }
};

struct SubkeyInfo {
    std::uint32_t count = 0;
    std::uint32_t longestName = 0;  // in UTF-16 units, without a terminator
};

// A value as read: its type and, by type, its text or number.
struct RegistryValue {
    std::uint32_t type = kRegNone;
    // REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ: the stored characters without the
    // final terminator (inner NULs stay), UTF-8.
    std::string text;
    // REG_DWORD, REG_QWORD.
    std::uint64_t number = 0;
};

// An open key (a predefined one or one opened below it). Destroying it
// closes what was opened. Names and paths are UTF-8; subkey paths are
// relative, with backslash separators; "" is the key itself.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // RegOpenKeyEx: access carries the view flags.
    virtual RegistryResult<std::unique_ptr<RegistryKey>> Open(std::string_view subkey,
                                                              std::uint32_t access) const = 0;
    // RegCreateKeyEx: opens subkey, creating the missing keys on its path.
    virtual RegistryResult<std::unique_ptr<RegistryKey>> Create(std::string_view subkey,
                                                                std::uint32_t access) const = 0;

    // RegQueryInfoKey: number of subkeys and the length of the longest name.
    virtual RegistryResult<SubkeyInfo> QueryInfo() const = 0;
    // RegEnumKeyEx: the name of subkey number index, which must fit in
    // capacity UTF-16 units with its terminator (else kErrorMoreData);
    // kErrorNoMoreItems past the last one.
    virtual RegistryResult<std::string> EnumerateSubkey(std::uint32_t index,
                                                        std::uint32_t capacity) const = 0;

    // RegQueryValueEx: the type of value name ("" is the default value).
    virtual RegistryResult<std::uint32_t> QueryValueType(std::string_view name) const = 0;
    // RegGetValue: value name of subkey when its type is one of typeMask
    // (kRrfRt*), else kErrorUnsupportedType. A REG_EXPAND_SZ value has its
    // %variables% expanded and reads as REG_SZ.
    virtual RegistryResult<RegistryValue> GetValue(std::string_view subkey, std::string_view name,
                                                   std::uint32_t typeMask) const = 0;

    // RegSetValueEx with a REG_DWORD; returns the error code.
    virtual std::uint32_t SetDword(std::string_view name, std::uint32_t value) const = 0;
};

// The registry as this process sees it: a 32-bit process on 64-bit Windows
// sees the 32-bit view of the software branch unless an open asks for the
// 64-bit one with kKeyWow64_64Key.
class Registry {
public:
    virtual ~Registry() = default;
    // The predefined key; it lives as long as the registry object.
    virtual const RegistryKey& Root(RegistryRoot root) = 0;
};

}  // namespace platform
