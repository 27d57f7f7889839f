// The program's menu bar as a user meets it: what each menu shows, captions that a translation reaches, the
// quit key from any window, and a bar that cannot be built.
#include "app/menu.h"
#include "framework/application.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace t = fw::testing;

// The bar's captions are read while it is built: a translation of each key shows in its place, beside the
// item's shortcut. (The Italian captions the start-up's tests read off the main window's bar.)
TEST(MenuBar, ShowsEachCaptionsTranslationWithItsShortcut) {
    for (const char* key :
         {"Arch", "About", "Esci", "Compos", "Annulla", "Taglia", "Copia", "Incolla", "Cancella"})
        fw::testing::SetTranslation(std::string("Localize.") + key, std::string(key) + "*");
    fw::Ref<Menu> shared = implicit::Menu();
    Menu::Exit();
    const std::vector<std::string> shown = t::ShownItems(*implicit::Menu());
    fw::testing::ClearTranslations();
    EXPECT_EQ(shown,
              (std::vector<std::string>{"Arch*", "About*", "Esci* Ctrl+Q", "Compos*", "Annulla* Ctrl+Z", "-",
                                        "Taglia* Ctrl+X", "Copia* Ctrl+C", "Incolla* Ctrl+V", "Cancella*"}));
    Menu::_implicitInstance = shared;
}

// Quitting is the application's: its key acts even from a window that shows no menu bar, such as About.
TEST(MenuBar, CtrlQQuitsFromAWindowWithoutTheBar) {
    t::ResetRunState();
    fw::Ref<fw::Application> app = fw::MakeRef<fw::Application>();
    app->SetMenuBar(implicit::Menu());
    fw::RuntimeRegisterAppObject(app);
    int quits = 0;
    app->AddMenuHandler("FileQuit", [&quits] { return ++quits > 0; });
    fw::Ref<fw::MenuBar> none = fw::RuntimeNewObject<fw::MenuBar>();
    t::MenuWindow withBar(*app->MenuBar(), 0), barless(*none, 0);
    ASSERT_TRUE(withBar.Activate() && barless.Activate());
    barless.Press("Ctrl+Q");
    EXPECT_EQ(quits, 1);
    t::ResetRunState();
}

TEST(MenuBar, FailedBuildLeavesTheSlotEmpty) {
    fw::Ref<Menu> shared = implicit::Menu();
    Menu::Exit();
    fw::testing::FailObjectCreations(1);
    EXPECT_THROW(implicit::Menu(), fw::NilObjectException);
    EXPECT_TRUE(Menu::_implicitInstance.IsNil());
    fw::testing::FailObjectCreations(0);
    Menu::_implicitInstance = shared;
}

} // namespace
