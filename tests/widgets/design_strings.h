#pragma once
// Property strings of the program's two windows, written entry by entry in the order the windows carry
// them: the reader must take them to their last byte, and a window built from them must look as they say.

#include "framework/properties.h"

#include <climits>
#include <string>

namespace design {

using W = fw::PropertyStringWriter;
inline constexpr fw::Color kBlack{0, 0, 0};
inline constexpr fw::Color kWhite{255, 255, 255};

inline std::string WindowString(std::int32_t width, std::int32_t height, std::int32_t frame, bool minimize) {
    return W()
        .Integer("Placement", 0)
        .Integer("Width", width)
        .Integer("Height", height)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", frame)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", false)
        .Colour("BackColor", kWhite)
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", false)
        .Boolean("LiveResize", false)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", minimize)
        .Integer("MacProcID", 0)
        .Bytes();
}

inline std::string MainWindow() {
    return WindowString(300, 496, 0, false);
}

// The twelve entries every main-window control string begins with.
inline W& Head(W& w, const char* name, int left, int top, int width, int height, int tabIndex) {
    return w.String("Name", name)
        .Integer("Index", INT_MIN)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", tabIndex);
}

inline W& Font(W& w, int size) {
    return w.String("TextFont", "System")
        .Integer("TextSize", size)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
}

inline std::string StaticText1() {
    W w;
    Head(w, "StaticText1", 46, 62, 124, 21, 0)
        .Integer("TextAlign", 0)
        .Colour("TextColor", kBlack)
        .Boolean("Multiline", false)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(w, 12).String("DataSource", "").String("DataField", "").String("InitialParent", "");
    return w.Bytes();
}

inline std::string EditField1() {
    W w;
    Head(w, "EditField1", 176, 61, 75, 22, 1)
        .Boolean("TabStop", true)
        .Boolean("Border", true)
        .Boolean("Multiline", false)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("ScrollbarVertical", true)
        .Boolean("Styled", false)
        .Boolean("Password", false)
        .Boolean("UseFocusRing", true)
        .Colour("TextColor", kBlack)
        .Colour("BackColor", kWhite)
        .Boolean("Enabled", true)
        .String("Format", "")
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(w, 12)
        .String("Text", "")
        .String("Mask", "99999999")
        .Boolean("ReadOnly", false)
        .Integer("LimitText", 8)
        .Boolean("AcceptTabs", false)
        .Integer("Alignment", 0)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", "");
    return w.Bytes();
}

inline std::string PushButton1() {
    W w;
    Head(w, "PushButton1", 69, 124, 163, 20, 2)
        .Boolean("TabStop", true)
        .Boolean("Default", true)
        .Boolean("Cancel", false)
        .Boolean("Enabled", false)
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(w, 12).String("InitialParent", "");
    return w.Bytes();
}

inline std::string GroupBox(const char* name, int top, int height, int tabIndex, int textSize) {
    W w;
    Head(w, name, 40, top, 221, height, tabIndex)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(w, textSize).String("InitialParent", "");
    return w.Bytes();
}

inline std::string StaticText2() {
    W w;
    Head(w, "StaticText2", 54, 199, 197, 38, 0)
        .String("Text", "")
        .Integer("TextAlign", 1)
        .Colour("TextColor", kBlack)
        .Boolean("Multiline", false)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(w, 18).String("DataSource", "").String("DataField", "").String("InitialParent", "GroupBox1");
    return w.Bytes();
}

// Without the subclass's last entry (bAlternateRows) when plain is true.
inline std::string ARListBox1(bool plain = false) {
    W w;
    Head(w, "ARListBox1", 47, 313, 206, 158, 0)
        .Boolean("TabStop", true)
        .Boolean("Visible", true)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", true)
        .Boolean("Border", true)
        .Integer("ColumnCount", 1)
        .String("ColumnWidths", "")
        .Boolean("HasHeading", false)
        .Boolean("UseFocusRing", true)
        .String("InitialValue", "")
        .Integer("HeadingIndex", -1)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("ScrollBarVertical", true)
        .Integer("GridLinesHorizontal", 0)
        .Integer("GridLinesVertical", 0)
        .Integer("DefaultRowHeight", -1)
        .Integer("_ScrollWidth", -1);
    Font(w, 0)
        .Boolean("Hierarchical", false)
        .Boolean("EnableDrag", false)
        .Boolean("EnableDragReorder", false)
        .Boolean("RequiresSelection", false)
        .Integer("SelectionType", 0)
        .Boolean("ColumnsResizable", false)
        .Boolean("AutoHideScrollbars", true)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", "GroupBox2");
    if (!plain)
        w.Boolean("bAlternateRows", true);
    return w.Bytes();
}

// The about window's controls run the other way, from InitialParent towards Name.
inline W& Tail(W& w, const char* name, int left, int top, int width, int height, int tabIndex) {
    return w.Integer("TabIndex", tabIndex)
        .Integer("TabPanelIndex", 0)
        .Boolean("LockBottom", false)
        .Boolean("LockRight", false)
        .Boolean("LockTop", false)
        .Boolean("LockLeft", false)
        .Integer("Height", height)
        .Integer("Width", width)
        .Integer("Top", top)
        .Integer("Left", left)
        .Integer("Index", INT_MIN)
        .String("Name", name);
}

inline std::string AboutLabel(const char* name, int left, int top, int width, int tabIndex,
                              const char* text) {
    W w;
    w.String("InitialParent", "")
        .String("DataField", "")
        .String("DataSource", "")
        .Boolean("Underline", false)
        .Boolean("Italic", false)
        .Boolean("Bold", false)
        .Integer("TextSize", 0)
        .String("TextFont", "System")
        .Boolean("AutoDeactivate", true)
        .String("HelpTag", "")
        .Boolean("Visible", true)
        .Boolean("Enabled", true)
        .Boolean("Multiline", false)
        .Colour("TextColor", kBlack)
        .Integer("TextAlign", 1);
    if (text)
        w.String("Text", text);
    Tail(w, name, left, top, width, 20, tabIndex).Boolean("TabStop", true);
    return w.Bytes();
}

inline std::string AboutButton() {
    W w;
    w.String("InitialParent", "")
        .Boolean("Underline", false)
        .Boolean("Italic", false)
        .Boolean("Bold", false)
        .Integer("TextSize", 0)
        .String("TextFont", "System")
        .Boolean("AutoDeactivate", true)
        .String("HelpTag", "")
        .Boolean("Visible", true)
        .Boolean("Enabled", true)
        .Boolean("Cancel", false)
        .Boolean("Default", true)
        .String("Caption", "OK")
        .Boolean("TabStop", true);
    Tail(w, "PushButton1", 172, 400, 80, 22, 2);
    return w.Bytes();
}

inline std::string AboutImageWell() {
    W w;
    w.Boolean("Enabled", true)
        .Boolean("AutoDeactivate", true)
        .String("HelpTag", "")
        .Boolean("Visible", true)
        .String("InitialParent", "")
        .Boolean("TabStop", true);
    Tail(w, "ImageWell1", 0, 0, 425, 290, 3);
    return w.Bytes();
}

} // namespace design
