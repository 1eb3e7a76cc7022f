#pragma once

#include <string>
#include <string_view>

// Conversions at the Win32 boundary: the program keeps UTF-8 text, the
// system speaks UTF-16. Invalid input never throws; the system's
// replacement character stands in for undecodable sequences.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
