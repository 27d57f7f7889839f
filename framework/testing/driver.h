#pragma once

#include "framework/control.h"
#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/menu_item.h"
#include "framework/properties.h"
#include "framework/window.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Drives real windows, controls and menus as a user would, for tests without Qt in them: keys, clicks,
// pixels, what the widgets show, the clipboard and the event loop. Windows must be shown for clicks and
// window-level keys. Needs RuntimeInit.
namespace fw::testing {

// V stands for itself, for shortcuts such as Ctrl+V.
enum class Key { Return, Enter, Escape, Tab, Backspace, Delete, Left, Home, End, V };

enum Modifier : unsigned { NoModifier = 0, Shift = 1, Control = 2 };

// Focuses the control and types text (UTF-8) into it, one key press per character; characters that the
// keyboard has no key for arrive as key events carrying the character.
void TypeText(RectControl& control, std::string_view utf8);
// Focuses the control and presses a key on it.
void PressKey(RectControl& control, Key key, unsigned modifiers = NoModifier);
// Presses a key in the window, where its focus is, through the window system.
void PressKey(Window& window, Key key, unsigned modifiers = NoModifier);
// True when the control has the keyboard focus.
bool HasFocus(RectControl& control);
// Clicks the control through its window at x, y in the control (-1: its centre).
void Click(RectControl& control, int x = -1, int y = -1, unsigned modifiers = NoModifier);
void RightClick(RectControl& control, int x = -1, int y = -1);
// Clicks the heading of a column of a list that shows its heading.
void ClickHeading(Listbox& list, int column);

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels; // row by row
    Color At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
};

// What the control shows, from one fresh rendering.
Image Grab(RectControl& control);
// A pixel of what the control shows (from a fresh rendering), x, y in the control.
Color PixelAt(RectControl& control, int x, int y);
// A pixel of the window's content area, x, y in content coordinates.
Color ContentPixelAt(Window& window, int x, int y);
// A row's rectangle in the list's own coordinates (as PixelAt takes them).
Rect ListRowRect(Listbox& list, int row);

// Waits until the window is active; False after timeoutMs.
bool WaitForWindowActive(Window& window, int timeoutMs = 5000);
// Asks the window to close as its close box does.
void CloseAsUser(Window& window);
// Runs pending events once.
void ProcessEvents();
// Calls f from the event loop after ms milliseconds (0: as soon as the loop runs).
void After(int ms, std::function<void()> f);
// Closes every open window without raising events and deletes their widgets (between tests).
void CloseAllWindows();

// True while a pop-up menu is open; ClosePopups closes them all.
bool PopupOpen();
void ClosePopups();
// Runs action (a click, say) and gives the captions of the pop-up menu that it opened ("-" for a separator);
// then picks the enabled item of caption pick, or closes the menu when there is none. A menu that blocks
// while shown is read from the event loop it runs. Empty when no pop-up opened.
std::vector<std::string> PopUpCaptionsOf(const std::function<void()>& action, std::string_view pick = {});

// Runs the runtime's event loop, asks the window to close as its close box does from within it, and gives the
// exit status the run ends with. A loop that nothing ends stops after timeoutMs with status -1. The runtime
// is ready for the next test afterwards.
std::int32_t RunAndCloseAsUser(Window& window, int timeoutMs = 5000);

// What a window's widgets show.
struct WindowFacts {
    bool shown = false;
    std::string title;
    int contentWidth = 0;
    int contentHeight = 0;
    bool fixedSize = false;
    int minContentWidth = 0;
    int maxContentHeight = 0;
    bool dialog = false;
    bool closeButton = false;
    bool minimizeButton = false;
    bool maximizeButton = false;
    friend bool operator==(const WindowFacts&, const WindowFacts&) = default;
};
WindowFacts Inspect(Window& window);

// What a control's widget shows.
struct ControlFacts {
    Rect rect; // in the window's content coordinates
    bool shown = false;
    bool enabled = false;
    std::string groupBoxName; // the group box whose widget holds it
    std::string text;         // label, field, button caption or frame title as shown
    int textWidth = 0;        // pixels the text takes in the widget's font
    std::string toolTip;
    int fontPixelSize = 0;    // -1 when the font's size is in points
    bool defaultFont = false; // the platform's font for the widget's class
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int alignment = 0; // 0 left, 1 centre, 2 right
    bool readOnly = false;
    bool password = false;
    bool frame = false;
    int maxLength = 0;
    bool defaultButton = false;
    bool headingShown = false;
    int columns = 0;
    bool multipleSelection = false;
    Color textColor;
    bool textColorSet = false; // the field's own colours rather than the style's
    bool backColorSet = false;
    friend bool operator==(const ControlFacts&, const ControlFacts&) = default;
};
ControlFacts Inspect(RectControl& control);

// A window of the layer with entry fields (EditField) whose menu bar widget shows a MenuBar straight through
// InstallMenuBar, not through the window's SetMenuBar: enough to drive shortcuts and the Edit commands.
class MenuWindow {
public:
    explicit MenuWindow(MenuBar& bar, int fields = 1);
    ~MenuWindow();
    MenuWindow(const MenuWindow&) = delete;
    MenuWindow& operator=(const MenuWindow&) = delete;

    // Shows the window and waits until it is the active window; false when it did not become active.
    bool Activate();
    // Presses and releases one key combination ("Ctrl+Q", "Ctrl+Shift+Z") on the window's focused widget.
    void Press(std::string_view keys);
    EditField& Field(int index) const;
    void FocusField(int index);
    void SelectInField(int index, int start, int length);

private:
    Ref<Window> window_;
};

std::string ClipboardText();
void SetClipboardText(std::string_view text);

// Every item under menu top down as shown: its caption and, after a blank, its shortcut as Qt's portable text
// ("Ctrl+Q") when it has one; "-" for a separator line.
std::vector<std::string> ShownItems(const MenuItem& menu);
// What the window's menu bar shows, menu by menu: each title, then its items' captions ("-" for a separator
// line). Empty when the window shows no menu bar.
std::vector<std::string> MenuBarCaptions(Window& window);

} // namespace fw::testing
