#include "checkcode/check_code.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    const char* name;
    std::string number;
    std::string code;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class CheckCodeTest : public testing::TestWithParam<Case> {};

TEST_P(CheckCodeTest, GivesCodeAndResultText) {
    const auto& [name, number, code] = GetParam();
    const checkcode::CheckCode check = checkcode::ComputeCheckCode(number);
    EXPECT_EQ(check.code, code);
    EXPECT_EQ(check.result, number + " " + code);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CheckCodeTest,
    testing::Values(Case{"sums16and20", "12345678", "60"}, Case{"sums13and21", "49123456", "31"},
                    Case{"sums7and1", "70000001", "71"}, Case{"allZero", "00000000", "00"},
                    Case{"allNine", "99999999", "66"}, Case{"sums10and0", "10203040", "00"},
                    Case{"sums20and20", "55555555", "00"}, Case{"oneAndTwoDigitSums", "19191919", "46"},
                    Case{"onlyOddPositions", "90909090", "60"}, Case{"onlyEvenPositions", "09090909", "06"},
                    // Other texts are used whole (escapes in octal, three digits at most): a missing position
                    // or a non-digit counts 0, nothing is read outside the text.
                    Case{"longerCountsEightOnly", "1234567899999", "60"}, Case{"empty", "", "00"},
                    Case{"short", "123", "42"}, Case{"oneCharacter", "7", "70"},
                    Case{"letters", "12a45b78", "34"}, Case{"signsCountAlone", "-1-1-1-1", "04"},
                    Case{"blanks", " 2 4 6 8", "00"}, Case{"fullWidthDigit", "\357\274\2212345678", "50"},
                    Case{"accentedLetterIsOneCharacter", "\303\2502345678", "50"},
                    Case{"invalidByteIsOneCharacter", "\3772345678", "50"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
