// The property-string reader and writer against a small class of their own: byte-exact values at their
// boundaries, names in any letter case, every malformed string refused whole. Lookups along a class chain
// are the widgets' (every control string names its parents' properties).
#include "framework/properties.h"
#include "framework/property_literal.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using fw::Color;
using fw::PropertyValue;
using ::testing::PrintToString;
using W = fw::PropertyStringWriter;

// Stored properties, and a help tag whose check refuses one text, as the system's setters refuse values.
class Probe : public fw::Object {
public:
    static const fw::ClassInfo& Class() {
        static const fw::PropertyDecl props[] = {
            fw::DeclareStored<Probe>("Width", fw::PropertyType::Integer),
            fw::DeclareStored<Probe>("Visible", fw::PropertyType::Boolean),
            fw::DeclareStored<Probe>("BackColor", fw::PropertyType::Color),
            fw::DeclareStored<Probe>("MacProcId", fw::PropertyType::Integer),
            fw::Declare<&Probe::HelpTag, &Probe::SetHelpTag, &Probe::CheckHelpTag>("HelpTag"),
        };
        static const fw::ClassInfo info{"Probe", nullptr, props, {}};
        return info;
    }
    const fw::ClassInfo& GetClass() const override { return Class(); }
    std::string Describe() const override { return "Probe 'probe'"; }

    fw::Text HelpTag() const { return tag; }
    void CheckHelpTag(const fw::Text& v) const {
        if (v == "refused")
            throw fw::OutOfBoundsException("no such help tag");
    }
    void SetHelpTag(const fw::Text& v) { tag = v; } // the mass setter checks first
    fw::PropertyStore& StoredProperties() { return stored; }
    const fw::PropertyStore& StoredProperties() const { return stored; }

    // Nothing was ever set (a value set back would be in the store).
    bool Untouched() const {
        return tag == "unset" && !stored.Find("Width") && !stored.Find("Visible") &&
               !stored.Find("BackColor") && !stored.Find("MacProcId");
    }

    fw::Text tag = "unset";
    fw::PropertyStore stored;
};

