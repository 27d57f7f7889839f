// The property-string reader against a small class chain of its own: byte-exact decoding with boundary
// values, names in any letter case, and every malformed string refused whole.
#include "framework/properties.h"
#include "framework/property_literal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using fw::PropertyStringWriter;
using fw::PropertyValue;

class Base : public fw::Object {
public:
    static const fw::ClassInfo& Class();
    const fw::ClassInfo& GetClass() const override { return Class(); }
    std::string Describe() const override { return "Base 'probe'"; }

    std::int32_t Width() const { return width_; }
    void SetWidth(std::int32_t v) { width_ = v, ++sets_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v, ++sets_; }
    fw::Color BackColor() const { return back_; }
    void SetBackColor(fw::Color v) { back_ = v, ++sets_; }
    fw::Text HelpTag() const { return tag_; }
    void SetHelpTag(const fw::Text& v) { tag_ = v, ++sets_; }
    fw::PropertyStore& StoredProperties() { return stored_; }
    const fw::PropertyStore& StoredProperties() const { return stored_; }
    int sets_ = 0;

private:
    std::int32_t width_ = 7;
    bool visible_ = false;
    fw::Color back_{};
    fw::Text tag_ = "unset";
    fw::PropertyStore stored_;
};

const fw::PropertyDecl kBaseProperties[] = {
    fw::Declare<&Base::Width, &Base::SetWidth>("Width"),
    fw::Declare<&Base::Visible, &Base::SetVisible>("Visible"),
    fw::Declare<&Base::BackColor, &Base::SetBackColor>("BackColor"),
    fw::Declare<&Base::HelpTag, &Base::SetHelpTag>("HelpTag"),
    fw::DeclareStored<Base>("MacProcId", fw::PropertyType::Integer),
    fw::DeclareStored<Base>("MultiLine", fw::PropertyType::Boolean),
};
const fw::ClassInfo kBaseClass{"Base", nullptr, kBaseProperties, {}};
const fw::ClassInfo& Base::Class() {
    return kBaseClass;
}

// A subclass that declares one more property, as the system's own classes do.
class Derived : public Base {
public:
    static const fw::ClassInfo& Class();
    const fw::ClassInfo& GetClass() const override { return Class(); }
    bool Shaded() const { return shaded_; }
    void SetShaded(bool v) { shaded_ = v; }

private:
    bool shaded_ = false;
};
const fw::PropertyDecl kDerivedProperties[] = {fw::Declare<&Derived::Shaded, &Derived::SetShaded>("bShaded")};
const fw::ClassInfo kDerivedClass{"Derived", &kBaseClass, kDerivedProperties, {}};
const fw::ClassInfo& Derived::Class() {
    return kDerivedClass;
}

TEST(PropertyString, DecodesIntegersByteExactAtTheirBoundaries) {
    for (std::int32_t v : {0, 1, -1, 0x01020304, -2147483647 - 1, 2147483647, 32000}) {
        Base b;
        fw::SetProperties(b, PropertyStringWriter().Integer("Width", v).Bytes());
        EXPECT_EQ(b.Width(), v);
    }
    const std::string bytes("Width \x80\x00\x00\x00", 10);
    Base b;
    fw::SetProperties(b, bytes);
    EXPECT_EQ(b.Width(), -2147483647 - 1);
    const std::string order("Width \x01\x02\x03\x04", 10);
    fw::SetProperties(b, order);
    EXPECT_EQ(b.Width(), 0x01020304);
}

TEST(PropertyString, ReadsStringsOfAnyLengthWithBlanksAndZeroBytes) {
    const std::string long_text(300, 'x');
    const std::string inner("a b\0c \xFF", 7);
    for (const std::string& text : {std::string(), std::string("System"), long_text, inner}) {
        Base b;
        fw::SetProperties(b, PropertyStringWriter().String("HelpTag", text).Integer("Width", 32).Bytes());
        EXPECT_EQ(b.HelpTag(), text);
        EXPECT_EQ(b.Width(), 32); // the entry after the string is found
    }
}

TEST(PropertyString, MatchesNamesWithoutRegardToCaseAlongTheClassChain) {
    Derived d;
    const auto bytes = PropertyStringWriter()
                           .Integer("width", 300)
                           .Boolean("VISIBLE", true)
                           .Colour("backcolor", fw::Color{1, 2, 3})
                           .Integer("MacProcID", 0x7F)
                           .Boolean("Multiline", true)
                           .Boolean("bshaded", true)
                           .Bytes();
    fw::SetProperties(d, bytes);
    EXPECT_EQ(d.Width(), 300);
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(d.BackColor(), (fw::Color{1, 2, 3}));
    EXPECT_TRUE(d.Shaded());
    // Stored-only properties read back under their declared names.
    EXPECT_EQ(std::get<std::int32_t>(fw::GetProperty(d, "MacProcId")), 0x7F);
    EXPECT_TRUE(std::get<bool>(fw::GetProperty(d, "MultiLine")));
}

