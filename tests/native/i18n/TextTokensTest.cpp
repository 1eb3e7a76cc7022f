#include "i18n/TextTokens.h"

#include <gtest/gtest.h>

TEST(TextTokens, ReplacesEveryOccurrenceAndNeverItsOwnValue) {
    const struct {
        const char* text;
        const char* token;
        const char* value;
        const char* expected;
    } cases[] = {
        {"<a href=\"[URL]\">x</a> <a href=\"[URL]\">y</a>", "[URL]", "https://a.example/",
         "<a href=\"https://a.example/\">x</a> <a href=\"https://a.example/\">y</a>"},
        {"[URL][URL]", "[URL]", "", ""},
        {"no token here", "[URL]", "v", "no token here"},
        {"[url] stays", "[URL]", "v", "[url] stays"},           // case-sensitive
        {"[URL]", "[URL]", "[URL][URL]", "[URL][URL]"},          // a value holding the token
        {"a[URL]b", "", "v", "a[URL]b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceToken(c.text, c.token, c.value), c.expected) << c.text;
    }
}
