#pragma once

#include "framework/edit_field.h"
#include "framework/menu_item.h"
#include "framework/window.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Drives menus, entry fields, the clipboard and the event loop for the runtime's tests, without Qt in the
// tests. Needs RuntimeInit.
namespace fw::testing {

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

// Runs pending events once.
void ProcessEvents();
// Calls f from the event loop after ms milliseconds (0: as soon as the loop runs).
void After(int ms, std::function<void()> f);
// From a zero-delay timer: closes the active pop-up menu, or picks the item of that name in it when
// itemName is not empty.
void CloseActivePopUpSoon(std::string itemName = {});

// The item's shortcut as Qt's portable text ("Ctrl+Q"), and whether it shows as a separator line.
std::string ShortcutKeys(const MenuItem& item);
bool ShowsAsSeparator(const MenuItem& item);
std::string ShownText(const MenuItem& item);
// What the window's menu bar shows, menu by menu: each title, then its items' captions ("-" for a separator
// line). Empty when the window shows no menu bar.
std::vector<std::string> MenuBarCaptions(Window& window);

} // namespace fw::testing
