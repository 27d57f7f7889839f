#include "checkcode/offices.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// An entry is "CCCC Name", single blanks inside; no code and no name comes twice.
TEST(OfficeTable, EveryEntryIsCodeBlankNameAndNoCodeOrNameComesTwice) {
    std::set<std::string_view> codes, names;
    for (std::string_view entry : BuildOfficeTable()) {
        SCOPED_TRACE(entry);
        ASSERT_GE(entry.size(), 6u);
        EXPECT_TRUE(
            std::all_of(entry.begin(), entry.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }));
        const std::string_view name = entry.substr(5);
        EXPECT_EQ(entry[4], ' ');
        EXPECT_NE(name.front(), ' ');
        EXPECT_NE(name.back(), ' ');
        EXPECT_EQ(name.find("  "), std::string_view::npos);
        EXPECT_TRUE(codes.insert(entry.substr(0, 4)).second) << "code seen before";
        EXPECT_TRUE(names.insert(name).second) << "name seen before";
    }
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
