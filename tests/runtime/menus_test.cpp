#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "framework/testing/driver_runtime.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using fw::MenuItem;
using fw::Ref;

// Builds items the way the program's menu bar does: new object, constructor, Name, Text, KeyboardShortcut.
template <class T = fw::MenuItem>
fw::Ref<T> NewItem(std::string_view name, std::string_view text, std::string_view shortcut = {}) {
    fw::Ref<T> item = fw::RuntimeNewObject<T>();
    item->Constructor();
    item->SetName(fw::Text(name));
    item->SetText(fw::Text(text));
    item->SetKeyboardShortcut(fw::Text(shortcut));
    return item;
}

// File menu with Quit, Edit menu with Undo, Cut, Copy, Paste and Clear.
fw::Ref<fw::MenuBar> ProgramLikeBar() {
    fw::Ref<fw::MenuBar> bar = fw::RuntimeNewObject<fw::MenuBar>();
    bar->Append(NewItem("FileMenu", "Archivio"));
    bar->Child("FileMenu")->Append(NewItem<fw::QuitMenuItem>("FileQuit", "Esci", "Cmd+Q"));
    bar->Append(NewItem("EditMenu", "Composizione"));
    bar->Child("EditMenu")->Append(NewItem("EditUndo", "Annulla", "Cmd+Z"));
    bar->Child("EditMenu")->Append(NewItem("EditCut", "Taglia", "Cmd+X"));
    bar->Child("EditMenu")->Append(NewItem("EditCopy", "Copia", "Cmd+C"));
    bar->Child("EditMenu")->Append(NewItem("EditPaste", "Incolla", "Cmd+V"));
    bar->Child("EditMenu")->Append(NewItem("EditClear", "Cancella"));
    return bar;
}

// Starts from a quiet runtime with an application object that shows the program's bar and binds no handler.
class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        fw::testing::ResetRunState();
        app->SetMenuBar(bar);
        fw::RuntimeRegisterAppObject(app);
    }
    // Undo, Cut, Copy, Paste, Clear: 1 enabled, 0 not.
    std::string EditItemsEnabled() const {
        std::string enabled;
        for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
            enabled += bar->Lookup(name)->Enabled() ? '1' : '0';
        return enabled;
    }
    // Binds a handler that counts its calls and says the command was handled while handles is true.
    void CountCalls(const char* item) {
        app->AddMenuHandler(item, [this] {
            ++calls;
            return handles;
        });
    }
    void Choose(const char* name) { bar->Lookup(name)->Choose(); }

    Ref<fw::MenuBar> bar = ProgramLikeBar();
    Ref<fw::Application> app = fw::MakeRef<fw::Application>();
    int calls = 0;
    bool handles = true;
};

TEST_F(Menus, ChildFindsDirectChildrenOnlyAndLookupSearchesEveryDepthByTheExactName) {
    EXPECT_FALSE(bar->Child("FileQuit")) << "FileQuit is a grandchild";
    EXPECT_TRUE(fw::RefCast<fw::QuitMenuItem>(bar->Lookup("FileQuit")));
    EXPECT_FALSE(bar->Lookup("FileQuit")->Lookup("FileQuit")) << "an item is not below itself";
}

TEST_F(Menus, AppendRefusesNilItemsSecondParentsAndCycles) {
    Ref<MenuItem> file = bar->Child("FileMenu");
    EXPECT_THROW(file->Append(nullptr), fw::NilObjectException);
    EXPECT_THROW(bar->Append(bar->Lookup("FileQuit")), fw::InvalidArgumentException);
    Ref<MenuItem> loose = NewItem("Loose", "Loose");
    loose->Append(NewItem("Inner", "Inner"));
    EXPECT_THROW(loose->Lookup("Inner")->Append(loose), fw::InvalidArgumentException);
    EXPECT_THROW(loose->Append(loose), fw::InvalidArgumentException);
    EXPECT_EQ(file->Count(), 1) << "a refused append leaves the menu as it was";
    EXPECT_THROW(file->Item(1), fw::InvalidArgumentException);
}

TEST_F(Menus, ChildrenOutlivingTheirMenuLoseTheirParent) {
    Ref<MenuItem> kept = ProgramLikeBar()->Lookup("EditCopy");
    EXPECT_EQ(kept->Parent(), nullptr);
    Ref<MenuItem> other = NewItem("Other", "Other");
    other->Append(kept); // free again, so it may join another menu
    EXPECT_EQ(other->Child("EditCopy"), kept);
}