TEST(PropertyString, ReportsEachEntryWithItsOffsetAndDeclaration) {
    const auto bytes = PropertyStringWriter().String("HelpTag", "").Boolean("Visible", false).Bytes();
    const auto entries = fw::ReadPropertyString(Base::Class(), bytes, "probe");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].offset, 0u);
    EXPECT_EQ(entries[1].offset, 12u); // "HelpTag " + four count bytes
    EXPECT_EQ(entries[1].decl->name, "Visible");
    EXPECT_TRUE(fw::ReadPropertyString(Base::Class(), "", "probe").empty());
}

TEST(PropertyString, SameEntriesInAnotherOrderGiveTheSameState) {
    Base a, b;
    fw::SetProperties(a, PropertyStringWriter().Integer("Width", 5).Boolean("Visible", true).Bytes());
    fw::SetProperties(b, PropertyStringWriter().Boolean("Visible", true).Integer("Width", 5).Bytes());
    EXPECT_EQ(a.Width(), b.Width());
    EXPECT_EQ(a.Visible(), b.Visible());
}

struct Malformed {
    const char* what;
    std::string bytes;
    const char* expected_in_message;
};

class RefusedPropertyString : public ::testing::TestWithParam<Malformed> {};

TEST_P(RefusedPropertyString, ChangesNothingAndSaysWhereAndWhat) {
    Base b;
    try {
        fw::SetProperties(b, GetParam().bytes);
        FAIL() << "accepted " << GetParam().what;
    } catch (const fw::UnsupportedFormatException& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().expected_in_message), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Base 'probe'"), std::string::npos) << e.what();
    }
    EXPECT_EQ(b.sets_, 0) << "a refused string must change nothing";
}

const std::string kGoodFirst = PropertyStringWriter().Integer("Width", 9).Bytes(); // 10 bytes

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedPropertyString,
    ::testing::Values(
        Malformed{"an undeclared name", kGoodFirst + PropertyStringWriter().Integer("Depth", 1).Bytes(),
                  "'Depth', at byte 10: not a declared property"},
        Malformed{"a subclass's name on the base", PropertyStringWriter().Boolean("bShaded", true).Bytes(),
                  "'bShaded', at byte 0"},
        Malformed{"a missing blank", kGoodFirst + "Visible", "'Visible', at byte 10: no blank"},
        Malformed{"an empty name", kGoodFirst + std::string(" \x01", 2), "at byte 10: empty property name"},
        Malformed{"a short Integer", std::string("Width \x00\x00\x01", 9),
                  "'Width', at byte 0: Integer value runs"},
        Malformed{"a short Color", std::string("BackColor \xFF\xFF", 12), "Color value runs past"},
        Malformed{"a missing Boolean", kGoodFirst + "Visible ", "'Visible', at byte 10: Boolean value runs"},
        Malformed{"a Boolean byte 2", kGoodFirst + std::string("Visible \x02", 9), "Boolean byte 2"},
        Malformed{"a String count past the end",
                  std::string("HelpTag \x00\x00\x00\x05"
                              "abcd",
                              16),
                  "String of 5 bytes runs past"},
        Malformed{"a String count of 4 GiB",
                  std::string("HelpTag \xFF\xFF\xFF\xFF"
                              "abcd",
                              16),
                  "String of 4294967295 bytes"},
        Malformed{"a repeated key in other case",
                  kGoodFirst + PropertyStringWriter().Integer("WIDTH", 1).Bytes(),
                  "repeats the entry at byte 0"}));

TEST(Properties, SetAndGetByNameCheckTheDeclaredType) {
    Base b;
    fw::SetProperty(b, "width", PropertyValue(std::int32_t{4}));
    EXPECT_EQ(std::get<std::int32_t>(fw::GetProperty(b, "Width")), 4);
    EXPECT_THROW(fw::SetProperty(b, "Width", PropertyValue(true)), fw::InvalidArgumentException);
    EXPECT_THROW(fw::GetProperty(b, "Nope"), fw::InvalidArgumentException);
    // Stored properties that were never set read as their type's zero.
    EXPECT_FALSE(std::get<bool>(fw::GetProperty(b, "MultiLine")));
}

TEST(PropertyLiteral, EncodesTablesToTheSameBytesAsTheWriter) {
    using namespace fw::prop;
    static constexpr fw::PropertyLiteral table[] = {Str("HelpTag", "a b"), Int("Width", -1),
                                                    Bool("Visible", true), Rgb("BackColor", 237, 243, 254)};
    static constexpr auto bytes = fw::EncodeProperties<fw::EncodedSize(table)>(table);
    static_assert(bytes.size() == 8 + 4 + 3 + 6 + 4 + 8 + 1 + 10 + 3);
    const auto expected = PropertyStringWriter()
                              .String("HelpTag", "a b")
                              .Integer("Width", -1)
                              .Boolean("Visible", true)
                              .Colour("BackColor", fw::RGB(237, 243, 254))
                              .Bytes();
    EXPECT_EQ(std::string(fw::AsBytes(bytes)), expected);
}

TEST(Color, RgbClampsEachComponent) {
    EXPECT_EQ(fw::RGB(237, 243, 254), (fw::Color{237, 243, 254}));
    EXPECT_EQ(fw::RGB(-5, 300, 128), (fw::Color{0, 255, 128}));
}

} // namespace
