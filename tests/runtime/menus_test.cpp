#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

namespace t = fw::testing;
using fw::MenuItem;
using fw::Ref;
using Texts = std::vector<std::string>;

// Builds items the way the program's menu bar does: new object, constructor, Name, Text, KeyboardShortcut.
template <class T = MenuItem>
Ref<T> NewItem(std::string_view name, std::string_view shortcut = {}) {
    Ref<T> item = fw::RuntimeNewObject<T>();
    item->Constructor();
    item->SetName(fw::Text(name));
    item->SetText(fw::Text(name));
    item->SetKeyboardShortcut(fw::Text(shortcut));
    return item;
}

// Starts from a quiet runtime with an application object that binds no handler and shows the program's bar:
// a File menu with Quit, an Edit menu with Undo, Cut, Copy, Paste and Clear.
class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        t::ResetRunState();
        bar->Append(NewItem("FileMenu"));
        bar->Item(0)->Append(NewItem<fw::QuitMenuItem>("FileQuit", "Cmd+Q"));
        bar->Append(NewItem("EditMenu"));
        const char* const edit[][2] = {{"EditUndo", "Cmd+Z"},
                                       {"EditCut", "Cmd+X"},
                                       {"EditCopy", "Cmd+C"},
                                       {"EditPaste", "Cmd+V"},
                                       {"EditClear", ""}};
        for (const auto& item : edit)
            bar->Item(1)->Append(NewItem(item[0], item[1]));
        app->SetMenuBar(bar);
        fw::RuntimeRegisterAppObject(app);
    }
    // Undo, Cut, Copy, Paste, Clear: 1 enabled, 0 not.
    std::string EditItemsEnabled() const {
        std::string enabled;
        for (std::int32_t i = 0; i < 5; ++i)
            enabled += bar->Item(1)->Item(i)->Enabled() ? '1' : '0';
        return enabled;
    }
    // Binds a handler that counts its calls and says the command was handled while handles is true.
    void CountCalls(const char* item) {
        app->AddMenuHandler(item, [this] { return ++calls > 0 && handles; });
    }
    void Choose(const char* name) { bar->Lookup(name)->Choose(); }

    Ref<fw::MenuBar> bar = fw::RuntimeNewObject<fw::MenuBar>();
    Ref<fw::Application> app = fw::MakeRef<fw::Application>();
    int calls = 0;
    bool handles = true;
};

TEST_F(Menus, TreeFindsByExactNameAndRefusesNilSecondParentsAndCycles) {
    EXPECT_FALSE(bar->Child("FileQuit")) << "Child looks one level deep, Lookup at every depth";
    EXPECT_TRUE(fw::RefCast<fw::QuitMenuItem>(bar->Lookup("FileQuit")));
    Ref<MenuItem> file = bar->Child("FileMenu");
    EXPECT_THROW(file->Append(nullptr), fw::NilObjectException);
    EXPECT_THROW(bar->Append(bar->Lookup("FileQuit")), fw::InvalidArgumentException);
    Ref<MenuItem> loose = NewItem("Loose");
    loose->Append(NewItem("Inner"));
    EXPECT_THROW(loose->Lookup("Inner")->Append(loose), fw::InvalidArgumentException);
    EXPECT_EQ(file->Count(), 1) << "a refused append leaves the menu as it was";
    EXPECT_THROW(file->Item(1), fw::InvalidArgumentException);
    // A child outliving its menu is free again to join another.
    Ref<MenuItem> kept = NewItem("Kept");
    NewItem("Gone")->Append(kept);
    EXPECT_EQ(kept->Parent(), nullptr);
    loose->Append(kept);
    EXPECT_EQ(loose->Child("Kept"), kept);
}

TEST_F(Menus, ShortcutIsCtrlHereAndFiresOncePerPressInTheActiveWindowOnlyQuitInAnyWindow) {
    Ref<MenuItem> quit = bar->Lookup("FileQuit");
    EXPECT_THROW(quit->SetKeyboardShortcut("Cmd+"), fw::InvalidArgumentException);
    EXPECT_EQ(quit->KeyboardShortcut(), "Cmd+Q") << "a malformed shortcut changes nothing";
    EXPECT_EQ(t::ShownItems(*bar->Item(0)), Texts{"FileQuit Ctrl+Q"});
    bar->Item(0)->Append(NewItem("FileCount", "Cmd+K"));
    CountCalls("FileCount");
    CountCalls("FileQuit");
    Ref<fw::MenuBar> none = fw::RuntimeNewObject<fw::MenuBar>();
    t::MenuWindow first(*bar), second(*bar), barless(*none, 0);
    ASSERT_TRUE(second.Activate() && first.Activate());
    for (const char* keys : {"Ctrl+K", "K", "Ctrl+Q"})
        first.Press(keys);
    EXPECT_EQ(calls, 2);
    // Quitting is the application's: it acts from a window that does not show the bar, other items do not.
    ASSERT_TRUE(barless.Activate());
    barless.Press("Ctrl+K");
    barless.Press("Ctrl+Q");
    EXPECT_EQ(calls, 3);
}

