#include <gtest/gtest.h>

#include "offers/PlaceholderValues.h"

namespace {

TEST(PlaceholderValues, FirstValueOfANameWins) {
    PlaceholderValues values;
    values.Add("cc", "US");
    values.Add("cc", "ES");
    EXPECT_EQ(values.Expand("{cc}"), "US");
    EXPECT_EQ(values.Entries().size(), 1u);
}

TEST(PlaceholderValues, ExpandsNameByNameInTheOrderAdded) {
    PlaceholderValues values;
    values.Add("a", "{b}-{a}");  // later names see its value; its own token is not rescanned
    values.Add("b", "B");
    values.Add("c", "{a}");  // "a" has already run
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"{a}", "B-{a}"},
        {"{c}", "{a}"},
        {"{b}{b}x{b}", "BBxB"},
        {"{unknown} {B}", "{unknown} {B}"},
        {"", ""},
    };
    for (const auto& [text, expanded] : cases) EXPECT_EQ(values.Expand(text), expanded) << text;
}

}  // namespace
