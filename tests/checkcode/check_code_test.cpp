#include "checkcode/check_code.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// The last digit of the sum of the odd positions, then of the even ones. Other texts are used whole (a
// full-width digit, a stray byte): a missing position or a non-digit counts 0, nothing is read outside the
// text.
TEST(CheckCode, GivesCodeAndResultText) {
    const std::pair<std::string, std::string> cases[] = {
        {"12345678", "60"}, {"49123456", "31"},      {"99999999", "66"},  {"90909090", "60"},
        {"09090909", "06"}, {"1234567899999", "60"}, {"", "00"},          {"7", "70"},
        {"12a45b78", "34"}, {"-1-1-1-1", "04"},      {"１2345678", "50"}, {"\3772345678", "50"}};
    for (const auto& [number, code] : cases) {
        const checkcode::CheckCode check = checkcode::ComputeCheckCode(number);
        EXPECT_EQ(check.code, code) << number;
        EXPECT_EQ(check.result, number + " " + code);
    }
}

} // namespace
