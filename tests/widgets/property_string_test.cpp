// The property-string reader and the mass property setter, byte by byte, on a class of the test's own.
#include "framework/properties.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using fw::Color;
using fw::PropertyStringWriter;
using fw::PropertyType;
using fw::PropertyValue;

// A class with one property of each type through accessors, stored ones, and a setter that refuses.
class Sample : public fw::Object {
public:
    static const fw::ClassInfo& Class();
    const fw::ClassInfo& GetClass() const override { return Class(); }
    std::string Describe() const override { return "Sample 'probe'"; }

    std::int32_t Count() const { return count; }
    void SetCount(std::int32_t v) { count = v; }
    bool Flag() const { return flag; }
    void SetFlag(bool v) { flag = v; }
    Color Tint() const { return tint; }
    void SetTint(Color v) { tint = v; }
    fw::Text Label() const { return label; }
    void SetLabel(const fw::Text& v) { label = v; }
    std::int32_t Positive() const { return positive; }
    void SetPositive(std::int32_t v) {
        if (v < 0)
            throw fw::OutOfBoundsException("Positive takes no " + std::to_string(v));
        positive = v;
    }

    fw::PropertyStore& StoredProperties() noexcept { return stored; }
    const fw::PropertyStore& StoredProperties() const noexcept { return stored; }

    std::int32_t count = 7;
    bool flag = false;
    Color tint{9, 9, 9};
    fw::Text label = "initial";
    std::int32_t positive = 1;
    fw::PropertyStore stored;
};

const fw::PropertyDecl kSampleProperties[] = {
    fw::Declare<&Sample::Count, &Sample::SetCount>("Count"),
    fw::Declare<&Sample::Flag, &Sample::SetFlag>("Flag"),
    fw::Declare<&Sample::Tint, &Sample::SetTint>("Tint"),
    fw::Declare<&Sample::Label, &Sample::SetLabel>("Label"),
    fw::Declare<&Sample::Positive, &Sample::SetPositive>("Positive"),
    fw::DeclareStored<Sample>("MultiLine", PropertyType::Boolean),
    fw::DeclareStored<Sample>("MacProcId", PropertyType::Integer),
};

const fw::ClassInfo& Sample::Class() {
    static const fw::ClassInfo info{"Sample", nullptr, kSampleProperties, {}};
    return info;
}

// A subclass that declares one more: names are found along the chain.
class Derived : public Sample {
public:
    static const fw::ClassInfo& Class() {
        static const fw::PropertyDecl props[] = {fw::DeclareStored<Derived>("bExtra", PropertyType::Boolean)};
        static const fw::ClassInfo info{"Derived", &Sample::Class(), props, {}};
        return info;
    }
    const fw::ClassInfo& GetClass() const override { return Class(); }
};

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

struct State {
    std::int32_t count;
    bool flag;
    Color tint;
    fw::Text label;
    std::int32_t positive;
    bool operator==(const State&) const = default;
};

State StateOf(const Sample& s) {
    return {s.count, s.flag, s.tint, s.label, s.positive};
}

// Integers: 4 bytes big-endian two's complement, blanks and zero bytes inside the value read as value bytes.
struct IntegerCase {
    std::int32_t value;
    std::string bytes;
};

