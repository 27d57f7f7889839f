#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Each case's text is copied into a buffer of exactly its size, so that AddressSanitizer sees a read past it.
std::vector<char> Exact(const std::string& text) {
    return std::vector<char>(text.begin(), text.end());
}
std::string_view View(const std::vector<char>& bytes) {
    return {bytes.data(), bytes.size()};
}

// "è" is 2 bytes, "€" 3, "😀" 4.
const std::string kMixed = "a\xC3\xA8\xE2\x82\xAC\xF0\x9F\x98\x80z";

struct LenCase {
    std::string text;
    std::int64_t length;
};

// Printable ASCII as it is, every other byte as \xHH: readable test names, one line each.
std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            constexpr char kHex[] = "0123456789ABCDEF";
            out += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
        }
    }
    return "\"" + out + "\"";
}

void PrintTo(const LenCase& c, std::ostream* os) {
    *os << Escaped(c.text);
}

class LenTest : public testing::TestWithParam<LenCase> {};

TEST_P(LenTest, CountsCharacters) {
    const auto bytes = Exact(GetParam().text);
    EXPECT_EQ(fw::Len(View(bytes)), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Text, LenTest,
    testing::Values(LenCase{"", 0}, LenCase{"12345678", 8}, LenCase{kMixed, 5},
                    // Malformed sequences: each byte that does not begin a well-formed character is one.
                    LenCase{"\xC3", 1}, LenCase{"\x80\x80", 2}, LenCase{"a\xE2\x82", 3},
                    LenCase{"\xF0\x9F\x98", 3}, LenCase{"\xC0\xAF", 2} /* overlong */,
                    LenCase{"\xED\xA0\x80", 3} /* surrogate */,
                    LenCase{"\xF4\x90\x80\x80", 4} /* above U+10FFFF */, LenCase{"\xFF\xFE", 2},
                    LenCase{"\xE2\x82"
                            "a",
                            3} /* lead byte followed by ASCII */));

struct SliceCase {
    const char* name;
    std::string text;
    std::int64_t start;
    std::int64_t count;
    std::string expected;
};

void PrintTo(const SliceCase& c, std::ostream* os) {
    *os << c.name;
}

class MidTest : public testing::TestWithParam<SliceCase> {};

TEST_P(MidTest, TakesTheCharactersThatExist) {
    const auto bytes = Exact(GetParam().text);
    EXPECT_EQ(fw::Mid(View(bytes), GetParam().start, GetParam().count), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Text, MidTest,
    testing::Values(
        SliceCase{"first", "12345678", 1, 1, "1"}, SliceCase{"last", "12345678", 8, 1, "8"},
        SliceCase{"middle", "12345678", 3, 4, "3456"}, SliceCase{"pastEnd", "12345678", 9, 1, ""},
        SliceCase{"overEnd", "12345678", 7, 5, "78"}, SliceCase{"empty", "", 1, 1, ""},
        SliceCase{"countZero", "1234", 2, 0, ""}, SliceCase{"countNegative", "1234", 2, -3, ""},
        SliceCase{"startZero", "1234", 0, 2, "1"}, SliceCase{"startNegative", "1234", -1, 4, "12"},
        SliceCase{"beforeText", "1234", -5, 3, ""}, SliceCase{"hugeCount", "1234", 2, kMax, "234"},
        SliceCase{"hugeStart", "1234", kMax, kMax, ""}, SliceCase{"lowestStart", "1234", kMin, kMax, ""},
        SliceCase{"multiByte", kMixed, 2, 1, "\xC3\xA8"},
        SliceCase{"multiByteRun", kMixed, 3, 2, "\xE2\x82\xAC\xF0\x9F\x98\x80"},
        SliceCase{"afterMultiByte", kMixed, 5, 1, "z"}, SliceCase{"brokenInside", "a\xE2\x82z", 2, 1, "\xE2"},
        SliceCase{"truncatedAtEnd", "ab\xF0\x9F", 3, 5, "\xF0\x9F"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextMid, FromPositionToTheEnd) {
    EXPECT_EQ(fw::Mid("12345678", 6), "678");
    EXPECT_EQ(fw::Mid("12345678", 9), "");
    EXPECT_EQ(fw::Mid("12345678", 0), "12345678");
    EXPECT_EQ(fw::Mid("12345678", kMin), "12345678");
    EXPECT_EQ(fw::Mid("12345678", kMax), "");
    EXPECT_EQ(fw::Mid(kMixed, 4), "\xF0\x9F\x98\x80z");
}

TEST(TextLeftRight, CountCharactersAndStopAtTheEnds) {
    EXPECT_EQ(fw::Left("49123456", 2), "49");
    EXPECT_EQ(fw::Left("4", 2), "4");
    EXPECT_EQ(fw::Left("", 2), "");
    EXPECT_EQ(fw::Left("49", 0), "");
    EXPECT_EQ(fw::Left("49", -1), "");
    EXPECT_EQ(fw::Left(kMixed, 2), "a\xC3\xA8");
    EXPECT_EQ(fw::Right("16", 1), "6");
    EXPECT_EQ(fw::Right("7", 1), "7");
    EXPECT_EQ(fw::Right("", 1), "");
    EXPECT_EQ(fw::Right("16", 5), "16");
    EXPECT_EQ(fw::Right("16", 0), "");
    EXPECT_EQ(fw::Right("16", kMin), "");
    EXPECT_EQ(fw::Right(kMixed, 2), "\xF0\x9F\x98\x80z");
    EXPECT_EQ(fw::Right("ab\xF0\x9F", 1), "\x9F");
}

struct ValCase {
    std::string text;
    double value;
};

void PrintTo(const ValCase& c, std::ostream* os) {
    *os << Escaped(c.text);
}

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    const auto bytes = Exact(GetParam().text);
    EXPECT_EQ(fw::Val(View(bytes)), GetParam().value) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Text, ValTest,
                         testing::Values(ValCase{"0", 0}, ValCase{"7", 7}, ValCase{"9", 9},
                                         ValCase{"-12.5e1", -125}, ValCase{"  42abc", 42}, ValCase{"\t+3", 3},
                                         ValCase{"2.5E-1", 0.25}, ValCase{".5", 0.5}, ValCase{"5.", 5},
                                         ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"1,5", 1},
                                         ValCase{"007", 7}, ValCase{"12 34", 12},
                                         // No leading number: 0.
                                         ValCase{"", 0}, ValCase{" ", 0}, ValCase{"a", 0}, ValCase{"-", 0},
                                         ValCase{"+", 0}, ValCase{".", 0}, ValCase{"e5", 0},
                                         ValCase{"- 1", 0}, ValCase{"0x10", 0}, ValCase{"inf", 0},
                                         ValCase{"nan", 0}, ValCase{"\xC3\xA8", 0},
                                         ValCase{"\xD9\xA3", 0} /* Arabic-Indic three */,
                                         ValCase{"\xEF\xBC\x93", 0} /* full-width 3 */, ValCase{"\xFF", 0}));

TEST(TextVal, EveryDigitAloneIsItsValue) {
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(fw::Val(std::string(1, static_cast<char>('0' + digit))), digit);
    }
}

TEST(TextVal, OutOfRangeGivesInfinityOrZero) {
    EXPECT_EQ(fw::Val("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(fw::Val("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(fw::Val(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(fw::Val("1e-400"), 0.0);
    EXPECT_EQ(fw::Val("0.0001e-400"), 0.0);
    EXPECT_EQ(fw::Val("1e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(fw::Val("0.00000000001e12"), 10.0);
}

TEST(TextStr, WritesDecimalText) {
    EXPECT_EQ(fw::Str(0), "0");
    EXPECT_EQ(fw::Str(36), "36");
    EXPECT_EQ(fw::Str(-5), "-5");
    EXPECT_EQ(fw::Str(kMax), "9223372036854775807");
    EXPECT_EQ(fw::Str(kMin), "-9223372036854775808");
}

} // namespace
