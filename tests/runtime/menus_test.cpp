#include "menu_fixture.h"

#include "framework/testing/driver_runtime.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using fw::MenuItem;
using fw::Ref;

// --- Building and finding items ---------------------------------------------------------------------------

TEST(MenuStructure, ProgramBarHasTwoMenusWithTheirItemsInOrder) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name(), "FileMenu");
    EXPECT_EQ(bar->Item(1)->Name(), "EditMenu");
    EXPECT_EQ(bar->Child("FileMenu")->Count(), 2);
    std::vector<std::string> edit;
    for (int i = 0; i < bar->Child("EditMenu")->Count(); ++i)
        edit.push_back(bar->Child("EditMenu")->Item(i)->Name());
    EXPECT_EQ(edit, (std::vector<std::string>{"EditUndo", "UntitledMenu1", "EditCut", "EditCopy", "EditPaste",
                                              "EditClear"}));
    EXPECT_EQ(bar->Child("EditMenu")->Item(2)->Parent(), bar->Child("EditMenu").Get());
}

TEST(MenuStructure, ChildFindsDirectChildrenOnlyAndLookupSearchesEveryDepth) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    EXPECT_TRUE(bar->Child("EditMenu"));
    EXPECT_FALSE(bar->Child("FileQuit")) << "FileQuit is a grandchild";
    EXPECT_FALSE(bar->Child("editmenu")) << "names match exactly";
    Ref<MenuItem> quit = bar->Lookup("FileQuit");
    ASSERT_TRUE(quit);
    EXPECT_TRUE(fw::RefCast<fw::QuitMenuItem>(quit));
    EXPECT_TRUE(fw::RefCast<fw::AppleMenuItem>(bar->Lookup("ArchivioInfosuMorvalit")));
    EXPECT_EQ(bar->Lookup("EditMenu"), bar->Child("EditMenu"));
    EXPECT_FALSE(bar->Lookup("NoSuchItem"));
    EXPECT_FALSE(bar->Lookup("FileQuit")->Lookup("FileQuit")) << "an item is not below itself";
}

TEST(MenuStructure, AppendRefusesNilItemsSecondParentsAndCycles) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    Ref<MenuItem> file = bar->Child("FileMenu");
    EXPECT_THROW(file->Append(nullptr), fw::NilObjectException);
    EXPECT_THROW(bar->Append(bar->Lookup("FileQuit")), fw::InvalidArgumentException);
    Ref<MenuItem> loose = NewItem("Loose", "Loose");
    loose->Append(NewItem("Inner", "Inner"));
    EXPECT_THROW(loose->Lookup("Inner")->Append(loose), fw::InvalidArgumentException);
    EXPECT_THROW(loose->Append(loose), fw::InvalidArgumentException);
    EXPECT_EQ(file->Count(), 2) << "a refused append leaves the menu as it was";
    EXPECT_THROW(file->Item(2), fw::InvalidArgumentException);
    EXPECT_THROW(file->Item(-1), fw::InvalidArgumentException);
}

TEST(MenuStructure, ChildrenOutlivingTheirMenuLoseTheirParent) {
    Ref<MenuItem> kept;
    {
        Ref<fw::MenuBar> bar = ProgramLikeBar();
        kept = bar->Lookup("EditCopy");
    }
    EXPECT_EQ(kept->Parent(), nullptr);
    Ref<MenuItem> other = NewItem("Other", "Other");
    other->Append(kept); // free again, so it may join another menu
    EXPECT_EQ(other->Child("EditCopy"), kept);
}

TEST(MenuText, DashMakesASeparatorAndAmpersandsShowAsWritten) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    EXPECT_TRUE(fw::testing::ShowsAsSeparator(*bar->Lookup("UntitledMenu1")));
    EXPECT_FALSE(fw::testing::ShowsAsSeparator(*bar->Lookup("EditCut")));
    Ref<MenuItem> item = NewItem("Both", "Cut & Paste");
    EXPECT_EQ(item->Text(), "Cut & Paste");
    EXPECT_EQ(fw::testing::ShownText(*item), "Cut && Paste") << "Qt would take a single & as a mnemonic";
    item->SetText("-");
    EXPECT_TRUE(fw::testing::ShowsAsSeparator(*item));
    item->SetText("Back");
    EXPECT_FALSE(fw::testing::ShowsAsSeparator(*item));
}

// --- Shortcut texts ---------------------------------------------------------------------------------------

struct ShortcutCase {
    const char* written;
    const char* keys; // Qt's portable text; nullptr: refused
};

