// Edit field, push button and label driven as a user drives them, and their events bound by name.
#include "main_like.h"

#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/driver_runtime.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace {

using fw::Ref;
using testwindows::MainLike;
namespace t = fw::testing;

class ControlsTest : public ::testing::Test {
protected:
    void TearDown() override {
        t::ClosePopups();
        t::CloseAllWindows();
    }

    Ref<MainLike> w = testwindows::OpenMainLike();
    Ref<fw::EditField> field = w->ControlNamed<fw::EditField>("EditField1");
    Ref<fw::PushButton> button = w->ControlNamed<fw::PushButton>("PushButton1");
};

struct Typing {
    const char* typed;
    const char* text; // what the field then holds
    int changes;      // TextChange events
};

class MaskedField : public ControlsTest, public ::testing::WithParamInterface<Typing> {};

TEST_P(MaskedField, AdmitsOnlyAsciiDigitsUpToTheLimit) {
    const Typing& c = GetParam();
    t::TypeText(*field, c.typed);
    EXPECT_EQ(field->Text(), c.text);
    EXPECT_EQ(t::Inspect(*field).text, c.text);
    EXPECT_EQ(w->textChanges, c.changes);
}

// The same text pasted is taken whole when typing takes all of it, and refused whole otherwise: by keys, by
// the field's command and by the Edit menu's alike.
TEST_P(MaskedField, APasteIsTakenWholeOrLeavesTheFieldAsItWas) {
    const Typing& c = GetParam();
    const bool whole = std::string_view(c.typed) == c.text;
    Ref<fw::MenuItem> editPaste = fw::RuntimeNewObject<fw::MenuItem>();
    editPaste->SetName("EditPaste");
    t::SetClipboardText(c.typed);
    t::PressKey(*field, t::Key::End); // the Edit menu acts on the focused field of the active window
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    const std::function<void()> pastes[] = {[&] { t::PressKey(*field, t::Key::V, t::Control); },
                                            [&] { field->Paste(); }, [&] { editPaste->Choose(); }};
    for (const auto& paste : pastes) {
        SCOPED_TRACE(&paste - pastes);
        field->SetText("");
        const int changes = w->textChanges;
        paste();
        EXPECT_EQ(field->Text(), whole ? c.text : "");
        EXPECT_EQ(w->textChanges - changes, whole && *c.text ? 1 : 0);
    }
}

// Arabic-Indic 3, full-width 5, superscript 2 and one half; Devanagari 1: digits, but not ASCII ones.
INSTANTIATE_TEST_SUITE_P(
    Keys, MaskedField,
    ::testing::Values(Typing{"12345678", "12345678", 8}, Typing{"1234567890", "12345678", 8},
                      Typing{"012345678", "01234567", 8}, Typing{"12345678 60", "12345678", 8},
                      Typing{"01234567890123456789012345678901234567890123456789", "01234567", 8},
                      Typing{"12ab34", "1234", 4}, Typing{"1 2-3.4_", "1234", 4},
                      Typing{"\xD9\xA3\xEF\xBC\x95\xC2\xB2\xC2\xBD", "", 0},
                      Typing{"\xE0\xA5\xA7\x39", "9", 1}, Typing{"", "", 0}));

TEST_F(ControlsTest, TextChangeFollowsRealChangesOnly) {
    t::TypeText(*field, "12345678");
    t::TypeText(*field, "9"); // refused: no change, no event
    t::PressKey(*field, t::Key::Backspace);
    field->SetText("1234567"); // the same text: nothing happens
    EXPECT_EQ(w->textChanges, 9);
    field->SetText("87654321");
    EXPECT_EQ(w->textChanges, 10);
}

TEST_F(ControlsTest, APasteOverASelectionCountsWhatItReplaces) {
    t::TypeText(*field, "12345678");
    for (int i = 0; i < 3; ++i)
        t::PressKey(*field, t::Key::Left, t::Shift);
    t::SetClipboardText("9999");
    t::PressKey(*field, t::Key::V, t::Control);
    EXPECT_EQ(field->Text(), "12345678");
    EXPECT_TRUE(field->HasSelection());
    t::SetClipboardText("999");
    t::PressKey(*field, t::Key::V, t::Control);
    EXPECT_EQ(field->Text(), "12345999");
    field->Undo();
    EXPECT_EQ(field->Text(), "12345678") << "undo takes back the paste alone";
}

TEST_F(ControlsTest, CodeCannotPutWhatTheMaskRefusesIntoTheField) {
    field->SetText("123");
    for (const char* bad : {"12a", "123456789", "\xD9\xA3"}) {
        EXPECT_THROW(field->SetText(bad), fw::InvalidArgumentException) << bad;
        EXPECT_EQ(field->Text(), "123");
    }
    EXPECT_THROW(field->SetMask("(999)"), fw::UnsupportedFormatException);
    EXPECT_THROW(field->SetMask("99"), fw::InvalidArgumentException); // it would refuse the text
    EXPECT_EQ(field->Mask(), "99999999");
    EXPECT_EQ(field->Text(), "123");
}

