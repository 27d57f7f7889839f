#pragma once

#include "framework/control.h"
#include "framework/properties.h"
#include "framework/testing/driver.h"
#include "framework/window.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// More of what a user does and sees, for tests of whole windows: a control's picture at once, pop-up menus
// opened by a click, and a run of the event loop that a window's closing ends.
namespace fw::testing {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels; // row by row
    Color At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
};

// What the control shows, from one fresh rendering.
Image Grab(RectControl& control);

// Runs action (a click, say) and gives the captions of the pop-up menu that it opened ("-" for a separator),
// closing that menu as a user would with Escape. A menu that blocks while shown is read and closed from the
// event loop it runs. Empty when no pop-up opened.
std::vector<std::string> PopUpCaptionsOf(const std::function<void()>& action);
// True while a pop-up menu is open (as PopupOpen).
inline bool PopUpShown() {
    return PopupOpen();
}

// Runs the runtime's event loop, asks the window to close as its close box does from within it, and gives the
// exit status the run ends with. A loop that nothing ends stops after timeoutMs with status -1. The runtime
// is ready for the next test afterwards.
std::int32_t RunAndCloseAsUser(Window& window, int timeoutMs = 5000);

} // namespace fw::testing
