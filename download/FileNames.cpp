#include "download/FileNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace download {

namespace {

bool IsDeviceName(std::string_view name) {
    // Windows ignores the extension and trailing spaces of a device name.
    std::string base(name.substr(0, name.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static constexpr std::array<std::string_view, 4> kFixed = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(kFixed.begin(), kFixed.end(), base) != kFixed.end()) return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
    if (name.find_first_not_of(". ") == std::string_view::npos) return false;
    if (name.find_first_of("\\/:") != std::string_view::npos) return false;
    return !IsDeviceName(name);
}

}  // namespace download
