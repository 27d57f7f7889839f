// The window's design-time property strings, read back by the layer's own reader against the real class
// chains: every name declared, every value where its type says, nothing left over. How the reader reads
// (byte order, letter case of names, refusals) the layer's own tests cover.
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

class PropertyStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(PropertyStringTest, ReadsToItsLastByteWithTheDesignedEntryCountAndName) {
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
    // A control's string names its control and puts it outside any control array.
    if (std::string_view(c.object) != "Finestra1") {
        ASSERT_EQ(entries[0].name, "Name");
        EXPECT_EQ(std::get<fw::Text>(entries[0].value), c.object);
        ASSERT_EQ(entries[1].name, "Index");
        EXPECT_EQ(std::get<std::int32_t>(entries[1].value), std::numeric_limits<std::int32_t>::min());
    }
}

INSTANTIATE_TEST_SUITE_P(Finestra1, PropertyStringTest, ::testing::ValuesIn(kStrings),
                         [](const auto& info) { return std::string(info.param.object); });

} // namespace
