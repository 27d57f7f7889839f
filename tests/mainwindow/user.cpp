#include "user.h"

#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/driver_mainwin.h"

namespace user {

namespace drv = fw::testing;

void Settle() {
    drv::ProcessEvents();
}

void CloseForGood(fw::Ref<fw::Window> window) {
    if (window && window->IsOpen())
        window->Close();
    // A main window's closing asks to quit; the next test starts a fresh run.
    drv::ResetRunState();
    drv::ProcessEvents();
}

void Type(fw::EditField& field, std::string_view text) {
    drv::TypeText(field, text);
    drv::ProcessEvents();
}

void Backspace(fw::EditField& field, int times) {
    for (int i = 0; i < times; ++i)
        drv::PressKey(field, drv::Key::Backspace);
    drv::ProcessEvents();
}

void SelectLastCharacter(fw::EditField& field) {
    drv::PressKey(field, drv::Key::End);
    drv::PressKey(field, drv::Key::Left, drv::Shift);
}

void ClearField(fw::EditField& field) {
    drv::PressKey(field, drv::Key::End);
    drv::PressKey(field, drv::Key::Home, drv::Shift);
    drv::PressKey(field, drv::Key::Delete);
    drv::ProcessEvents();
}

void PressReturn(fw::RectControl& control) {
    drv::PressKey(control, drv::Key::Return);
    drv::ProcessEvents();
}

void Click(fw::RectControl& control) {
    drv::Click(control);
    drv::ProcessEvents();
}

Rect GeometryOnWindow(fw::RectControl& control) {
    const drv::ControlFacts f = drv::Inspect(control);
    return Rect{f.rect.x, f.rect.y, f.rect.width, f.rect.height};
}

Image Grab(fw::RectControl& control) {
    drv::ProcessEvents();
    return drv::Grab(control);
}

std::vector<std::string> RightClickAndReadPopUp(fw::EditField& field) {
    return drv::PopUpCaptionsOf([&] { drv::RightClick(field); });
}

std::vector<std::string> LeftClickAndReadPopUp(fw::EditField& field) {
    return drv::PopUpCaptionsOf([&] { drv::Click(field); });
}

bool PopUpOpen() {
    return drv::PopUpShown();
}

std::int32_t CloseInLoopAndReadExitCode(fw::Ref<fw::Window> window) {
    return drv::RunAndCloseAsUser(*window);
}

} // namespace user
