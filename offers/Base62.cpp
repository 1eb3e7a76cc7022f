#include "offers/Base62.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::string_view kDigits =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

std::string Base62Encode(std::string_view bytes) {
    const auto first = bytes.find_first_not_of('\0');
    if (first == std::string_view::npos) return "";
    bytes.remove_prefix(first);
    const auto size = static_cast<std::size_t>(
        std::ceil(static_cast<double>(bytes.size()) * std::log(256.0) / std::log(62.0)));
    // Digits in base 62, least significant first.
    std::vector<unsigned> digits(size, 0);
    for (const char byte : bytes) {
        unsigned carry = static_cast<unsigned char>(byte);
        for (auto& digit : digits) {
            carry += digit * 256;
            digit = carry % 62;
            carry /= 62;
        }
        if (carry != 0) throw std::runtime_error("Non-zero carry");
    }
    while (!digits.empty() && digits.back() == 0) digits.pop_back();
    std::string text;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) text += kDigits[*digit];
    return text;
}
