#pragma once

#include <cstdint>
#include <span>
#include <string>

// bytes as lower-case hexadecimal, two digits a byte.
std::string LowerHex(std::span<const std::uint8_t> bytes);