TEST_F(Menus, CommandKeyIsCtrlHereAndAMalformedShortcutChangesNothing) {
    Ref<MenuItem> item = bar->Lookup("FileQuit");
    EXPECT_EQ(fw::testing::ShortcutKeys(*item), "Ctrl+Q");
    EXPECT_THROW(item->SetKeyboardShortcut("Cmd+"), fw::InvalidArgumentException);
    EXPECT_EQ(item->KeyboardShortcut(), "Cmd+Q");
    EXPECT_EQ(fw::testing::ShortcutKeys(*item), "Ctrl+Q");
}

TEST_F(Menus, OneBarShowsInSeveralWindowsAndLaterMenusShowInAll) {
    fw::testing::MenuWindow first(*bar), second(*bar);
    EXPECT_EQ(first.MenuTitles(), (std::vector<std::string>{"Archivio", "Composizione"}));
    bar->Append(NewItem("HelpMenu", "Aiuto"));
    EXPECT_EQ(second.MenuTitles().back(), "Aiuto");
    first.Reinstall(*bar);
    EXPECT_EQ(first.MenuTitles().size(), 3u) << "installing again does not show menus twice";
}

TEST_F(Menus, ShortcutFiresOncePerPressInTheActiveWindowOnlyQuitInAnyWindow) {
    bar->Child("FileMenu")->Append(NewItem("FileCount", "Count", "Cmd+K"));
    CountCalls("FileCount");
    CountCalls("FileQuit");
    Ref<fw::MenuBar> none = fw::RuntimeNewObject<fw::MenuBar>();
    fw::testing::MenuWindow first(*bar), second(*bar), barless(*none, 0);
    ASSERT_TRUE(second.Activate());
    ASSERT_TRUE(first.Activate());
    first.Press("Ctrl+K");
    EXPECT_EQ(calls, 1);
    first.Press("K"); // without the command key it is just a key
    first.Press("Ctrl+Q");
    EXPECT_EQ(calls, 2);
    // Quitting is the application's: it acts from a window that does not show the bar, other items do not.
    ASSERT_TRUE(barless.Activate());
    barless.Press("Ctrl+K");
    EXPECT_EQ(calls, 2);
    barless.Press("Ctrl+Q");
    EXPECT_EQ(calls, 3);
}

TEST_F(Menus, HandlerIsBoundByAnExistingNameOnceAndOnlyForItsOwnClass) {
    const auto handler = [] { return true; };
    EXPECT_THROW(fw::MakeRef<fw::Application>()->AddMenuHandler("FileQuit", handler),
                 fw::InvalidArgumentException)
        << "an application without a menu bar has no items";
    EXPECT_THROW(app->AddMenuHandler("filequit", handler), fw::InvalidArgumentException);
    struct Other : fw::Application {
        bool Go() { return true; }
    };
    EXPECT_THROW(app->AddMenuHandler("FileQuit", &Other::Go), fw::InvalidArgumentException);
    app->AddMenuHandler("FileQuit", handler);
    EXPECT_THROW(app->AddMenuHandler("FileQuit", handler), fw::InvalidArgumentException);
    EXPECT_EQ(app->MenuHandlerNames(), std::vector<fw::Text>{"FileQuit"});
}

TEST_F(Menus, PopUpShowsAtTheMouseAndClosedWithoutAPickGivesNilWithoutHanging) {
    const int before = fw::testing::PopUpsSeen();
    EXPECT_FALSE(bar->Lookup("EditCut")->PopUp()) << "an item without children shows nothing";
    fw::testing::SetMousePosition(210, 140);
    fw::testing::CloseActivePopUpSoon();
    EXPECT_FALSE(bar->Lookup("EditMenu")->PopUp());
    EXPECT_EQ(fw::testing::PopUpsSeen(), before + 1);
    EXPECT_EQ(fw::testing::LastPopUpPosition(), std::make_pair(210, 140));
}

TEST_F(Menus, ExceptionFromAPopUpPickEndsThePopUpAndTheLoop) {
    class Throwing : public fw::MenuItem {
        bool Event_Action() override { throw fw::InvalidArgumentException("picked a bad item"); }
    };
    bar->Child("EditMenu")->Append(NewItem<Throwing>("EditBoom", "Boom"));
    bool popUpReturned = false;
    fw::testing::After(0, [&] {
        fw::testing::CloseActivePopUpSoon("EditBoom");
        bar->Lookup("EditMenu")->PopUp();
        popUpReturned = true;
    });
    EXPECT_THROW(fw::RuntimeRun(), fw::InvalidArgumentException);
    EXPECT_TRUE(popUpReturned);
}

// --- The Edit commands on entry fields ------------------------------------------------------------------

// A window with two entry fields, "12345678" and "other", and the program's bar; field 0 has the focus.
class EditCommands : public Menus {
protected:
    void SetUp() override {
        Menus::SetUp();
        ASSERT_TRUE(window.Activate());
        window.SetFieldText(0, "12345678");
        window.SetFieldText(1, "other");
        window.FocusField(0);
        fw::testing::SetClipboardText("");
    }

