#pragma once

#include <string>
#include <string_view>

// The affiliate id of a two-letter country code (exact, case-sensitive
// match); "91082" for any code not in the table, the empty one included.
std::string CountryToAffiliateId(std::string_view countryCode);
