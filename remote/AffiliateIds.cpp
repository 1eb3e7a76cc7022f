#include "remote/AffiliateIds.h"

#include <unordered_map>

namespace {

using Table = std::unordered_map<std::string_view, std::string_view>;

struct Group {
    std::string_view id;
    std::string_view countries;  // two letters each, one space between
};

constexpr Group kGroups[] = {
    {"91088", "US"},
    {"91166", "CA"},
    {"91199", "BR"},
    {"91214", "AU NZ KR"},
    {"91105", "DZ BG CY CZ EG GR HU IE IL KW MA PL PT QA RO RU SA SK ZA TN TR UA AE"},
    {"91215",
     "TH MX PH AR VN TW PE CL CO VE RS LK DO JO HK LT PS HR CR BA SV GE MD AL UY BY LB SN PA LV ID "
     "PK SG"},
};

constexpr std::string_view kOtherCountries = "91082";

Table BuildTable() {
    Table table;
    for (const auto& group : kGroups) {
        for (std::size_t at = 0; at < group.countries.size(); at += 3) {
            table.emplace(group.countries.substr(at, 2), group.id);
        }
    }
    return table;
}

}  // namespace

std::string CountryToAffiliateId(std::string_view countryCode) {
    static const Table table = BuildTable();
    const auto found = table.find(countryCode);
    return std::string(found == table.end() ? kOtherCountries : found->second);
}