class ShortcutText : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutText, CommandKeyIsCtrlHereAndMalformedTextsAreRefused) {
    const ShortcutCase& c = GetParam();
    Ref<MenuItem> item = NewItem("Item", "Item", "Cmd+Y");
    if (c.keys) {
        item->SetKeyboardShortcut(c.written);
        EXPECT_EQ(item->KeyboardShortcut(), c.written) << "kept as written";
        EXPECT_EQ(fw::testing::ShortcutKeys(*item), c.keys);
    } else {
        EXPECT_THROW(item->SetKeyboardShortcut(c.written), fw::InvalidArgumentException);
        EXPECT_EQ(item->KeyboardShortcut(), "Cmd+Y") << "a refused text changes nothing";
        EXPECT_EQ(fw::testing::ShortcutKeys(*item), "Ctrl+Y");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortcutText,
    ::testing::Values(ShortcutCase{"Cmd+Q", "Ctrl+Q"}, ShortcutCase{"Cmd+Z", "Ctrl+Z"},
                      ShortcutCase{"cmd+v", "Ctrl+V"}, ShortcutCase{"", ""},
                      ShortcutCase{"Cmd+Shift+Z", "Ctrl+Shift+Z"}, ShortcutCase{"Option+Cmd+X", "Ctrl+Alt+X"},
                      ShortcutCase{"Command+F1", "Ctrl+F1"}, ShortcutCase{"Q+Cmd", nullptr},
                      ShortcutCase{"Cmd+", nullptr}, ShortcutCase{"Hyper+Q", nullptr},
                      ShortcutCase{"Cmd+NoSuchKey", nullptr}, ShortcutCase{"+", nullptr}),
    [](const ::testing::TestParamInfo<ShortcutCase>& info) {
        std::string name = std::to_string(info.index) + "_";
        for (const char* p = info.param.written; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// --- Menu bars in windows and their shortcuts -------------------------------------------------------------

TEST(MenuBarWidget, OneBarShowsInSeveralWindowsAndLaterMenusShowInAll) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    fw::testing::MenuWindow first(*bar), second(*bar);
    const std::vector<std::string> titles{"Archivio", "Composizione"};
    EXPECT_EQ(first.MenuTitles(), titles);
    EXPECT_EQ(second.MenuTitles(), titles);
    bar->Append(NewItem("HelpMenu", "Aiuto"));
    EXPECT_EQ(first.MenuTitles().size(), 3u);
    EXPECT_EQ(second.MenuTitles().back(), "Aiuto");
    first.Reinstall(*bar);
    EXPECT_EQ(first.MenuTitles().size(), 3u) << "installing again does not show menus twice";
}

TEST(MenuBarWidget, ShortcutFiresOncePerPressInTheActiveWindowOnly) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    Ref<CountingItem> item = NewItem<CountingItem>("FileCount", "Count", "Cmd+K");
    bar->Child("FileMenu")->Append(item);
    fw::testing::MenuWindow first(*bar), second(*bar);
    ASSERT_TRUE(second.Activate());
    ASSERT_TRUE(first.Activate());
    first.Press("Ctrl+K");
    EXPECT_EQ(item->actions, 1);
    first.Press("Ctrl+K");
    EXPECT_EQ(item->actions, 2);
    first.Press("K");
    EXPECT_EQ(item->actions, 2) << "without the command key it is just a key";
}

TEST(MenuBarWidget, DisabledItemIgnoresItsShortcut) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    Ref<CountingItem> item = NewItem<CountingItem>("FileCount", "Count", "Cmd+K");
    bar->Child("FileMenu")->Append(item);
    fw::testing::MenuWindow window(*bar);
    ASSERT_TRUE(window.Activate());
    item->SetEnabled(false);
    window.Press("Ctrl+K");
    EXPECT_EQ(item->actions, 0);
}

TEST(MenuBarWidget, QuitShortcutEndsTheRunningLoopWithCodeZero) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    fw::testing::MenuWindow window(*bar);
    ASSERT_TRUE(window.Activate());
    fw::testing::After(0, [&window] { window.Press("Ctrl+Q"); });
    fw::RuntimeRun(); // a missed quit would hang here until the test's time limit
    EXPECT_EQ(fw::RuntimeExit(), 0);
    fw::RuntimeInit();
}

// --- Menu handlers bound by name --------------------------------------------------------------------------

class MenuHandlers : public ::testing::Test {
protected:
    void SetUp() override {
        app = fw::RuntimeNewObject<CountingApp>();
        app->SetMenuBar(ProgramLikeBar());
        fw::RuntimeRegisterAppObject(app);
    }
    Ref<CountingApp> app;
};

