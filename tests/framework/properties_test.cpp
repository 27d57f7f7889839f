// The property-string reader and encoder against a small class of their own: byte-exact values at their
// boundaries, names in any letter case, along the class chain, every malformed string refused whole.
#include "framework/properties.h"
#include "framework/testing/property_bytes.h"
#include "tests/framework/probe.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using fw::Color;
using fw::PropertyValue;
using fw::testing::Encode;
using ::testing::HasSubstr;
using ::testing::PrintToString;
using ::testing::ThrowsMessage;
using namespace fw::prop;
using probe::Probe;

std::string Bytes(std::initializer_list<int> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Integers: 4 bytes big-endian two's complement (blanks and zero bytes inside a value are value bytes);
// Boolean one byte; Color red, green, blue; a string a 4-byte count, then its raw bytes whatever they are.
// Names match in any letter case.
TEST(PropertyString, ValuesAreWrittenAndReadByteExactAtTheirBoundaries) {
    const std::string big(70000, '\xFF'), tricky("Width \0\xFF", 8);
    const struct {
        fw::PropertyLiteral entry;
        std::string bytes;
        PropertyValue value;
    } cases[] = {
        {Int("width", -2), Bytes({0xFF, 0xFF, 0xFF, 0xFE}), -2},
        {Int("Width", INT32_MIN), Bytes({0x80, 0, 0, 0}), INT32_MIN},
        {Int("Width", INT32_MAX), Bytes({0x7F, 0xFF, 0xFF, 0xFF}), INT32_MAX},
        {Int("Width", 300), Bytes({0, 0, 1, 0x2C}), 300},
        {Int("Width", 0x20202020), "    ", 0x20202020},
        {Bool("VISIBLE", true), Bytes({1}), true},
        {Rgb("BackColor", 0x20, 0, 0xFF), Bytes({0x20, 0, 0xFF}), Color{0x20, 0, 0xFF}},
        {Str("TEXT", ""), Bytes({0, 0, 0, 0}), fw::Text()},
        {Str("Text", big), Bytes({0, 1, 0x11, 0x70}) + big, fw::Text(big)},
        {Str("Text", tricky), Bytes({0, 0, 0, 8}) + tricky, fw::Text(tricky)},
        {Bool("balternaterows", true), Bytes({1}), true}, // from the class it derives from
    };
    for (const auto& c : cases) {
        const std::string s = Encode({c.entry, Int("MacProcId", -5)}); // the next entry follows
        const std::string name(c.entry.name);
        EXPECT_EQ(s, name + " " + c.bytes + "MacProcId " + Bytes({0xFF, 0xFF, 0xFF, 0xFB})) << name;
        Probe b;
        fw::SetProperties(b, s);
        EXPECT_EQ(fw::GetProperty(b, name), c.value) << name;
        EXPECT_EQ(fw::GetProperty(b, "MacProcId"), PropertyValue(-5)) << name;
    }
    Probe b; // a value is set only as its declared type, a property only when declared
    EXPECT_THROW(fw::SetProperty(b, "Width", PropertyValue(true)), fw::InvalidArgumentException);
    EXPECT_THROW(fw::GetProperty(b, "Nope"), fw::InvalidArgumentException);
    EXPECT_EQ(fw::RGB(-5, 300, 128), (Color{0, 255, 128})); // components clamp
}

// Every malformed string is refused whole, saying the property, where and what.
TEST(PropertyString, AMalformedStringChangesNothingAndSaysWhereAndWhat) {
    const std::string good = Encode({Int("Width", 9)}); // 10 bytes
    const std::pair<std::string, const char*> cases[] = {
        {good + Encode({Int("Depth", 1)}), "'Depth', at byte 10: not a declared property"},
        {std::string("Vis\0ible \x01", 10), "'Vis\\x00ible', at byte 0"},
        {good + "Visible", "'Visible', at byte 10: no blank"},
        {good + std::string(" \x01", 2), "at byte 10: empty property name"},
        {std::string("Width \x00\x00\x01", 9), "'Width', at byte 0: Integer value runs"},
        {std::string("BackColor \xFF\xFF", 12), "'BackColor', at byte 0: Color value runs past"},
        {good + "Visible ", "'Visible', at byte 10: Boolean value runs"},
        {good + std::string("Visible \x02", 9), "Boolean byte 2"},
        {good + "Text " + Bytes({0, 0, 0}), "'Text', at byte 10: String value runs"},
        {"Text " + Bytes({0, 0, 0, 5}) + "abcd", "String of 5 bytes runs past"},
        {"Text " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abcd", "String of 4294967295 bytes"},
        {good + Encode({Int("WIDTH", 1)}), "repeats the entry at byte 0"}};
    for (const auto& [bytes, message] : cases) {
        Probe b;
        EXPECT_THAT([&] { fw::SetProperties(b, bytes); },
                    ThrowsMessage<fw::UnsupportedFormatException>(
                        ::testing::AllOf(HasSubstr(message), HasSubstr("Probe 'probe'"))))
            << PrintToString(bytes);
        EXPECT_TRUE(b.Untouched()) << PrintToString(bytes);
    }
}

TEST(PropertyString, AValueItsCheckRefusesChangesNothingAndSaysWhere) {
    Probe b;
    const std::string s =
        Encode({Int("Width", 1), Bool("visible", true), Int("ColumnCount", 0), Int("MacProcId", 2)});
    EXPECT_THAT(
        [&] { fw::SetProperties(b, s); }, // the setter's own kind
        ThrowsMessage<fw::OutOfBoundsException>("property string for Probe 'probe', property 'ColumnCount', "
                                                "at byte 19: ColumnCount out of range"));
    EXPECT_TRUE(b.Untouched());
}

} // namespace
