// Each class declares exactly its own properties with their types, and the program's property strings read
// against those tables to their last byte.
#include "design_strings.h"
#include "shaded_list.h"

#include "framework/edit_field.h"
#include "framework/group_box.h"
#include "framework/image_well.h"
#include "framework/listbox.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

using fw::PropertyType;
using I = std::set<std::string>;

struct Table {
    const char* cls;
    const fw::ClassInfo& (*info)();
    const char* parent;
    I integers, booleans, colours, strings;
};

std::set<std::string> Declared(const fw::ClassInfo& cls, PropertyType type) {
    std::set<std::string> names;
    for (const fw::PropertyDecl& d : cls.properties)
        if (d.type == type)
            names.insert(std::string(d.name));
    return names;
}

class DeclaredProperties : public ::testing::TestWithParam<Table> {};

TEST_P(DeclaredProperties, ExactlyTheseNamesAndTypes) {
    const Table& t = GetParam();
    const fw::ClassInfo& cls = t.info();
    EXPECT_EQ(cls.name, t.cls);
    EXPECT_EQ(cls.parent ? std::string(cls.parent->name) : std::string(), t.parent);
    EXPECT_EQ(Declared(cls, PropertyType::Integer), t.integers);
    EXPECT_EQ(Declared(cls, PropertyType::Boolean), t.booleans);
    EXPECT_EQ(Declared(cls, PropertyType::Color), t.colours);
    EXPECT_EQ(Declared(cls, PropertyType::String), t.strings);
    EXPECT_EQ(cls.properties.size(),
              t.integers.size() + t.booleans.size() + t.colours.size() + t.strings.size());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, DeclaredProperties,
    ::testing::Values(
        Table{"Window", &fw::Window::Class, "",
              I{"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
                "MacProcId"},
              I{"Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton",
                "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton"},
              I{"BackColor"}, I{}},
        Table{"Control", &fw::Control::Class, "", I{"Index", "TabPanelIndex"}, I{}, I{}, I{"Name"}},
        Table{"RectControl", &fw::RectControl::Class, "Control",
              I{"Left", "Top", "Width", "Height", "TabIndex"},
              I{"LockLeft", "LockTop", "LockRight", "LockBottom", "Visible", "Enabled", "AutoDeactivate",
                "TabStop"},
              I{}, I{"HelpTag", "InitialParent"}},
        Table{"StaticText", &fw::StaticText::Class, "RectControl", I{"TextAlign", "TextSize"},
              I{"MultiLine", "Bold", "Italic", "Underline"}, I{"TextColor"},
              I{"Text", "TextFont", "DataSource", "DataField"}},
        Table{"EditField", &fw::EditField::Class, "RectControl", I{"TextSize", "LimitText", "Alignment"},
              I{"Border", "MultiLine", "ScrollBarHorizontal", "ScrollBarVertical", "Styled", "Password",
                "UseFocusRing", "ReadOnly", "AcceptTabs", "Bold", "Italic", "Underline"},
              I{"TextColor", "BackColor"},
              I{"Text", "Format", "Mask", "TextFont", "DataSource", "DataField"}},
        Table{"PushButton", &fw::PushButton::Class, "RectControl", I{"TextSize"},
              I{"Default", "Cancel", "Bold", "Italic", "Underline"}, I{}, I{"Caption", "TextFont"}},
        Table{"GroupBox", &fw::GroupBox::Class, "RectControl", I{"TextSize"},
              I{"Bold", "Italic", "Underline"}, I{}, I{"TextFont"}},
        Table{"Listbox", &fw::Listbox::Class, "RectControl",
              I{"ColumnCount", "HeadingIndex", "GridLinesHorizontal", "GridLinesVertical", "DefaultRowHeight",
                "_ScrollWidth", "SelectionType", "TextSize"},
              I{"Border", "HasHeading", "UseFocusRing", "ScrollBarHorizontal", "ScrollBarVertical",
                "Hierarchical", "EnableDrag", "EnableDragReorder", "RequiresSelection", "ColumnsResizable",
                "AutoHideScrollbars", "Bold", "Italic", "Underline"},
              I{}, I{"ColumnWidths", "InitialValue", "TextFont", "DataSource", "DataField"}},
        Table{"ImageWell", &fw::ImageWell::Class, "RectControl", I{}, I{}, I{}, I{}}),
    [](const auto& info) { return std::string(info.param.cls); });

