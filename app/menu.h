#pragma once

#include "framework/menu_item.h"
#include "framework/object.h"

// The program's one menu bar: the File menu (About, Quit) and the Edit menu. Built once, on first request;
// the application and the main window show the same instance.
class Menu : public fw::MenuBar {
public:
    // Builds the File menu, then the Edit menu.
    void Constructor() override;
    void Untitled1();
    void Untitled2();

    // The shared bar; nil until the first request has finished building it, and again after Exit.
    static fw::Ref<Menu> _implicitInstance;
    // Shut-down: drops the shared bar.
    static void Exit();
};

namespace implicit {
// The shared bar, built on the first call.
fw::Ref<::Menu> Menu();
} // namespace implicit