// In one string each value is checked against what the entries before it set, and a refusal sets nothing.
TEST_F(ControlsTest, AStringChecksTextMaskAndLimitAgainstEachOther) {
    using W = testwindows::W;
    field->SetText("12");
    const int changes = w->textChanges;
    for (const W& s :
         {W().String("Text", "123").String("Mask", "99"), W().String("Mask", "99").String("Text", "123"),
          W().Integer("LimitText", 2).String("Text", "123")}) {
        EXPECT_THROW(fw::SetProperties(*field, s.Bytes()), fw::InvalidArgumentException);
        EXPECT_EQ((std::vector{field->Text(), field->Mask()}), (std::vector<fw::Text>{"12", "99999999"}));
        EXPECT_EQ(field->LimitText(), 8);
        EXPECT_EQ(w->textChanges, changes);
    }
    // A lower limit cuts the text first: the mask then fits what is left.
    fw::SetProperties(*field, W().Integer("LimitText", 1).String("Mask", "9").Bytes());
    EXPECT_EQ(field->Text(), "1");
}

// Controls held past their window raise nothing: their handlers belonged to the window that is gone.
TEST_F(ControlsTest, ControlsHeldPastTheirWindowRaiseNoEvents) {
    w->Close();
    w = nullptr;
    t::ProcessEvents();
    button->SetEnabled(true);
    field->SetText("1234"); // would run EditField1_TextChange on the released window
    button->Push();         // would run PushButton1_Action
    EXPECT_TRUE(field->Window().IsNil());
    EXPECT_EQ(MainLike::alive, 0);
}

TEST_F(ControlsTest, LimitTextWithoutAMask) {
    field->SetMask("");
    field->SetLimitText(3);
    t::TypeText(*field, "a\xC3\xA9");
    t::SetClipboardText("cd");
    t::PressKey(*field, t::Key::V, t::Control); // one character too many: refused whole, not cut
    t::TypeText(*field, "de");
    EXPECT_EQ(field->Text(), "a\xC3\xA9"
                             "d"); // three characters, one of them two bytes
    field->SetLimitText(0);
    t::TypeText(*field, "xyz");
    EXPECT_EQ(field->Text(), "a\xC3\xA9"
                             "dxyz");
}

TEST_F(ControlsTest, ReadOnlyPasswordAlignmentAndBorder) {
    fw::SetProperties(*field, testwindows::W()
                                  .Boolean("ReadOnly", true)
                                  .Boolean("Password", true)
                                  .Boolean("Border", false)
                                  .Integer("Alignment", 3)
                                  .Bytes());
    const t::ControlFacts f = t::Inspect(*field);
    EXPECT_TRUE(f.readOnly && f.password && !f.frame && f.alignment == 2);
    t::TypeText(*field, "12");
    EXPECT_EQ(field->Text(), "");
}

TEST_F(ControlsTest, MouseDownTellsAContextualClickAndKeepsQtsMenuAway) {
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::Click(*field, 5, 6);
    t::RightClick(*field, 7, 8);
    t::ProcessEvents();
    EXPECT_EQ(w->mouseDowns, (std::vector<std::tuple<int, int, bool>>{{5, 6, false}, {7, 8, true}}));
    EXPECT_FALSE(fw::IsContextualClick()); // only while the press is handled
    EXPECT_FALSE(t::PopupOpen());          // the handler decides what a contextual click shows
    // The same right click on a field with no handler opens the field's own menu: the check above is real.
    Ref<fw::EditField> plain = w->New<fw::EditField>();
    plain->Constructor();
    w->AddControl("Plain", plain);
    fw::SetProperties(*plain, testwindows::At(10, 10, 80, 22).Bytes());
    t::RightClick(*plain);
    t::ProcessEvents();
    EXPECT_TRUE(t::PopupOpen());
}

TEST_F(ControlsTest, AMouseDownAnswerOfTrueKeepsThePressFromTheField) {
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    field->SetText("1234");
    t::PressKey(*field, t::Key::End);
    w->mouseDownAnswer = true;
    t::Click(*field, 2, 5); // would put the caret at the start
    t::TypeText(*field, "5");
    EXPECT_EQ(field->Text(), "12345");
    w->mouseDownAnswer = false;
    t::Click(*field, 1, 5);
    t::TypeText(*field, "9");
    EXPECT_EQ(field->Text(), "912345");
}