    fw::testing::MenuWindow window{*bar, 2};
};

struct Command {
    const char* item;
    int field; // focused, with start and length selected; the other field is wholly selected
    int start, length;
    const char* clipboardBefore;
    const char *field0, *field1, *clipboard; // after the command
};

class EditCommand : public EditCommands, public ::testing::WithParamInterface<Command> {};

TEST_P(EditCommand, ActsOnTheFocusedFieldOnlyAndUndoTakesItBack) {
    const Command& c = GetParam();
    fw::testing::SetClipboardText(c.clipboardBefore);
    window.FocusField(c.field);
    window.SelectInField(1 - c.field, 0, c.field == 0 ? 5 : 8);
    window.SelectInField(c.field, c.start, c.length);
    Choose(c.item);
    EXPECT_EQ(window.FieldText(0), c.field0);
    EXPECT_EQ(window.FieldText(1), c.field1);
    EXPECT_EQ(fw::testing::ClipboardText(), c.clipboard);
    Choose("EditUndo");
    EXPECT_EQ(window.FieldText(0), "12345678");
    EXPECT_EQ(window.FieldText(1), "other");
}

INSTANTIATE_TEST_SUITE_P(Items, EditCommand,
                         ::testing::Values(Command{"EditCopy", 0, 0, 4, "", "12345678", "other", "1234"},
                                           Command{"EditCut", 0, 2, 3, "", "12678", "other", "345"},
                                           Command{"EditPaste", 0, 0, 2, "99", "99345678", "other", "99"},
                                           Command{"EditClear", 0, 4, 4, "keep", "1234", "other", "keep"},
                                           Command{"EditCut", 1, 0, 5, "", "12345678", "", "other"}));

TEST_F(EditCommands, ItemsAreEnabledExactlyWhenTheirCommandCanAct) {
    const struct {
        int selected;
        bool readOnly;
        const char* clipboard;
        const char* enabled;
    } states[] = {
        {0, false, "", "00000"}, {0, false, "1", "00010"}, {3, false, "", "01101"}, {3, true, "1", "00100"}};
    for (const auto& state : states) {
        window.SetFieldReadOnly(0, state.readOnly);
        fw::testing::SetClipboardText(state.clipboard);
        window.SelectInField(0, 0, state.selected);
        // No explicit refresh: the items follow selection, clipboard and focus on their own.
        EXPECT_EQ(EditItemsEnabled(), state.enabled) << state.selected << state.readOnly << state.clipboard;
    }
    fw::testing::MenuWindow plain(*bar, 0);
    ASSERT_TRUE(plain.Activate());
    EXPECT_EQ(EditItemsEnabled(), "00000") << "without a focused field";
    Choose("EditPaste");
    EXPECT_EQ(window.FieldText(0), "12345678");
}

TEST_F(EditCommands, ApplicationHandlerTakesTheCommandOverWhileItSaysItHandledIt) {
    CountCalls("EditCopy");
    window.SelectInField(0, 0, 2);
    Choose("EditCopy");
    EXPECT_EQ(fw::testing::ClipboardText(), "");
    handles = false;
    Choose("EditCopy");
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(fw::testing::ClipboardText(), "12") << "not handled: the layer's own copy runs";
}

TEST_F(EditCommands, ShortcutsInAFocusedFieldActOnceNotTwice) {
    // The field and the menu item both know Ctrl+V: only one of them may paste.
    window.SetFieldText(0, "");
    EXPECT_EQ(EditItemsEnabled(), "00000") << "setting the text leaves nothing to undo";
    fw::testing::SetClipboardText("99");
    window.Press("Ctrl+V");
    EXPECT_EQ(window.FieldText(0), "99");
    EXPECT_EQ(EditItemsEnabled(), "10010");
    window.SelectInField(0, 0, 1);
    window.Press("Ctrl+X");
    EXPECT_EQ(window.FieldText(0), "9");
    EXPECT_EQ(fw::testing::ClipboardText(), "9");
    window.Press("Ctrl+Z");
    EXPECT_EQ(window.FieldText(0), "99");
}

TEST_F(EditCommands, PickedFromAPopUpTheCommandActsOnceOnTheFieldThatHadFocus) {
    fw::testing::SetClipboardText("ab");
    window.SelectInField(0, 0, 0);
    fw::testing::CloseActivePopUpSoon("EditPaste");
    EXPECT_EQ(bar->Lookup("EditMenu")->PopUp(), bar->Lookup("EditPaste"));
    EXPECT_EQ(window.FieldText(0), "ab12345678");
}

} // namespace
