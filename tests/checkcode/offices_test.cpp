#include "checkcode/offices.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using checkcode::FindOffices;
using Entries = std::vector<std::string_view>;

// Every entry is "CCCC Name" with single blanks, no code or name comes twice, and the prefixes 01 to 95
// share out all 214 entries, each to its own.
TEST(Offices, EveryEntryIsWellFormedAndFoundByItsOwnPrefixOnly) {
    std::set<std::string_view> codes, names, selected;
    for (std::string_view entry : checkcode::BuildOfficeTable()) {
        EXPECT_TRUE(std::regex_match(std::string(entry), std::regex("[0-9]{4}( [^ ]+)+"))) << entry;
        EXPECT_TRUE(codes.insert(entry.substr(0, 4)).second && names.insert(entry.substr(5)).second) << entry;
    }
    for (int p = 1; p <= 95; ++p) {
        const std::string prefix = (p < 10 ? "0" : "") + std::to_string(p);
        const Entries found = FindOffices(prefix + "123456");
        EXPECT_FALSE(found.empty()) << prefix;
        for (std::string_view entry : found) {
            EXPECT_EQ(entry.substr(0, 2), prefix);
            EXPECT_TRUE(selected.insert(entry).second) << "selected twice: " << entry;
        }
    }
    EXPECT_EQ(selected.size(), 214u);
}

// The number's first two characters, whole: a letter, a blank or a full-width digit matches nothing.
TEST(Offices, SelectsTheEntriesOfTheNumbersFirstTwoCharacters) {
    EXPECT_EQ(FindOffices("12345678"), Entries{"1200 Bergamo"});
    EXPECT_EQ(FindOffices("01000000"), (Entries{"0100 Agrigento", "0101 Sciacca"}));
    EXPECT_EQ(FindOffices("92000000"), Entries{"9200 Viterbo"});
    for (const char* none : {"00000000", "96000000", "1a345678", " 1234567", "１２345678", "1", ""})
        EXPECT_TRUE(FindOffices(none).empty()) << none;
}

TEST(Offices, AnExceptionFromTheCallbackLeavesTheLookup) {
    int calls = 0;
    EXPECT_THROW(checkcode::LookupOffices("49000000", [&calls](std::string_view) { throw ++calls; }), int);
    EXPECT_EQ(calls, 1);
}

} // namespace
