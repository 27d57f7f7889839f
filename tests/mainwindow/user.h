// What a user does to the window and what the user sees, for the tests: keys, clicks, pop-ups, pixels.
// Everything goes through the layer's test driver; nothing here sets a control's state behind its back.
#pragma once

#include "framework/edit_field.h"
#include "framework/properties.h"
#include "framework/testing/driver_mainwin.h"
#include "framework/window.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace user {

inline constexpr fw::Color kTint{237, 243, 254};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

using Image = fw::testing::Image;

// Lets pending events (layout, paint) run.
void Settle();
// Closes the window if it is still open, and forgets the quit its closing may have asked for.
void CloseForGood(fw::Ref<fw::Window> window);

// Key events into the field, which gets the focus first.
void Type(fw::EditField& field, std::string_view text);
void Backspace(fw::EditField& field, int times = 1);
void SelectLastCharacter(fw::EditField& field); // End, then Shift+Left
void ClearField(fw::EditField& field);          // select all, then Delete
void PressReturn(fw::RectControl& control);
// A left click in the middle of the control.
void Click(fw::RectControl& control);

// Where the control's widget stands on its window's content, in pixels.
Rect GeometryOnWindow(fw::RectControl& control);
// The control as it paints now.
Image Grab(fw::RectControl& control);

// A right (contextual) or a left click in the middle of the field; the captions of the pop-up menu it opened
// ("-" for a separator), which is then closed; empty when no pop-up opened.
std::vector<std::string> RightClickAndReadPopUp(fw::EditField& field);
std::vector<std::string> LeftClickAndReadPopUp(fw::EditField& field);
bool PopUpOpen();

// Runs the event loop, closes the window from inside it as its close box would, and gives the exit code the
// run ended with.
std::int32_t CloseInLoopAndReadExitCode(fw::Ref<fw::Window> window);

// Bands of a list image from its first tinted line down: a line is tinted when the tint covers a third of it
// or more, plain when it shows none; other lines (the frame) are skipped.
struct Bands {
    std::vector<int> runs;   // tinted, plain, tinted, ... heights in lines
    int firstRunTop = -1;    // line of the first tinted run
    bool textOnTint = false; // some tinted line also holds dark (text) pixels
};
Bands ReadBands(const Image& img);

} // namespace user
