#include "mainwindow/finestra1_properties.h"

#include "framework/property_literal.h"

namespace finestra1_properties {

namespace {

using namespace fw::prop;
using fw::EncodedSize;
using fw::EncodeProperties;
using fw::PropertyLiteral;

// One entry per line, so each table reads (and diffs) like the design it comes from.
// clang-format off
constexpr PropertyLiteral kWindow[] = {
    Int("Placement", 0),
    Int("Width", 300),
    Int("Height", 496),
    Int("MinWidth", 64),
    Int("MinHeight", 64),
    Int("MaxWidth", 32000),
    Int("MaxHeight", 32000),
    Int("Frame", 0),
    Bool("Composite", false),
    Bool("HasBackColor", false),
    Rgb("BackColor", 255, 255, 255),
    Bool("Visible", true),
    Bool("FullScreen", false),
    Bool("MenuBarVisible", true),
    Bool("CloseButton", true),
    Bool("Resizeable", false),
    Bool("LiveResize", false),
    Bool("MaximizeButton", false),
    Bool("MinimizeButton", false),
    Int("MacProcID", 0),
};

constexpr PropertyLiteral kStaticText1[] = {
    Str("Name", "StaticText1"),
    Int("Index", kNoIndex),
    Int("Left", 46),
    Int("Top", 62),
    Int("Width", 124),
    Int("Height", 21),
    Bool("LockLeft", false),
    Bool("LockTop", false),
    Bool("LockRight", false),
    Bool("LockBottom", false),
    Int("TabPanelIndex", 0),
    Int("TabIndex", 0),
    Int("TextAlign", 0),
    Rgb("TextColor", 0, 0, 0),
    Bool("Multiline", false),
    Bool("Enabled", true),
    Bool("Visible", true),
    Str("HelpTag", ""),
    Bool("AutoDeactivate", true),
    Str("TextFont", "System"),
    Int("TextSize", 12),
    Bool("Bold", false),
    Bool("Italic", false),
    Bool("Underline", false),
    Str("DataSource", ""),
    Str("DataField", ""),
    Str("InitialParent", ""),
};

constexpr PropertyLiteral kEditField1[] = {
    Str("Name", "EditField1"),
    Int("Index", kNoIndex),
    Int("Left", 176),
    Int("Top", 61),
    Int("Width", 75),
    Int("Height", 22),
    Bool("LockLeft", false),
    Bool("LockTop", false),
    Bool("LockRight", false),
    Bool("LockBottom", false),
    Int("TabPanelIndex", 0),
    Int("TabIndex", 1),
    Bool("TabStop", true),
    Bool("Border", true),
    Bool("Multiline", false),
    Bool("ScrollbarHorizontal", false),
    Bool("ScrollbarVertical", true),
    Bool("Styled", false),
    Bool("Password", false),
    Bool("UseFocusRing", true),
    Rgb("TextColor", 0, 0, 0),
    Rgb("BackColor", 255, 255, 255),
    Bool("Enabled", true),
    Str("Format", ""),
    Bool("Visible", true),
    Str("HelpTag", ""),
    Bool("AutoDeactivate", true),
    Str("TextFont", "System"),
    Int("TextSize", 12),
    Bool("Bold", false),
    Bool("Italic", false),
    Bool("Underline", false),
    Str("Text", ""),
    Str("Mask", "99999999"),
    Bool("ReadOnly", false),
    Int("LimitText", 8),
    Bool("AcceptTabs", false),
    Int("Alignment", 0),
    Str("DataSource", ""),
    Str("DataField", ""),
    Str("InitialParent", ""),
};

constexpr PropertyLiteral kPushButton1[] = {
    Str("Name", "PushButton1"),
    Int("Index", kNoIndex),
    Int("Left", 69),
    Int("Top", 124),
    Int("Width", 163),
    Int("Height", 20),
    Bool("LockLeft", false),
    Bool("LockTop", false),
    Bool("LockRight", false),
    Bool("LockBottom", false),
    Int("TabPanelIndex", 0),
    Int("TabIndex", 2),
    Bool("TabStop", true),
    Bool("Default", true),
    Bool("Cancel", false),
    Bool("Enabled", false),
    Bool("Visible", true),
    Str("HelpTag", ""),
    Bool("AutoDeactivate", true),
    Str("TextFont", "System"),
    Int("TextSize", 12),
    Bool("Bold", false),
    Bool("Italic", false),
    Bool("Underline", false),
    Str("InitialParent", ""),
};

constexpr PropertyLiteral kGroupBox1[] = {
    Str("Name", "GroupBox1"),
    Int("Index", kNoIndex),
    Int("Left", 40),
    Int("Top", 170),
    Int("Width", 221),
    Int("Height", 85),
    Bool("LockLeft", false),
    Bool("LockTop", false),
    Bool("LockRight", false),
    Bool("LockBottom", false),
    Int("TabPanelIndex", 0),
    Int("TabIndex", 3),
    Bool("Enabled", true),
    Bool("Visible", true),
    Str("HelpTag", ""),
    Bool("AutoDeactivate", true),
    Str("TextFont", "System"),
    Int("TextSize", 12),
    Bool("Bold", false),
    Bool("Italic", false),
    Bool("Underline", false),
    Str("InitialParent", ""),
};

constexpr PropertyLiteral kStaticText2[] = {
    Str("Name", "StaticText2"),
    Int("Index", kNoIndex),
    Int("Left", 54),
    Int("Top", 199),
    Int("Width", 197),
    Int("Height", 38),
    Bool("LockLeft", false),
    Bool("LockTop", false),
    Bool("LockRight", false),
    Bool("LockBottom", false),
    Int("TabPanelIndex", 0),
    Int("TabIndex", 0),
    Str("Text", ""),
    Int("TextAlign", 1),
    Rgb("TextColor", 0, 0, 0),
    Bool("Multiline", false),
    Bool("Enabled", true),
    Bool("Visible", true),
    Str("HelpTag", ""),
    Bool("AutoDeactivate", true),
    Str("TextFont", "System"),
    Int("TextSize", 18),
    Bool("Bold", false),
    Bool("Italic", false),
    Bool("Underline", false),
    Str("DataSource", ""),
    Str("DataField", ""),
    Str("InitialParent", "GroupBox1"),
};

constexpr PropertyLiteral kGroupBox2[] = {
    Str("Name", "GroupBox2"),
    Int("Index", kNoIndex),
    Int("Left", 40),
    Int("Top", 279),
    Int("Width", 221),
    Int("Height", 197),
    Bool("LockLeft", false),
    Bool("LockTop", false),
    Bool("LockRight", false),
    Bool("LockBottom", false),
    Int("TabPanelIndex", 0),
    Int("TabIndex", 4),
    Bool("Enabled", true),
    Bool("Visible", true),
    Str("HelpTag", ""),
    Bool("AutoDeactivate", true),
    Str("TextFont", "System"),
    Int("TextSize", 0),
    Bool("Bold", false),
    Bool("Italic", false),
    Bool("Underline", false),
    Str("InitialParent", ""),
};

constexpr PropertyLiteral kARListBox1[] = {
    Str("Name", "ARListBox1"),
    Int("Index", kNoIndex),
    Int("Left", 47),
    Int("Top", 313),
    Int("Width", 206),
    Int("Height", 158),
    Bool("LockLeft", false),
    Bool("LockTop", false),
    Bool("LockRight", false),
    Bool("LockBottom", false),
    Int("TabPanelIndex", 0),
    Int("TabIndex", 0),
    Bool("TabStop", true),
    Bool("Visible", true),
    Str("HelpTag", ""),
    Bool("AutoDeactivate", true),
    Bool("Enabled", true),
    Bool("Border", true),
    Int("ColumnCount", 1),
    Str("ColumnWidths", ""),
    Bool("HasHeading", false),
    Bool("UseFocusRing", true),
    Str("InitialValue", ""),
    Int("HeadingIndex", -1),
    Bool("ScrollbarHorizontal", false),
    Bool("ScrollBarVertical", true),
    Int("GridLinesHorizontal", 0),
    Int("GridLinesVertical", 0),
    Int("DefaultRowHeight", -1),
    Int("_ScrollWidth", -1),
    Str("TextFont", "System"),
    Int("TextSize", 0),
    Bool("Bold", false),
    Bool("Italic", false),
    Bool("Underline", false),
    Bool("Hierarchical", false),
    Bool("EnableDrag", false),
    Bool("EnableDragReorder", false),
    Bool("RequiresSelection", false),
    Int("SelectionType", 0),
    Bool("ColumnsResizable", false),
    Bool("AutoHideScrollbars", true),
    Str("DataSource", ""),
    Str("DataField", ""),
    Str("InitialParent", "GroupBox2"),
    Bool("bAlternateRows", true),
};

// clang-format on

// Encoded once, at compile time.
constexpr auto kWindowBytes = EncodeProperties<EncodedSize(kWindow)>(kWindow);
constexpr auto kStaticText1Bytes = EncodeProperties<EncodedSize(kStaticText1)>(kStaticText1);
constexpr auto kEditField1Bytes = EncodeProperties<EncodedSize(kEditField1)>(kEditField1);
constexpr auto kPushButton1Bytes = EncodeProperties<EncodedSize(kPushButton1)>(kPushButton1);
constexpr auto kGroupBox1Bytes = EncodeProperties<EncodedSize(kGroupBox1)>(kGroupBox1);
constexpr auto kStaticText2Bytes = EncodeProperties<EncodedSize(kStaticText2)>(kStaticText2);
constexpr auto kGroupBox2Bytes = EncodeProperties<EncodedSize(kGroupBox2)>(kGroupBox2);
constexpr auto kARListBox1Bytes = EncodeProperties<EncodedSize(kARListBox1)>(kARListBox1);

// The byte lengths the window was designed with: a slip in a name, type or text shows here first.
static_assert(kWindowBytes.size() == 257);
static_assert(kStaticText1Bytes.size() == 329);
static_assert(kEditField1Bytes.size() == 503);
static_assert(kPushButton1Bytes.size() == 288);
static_assert(kGroupBox1Bytes.size() == 260);
static_assert(kStaticText2Bytes.size() == 347);
static_assert(kGroupBox2Bytes.size() == 260);
static_assert(kARListBox1Bytes.size() == 669);

} // namespace

std::string_view Window() {
    return fw::AsBytes(kWindowBytes);
}
std::string_view StaticText1() {
    return fw::AsBytes(kStaticText1Bytes);
}
std::string_view EditField1() {
    return fw::AsBytes(kEditField1Bytes);
}
std::string_view PushButton1() {
    return fw::AsBytes(kPushButton1Bytes);
}
std::string_view GroupBox1() {
    return fw::AsBytes(kGroupBox1Bytes);
}
std::string_view StaticText2() {
    return fw::AsBytes(kStaticText2Bytes);
}
std::string_view GroupBox2() {
    return fw::AsBytes(kGroupBox2Bytes);
}
std::string_view ARListBox1() {
    return fw::AsBytes(kARListBox1Bytes);
}

} // namespace finestra1_properties
