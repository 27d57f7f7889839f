#include "checkcode/offices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using checkcode::BuildOfficeTable;
using checkcode::FindOffices;
using Entries = std::vector<std::string_view>;

std::string_view Code(std::string_view entry) {
    return entry.substr(0, 4);
}
std::string_view Name(std::string_view entry) {
    return entry.substr(5);
}
std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// ---- The table's content.

TEST(OfficeTable, EveryEntryIsCodeBlankNameAndNoCodeOrNameComesTwice) {
    std::set<std::string_view> codes, names;
    for (std::string_view entry : BuildOfficeTable()) {
        SCOPED_TRACE(entry);
        ASSERT_GE(entry.size(), 9u);
        ASSERT_LE(entry.size(), 34u);
        EXPECT_TRUE(
            std::all_of(entry.begin(), entry.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }));
        EXPECT_EQ(entry[4], ' ');
        const std::string_view name = Name(entry);
        EXPECT_NE(name.front(), ' ');
        EXPECT_NE(name.back(), ' ');
        EXPECT_EQ(name.find("  "), std::string_view::npos);
        const bool digit_allowed = entry == "8894 Mestre1";
        for (char c : name) {
            const bool allowed = std::isalpha(static_cast<unsigned char>(c)) || c == ' ' || c == '\'' ||
                                 c == '(' || c == ')' || c == '-' || c == '.' || (digit_allowed && c == '1');
            EXPECT_TRUE(allowed) << "character " << c;
        }
        EXPECT_TRUE(codes.insert(Code(entry)).second) << "code seen before";
        EXPECT_TRUE(names.insert(name).second) << "name seen before";
    }
}

// Offices per two-digit prefix, and how many prefixes have one office, two, ...: an entry lost, doubled or
// miscopied into another prefix changes the spread. Which prefixes exist at all the lookup below pins.
TEST(OfficeTable, PrefixGroupsHaveTheKnownSizes) {
    std::map<std::string_view, int> group_size;
    for (std::string_view entry : BuildOfficeTable())
        ++group_size[entry.substr(0, 2)];
    std::map<int, int> groups_of_size;
    for (const auto& [prefix, size] : group_size)
        ++groups_of_size[size];
    EXPECT_EQ(group_size["70"], 20);
    EXPECT_EQ(group_size["81"], 11);
    EXPECT_EQ(
        groups_of_size,
        (std::map<int, int>{{1, 42}, {2, 31}, {3, 14}, {4, 3}, {5, 1}, {8, 1}, {11, 1}, {12, 1}, {20, 1}}));
}

TEST(OfficeTable, StoredInAscendingOrderOfName) {
    const checkcode::OfficeTable table = BuildOfficeTable();
    for (std::size_t i = 1; i < table.size(); ++i) {
        SCOPED_TRACE(table[i]);
        EXPECT_LT(Name(table[i - 1]), Name(table[i]));
        EXPECT_LT(Lower(Name(table[i - 1])), Lower(Name(table[i])));
    }
}

TEST(OfficeTable, EntriesAtLineBoundariesAreVerbatim) {
    const checkcode::OfficeTable table = BuildOfficeTable();
    EXPECT_EQ(table[0], "0100 Agrigento");
    EXPECT_EQ(table[9], "0600 Ascoli Piceno");
    EXPECT_EQ(table[30], "2490 Cantu'");
    EXPECT_EQ(table[55], "4995 Desio (C.O.)");
    EXPECT_EQ(table[80], "3800 L'Aquila");
    EXPECT_EQ(table[102], "8894 Mestre1");
    EXPECT_EQ(table[157], "7000 Roma");
    EXPECT_EQ(table[202], "5290 V.C.O. - Verbano Cusio Ossola");
    EXPECT_EQ(table[213], "9200 Viterbo");
}

// ---- The prefix lookup.

struct LookupCase {
    const char* name;
    std::string number;
    Entries expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.name;
}

class LookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, SelectsEntriesInStoredOrder) {
    EXPECT_EQ(FindOffices(GetParam().number), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Offices, LookupTest,
    testing::Values(LookupCase{"one", "12345678", {"1200 Bergamo"}},
                    LookupCase{"firstAndLaterIndex", "01000000", {"0100 Agrigento", "0101 Sciacca"}},
                    LookupCase{"lastIndex", "92000000", {"9200 Viterbo"}},
                    LookupCase{"twelveByName",
                               "49123456",
                               {"4995 Desio (C.O.)", "4927 Lodi", "4991 Melegnano", "4900 Milano",
                                "4905 Milano Corvetto", "4904 Milano Fiori", "4908 Milano Legnano",
                                "4903 Milano Missori", "4902 Milano Nord", "4909 Milano Seregno (C.O.)",
                                "4901 Monza", "4979 Vimercate"}},
                    LookupCase{"prefix00", "00000000", {}}, LookupCase{"prefix96", "96000000", {}},
                    LookupCase{"prefix97", "97000000", {}}, LookupCase{"prefix98", "98000000", {}},
                    LookupCase{"prefix99", "99999999", {}}, LookupCase{"letterFirst", "a2345678", {}},
                    LookupCase{"letterSecond", "1a345678", {}}, LookupCase{"blankFirst", " 1234567", {}},
                    LookupCase{"fullWidthDigits", "\357\274\221\357\274\222345678", {}},
                    LookupCase{"oneCharacter", "1", {}}, LookupCase{"empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfficeLookup, EveryPrefixFrom01To95SelectsItsOwnEntriesAndTogetherAll) {
    std::set<std::string_view> selected;
    for (int p = 1; p <= 95; ++p) {
        const std::string prefix{static_cast<char>('0' + p / 10), static_cast<char>('0' + p % 10)};
        const Entries found = FindOffices(prefix + "123456");
        EXPECT_FALSE(found.empty()) << prefix;
        for (std::string_view entry : found) {
            EXPECT_EQ(entry.substr(0, 2), prefix);
            EXPECT_TRUE(selected.insert(entry).second) << "selected twice: " << entry;
        }
    }
    EXPECT_EQ(selected.size(), 214u);
}

TEST(OfficeLookup, ExceptionFromCallbackLeavesTheLookup) {
    int calls = 0;
    const auto throwing = [&calls](std::string_view) {
        ++calls;
        throw std::runtime_error("list refused the row");
    };
    EXPECT_THROW(checkcode::LookupOffices("49000000", throwing), std::runtime_error);
    EXPECT_EQ(calls, 1);
}

} // namespace