TEST(EventTables, NamesAndSignatures) {
    struct Case {
        const fw::ClassInfo& cls;
        const char* event;
        const char* signature; // nullptr: not raised
    };
    const Case cases[] = {
        {fw::StaticText::Class(), "Open", "(  )"},
        {fw::ImageWell::Class(), "Open", "(  )"},
        {fw::PushButton::Class(), "Action", "(  )"},
        {fw::EditField::Class(), "TextChange", "(  )"},
        {fw::EditField::Class(), "MouseDown", "( Int32, Int32 ) as Boolean"},
        {fw::Listbox::Class(), "SortColumn", "( Int32 ) as Boolean"},
        {fw::Listbox::Class(), "CellBackgroundPaint", "( Graphics, Int32, Int32 ) as Boolean"},
        {fw::StaticText::Class(), "Action", nullptr},
        {fw::EditField::Class(), "textchange", nullptr}, // event names match exactly
        {fw::Control::Class(), "Open", nullptr},
    };
    for (const Case& c : cases) {
        const fw::EventDecl* e = fw::FindEvent(c.cls, c.event);
        if (!c.signature) {
            EXPECT_EQ(e, nullptr) << c.cls.name << "." << c.event;
            continue;
        }
        ASSERT_NE(e, nullptr) << c.cls.name << "." << c.event;
        EXPECT_EQ(e->signature, c.signature);
    }
}

struct Design {
    const char* what;
    std::string bytes;
    const fw::ClassInfo& (*cls)();
    std::size_t entries;
    std::size_t size;
};

class DesignStrings : public ::testing::TestWithParam<Design> {};

TEST_P(DesignStrings, ReadToTheirLastByte) {
    const Design& d = GetParam();
    EXPECT_EQ(d.bytes.size(), d.size);
    const auto entries = fw::ReadPropertyString(d.cls(), d.bytes, d.what);
    EXPECT_EQ(entries.size(), d.entries);
}

const char* const kCopyright = "Copyright (C) 2026  Morvalit";

INSTANTIATE_TEST_SUITE_P(
    Windows, DesignStrings,
    ::testing::Values(
        Design{"Finestra1", design::MainWindow(), &fw::Window::Class, 20, 257},
        Design{"StaticText1", design::StaticText1(), &fw::StaticText::Class, 27, 329},
        Design{"EditField1", design::EditField1(), &fw::EditField::Class, 41, 503},
        Design{"PushButton1", design::PushButton1(), &fw::PushButton::Class, 25, 288},
        Design{"GroupBox1", design::GroupBox("GroupBox1", 170, 85, 3, 12), &fw::GroupBox::Class, 22, 260},
        Design{"StaticText2", design::StaticText2(), &fw::StaticText::Class, 28, 347},
        Design{"GroupBox2", design::GroupBox("GroupBox2", 279, 197, 4, 0), &fw::GroupBox::Class, 22, 260},
        Design{"ARListBox1", design::ARListBox1(), &testlists::ShadedList::Class, 46, 669},
        Design{"Info", design::WindowString(425, 442, 1, true), &fw::Window::Class, 20, 257},
        Design{"Info.StaticText1", design::AboutLabel("StaticText1", 126, 302, 173, 0, nullptr),
               &fw::StaticText::Class, 28, 338},
        Design{"Info.StaticText2", design::AboutLabel("StaticText2", 151, 326, 131, 1, kCopyright),
               &fw::StaticText::Class, 29, 347 + std::char_traits<char>::length(kCopyright)},
        Design{"Info.PushButton1", design::AboutButton(), &fw::PushButton::Class, 26, 302},
        Design{"Info.ImageWell1", design::AboutImageWell(), &fw::ImageWell::Class, 18, 213},
        Design{"Info.StaticText3", design::AboutLabel("StaticText3", 20, 361, 385, 4, nullptr),
               &fw::StaticText::Class, 28, 338}),
    [](const auto& info) {
        std::string n = info.param.what;
        std::replace(n.begin(), n.end(), '.', '_');
        return n;
    });

TEST(DesignStrings, ThePlainListStringLacksOnlyTheSubclassEntry) {
    // Without the subclass the list's string has a key that nothing declares.
    EXPECT_THROW(fw::ReadPropertyString(fw::Listbox::Class(), design::ARListBox1(), "list"),
                 fw::UnsupportedFormatException);
    EXPECT_EQ(fw::ReadPropertyString(fw::Listbox::Class(), design::ARListBox1(true), "list").size(), 45u);
}

} // namespace