TEST_F(Menus, HandlerIsBoundByAnExistingNameOnceAndOnlyForItsOwnClass) {
    const auto handler = [] { return true; };
    struct Other : fw::Application {
        bool Go() { return true; }
    };
    EXPECT_THROW(app->AddMenuHandler("filequit", handler), fw::InvalidArgumentException);
    EXPECT_THROW(app->AddMenuHandler("FileQuit", &Other::Go), fw::InvalidArgumentException);
    app->AddMenuHandler("FileQuit", handler);
    EXPECT_THROW(app->AddMenuHandler("FileQuit", handler), fw::InvalidArgumentException);
    EXPECT_EQ(app->MenuHandlerNames(), std::vector<fw::Text>{"FileQuit"});
}

// --- The Edit commands on entry fields: two of them, "12345678" and "other"; the first has the focus. ---

class EditCommands : public Menus {
protected:
    void SetUp() override {
        Menus::SetUp();
        ASSERT_TRUE(window.Activate());
        Reset(0, "");
    }
    void Reset(int focus, const char* clipboard) {
        window.Field(0).SetText("12345678"); // setting the text leaves nothing to undo
        window.Field(1).SetText("other");
        window.FocusField(focus);
        t::SetClipboardText(clipboard);
    }
    Texts Shown() { return {window.Field(0).Text(), window.Field(1).Text(), t::ClipboardText()}; }

    t::MenuWindow window{*bar, 2};
};

TEST_F(EditCommands, ItemActsOnTheFocusedFieldOnlyUnlessAHandlerTakesItOverAndUndoTakesItBack) {
    const struct {
        const char* item;
        int field; // focused, with start and length selected; the other field is wholly selected
        int start, length;
        const char* clipboard;
        Texts after; // field 0, field 1, clipboard
    } commands[] = {{"EditCopy", 0, 0, 4, "", {"12345678", "other", "1234"}},
                    {"EditPaste", 0, 0, 2, "99", {"99345678", "other", "99"}},
                    {"EditClear", 0, 4, 4, "keep", {"1234", "other", "keep"}},
                    {"EditCut", 1, 0, 5, "", {"12345678", "", "other"}}};
    CountCalls("EditCopy");
    handles = false; // the application's handler lets the layer act
    for (const auto& c : commands) {
        Reset(c.field, c.clipboard);
        window.SelectInField(1 - c.field, 0, c.field == 0 ? 5 : 8);
        window.SelectInField(c.field, c.start, c.length);
        Choose(c.item);
        EXPECT_EQ(Shown(), c.after) << c.item;
        Choose("EditUndo");
        EXPECT_EQ(Shown(), (Texts{"12345678", "other", c.after[2]})) << c.item;
    }
    handles = true; // now it takes the command over
    window.SelectInField(1, 0, 2);
    Choose("EditCopy");
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(t::ClipboardText(), "other") << "handled: the layer's own copy did not run";
}

TEST_F(EditCommands, ItemsAreEnabledExactlyWhenTheirCommandCanAct) {
    const struct {
        int selected;
        bool readOnly, password;
        const char* clipboard;
        const char* enabled;
    } states[] = {{0, false, false, "", "00000"},
                  {0, false, false, "1", "00010"},
                  {3, false, false, "", "01101"},
                  {3, true, false, "1", "00100"},
                  {3, false, true, "", "00001"}}; // a password field hands nothing out
    for (const auto& s : states) {
        window.Field(0).SetReadOnly(s.readOnly);
        window.Field(0).SetPassword(s.password);
        t::SetClipboardText(s.clipboard);
        window.SelectInField(0, 0, s.selected);
        // No explicit refresh: the items follow selection, clipboard and focus on their own.
        EXPECT_EQ(EditItemsEnabled(), s.enabled) << s.selected << s.readOnly << s.password << s.clipboard;
    }
}

TEST_F(EditCommands, ShortcutsInAFocusedFieldActOnceNotTwice) {
    // The field and the menu item both know Ctrl+V: only one of them may paste.
    window.Field(0).SetText("");
    t::SetClipboardText("99");
    window.Press("Ctrl+V");
    EXPECT_EQ(EditItemsEnabled(), "10010") << "only what was pasted to undo";
    window.SelectInField(0, 0, 1);
    window.Press("Ctrl+X");
    EXPECT_EQ(Shown(), (Texts{"9", "other", "9"}));
    window.Press("Ctrl+Z");
    EXPECT_EQ(window.Field(0).Text(), "99");
}

TEST_F(EditCommands, PopUpPickActsOnceOnTheFieldThatHadFocusAndAClosedPopUpGivesNil) {
    EXPECT_FALSE(bar->Lookup("EditCut")->PopUp()) << "an item without children shows nothing";
    t::SetClipboardText("ab");
    window.SelectInField(0, 0, 0);
    Ref<MenuItem> picked;
    t::PopUpCaptionsOf([&] { picked = bar->Item(1)->PopUp(); }, "EditPaste");
    EXPECT_EQ(picked, bar->Lookup("EditPaste"));
    EXPECT_EQ(window.Field(0).Text(), "ab12345678");
    t::PopUpCaptionsOf([&] { picked = bar->Item(1)->PopUp(); });
    EXPECT_FALSE(picked) << "closed without a pick";
}

} // namespace
