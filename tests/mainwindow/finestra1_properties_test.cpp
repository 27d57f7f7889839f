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
#include <string>
#include <string_view>

namespace {

namespace p = finestra1_properties;

// A control's string also names its control and puts it outside any control array.
TEST(Finestra1Properties, EachStringReadsWholeAgainstItsClassAndNamesItsControl) {
    const struct {
        const char* object;
        std::string_view bytes;
        const fw::ClassInfo& cls;
    } strings[] = {{"StaticText1", p::StaticText1(), fw::StaticText::Class()},
                   {"EditField1", p::EditField1(), fw::EditField::Class()},
                   {"PushButton1", p::PushButton1(), fw::PushButton::Class()},
                   {"GroupBox1", p::GroupBox1(), fw::GroupBox::Class()},
                   {"StaticText2", p::StaticText2(), fw::StaticText::Class()},
                   {"GroupBox2", p::GroupBox2(), fw::GroupBox::Class()},
                   {"ARListBox1", p::ARListBox1(), ARListBox::Class()}};
    EXPECT_NO_THROW(fw::ReadPropertyString(fw::Window::Class(), p::Window(), "Finestra1"));
    for (const auto& [object, bytes, cls] : strings) {
        const auto entries = fw::ReadPropertyString(cls, bytes, object);
        ASSERT_GE(entries.size(), 2u) << object;
        EXPECT_EQ(
            std::tuple(entries[0].name, entries[0].value, entries[1].name, entries[1].value),
            std::tuple("Name", fw::PropertyValue(fw::Text(object)), "Index", fw::PropertyValue(INT32_MIN)));
    }
}

} // namespace
