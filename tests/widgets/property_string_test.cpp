// The property-string writer byte by byte, and the reader and mass property setter where the shared reader
// tests do not go: strings past 255 bytes, faults deep in a string, setters that refuse their value.
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

// Integers: 4 bytes big-endian two's complement; blank and zero bytes inside a value are value bytes.
struct IntegerCase {
    std::int32_t value;
    std::string bytes;
};

class IntegerValues : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerValues, WriteAndReadExactly) {
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
                                           IntegerCase{-2, Bytes({0xFF, 0xFF, 0xFF, 0xFE})},
                                           IntegerCase{INT32_MIN, Bytes({0x80, 0, 0, 0})},
                                           IntegerCase{INT32_MAX, Bytes({0x7F, 0xFF, 0xFF, 0xFF})},
                                           IntegerCase{0x01020304, Bytes({1, 2, 3, 4})},
                                           IntegerCase{300, Bytes({0, 0, 1, 0x2C})},
                                           IntegerCase{0x20202020, Bytes({0x20, 0x20, 0x20, 0x20})}));

TEST(PropertyString, BooleanColourAndEmptyStringBytes) {
    const std::string s = PropertyStringWriter()
                              .Boolean("Flag", true)
                              .Colour("Tint", Color{0x20, 0, 0xFF})
                              .String("Label", "")
                              .Integer("Count", 1)
                              .Bytes();
    EXPECT_EQ(s, "Flag " + Bytes({1}) + "Tint " + Bytes({0x20, 0, 0xFF}) + "Label " + Bytes({0, 0, 0, 0}) +
                     "Count " + Bytes({0, 0, 0, 1}));
    Sample target;
    fw::RuntimeMassPropertySetter(target, s);
    EXPECT_TRUE(target.flag);
    EXPECT_EQ(target.tint, (Color{0x20, 0, 0xFF})); // red, green, blue in that order
    EXPECT_EQ(target.label, "");
    EXPECT_EQ(target.count, 1);
}

// Strings: a 4-byte count then raw bytes, whatever the length (also past the 255 a one-byte prefix shows).
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
    EXPECT_EQ(target.label, value);
    EXPECT_EQ(target.count, -5);
}

INSTANTIATE_TEST_SUITE_P(Lengths, StringValues,
                         ::testing::Values(std::string(255, 'x'), std::string(256, 'y'),
                                           std::string(669, 'z'), std::string(70000, '\xFF'),
                                           Bytes({0x80, 0xFF, 0x20, 0x00, 0xC3}),
                                           std::string("Count ") + Bytes({0, 0, 0, 1})));

// Faults the shared reader tests leave out; each names the target, the property and the offset.
struct Fault {
    const char* what;
    std::string bytes;
    std::string property; // as the message shows it
    std::size_t offset;
};

class Refused : public ::testing::TestWithParam<Fault> {};

TEST_P(Refused, NamesWhereAndChangesNothing) {
    const Fault& f = GetParam();
    const std::string lead = PropertyStringWriter().Integer("Count", 99).Bytes();
    Sample target;
    const State before = StateOf(target);
    try {
        fw::RuntimeMassPropertySetter(target, lead + f.bytes);
        FAIL() << f.what << ": accepted";
    } catch (const fw::UnsupportedFormatException& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Sample 'probe'"), std::string::npos) << message;
        EXPECT_NE(message.find("'" + f.property + "', at byte " + std::to_string(lead.size() + f.offset)),
                  std::string::npos)
            << message;
    }
    EXPECT_EQ(StateOf(target), before) << f.what;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Refused,
    ::testing::Values(Fault{"name with a zero byte", std::string("Fl\0ag ", 6) + Bytes({1}), "Fl\\x00ag", 0},
                      Fault{"Boolean 0xFF", "Flag " + Bytes({0xFF}), "Flag", 0},
                      Fault{"String count cut short", "Label " + Bytes({0, 0, 0}), "Label", 0},
                      Fault{"fault after good entries",
                            "Flag " + Bytes({1}) + "Tint " + Bytes({1, 2, 3}) + "Label", "Label", 14}));

TEST(PropertyString, ASetterThatRefusesSetsBackWhatWasApplied) {
    Sample target;
    const State before = StateOf(target);
    const std::string s = PropertyStringWriter()
                              .Integer("Count", 1)
                              .String("Label", "changed")
                              .Boolean("multiline", true)
                              .Integer("Positive", -1)
                              .Boolean("Flag", true)
                              .Bytes();
    EXPECT_THROW(fw::RuntimeMassPropertySetter(target, s), fw::OutOfBoundsException); // the setter's own
    EXPECT_EQ(StateOf(target), before);
    EXPECT_FALSE(std::get<bool>(fw::GetProperty(target, "MultiLine")));
}

} // namespace
