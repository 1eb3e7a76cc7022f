#include "settings/RegistryValues.h"

#include <stdexcept>

#include "settings/RegistryError.h"
#include "settings/RegistryPath.h"

namespace win32 {
namespace {

std::uint64_t ReadNumber(const platform::RegistryKey& key, std::string_view name,
                         std::uint32_t typeMask, const char* failure) {
    const auto read = key.GetValue("", name, typeMask);
    if (!read.Succeeded()) throw RegistryError(failure, read.error);
    return read.value.number;
}

// std::stoul where unsigned long has 32 bits: a leading minus negates within
// 32 bits, and a magnitude beyond them is out of range.
std::uint32_t ParseDword(const std::string& text) {
    const unsigned long long value = std::stoull(text);
    const bool negative = text[text.find_first_not_of(" \t\n\v\f\r")] == '-';
    const unsigned long long magnitude = negative ? 0 - value : value;
    if (magnitude > 0xFFFFFFFFull) throw std::out_of_range("stoul");
    return static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
}

}  // namespace

bool ValueExists(const platform::RegistryKey& key, std::string_view name) {
    return key.GetValue("", name, platform::kRrfRtAny).Succeeded();
}

std::uint32_t GetValueType(const platform::RegistryKey& key, std::string_view name) {
    const auto type = key.QueryValueType(name);
    return type.Succeeded() ? type.value : 0;
}

std::string ReadString(const platform::RegistryKey& key, std::string_view subkey,
                       std::string_view name) {
    auto read = key.GetValue(subkey, name, platform::kRrfRtRegSz);
    if (!read.Succeeded()) throw RegistryError(kCannotReadString, read.error);
    return std::move(read.value.text);
}

std::uint32_t ReadDword(const platform::RegistryKey& key, std::string_view name) {
    return static_cast<std::uint32_t>(
        ReadNumber(key, name, platform::kRrfRtRegDword, kCannotReadDword));
}

std::uint64_t ReadQword(const platform::RegistryKey& key, std::string_view name) {
    return ReadNumber(key, name, platform::kRrfRtRegQword, kCannotReadQword);
}

bool ValueDataMatches(const platform::RegistryKey& key, std::string_view name,
                      const std::string& expected) {
    switch (GetValueType(key, name)) {
        case platform::kRegSz:
            return LowerCase(ReadString(key, "", name)) == expected;
        case platform::kRegDword: {
            const std::uint32_t value = ReadDword(key, name);
            return value == ParseDword(expected);
        }
        case platform::kRegQword: {
            const std::uint64_t value = ReadQword(key, name);
            return value == std::stoull(expected);
        }
        default:
            return false;
    }
}

}  // namespace win32