class IntegerValues : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerValues, EncodeAndDecodeExactly) {
    const IntegerCase& c = GetParam();
    const std::string s = PropertyStringWriter().Integer("Count", c.value).Bytes();
    EXPECT_EQ(s, "Count " + c.bytes);
    Sample target;
    fw::RuntimeMassPropertySetter(target, s);
    EXPECT_EQ(target.count, c.value);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, IntegerValues,
                         ::testing::Values(IntegerCase{0, Bytes({0, 0, 0, 0})},
                                           IntegerCase{-1, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
                                           IntegerCase{INT32_MIN, Bytes({0x80, 0, 0, 0})},
                                           IntegerCase{INT32_MAX, Bytes({0x7F, 0xFF, 0xFF, 0xFF})},
                                           IntegerCase{0x01020304, Bytes({1, 2, 3, 4})},
                                           IntegerCase{300, Bytes({0, 0, 1, 0x2C})},
                                           IntegerCase{32, Bytes({0, 0, 0, 0x20})},
                                           IntegerCase{0x20202020, Bytes({0x20, 0x20, 0x20, 0x20})},
                                           IntegerCase{-2, Bytes({0xFF, 0xFF, 0xFF, 0xFE})}));

TEST(PropertyString, WidthOf300IsTenBytes) {
    EXPECT_EQ(PropertyStringWriter().Integer("Width", 300).Bytes(),
              Bytes({'W', 'i', 'd', 't', 'h', 0x20, 0, 0, 1, 0x2C}));
}

TEST(PropertyString, BooleanAndColourBytes) {
    const std::string s =
        PropertyStringWriter().Boolean("Flag", true).Colour("Tint", Color{0x20, 0, 0xFF}).Bytes();
    EXPECT_EQ(s, "Flag " + Bytes({1}) + "Tint " + Bytes({0x20, 0, 0xFF}));
    Sample target;
    fw::RuntimeMassPropertySetter(target, s);
    EXPECT_TRUE(target.flag);
    EXPECT_EQ(target.tint, (Color{0x20, 0, 0xFF})); // red, green, blue in that order

    fw::RuntimeMassPropertySetter(target, "Flag " + Bytes({0}));
    EXPECT_FALSE(target.flag);
}

// Strings: a 4-byte count then raw bytes, any of them, whatever the length; the next name follows.
class StringValues : public ::testing::TestWithParam<std::string> {};

TEST_P(StringValues, ReadWholeAndTheNextEntryFollows) {
    const std::string value = GetParam();
    const std::string s = PropertyStringWriter().String("Label", value).Integer("Count", -5).Bytes();
    ASSERT_EQ(s.size(), 6 + 4 + value.size() + 6 + 4);
    const auto n = static_cast<std::uint32_t>(value.size());
    EXPECT_EQ(s.substr(6, 4),
              Bytes({int(n >> 24), int((n >> 16) & 0xFF), int((n >> 8) & 0xFF), int(n & 0xFF)}));
    Sample target;
    fw::RuntimeMassPropertySetter(target, s);
    EXPECT_EQ(target.label, value); // byte for byte, zero bytes and all
    EXPECT_EQ(target.count, -5);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StringValues,
    ::testing::Values(std::string(), std::string("S"), std::string(255, 'x'), std::string(256, 'y'),
                      std::string(669, 'z'), std::string(70000, '\xFF'),
                      std::string("Copyright 2026  with blanks"), std::string("zero\0inside\0", 12),
                      Bytes({0x80, 0xFF, 0x20, 0x00, 0xC3}), std::string("Count ") + Bytes({0, 0, 0, 1})));

TEST(PropertyString, EmptyStringTakesFourBytesAndTheNextNameFollows) {
    const std::string s = PropertyStringWriter().String("Label", "").Boolean("Flag", true).Bytes();
    EXPECT_EQ(s, "Label " + Bytes({0, 0, 0, 0}) + "Flag " + Bytes({1}));
    Sample target;
    fw::RuntimeMassPropertySetter(target, s);
    EXPECT_EQ(target.label, "");
    EXPECT_TRUE(target.flag);
}

TEST(PropertyString, NamesMatchWithoutRegardToAsciiCase) {
    Sample target;
    fw::RuntimeMassPropertySetter(target, PropertyStringWriter()
                                              .Integer("COUNT", 11)
                                              .Boolean("multiline", true)
                                              .Integer("MacProcID", 3)
                                              .String("lAbEl", "x")
                                              .Bytes());
    EXPECT_EQ(target.count, 11);
    EXPECT_EQ(std::get<bool>(fw::GetProperty(target, "MultiLine")), true);
    EXPECT_EQ(std::get<std::int32_t>(fw::GetProperty(target, "MacProcId")), 3);
    EXPECT_EQ(target.label, "x");
}

TEST(PropertyString, NamesAreFoundAlongTheClassChain) {
    Derived target;
    fw::RuntimeMassPropertySetter(target,
                                  PropertyStringWriter().Boolean("bExtra", true).Integer("Count", 2).Bytes());
    EXPECT_EQ(std::get<bool>(fw::GetProperty(target, "bExtra")), true);
    EXPECT_EQ(target.count, 2);
    Sample base;
    EXPECT_THROW(fw::RuntimeMassPropertySetter(base, PropertyStringWriter().Boolean("bExtra", true).Bytes()),
                 fw::UnsupportedFormatException);
}

TEST(PropertyString, OrderOfEntriesDoesNotMatter) {
    PropertyStringWriter forward, backward;
    forward.Integer("Count", 1).Boolean("Flag", true).Colour("Tint", Color{1, 2, 3}).String("Label", "a b");
    backward.String("Label", "a b").Colour("Tint", Color{1, 2, 3}).Boolean("Flag", true).Integer("Count", 1);
    Sample a, b;
    fw::RuntimeMassPropertySetter(a, forward.Bytes());
    fw::RuntimeMassPropertySetter(b, backward.Bytes());
    EXPECT_EQ(StateOf(a), StateOf(b));
}

TEST(PropertyString, EmptyStringSetsNothing) {
    Sample target;
    const State before = StateOf(target);
    fw::RuntimeMassPropertySetter(target, "");
    EXPECT_EQ(StateOf(target), before);
}

TEST(PropertyString, StoredPropertiesReadBackTheirDefaultsUntilSet) {
    Sample target;
    EXPECT_EQ(std::get<std::int32_t>(fw::GetProperty(target, "MacProcId")), 0);
    fw::SetProperty(target, "macprocid", PropertyValue(std::int32_t{-2147483647 - 1}));
    EXPECT_EQ(std::get<std::int32_t>(fw::GetProperty(target, "MacProcId")), INT32_MIN);
    EXPECT_THROW(fw::SetProperty(target, "MacProcId", PropertyValue(true)), fw::InvalidArgumentException);
    EXPECT_THROW(fw::GetProperty(target, "Nothing"), fw::InvalidArgumentException);
}

// Every fault is refused before anything is applied, naming the target, the property and the offset.
struct Fault {
    const char* what;
    std::string bytes;
    std::string property; // as the message shows it; empty: none
    std::size_t offset;
};

class Refused : public ::testing::TestWithParam<Fault> {};

TEST_P(Refused, NamesWhereAndChangesNothing) {
    const Fault& f = GetParam();
    // A valid entry first, so that "changes nothing" means something.
    const std::string lead = PropertyStringWriter().Integer("Count", 99).Bytes();
    Sample target;
    const State before = StateOf(target);
    try {
        fw::RuntimeMassPropertySetter(target, lead + f.bytes);
        FAIL() << f.what << ": accepted";
    } catch (const fw::UnsupportedFormatException& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Sample 'probe'"), std::string::npos) << message;
        EXPECT_NE(message.find("at byte " + std::to_string(lead.size() + f.offset)), std::string::npos)
            << message;
        if (!f.property.empty()) {
            EXPECT_NE(message.find("'" + f.property + "'"), std::string::npos) << message;
        }
    }
    EXPECT_EQ(StateOf(target), before) << f.what;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Refused,
    ::testing::Values(
        Fault{"undeclared name", "Nope " + Bytes({0, 0, 0, 1}), "Nope", 0},
        Fault{"no blank after the name", "Flag", "Flag", 0}, Fault{"empty name", " " + Bytes({1}), "", 0},
        Fault{"name with a zero byte", std::string("Fl\0ag ", 6) + Bytes({1}), "Fl\\x00ag", 0},
        Fault{"Integer cut short", "Positive " + Bytes({0, 0, 1}), "Positive", 0},
        Fault{"Boolean missing", "Flag ", "Flag", 0}, Fault{"Boolean 2", "Flag " + Bytes({2}), "Flag", 0},
        Fault{"Boolean 0xFF", "Flag " + Bytes({0xFF}), "Flag", 0},
        Fault{"Color cut short", "Tint " + Bytes({1, 2}), "Tint", 0},
        Fault{"String count cut short", "Label " + Bytes({0, 0, 0}), "Label", 0},
        Fault{"String longer than the rest", "Label " + Bytes({0, 0, 0, 5}) + "abc", "Label", 0},
        Fault{"String count near 2^32", "Label " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc", "Label", 0},
        Fault{"repeated key in another case", "Flag " + Bytes({1}) + "COUNT " + Bytes({0, 0, 0, 1}), "COUNT",
              6},
        Fault{"fault after good entries", "Flag " + Bytes({1}) + "Tint " + Bytes({1, 2, 3}) + "Label",
              "Label", 14}));

TEST(PropertyString, ReadDoesNotApply) {
    const std::string s = PropertyStringWriter().Integer("Count", 5).String("Label", "a b").Bytes();
    const auto entries = fw::ReadPropertyString(Sample::Class(), s, "probe");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].offset, 0u);
    EXPECT_EQ(entries[1].offset, 10u);
    EXPECT_EQ(entries[1].name, "Label");
    EXPECT_EQ(std::get<fw::Text>(entries[1].value), "a b");
}

TEST(PropertyString, ASetterThatRefusesSetsBackWhatWasApplied) {
    Sample target;
    const State before = StateOf(target);
    const std::string s = PropertyStringWriter()
                              .Integer("Count", 1)
                              .String("Label", "changed")
                              .Integer("Positive", -1)
                              .Boolean("Flag", true)
                              .Bytes();
    EXPECT_THROW(fw::RuntimeMassPropertySetter(target, s), fw::OutOfBoundsException); // the setter's own
    EXPECT_EQ(StateOf(target), before);
}

TEST(PropertyString, SetPropertiesPassesExceptionsOn) {
    Sample target;
    EXPECT_THROW(fw::SetProperties(target, "Count"), fw::UnsupportedFormatException);
    fw::SetProperties(target, PropertyStringWriter().Integer("Count", 3).Bytes());
    EXPECT_EQ(target.count, 3);
}

TEST(PropertyString, RgbClampsComponents) {
    EXPECT_EQ(fw::RGB(237, 243, 254), (Color{237, 243, 254}));
    EXPECT_EQ(fw::RGB(-1, 256, 128), (Color{0, 255, 128}));
}

} // namespace