TEST_F(ControlsTest, ButtonsActOnClicksEnterAndEsc) {
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::Click(*button);
    EXPECT_EQ(w->actions, 0); // disabled
    button->SetEnabled(true);
    t::Click(*button);
    EXPECT_EQ(w->actions, 1);
    // Enter in the field presses the default button; Esc presses none until one is the cancel button.
    t::PressKey(*field, t::Key::Home);
    t::PressKey(*w, t::Key::Return);
    t::PressKey(*w, t::Key::Enter);
    t::PressKey(*w, t::Key::Escape);
    EXPECT_EQ(w->actions, 3);
    button->SetCancel(true);
    t::PressKey(*w, t::Key::Escape);
    button->SetDefault(false);
    t::PressKey(*w, t::Key::Return);
    EXPECT_EQ(w->actions, 4);
}

TEST_F(ControlsTest, TitlesCaptionsAndLabelsShowAsWritten) {
    w->SetTitle("Draft [*] & Co");
    EXPECT_EQ(t::Inspect(*w).title, "Draft [*] & Co"); // not Qt's mark of a modified window
    button->SetCaption("Save & Quit");
    EXPECT_EQ(t::Inspect(*button).text, "Save && Quit"); // Qt's escape: no shortcut mark
    auto label = w->ControlNamed<fw::StaticText>("StaticText2");
    label->SetText("<b>12345678 60</b>");
    EXPECT_EQ(t::Inspect(*label).text, "<b>12345678 60</b>");
}

TEST_F(ControlsTest, BindingsThatDoNotFitAreRefusedAtBindTime) {
    auto list = w->ControlNamed<testlists::ShadedList>("ARListBox1");
    auto label = w->ControlNamed<fw::StaticText>("StaticText2");
    const auto none = fw::RuntimeCreateDelegate(&MainLike::StaticText1_Open, *w, fw::kSignatureNone);
    const auto one = fw::RuntimeCreateDelegate(&MainLike::ARListBox1_SortColumn, *w, fw::kSignatureInt);
    const fw::Delegate twoInts("( Graphics, Int32, Int32 ) as Boolean", fw::Delegate::TwoInts{});
    const struct {
        fw::Control& control;
        const char* event;
        fw::Delegate handler;
    } refused[] = {
        {*field, "Action", none},
        {*field, "textchange", none},
        {*label, "TextChange", none}, // no such event
        {*field, "MouseDown", none},
        {*list, "SortColumn", none},
        {*field, "TextChange", one},                                    // wrong shape
        {*label, "Open", fw::Delegate("(  )", fw::Delegate::OneInt{})}, // its text says another call
        {*list, "CellBackgroundPaint", twoInts}, // the class's own event, never an instance's
        {*field, "TextChange", none},            // one handler per event and control
    };
    for (const auto& r : refused)
        EXPECT_THROW(r.control.InstallInstanceEventHandler(r.event, r.handler), fw::InvalidArgumentException)
            << r.control.Name() << " " << r.event;
    EXPECT_THROW(label->InstallInstanceEventHandler("Open", fw::Delegate()), fw::NilObjectException);
    label->InstallInstanceEventHandler("Open", none);
    label->RaiseEvent("Open");
    EXPECT_EQ(w->log.back(), "StaticText1.Open");
    EXPECT_THROW(label->RaiseEvent("Open", 1), fw::InvalidArgumentException); // the wrong arguments
}

TEST_F(ControlsTest, HandlersRunOnTheWindowWithTheControlAsSenderAndNestedEventsGiveItBack) {
    Ref<fw::Control> seenSender, afterInner;
    fw::Window* seenOwner = nullptr;
    w->onAction = [&](MainLike& self) {
        seenSender = fw::CurrentEventSender();
        seenOwner = &self;
        self.ControlNamed<fw::EditField>("EditField1")->SetText("1"); // raises TextChange inside Action
        afterInner = fw::CurrentEventSender();
    };
    button->SetEnabled(true);
    button->Push();
    EXPECT_EQ(seenSender, Ref<fw::Control>(button));
    EXPECT_EQ(seenOwner, w.Get());
    EXPECT_EQ(w->lastSender, Ref<fw::Control>(field)); // TextChange's sender
    EXPECT_EQ(afterInner, Ref<fw::Control>(button));
    EXPECT_EQ(fw::CurrentEventSender(), nullptr);
}

TEST_F(ControlsTest, AHandlersExceptionPassesOutInAndOutOfTheLoopAndLeavesTheControlUsable) {
    button->SetEnabled(true);
    w->onAction = [](MainLike&) { throw fw::NilObjectException("from the handler"); };
    ASSERT_THROW(button->Push(), fw::NilObjectException); // held across Qt's frames; else the run below hangs
    EXPECT_EQ(fw::CurrentEventSender(), nullptr);
    // During the event loop, the failure ends the run with it.
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::After(0, [&] { t::Click(*button); });
    EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException);
    t::ResetRunState();
    w->onAction = nullptr;
    t::Click(*button); // the button was left in order
    EXPECT_EQ(w->actions, 3);
}

} // namespace