std::string Bytes(std::initializer_list<int> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Integers: 4 bytes big-endian two's complement (blanks and zero bytes inside a value are value bytes);
// Boolean one byte; Color red, green, blue; a string a 4-byte count, then its raw bytes whatever they are.
// Names match in any letter case.
TEST(PropertyString, ValuesAreWrittenAndReadByteExactAtTheirBoundaries) {
    const std::string big(70000, '\xFF'), tricky("Width \0\xFF", 8);
    const struct {
        W string;
        std::string bytes;
        PropertyValue value;
    } cases[] = {
        {W().Integer("width", -2), Bytes({0xFF, 0xFF, 0xFF, 0xFE}), -2},
        {W().Integer("Width", INT32_MIN), Bytes({0x80, 0, 0, 0}), INT32_MIN},
        {W().Integer("Width", INT32_MAX), Bytes({0x7F, 0xFF, 0xFF, 0xFF}), INT32_MAX},
        {W().Integer("Width", 300), Bytes({0, 0, 1, 0x2C}), 300},
        {W().Integer("Width", 0x20202020), "    ", 0x20202020},
        {W().Boolean("VISIBLE", true), Bytes({1}), true},
        {W().Colour("BackColor", Color{0x20, 0, 0xFF}), Bytes({0x20, 0, 0xFF}), Color{0x20, 0, 0xFF}},
        {W().String("helpTAG", ""), Bytes({0, 0, 0, 0}), fw::Text()},
        {W().String("HelpTag", big), Bytes({0, 1, 0x11, 0x70}) + big, fw::Text(big)},
        {W().String("HelpTag", tricky), Bytes({0, 0, 0, 8}) + tricky, fw::Text(tricky)},
    };
    for (const auto& c : cases) {
        const std::string s = W(c.string).Integer("MacProcId", -5).Bytes(); // the next entry follows
        const std::string name = s.substr(0, s.find(' '));
        EXPECT_EQ(s, name + " " + c.bytes + "MacProcId " + Bytes({0xFF, 0xFF, 0xFF, 0xFB})) << name;
        Probe b;
        fw::SetProperties(b, s);
        EXPECT_EQ(fw::GetProperty(b, name), c.value) << name;
        EXPECT_EQ(fw::GetProperty(b, "MacProcId"), PropertyValue(-5)) << name;
    }
    Probe b; // a value is set only as its declared type, a property only when declared
    EXPECT_THROW(fw::SetProperty(b, "Width", PropertyValue(true)), fw::InvalidArgumentException);
    EXPECT_THROW(fw::GetProperty(b, "Nope"), fw::InvalidArgumentException);
}

// Every malformed string is refused whole, saying the property, where and what.
TEST(PropertyString, AMalformedStringChangesNothingAndSaysWhereAndWhat) {
    const std::string good = W().Integer("Width", 9).Bytes(); // 10 bytes
    const std::pair<std::string, const char*> cases[] = {
        {good + W().Integer("Depth", 1).Bytes(), "'Depth', at byte 10: not a declared property"},
        {std::string("Vis\0ible \x01", 10), "'Vis\\x00ible', at byte 0"},
        {good + "Visible", "'Visible', at byte 10: no blank"},
        {good + std::string(" \x01", 2), "at byte 10: empty property name"},
        {std::string("Width \x00\x00\x01", 9), "'Width', at byte 0: Integer value runs"},
        {std::string("BackColor \xFF\xFF", 12), "'BackColor', at byte 0: Color value runs past"},
        {good + "Visible ", "'Visible', at byte 10: Boolean value runs"},
        {good + std::string("Visible \x02", 9), "Boolean byte 2"},
        {good + "HelpTag " + Bytes({0, 0, 0}), "'HelpTag', at byte 10: String value runs"},
        {"HelpTag " + Bytes({0, 0, 0, 5}) + "abcd", "String of 5 bytes runs past"},
        {"HelpTag " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abcd", "String of 4294967295 bytes"},
        {good + W().Integer("WIDTH", 1).Bytes(), "repeats the entry at byte 0"}};
    for (const auto& [bytes, message] : cases) {
        Probe b;
        try {
            fw::SetProperties(b, bytes);
            ADD_FAILURE() << "accepted " << PrintToString(bytes);
        } catch (const fw::UnsupportedFormatException& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("Probe 'probe'"), std::string::npos) << e.what();
        }
        EXPECT_TRUE(b.Untouched()) << PrintToString(bytes);
    }
}

TEST(PropertyString, AValueItsCheckRefusesChangesNothingAndSaysWhere) {
    Probe b;
    const W s =
        W().Integer("Width", 1).Boolean("visible", true).String("HelpTag", "refused").Integer("MacProcId", 2);
    try {
        fw::SetProperties(b, s.Bytes());
        ADD_FAILURE() << "accepted";
    } catch (const fw::OutOfBoundsException& e) { // the setter's own kind
        EXPECT_STREQ(e.what(),
                     "property string for Probe 'probe', property 'HelpTag', at byte 19: no such help tag");
    }
    EXPECT_TRUE(b.Untouched());
}

TEST(PropertyLiteral, EncodesTablesToTheSameBytesAsTheWriter) {
    using namespace fw::prop;
    static constexpr fw::PropertyLiteral table[] = {Str("HelpTag", "a b"), Int("Width", -1),
                                                    Bool("Visible", true), Rgb("BackColor", 237, 243, 254)};
    static constexpr auto bytes = fw::EncodeProperties<fw::EncodedSize(table)>(table);
    EXPECT_EQ(std::string(fw::AsBytes(bytes)), W().String("HelpTag", "a b")
                                                   .Integer("Width", -1)
                                                   .Boolean("Visible", true)
                                                   .Colour("BackColor", Color{237, 243, 254})
                                                   .Bytes());
    EXPECT_EQ(fw::RGB(-5, 300, 128), (Color{0, 255, 128})); // components clamp
}

} // namespace
