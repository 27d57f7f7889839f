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

TEST(Text, LenMidLeftRightAndValCountCharactersAndStopAtTheEnds) {
    for (const LenCase& c : kLen)
        EXPECT_EQ(fw::Len(Exact(c.text)), c.length) << PrintToString(c.text);
    for (const Slice& c : kMid)
        EXPECT_EQ(fw::Mid(Exact(c.text), c.start, c.count), c.expected)
            << PrintToString(c.text) << " " << c.start;
    for (const Ends& c : kEnds)
        EXPECT_EQ(c.op(Exact(c.text), c.n), c.expected) << PrintToString(c.text) << " " << c.n;
    for (const ValCase& c : kVal)
        EXPECT_EQ(fw::Val(Exact(c.text)), c.value) << PrintToString(c.text);
    EXPECT_EQ(fw::Str(0), "0");
    EXPECT_EQ(fw::Str(kMin), "-9223372036854775808");
}

} // namespace
