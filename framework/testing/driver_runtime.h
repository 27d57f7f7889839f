#pragma once

#include "framework/menu_item.h"

#include <functional>
#include <memory>
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
    // The titles the window's menu bar widget shows, left to right.
    std::vector<std::string> MenuTitles() const;
    // Shows the bar again (InstallMenuBar a second time on the same widget).
    void Reinstall(MenuBar& bar);

    void FocusField(int index);
    std::string FieldText(int index) const;
    void SetFieldText(int index, std::string_view text);
    void SelectInField(int index, int start, int length);
    void SetFieldReadOnly(int index, bool readOnly);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::string ClipboardText();
void SetClipboardText(std::string_view text);

// Runs pending events once.
void ProcessEvents();
// Runs events for about ms milliseconds.
void RunEventsFor(int ms);
// Calls f from the event loop after ms milliseconds (0: as soon as the loop runs).
void After(int ms, std::function<void()> f);
// From a zero-delay timer: closes the active pop-up menu, or picks the item of that name in it when
// itemName is not empty. Counts how often a pop-up was found open.
void CloseActivePopUpSoon(std::string itemName = {});
int PopUpsSeen();
// Moves the mouse pointer to a screen position, where pop-ups open.
void SetMousePosition(int x, int y);
// Where the last pop-up menu showed on the screen (its top-left), or {-1,-1} when none showed yet.
std::pair<int, int> LastPopUpPosition();

// The item's shortcut as Qt's portable text ("Ctrl+Q"), and whether it shows as a separator line.
std::string ShortcutKeys(const MenuItem& item);
bool ShowsAsSeparator(const MenuItem& item);
std::string ShownText(const MenuItem& item);

// Writes a width x height picture in format ("JPG", "PNG") to path; false when it could not be written.
bool WritePicture(const std::string& path, const char* format, int width, int height);

} // namespace fw::testing
