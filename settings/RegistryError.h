#pragma once

#include <cstdint>
#include <stdexcept>

namespace win32 {

// A registry call that failed: one of the fixed messages below and the
// Windows error code the call returned.
class RegistryError : public std::runtime_error {
public:
    RegistryError(const char* message, std::uint32_t code)
        : std::runtime_error(message), code_(code) {}

    std::uint32_t Code() const { return code_; }

private:
    std::uint32_t code_;
};

inline constexpr const char* kCannotOpenKey = "Cannot open registry key: RegOpenKeyEx failed.";
inline constexpr const char* kCannotReadString = "Cannot read string from registry";
inline constexpr const char* kCannotReadDword = "Cannot read DWORD from registry.";
inline constexpr const char* kCannotReadQword = "Cannot read QWORD from registry.";
inline constexpr const char* kCannotQueryKeyInfo =
    "RegQueryInfoKey failed while preparing for subkey enumeration.";
inline constexpr const char* kCannotEnumerateSubkeys =
    "Cannot enumerate subkeys: RegEnumKeyEx failed.";

}  // namespace win32
