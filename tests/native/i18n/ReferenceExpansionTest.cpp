#include "i18n/ReferenceExpansion.h"

#include <gtest/gtest.h>

namespace {

using Table = std::map<std::string, std::string>;

struct Case {
    const char* what;
    Table table;
    Table expected;
};

void ExpectExpansions(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        Table table = c.table;
        ExpandReferences(table);
        EXPECT_EQ(table, c.expected) << c.what;
    }
}

TEST(ReferenceExpansion, ChainsExpandFullyWhateverTheOrderOfTheirKeys) {
    ExpectExpansions({
        {"refers to keys that sort later",
         {{"A", "a{B}."}, {"B", "b{C}"}, {"C", "c"}},
         {{"A", "abc."}, {"B", "bc"}, {"C", "c"}}},
        {"refers to keys that sort earlier",
         {{"A", "a"}, {"B", "b{A}"}, {"C", "c{B}."}},
         {{"A", "a"}, {"B", "ba"}, {"C", "cba."}}},
        {"mixed order, repeated references",
         {{"B", "{A}-{C}"}, {"A", "{C}{C}"}, {"C", "x"}},
         {{"B", "xx-x"}, {"A", "xx"}, {"C", "x"}}},
        {"adjacent references and references inside words",
         {{"NEXT", "Next"}, {"TEXT", "Click \"{NEXT}\"{NEXT}s"}},
         {{"NEXT", "Next"}, {"TEXT", "Click \"Next\"Nexts"}}},
    });
}

TEST(ReferenceExpansion, WhatIsNoReferenceStaysLiterally) {
    ExpectExpansions({
        {"missing key, later references still expand",
         {{"A", "{MISSING} and {B}"}, {"B", "b"}},
         {{"A", "{MISSING} and b"}, {"B", "b"}}},
        {"opening brace without a closing one",
         {{"A", "{B} then {B"}, {"B", "b"}},
         {{"A", "b then {B"}, {"B", "b"}}},
        {"empty braces and a closing brace alone",
         {{"A", "{} } {B}"}, {"B", "b"}},
         {{"A", "{} } b"}, {"B", "b"}}},
        {"page placeholders",
         {{"A", "[PACKAGE_NAME] $percent$ [B] {B}"}, {"B", "b"}},
         {{"A", "[PACKAGE_NAME] $percent$ [B] b"}, {"B", "b"}}},
        {"keys are case-sensitive", {{"A", "{b}"}, {"B", "x"}}, {{"A", "{b}"}, {"B", "x"}}},
    });
}

TEST(ReferenceExpansion, InsertedTextCanCompleteAReference) {
    // The scan resumes at the inserted text, so an inserted opening brace
    // pairs with a closing brace that follows it.
    ExpectExpansions({
        {"brace from the insertion",
         {{"A", "{OPEN}C}"}, {"C", "c"}, {"OPEN", "{"}},
         {{"A", "c"}, {"C", "c"}, {"OPEN", "{"}}},
    });
}

TEST(ReferenceExpansion, ReferenceCyclesEndAndStayLiterally) {
    ExpectExpansions({
        {"a key that refers to itself", {{"A", "x{A}y"}}, {{"A", "x{A}y"}}},
        {"two keys that refer to each other",
         {{"A", "a{B}"}, {"B", "b{A}"}},
         {{"A", "ab{A}"}, {"B", "bab{A}"}}},
        {"a cycle behind a good reference",
         {{"A", "{C}{B}"}, {"B", "{B}"}, {"C", "c"}},
         {{"A", "c{B}"}, {"B", "{B}"}, {"C", "c"}}},
    });
}

}  // namespace
