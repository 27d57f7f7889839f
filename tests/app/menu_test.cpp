#include "started_app.h"

#include "framework/runtime.h"
#include "framework/testing/driver_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Kind { Plain, About, Quit };

struct Row {
    const char* parent; // "" for a menu on the bar
    const char* name;
    Kind kind;
    const char* caption;
    const char* shortcut;
    bool autoEnable;
};

// The bar as the user sees it, top down.
const Row kBar[] = {
    {"", "FileMenu", Kind::Plain, "Archivio", "", false},
    {"FileMenu", "ArchivioInfosuMorvalit", Kind::About, "Info su Morvalit", "", true},
    {"FileMenu", "FileQuit", Kind::Quit, "Esci", "Cmd+Q", true},
    {"", "EditMenu", Kind::Plain, "Composizione", "", false},
    {"EditMenu", "EditUndo", Kind::Plain, "Annulla", "Cmd+Z", false},
    {"EditMenu", "UntitledMenu1", Kind::Plain, "-", "", false},
    {"EditMenu", "EditCut", Kind::Plain, "Taglia", "Cmd+X", false},
    {"EditMenu", "EditCopy", Kind::Plain, "Copia", "Cmd+C", false},
    {"EditMenu", "EditPaste", Kind::Plain, "Incolla", "Cmd+V", false},
    {"EditMenu", "EditClear", Kind::Plain, "Cancella", "", false},
};

using MenuBar = StartedApp;
using AboutCommand = StartedApp;
using Application = StartedApp;

Kind KindOf(fw::MenuItem& item) {
    if (dynamic_cast<fw::QuitMenuItem*>(&item))
        return Kind::Quit;
    if (dynamic_cast<fw::AppleMenuItem*>(&item))
        return Kind::About;
    return Kind::Plain;
}

std::vector<std::string> Names(const fw::MenuItem& parent) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < parent.Count(); ++i)
        names.push_back(parent.Item(i)->Name());
    return names;
}

TEST_F(MenuBar, HoldsTwoMenusOfTwoAndSixItemsInOrder) {
    fw::Ref<Menu> bar = implicit::Menu();
    EXPECT_EQ(Names(*bar), (std::vector<std::string>{"FileMenu", "EditMenu"}));
    EXPECT_EQ(Names(*bar->Item(0)), (std::vector<std::string>{"ArchivioInfosuMorvalit", "FileQuit"}));
    EXPECT_EQ(Names(*bar->Item(1)), (std::vector<std::string>{"EditUndo", "UntitledMenu1", "EditCut",
                                                              "EditCopy", "EditPaste", "EditClear"}));
    for (std::int32_t i = 0; i < bar->Item(1)->Count(); ++i)
        EXPECT_EQ(bar->Item(1)->Item(i)->Count(), 0);
}

class MenuItemTest : public StartedApp, public ::testing::WithParamInterface<Row> {};

TEST_P(MenuItemTest, HasItsClassCaptionShortcutAndAutoEnable) {
    const Row& row = GetParam();
    fw::Ref<Menu> bar = implicit::Menu();
    fw::Ref<fw::MenuItem> parent = *row.parent ? bar->Child(row.parent) : fw::Ref<fw::MenuItem>(bar);
    ASSERT_TRUE(parent);
    fw::Ref<fw::MenuItem> item = parent->Child(row.name);
    ASSERT_TRUE(item) << row.name << " is not a direct child of " << (*row.parent ? row.parent : "the bar");
    EXPECT_EQ(KindOf(*item), row.kind);
    EXPECT_EQ(item->Text(), row.caption);
    EXPECT_EQ(item->KeyboardShortcut(), row.shortcut);
    EXPECT_EQ(item->AutoEnable(), row.autoEnable);
}

