// The window's design-time property strings, read back by the layer's own reader against the real class
// chains: every name declared, every value where its type says, nothing left over.
#include "framework/edit_field.h"
#include "framework/group_box.h"
#include "framework/properties.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/window.h"
#include "mainwindow/ar_list_box.h"
#include "mainwindow/finestra1_properties.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct StringCase {
    const char* object;
    std::string_view (*bytes)();
    const fw::ClassInfo& (*cls)();
    std::size_t entries;
    std::size_t length;
};

const StringCase kStrings[] = {
    {"Finestra1", finestra1_properties::Window, fw::Window::Class, 20, 257},
    {"StaticText1", finestra1_properties::StaticText1, fw::StaticText::Class, 27, 329},
    {"EditField1", finestra1_properties::EditField1, fw::EditField::Class, 41, 503},
    {"PushButton1", finestra1_properties::PushButton1, fw::PushButton::Class, 25, 288},
    {"GroupBox1", finestra1_properties::GroupBox1, fw::GroupBox::Class, 22, 260},
    {"StaticText2", finestra1_properties::StaticText2, fw::StaticText::Class, 28, 347},
    {"GroupBox2", finestra1_properties::GroupBox2, fw::GroupBox::Class, 22, 260},
    {"ARListBox1", finestra1_properties::ARListBox1, ARListBox::Class, 46, 669},
};

const fw::PropertyEntry* Entry(const std::vector<fw::PropertyEntry>& entries, std::string_view name) {
    for (const fw::PropertyEntry& e : entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

class PropertyStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(PropertyStringTest, ReadsToItsLastByteWithTheDesignedEntryCount) {
    const StringCase& c = GetParam();
    const std::string_view bytes = c.bytes();
    ASSERT_EQ(bytes.size(), c.length);
    // The reader refuses anything undeclared, repeated or running past the end, and reads to the end.
    const std::vector<fw::PropertyEntry> entries = fw::ReadPropertyString(c.cls(), bytes, c.object);
    ASSERT_EQ(entries.size(), c.entries);

    // The last entry's value ends on the string's last byte.
    const fw::PropertyEntry& last = entries.back();
    const std::size_t valueAt = last.offset + last.name.size() + 1;
    EXPECT_EQ(bytes.size() - valueAt, last.decl->type == fw::PropertyType::String
                                          ? 4 + std::get<fw::Text>(last.value).size()
                                      : last.decl->type == fw::PropertyType::Boolean ? 1u
                                                                                     : 4u);
}

TEST_P(PropertyStringTest, ControlStringsNameTheirControlAndLieOutsideAnyControlArray) {
    const StringCase& c = GetParam();
    const std::vector<fw::PropertyEntry> entries = fw::ReadPropertyString(c.cls(), c.bytes(), c.object);
    if (std::string_view(c.object) == "Finestra1") {
        EXPECT_EQ(entries.front().name, "Placement");
        EXPECT_EQ(entries.back().name, "MacProcID");
        return;
    }
    ASSERT_EQ(entries[0].name, "Name");
    EXPECT_EQ(std::get<fw::Text>(entries[0].value), c.object);
    ASSERT_EQ(entries[1].name, "Index");
    EXPECT_EQ(std::get<std::int32_t>(entries[1].value), std::numeric_limits<std::int32_t>::min());
}

INSTANTIATE_TEST_SUITE_P(Finestra1, PropertyStringTest, ::testing::ValuesIn(kStrings),
                         [](const auto& info) { return std::string(info.param.object); });

TEST(PropertyStrings, IntegersAreBigEndianAndNegativesStayNegative) {
    // "Width" 300 in the window's string: 00 00 01 2C after the name and its blank.
    const std::string_view window = finestra1_properties::Window();
    const std::size_t at = window.find("Width ");
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_EQ(window.substr(at + 6, 4), std::string_view("\x00\x00\x01\x2C", 4));

    const std::vector<fw::PropertyEntry> list =
        fw::ReadPropertyString(ARListBox::Class(), finestra1_properties::ARListBox1(), "ARListBox1");
    for (const char* name : {"HeadingIndex", "DefaultRowHeight", "_ScrollWidth"}) {
        const fw::PropertyEntry* e = Entry(list, name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(std::get<std::int32_t>(e->value), -1) << name;
    }
}

TEST(PropertyStrings, NamesWrittenInAnotherLetterCaseFindTheirDeclaredProperty) {
    const std::vector<fw::PropertyEntry> field =
        fw::ReadPropertyString(fw::EditField::Class(), finestra1_properties::EditField1(), "EditField1");
    EXPECT_EQ(Entry(field, "Multiline")->decl->name, "MultiLine");
    EXPECT_EQ(Entry(field, "ScrollbarHorizontal")->decl->name, "ScrollBarHorizontal");
    EXPECT_EQ(Entry(field, "ScrollbarVertical")->decl->name, "ScrollBarVertical");

    const std::vector<fw::PropertyEntry> window =
        fw::ReadPropertyString(fw::Window::Class(), finestra1_properties::Window(), "Finestra1");
    EXPECT_EQ(Entry(window, "MacProcID")->decl->name, "MacProcId");

    // The list spells the two scroll bars differently, side by side; both must land on their own property.
    const std::vector<fw::PropertyEntry> list =
        fw::ReadPropertyString(ARListBox::Class(), finestra1_properties::ARListBox1(), "ARListBox1");
    EXPECT_EQ(Entry(list, "ScrollbarHorizontal")->decl->name, "ScrollBarHorizontal");
    EXPECT_EQ(Entry(list, "ScrollBarVertical")->decl->name, "ScrollBarVertical");
}

TEST(PropertyStrings, TheShadingSwitchIsTheListsOwnLastEntryAndOnlyTheListKnowsIt) {
    const std::vector<fw::PropertyEntry> list =
        fw::ReadPropertyString(ARListBox::Class(), finestra1_properties::ARListBox1(), "ARListBox1");
    const fw::PropertyEntry& last = list.back();
    EXPECT_EQ(last.name, "bAlternateRows");
    EXPECT_EQ(last.decl, fw::FindProperty(ARListBox::Class(), "bAlternateRows"));
    EXPECT_EQ(fw::FindProperty(fw::Listbox::Class(), "bAlternateRows"), nullptr);
    EXPECT_TRUE(std::get<bool>(last.value));
    // Its parent is found through the chain: the list is still a Listbox to the reader.
    EXPECT_TRUE(fw::IsKindOf(ARListBox::Class(), "Listbox"));
}

} // namespace
