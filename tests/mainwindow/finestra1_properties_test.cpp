// The window's design-time property strings, read by the layer's own reader against the real class chains:
// every name declared there, every value of its declared type, nothing repeated, nothing left over. Their
// lengths are pinned where they are built; how the reader reads the layer's own tests cover.
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

namespace {

struct StringCase {
    const char* object;
    std::string_view (*bytes)();
    const fw::ClassInfo& (*cls)();
};

const StringCase kStrings[] = {
    {"Finestra1", finestra1_properties::Window, fw::Window::Class},
    {"StaticText1", finestra1_properties::StaticText1, fw::StaticText::Class},
    {"EditField1", finestra1_properties::EditField1, fw::EditField::Class},
    {"PushButton1", finestra1_properties::PushButton1, fw::PushButton::Class},
    {"GroupBox1", finestra1_properties::GroupBox1, fw::GroupBox::Class},
    {"StaticText2", finestra1_properties::StaticText2, fw::StaticText::Class},
    {"GroupBox2", finestra1_properties::GroupBox2, fw::GroupBox::Class},
    {"ARListBox1", finestra1_properties::ARListBox1, ARListBox::Class},
};

class PropertyStringTest : public ::testing::TestWithParam<StringCase> {};

// A control's string also names its control and puts it outside any control array.
TEST_P(PropertyStringTest, ReadsWholeAgainstItsClassAndNamesItsControl) {
    const StringCase& c = GetParam();
    const auto entries = fw::ReadPropertyString(c.cls(), c.bytes(), c.object);
    if (std::string_view(c.object) == "Finestra1")
        return;
    ASSERT_GE(entries.size(), 2u);
    ASSERT_EQ(entries[0].name, "Name");
    EXPECT_EQ(std::get<fw::Text>(entries[0].value), c.object);
    ASSERT_EQ(entries[1].name, "Index");
    EXPECT_EQ(std::get<std::int32_t>(entries[1].value), std::numeric_limits<std::int32_t>::min());
}

INSTANTIATE_TEST_SUITE_P(Finestra1, PropertyStringTest, ::testing::ValuesIn(kStrings),
                         [](const auto& info) { return std::string(info.param.object); });

} // namespace