TEST_F(MenuHandlers, NameThatNoItemCarriesIsRefusedAtBindTime) {
    EXPECT_THROW(app->AddMenuHandler("ArchivioInfosu", &CountingApp::About), fw::InvalidArgumentException);
    EXPECT_THROW(app->AddMenuHandler("archivioinfosumorvalit", &CountingApp::About),
                 fw::InvalidArgumentException);
    Ref<CountingApp> bare = fw::MakeRef<CountingApp>();
    EXPECT_THROW(bare->AddMenuHandler("ArchivioInfosuMorvalit", &CountingApp::About),
                 fw::InvalidArgumentException)
        << "an application without a menu bar has no items";
    EXPECT_TRUE(app->MenuHandlerNames().empty());
}

TEST_F(MenuHandlers, SecondHandlerForOneItemIsRefused) {
    app->AddMenuHandler("ArchivioInfosuMorvalit", &CountingApp::About);
    EXPECT_THROW(app->AddMenuHandler("ArchivioInfosuMorvalit", &CountingApp::Copy),
                 fw::InvalidArgumentException);
    EXPECT_EQ(app->MenuHandlerNames(), std::vector<fw::Text>{"ArchivioInfosuMorvalit"});
}

TEST_F(MenuHandlers, HandlerOfAnotherClassIsRefused) {
    struct Other : fw::Application {
        bool Go() { return true; }
    };
    EXPECT_THROW(app->AddMenuHandler("ArchivioInfosuMorvalit", &Other::Go), fw::InvalidArgumentException);
}

TEST_F(MenuHandlers, ChoosingTheItemCallsTheHandlerOnTheApplicationObject) {
    app->AddMenuHandler("ArchivioInfosuMorvalit", &CountingApp::About);
    Ref<MenuItem> about = app->MenuBar()->Lookup("ArchivioInfosuMorvalit");
    about->Choose();
    about->Choose();
    EXPECT_EQ(app->about, 2);
}

TEST_F(MenuHandlers, HandledCommandStopsThereAndUnhandledOneReachesTheItemsOwnAction) {
    Ref<CountingItem> item = NewItem<CountingItem>("FileCount", "Count");
    app->MenuBar()->Child("FileMenu")->Append(item);
    bool handles = true;
    app->AddMenuHandler("FileCount", [&handles] { return handles; });
    item->Choose();
    EXPECT_EQ(item->actions, 0);
    handles = false;
    item->Choose();
    EXPECT_EQ(item->actions, 1);
}

TEST_F(MenuHandlers, ShortcutOfAnItemReachesItsHandler) {
    app->AddMenuHandler("ArchivioInfosuMorvalit", &CountingApp::About);
    app->MenuBar()->Lookup("ArchivioInfosuMorvalit")->SetKeyboardShortcut("Cmd+I");
    fw::testing::MenuWindow window(*app->MenuBar());
    ASSERT_TRUE(window.Activate());
    window.Press("Ctrl+I");
    EXPECT_EQ(app->about, 1);
}

// --- Pop-up menus -----------------------------------------------------------------------------------------

TEST(PopUp, ClosedWithoutAPickGivesNilAndDoesNotHang) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    const int before = fw::testing::PopUpsSeen();
    fw::testing::CloseActivePopUpSoon();
    EXPECT_FALSE(bar->Lookup("EditMenu")->PopUp());
    EXPECT_EQ(fw::testing::PopUpsSeen(), before + 1);
}

TEST(PopUp, PickedItemIsReturnedAndItsCommandRunsOnce) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    Ref<CountingItem> item = NewItem<CountingItem>("EditCount", "Count");
    bar->Child("EditMenu")->Append(item);
    fw::testing::CloseActivePopUpSoon("EditCount");
    Ref<MenuItem> picked = bar->Lookup("EditMenu")->PopUp();
    EXPECT_EQ(picked, Ref<MenuItem>(item));
    EXPECT_EQ(item->actions, 1);
}

TEST(PopUp, ShowsAtTheMousePosition) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    fw::testing::SetMousePosition(210, 140);
    fw::testing::CloseActivePopUpSoon();
    bar->Lookup("EditMenu")->PopUp();
    EXPECT_EQ(fw::testing::LastPopUpPosition(), std::make_pair(210, 140));
}

TEST(PopUp, ItemWithoutChildrenShowsNothing) {
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    const int before = fw::testing::PopUpsSeen();
    EXPECT_FALSE(bar->Lookup("EditCut")->PopUp());
    fw::testing::RunEventsFor(20);
    EXPECT_EQ(fw::testing::PopUpsSeen(), before);
}

} // namespace
