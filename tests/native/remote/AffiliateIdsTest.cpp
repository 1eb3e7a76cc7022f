#include <gtest/gtest.h>

#include "remote/AffiliateIds.h"

namespace {

TEST(CountryToAffiliateId, ExactCodesOfEachGroupElseTheDefault) {
    const struct {
        const char* country;
        const char* id;
    } cases[] = {
        {"US", "91088"}, {"CA", "91166"}, {"BR", "91199"},  {"AU", "91214"}, {"NZ", "91214"},
        {"KR", "91214"}, {"DZ", "91105"}, {"PL", "91105"},  {"AE", "91105"}, {"TH", "91215"},
        {"ID", "91215"}, {"PK", "91215"}, {"SG", "91215"},  {"kr", "91082"}, {"", "91082"},
        {"GB", "91082"}, {"K", "91082"},  {"KRX", "91082"}, {"R ", "91082"},
    };
    for (const auto& c : cases) EXPECT_EQ(CountryToAffiliateId(c.country), c.id) << c.country;
}

}  // namespace
