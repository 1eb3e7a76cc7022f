#include <gtest/gtest.h>

#include <string>

#include "offers/Base62.h"

namespace {

using namespace std::string_literals;

TEST(Base62, EncodesBytesAsOneBigEndianNumber) {
    const struct {
        std::string bytes;
        std::string encoded;
    } cases[] = {
        {"abc", "qMin"},
        {"", ""},
        {"\0\0"s, ""},
        {"\0abc"s, "qMin"},  // leading zero bytes add nothing
        {"\x01", "1"},
        {"=", "Z"},                                           // 61, the last digit
        {">", "10"},                                          // 62
        {"\xff", "47"},                                       // 255 = 4 * 62 + 7
        {"\x01\x00"s, "48"},                                  // 256 = 4 * 62 + 8
        {"\xff\xff\xff\xff\xff\xff\xff\xff", "lYGhA16ahyf"},  // 2^64 - 1
    };
    for (const auto& [bytes, encoded] : cases) {
        EXPECT_EQ(Base62Encode(bytes), encoded) << bytes.size() << " bytes";
    }
}

// The bytes of an encoded number, big-endian, without leading zero bytes.
std::string Decode(const std::string& encoded) {
    const std::string digits = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string bytes;  // least significant first
    for (const char digit : encoded) {
        unsigned carry = static_cast<unsigned>(digits.find(digit));
        for (auto& byte : bytes) {
            carry += static_cast<unsigned char>(byte) * 62u;
            byte = static_cast<char>(carry & 0xff);
            carry >>= 8;
        }
        for (; carry != 0; carry >>= 8) bytes += static_cast<char>(carry & 0xff);
    }
    return {bytes.rbegin(), bytes.rend()};
}

TEST(Base62, LongInputsRoundTrip) {
    for (const std::string& bytes :
         {std::string(300, '\xff'), "0f5ef3a4-2b8c|Pellar|20250301142507"s,
          "\x80"s + std::string(64, '\0')}) {
        EXPECT_EQ(Decode(Base62Encode(bytes)), bytes);
    }
}

}  // namespace