// What a window showing the bar puts on screen: the two titles, the shortcuts as keys, the separator line.
TEST_P(MenuItemTest, ShowsInAWindowAsItsRowSays) {
    const Row& row = GetParam();
    fw::Ref<Menu> bar = implicit::Menu();
    fw::testing::MenuWindow window(*bar);
    fw::Ref<fw::MenuItem> item = bar->Lookup(row.name);
    ASSERT_TRUE(item);
    const std::string caption = row.caption;
    EXPECT_EQ(fw::testing::ShowsAsSeparator(*item), caption == "-");
    if (caption != "-") {
        EXPECT_EQ(fw::testing::ShownText(*item), caption);
    }
    std::string keys = row.shortcut;
    if (keys.rfind("Cmd+", 0) == 0)
        keys.replace(0, 3, "Ctrl"); // the command key of this platform
    EXPECT_EQ(fw::testing::ShortcutKeys(*item), keys);
}

INSTANTIATE_TEST_SUITE_P(TheTenItems, MenuItemTest, ::testing::ValuesIn(kBar),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MenuBar, ShowsTheTwoTitlesInAWindow) {
    fw::testing::MenuWindow window(*implicit::Menu());
    EXPECT_EQ(window.MenuTitles(), (std::vector<std::string>{"Archivio", "Composizione"}));
}

TEST_F(MenuBar, CtrlQEndsTheRunningLoopWithCodeZero) {
    fw::testing::MenuWindow window(*implicit::Menu());
    ASSERT_TRUE(window.Activate());
    fw::testing::After(0, [&window] { window.Press("Ctrl+Q"); });
    fw::testing::After(10000, [] { fw::Quit(99); }); // a missed shortcut fails instead of hanging
    fw::RuntimeRun();
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(MenuBar, IsBuiltOnceAndSharedWithTheApplication) {
    fw::Ref<Menu> first = implicit::Menu();
    fw::Ref<Menu> second = implicit::Menu();
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.Get(), Menu::_implicitInstance.Get());
    EXPECT_EQ(implicit::App()->MenuBar().Get(), first.Get());
    EXPECT_EQ(first->Count(), 2);
}

// Captions are read while the bar is built: a later translation shows in a bar built after it, not before.
TEST_F(MenuBar, ExitEmptiesTheSlotAndTheNextRequestBuildsAfresh) {
    fw::Ref<Menu> shared = implicit::Menu();
    Menu::Exit();
    EXPECT_TRUE(Menu::_implicitInstance.IsNil());

    fw::SetTranslation("Localize.Esci", "Quit");
    fw::Ref<Menu> rebuilt = implicit::Menu();
    fw::ClearTranslations();
    EXPECT_NE(rebuilt, shared);
    EXPECT_EQ(rebuilt->Lookup("FileQuit")->Text(), "Quit");
    EXPECT_EQ(shared->Lookup("FileQuit")->Text(), "Esci");
    EXPECT_EQ(rebuilt->Count(), 2);

    Menu::_implicitInstance = shared; // the application keeps showing the first bar
}

TEST_F(MenuBar, FailedBuildLeavesTheSlotEmpty) {
    fw::Ref<Menu> shared = implicit::Menu();
    Menu::Exit();
    fw::testing::FailObjectCreations(1);
    EXPECT_THROW(implicit::Menu(), fw::NilObjectException);
    EXPECT_TRUE(Menu::_implicitInstance.IsNil());
    fw::testing::FailObjectCreations(0);
    Menu::_implicitInstance = shared;
}

TEST_F(AboutCommand, IsTheOnlyHandlerOfTheProgramsOwn) {
    fw::Ref<App> app = implicit::App();
    ASSERT_TRUE(app);
    EXPECT_EQ(app->MenuHandlerNames(), std::vector<fw::Text>{"ArchivioInfosuMorvalit"});
    EXPECT_NE(app->MenuHandler("ArchivioInfosuMorvalit"), nullptr);
    for (const char* name : {"FileQuit", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
        EXPECT_EQ(app->MenuHandler(name), nullptr) << name;
}

TEST_F(Application, AccessorGivesTheRegisteredObjectEveryTime) {
    EXPECT_EQ(implicit::App().Get(), fw::GetAppObject().Get());
    EXPECT_EQ(implicit::App(), implicit::App());
}

} // namespace
