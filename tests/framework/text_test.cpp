// Text operations count characters, not bytes; a byte that begins no well-formed character is one.
#include "framework/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using ::testing::PrintToString;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Each text is copied into a buffer of exactly its size, so that AddressSanitizer sees a read past it.
struct Exact {
    explicit Exact(const std::string& text) : bytes(text.begin(), text.end()) {}
    operator std::string_view() const { return {bytes.data(), bytes.size()}; }
    std::vector<char> bytes;
};

// "è" is 2 bytes, "€" 3, "😀" 4.
const std::string kMixed = "a\xC3\xA8\xE2\x82\xAC\xF0\x9F\x98\x80z";

struct LenCase {
    std::string text;
    std::int64_t length;
};

// Malformed: cut short, stray continuations, overlong, surrogate, above U+10FFFF, lead byte then ASCII.
class Len : public ::testing::TestWithParam<LenCase> {};

TEST_P(Len, CountsCharacters) {
    const LenCase& c = GetParam();
    EXPECT_EQ(fw::Len(Exact(c.text)), c.length) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(Text, Len,
                         ::testing::Values(LenCase{"", 0}, LenCase{"12345678", 8}, LenCase{kMixed, 5},
                                           LenCase{"\xC3", 1}, LenCase{"\x80\x80", 2},
                                           LenCase{"a\xE2\x82", 3}, LenCase{"\xF0\x9F\x98", 3},
                                           LenCase{"\xC0\xAF", 2}, LenCase{"\xED\xA0\x80", 3},
                                           LenCase{"\xF4\x90\x80\x80", 4}, LenCase{"\xFF\xFE", 2},
                                           LenCase{"\xE2\x82\x61", 3}));

struct Slice {
    std::string text;
    std::int64_t start, count;
    std::string expected;
};

class Mid : public ::testing::TestWithParam<Slice> {};

TEST_P(Mid, TakesTheCharactersThatExist) {
    const Slice& c = GetParam();
    EXPECT_EQ(fw::Mid(Exact(c.text), c.start, c.count), c.expected) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Text, Mid,
    ::testing::Values(Slice{"12345678", 1, 1, "1"}, Slice{"12345678", 8, 1, "8"},
                      Slice{"12345678", 3, 4, "3456"}, Slice{"12345678", 9, 1, ""},
                      Slice{"12345678", 7, 5, "78"}, Slice{"", 1, 1, ""}, Slice{"1234", 2, 0, ""},
                      Slice{"1234", 2, -3, ""}, Slice{"1234", 0, 2, "1"}, Slice{"1234", -1, 4, "12"},
                      Slice{"1234", -5, 3, ""}, Slice{"1234", 2, kMax, "234"}, Slice{"1234", kMax, kMax, ""},
                      Slice{"1234", kMin, kMax, ""}, Slice{kMixed, 2, 1, "\xC3\xA8"},
                      Slice{kMixed, 3, 2, "\xE2\x82\xAC\xF0\x9F\x98\x80"}, Slice{kMixed, 5, 1, "z"},
                      Slice{"a\xE2\x82z", 2, 1, "\xE2"}, Slice{"ab\xF0\x9F", 3, 5, "\xF0\x9F"}));

using Op = fw::Text (*)(std::string_view, std::int64_t);
const Op kLeft = fw::Left, kRight = fw::Right, kMid = fw::Mid;

struct Ends {
    Op op;
    std::string text;
    std::int64_t n;
    std::string expected;
};

class LeftRightMid : public ::testing::TestWithParam<Ends> {};

TEST_P(LeftRightMid, StopAtTheEnds) {
    const Ends& c = GetParam();
    EXPECT_EQ(c.op(Exact(c.text), c.n), c.expected) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Text, LeftRightMid,
    ::testing::Values(Ends{kLeft, "49123456", 2, "49"}, Ends{kLeft, "4", 2, "4"}, Ends{kLeft, "", 2, ""},
                      Ends{kLeft, "49", 0, ""}, Ends{kLeft, "49", -1, ""},
                      Ends{kLeft, kMixed, 2, "a\xC3\xA8"}, Ends{kRight, "16", 1, "6"},
                      Ends{kRight, "", 1, ""}, Ends{kRight, "16", 5, "16"}, Ends{kRight, "16", 0, ""},
                      Ends{kRight, "16", kMin, ""}, Ends{kRight, kMixed, 2, "\xF0\x9F\x98\x80z"},
                      Ends{kRight, "ab\xF0\x9F", 1, "\x9F"}, Ends{kMid, "12345678", 6, "678"},
                      Ends{kMid, "12345678", 9, ""}, Ends{kMid, "12345678", 0, "12345678"},
                      Ends{kMid, "12345678", kMin, "12345678"}, Ends{kMid, "12345678", kMax, ""},
                      Ends{kMid, kMixed, 4, "\xF0\x9F\x98\x80z"}));

struct ValCase {
    std::string text;
    double value;
};

// Numbers in ASCII only (Arabic-Indic and full-width 3 are not), without one 0, out of range infinity or 0.
class Val : public ::testing::TestWithParam<ValCase> {};

TEST_P(Val, ReadsTheLeadingNumber) {
    const ValCase& c = GetParam();
    EXPECT_EQ(fw::Val(Exact(c.text)), c.value) << PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Text, Val,
    ::testing::Values(ValCase{"0", 0}, ValCase{"7", 7}, ValCase{"9", 9}, ValCase{"-12.5e1", -125},
                      ValCase{"  42abc", 42}, ValCase{"\t+3", 3}, ValCase{"2.5E-1", 0.25}, ValCase{".5", 0.5},
                      ValCase{"5.", 5}, ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"1,5", 1},
                      ValCase{"007", 7}, ValCase{"12 34", 12}, ValCase{"0.00000000001e12", 10},
                      ValCase{"", 0}, ValCase{" ", 0}, ValCase{"a", 0}, ValCase{"-", 0}, ValCase{"+", 0},
                      ValCase{".", 0}, ValCase{"e5", 0}, ValCase{"- 1", 0}, ValCase{"0x10", 0},
                      ValCase{"inf", 0}, ValCase{"nan", 0}, ValCase{"\xC3\xA8", 0}, ValCase{"\xD9\xA3", 0},
                      ValCase{"\xEF\xBC\x93", 0}, ValCase{"\xFF", 0}, ValCase{"1e400", kInf},
                      ValCase{"-1e400", -kInf}, ValCase{std::string(400, '9'), kInf}, ValCase{"1e-400", 0},
                      ValCase{"0.0001e-400", 0}, ValCase{"1e99999999999999999999", kInf}));

TEST(Str, WritesDecimalText) {
    EXPECT_EQ(fw::Str(0), "0");
    EXPECT_EQ(fw::Str(-5), "-5");
    EXPECT_EQ(fw::Str(kMax), "9223372036854775807");
    EXPECT_EQ(fw::Str(kMin), "-9223372036854775808");
}

} // namespace
