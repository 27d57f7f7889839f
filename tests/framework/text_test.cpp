// Text operations count characters, not bytes; a byte that begins no well-formed character is one.
#include "framework/text.h"
#include "tests/framework/text_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::PrintToString;
using namespace text_cases;

// Each text is copied into a buffer of exactly its size, so that AddressSanitizer sees a read past it.
struct Exact {
    explicit Exact(const std::string& text) : bytes(text.begin(), text.end()) {}
    operator std::string_view() const { return {bytes.data(), bytes.size()}; }
    std::vector<char> bytes;
};

class Len : public ::testing::TestWithParam<LenCase> {};

TEST_P(Len, CountsCharacters) {
    const LenCase& c = GetParam();
    EXPECT_EQ(fw::Len(Exact(c.text)), c.length) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(Text, Len, ::testing::ValuesIn(kLen));

class Mid : public ::testing::TestWithParam<Slice> {};

TEST_P(Mid, TakesTheCharactersThatExist) {
    const Slice& c = GetParam();
    EXPECT_EQ(fw::Mid(Exact(c.text), c.start, c.count), c.expected) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(Text, Mid, ::testing::ValuesIn(kMid));

class LeftRightMid : public ::testing::TestWithParam<Ends> {};

TEST_P(LeftRightMid, StopAtTheEnds) {
    const Ends& c = GetParam();
    EXPECT_EQ(c.op(Exact(c.text), c.n), c.expected) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(Text, LeftRightMid, ::testing::ValuesIn(kEnds));

class Val : public ::testing::TestWithParam<ValCase> {};

TEST_P(Val, ReadsTheLeadingNumber) {
    const ValCase& c = GetParam();
    EXPECT_EQ(fw::Val(Exact(c.text)), c.value) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(Text, Val, ::testing::ValuesIn(kVal));

TEST(Str, WritesDecimalText) {
    EXPECT_EQ(fw::Str(0), "0");
    EXPECT_EQ(fw::Str(-5), "-5");
    EXPECT_EQ(fw::Str(kMax), "9223372036854775807");
    EXPECT_EQ(fw::Str(kMin), "-9223372036854775808");
}

} // namespace
