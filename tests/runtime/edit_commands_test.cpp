#include "menu_fixture.h"

#include "framework/testing/driver_runtime.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

using fw::MenuItem;
using fw::Ref;

// A window with two entry fields and the program's bar; field 0 is focused and holds "12345678".
class EditCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Activate());
        window.SetFieldText(0, "12345678");
        window.SetFieldText(1, "other");
        window.FocusField(0);
        fw::testing::SetClipboardText("");
    }
    Ref<MenuItem> Item(const char* name) const { return bar->Lookup(name); }
    void Choose(const char* name) { Item(name)->Choose(); }

    Ref<fw::MenuBar> bar = ProgramLikeBar();
    fw::testing::MenuWindow window{*bar, 2};
};

TEST_F(EditCommands, CopyPutsTheSelectionOnTheClipboardAndLeavesTheField) {
    window.SelectInField(0, 0, 4);
    Choose("EditCopy");
    EXPECT_EQ(fw::testing::ClipboardText(), "1234");
    EXPECT_EQ(window.FieldText(0), "12345678");
}

TEST_F(EditCommands, CutMovesTheSelectionToTheClipboard) {
    window.SelectInField(0, 2, 3);
    Choose("EditCut");
    EXPECT_EQ(fw::testing::ClipboardText(), "345");
    EXPECT_EQ(window.FieldText(0), "12678");
}

TEST_F(EditCommands, PasteReplacesTheSelectionWithTheClipboard) {
    fw::testing::SetClipboardText("99");
    window.SelectInField(0, 0, 2);
    Choose("EditPaste");
    EXPECT_EQ(window.FieldText(0), "99345678");
}

TEST_F(EditCommands, ClearDeletesTheSelectionWithoutTouchingTheClipboard) {
    fw::testing::SetClipboardText("keep");
    window.SelectInField(0, 4, 4);
    Choose("EditClear");
    EXPECT_EQ(window.FieldText(0), "1234");
    EXPECT_EQ(fw::testing::ClipboardText(), "keep");
}

TEST_F(EditCommands, UndoTakesBackTheLastChange) {
    window.SelectInField(0, 0, 8);
    Choose("EditCut");
    ASSERT_EQ(window.FieldText(0), "");
    Choose("EditUndo");
    EXPECT_EQ(window.FieldText(0), "12345678");
}

TEST_F(EditCommands, CommandsActOnTheFocusedFieldOnly) {
    window.FocusField(1);
    window.SelectInField(1, 0, 5);
    window.SelectInField(0, 0, 8);
    Choose("EditCut");
    EXPECT_EQ(window.FieldText(0), "12345678");
    EXPECT_EQ(window.FieldText(1), "");
    EXPECT_EQ(fw::testing::ClipboardText(), "other");
}

struct Enabling {
    const char* what;
    bool select;
    bool readOnly;
    const char* clipboard;
    // Expected enabled state of Undo, Cut, Copy, Paste, Clear.
    bool undo, cut, copy, paste, clear;
};

class EditEnabling : public EditCommands, public ::testing::WithParamInterface<Enabling> {};

TEST_P(EditEnabling, ItemsAreEnabledExactlyWhenTheirCommandCanAct) {
    const Enabling& c = GetParam();
    window.SetFieldReadOnly(0, c.readOnly);
    fw::testing::SetClipboardText(c.clipboard);
    if (c.select)
        window.SelectInField(0, 0, 3);
    // No explicit refresh: the items follow selection, clipboard and focus on their own.
    EXPECT_EQ(Item("EditUndo")->Enabled(), c.undo) << c.what;
    EXPECT_EQ(Item("EditCut")->Enabled(), c.cut) << c.what;
    EXPECT_EQ(Item("EditCopy")->Enabled(), c.copy) << c.what;
    EXPECT_EQ(Item("EditPaste")->Enabled(), c.paste) << c.what;
    EXPECT_EQ(Item("EditClear")->Enabled(), c.clear) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    States, EditEnabling,
    ::testing::Values(
        Enabling{"no selection, empty clipboard", false, false, "", false, false, false, false, false},
        Enabling{"no selection, text on clipboard", false, false, "1", false, false, false, true, false},
        Enabling{"selection", true, false, "", false, true, true, false, true},
        Enabling{"read-only with selection", true, true, "1", false, false, true, false, false}),
    [](const ::testing::TestParamInfo<Enabling>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST_F(EditCommands, WithoutAFocusedFieldEveryEditItemIsDisabledAndDoesNothing) {
    fw::testing::MenuWindow plain(*bar, 0);
    ASSERT_TRUE(plain.Activate());
    fw::testing::SetClipboardText("zz");
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
        EXPECT_FALSE(Item(name)->Enabled()) << name;
    Choose("EditPaste");
    EXPECT_EQ(window.FieldText(0), "12345678");
}

TEST_F(EditCommands, EnabledStateFollowsEditsAfterUndo) {
    EXPECT_FALSE(Item("EditUndo")->Enabled()) << "setting the text leaves nothing to undo";
    window.TypeInField(0, "9");
    EXPECT_TRUE(Item("EditUndo")->Enabled());
}

TEST_F(EditCommands, ApplicationHandlerTakesTheCommandOver) {
    Ref<CountingApp> app = fw::MakeRef<CountingApp>();
    app->SetMenuBar(bar);
    fw::RuntimeRegisterAppObject(app);
    app->AddMenuHandler("EditCopy", &CountingApp::Copy);
    window.SelectInField(0, 0, 2);
    Choose("EditCopy");
    EXPECT_EQ(app->copy, 1);
    EXPECT_EQ(fw::testing::ClipboardText(), "") << "handled by the application";
    app->copyHandles = false;
    Choose("EditCopy");
    EXPECT_EQ(app->copy, 2);
    EXPECT_EQ(fw::testing::ClipboardText(), "12") << "not handled: the layer's own copy runs";
}

TEST_F(EditCommands, PickedFromAPopUpTheCommandActsOnTheFieldThatHadFocus) {
    window.SelectInField(0, 0, 3);
    fw::testing::CloseActivePopUpSoon("EditCopy");
    Ref<MenuItem> picked = Item("EditMenu")->PopUp();
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->Name(), "EditCopy");
    EXPECT_EQ(fw::testing::ClipboardText(), "123");
}

} // namespace
