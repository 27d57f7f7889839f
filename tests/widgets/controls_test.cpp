// Edit field, push button and label driven as a user drives them, and their events bound by name.
#include "main_like.h"

#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace {

using fw::Ref;
using testwindows::MainLike;
namespace t = fw::testing;
using t::Encode;
using namespace fw::prop;

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

// Typing takes ASCII digits up to the limit. The same text pasted is taken whole when typing took all of it,
// and refused whole otherwise: by keys, by the field's command and by the Edit menu's alike.
TEST_P(MaskedField, TypingTakesAsciiDigitsUpToTheLimitAndAPasteAllOrNothing) {
    const Typing& c = GetParam();
    t::TypeText(*field, c.typed);
    field->SetText(c.text); // the same text: no event
    EXPECT_EQ(std::tuple(field->Text(), t::Inspect(*field).text, w->textChanges),
              std::tuple(c.text, c.text, c.changes));
    const bool whole = std::string_view(c.typed) == c.text;
    Ref<fw::MenuItem> editPaste = fw::RuntimeNewObject<fw::MenuItem>();
    editPaste->SetName("EditPaste");
    t::SetClipboardText(c.typed);
    ASSERT_TRUE(t::WaitForWindowActive(*w)); // the Edit menu acts on the focused field of the active window
    const std::function<void()> pastes[] = {[&] { t::PressKey(*field, t::Key::V, t::Control); },
                                            [&] { field->Paste(); }, [&] { editPaste->Choose(); }};
    for (const auto& paste : pastes) {
        field->SetText("");
        const int changes = w->textChanges;
        paste();
        EXPECT_EQ(std::tuple(field->Text(), w->textChanges - changes),
                  std::tuple(whole ? c.text : "", whole ? 1 : 0))
            << &paste - pastes;
    }
}

// Arabic-Indic 3, full-width 5, superscript 2 and one half; Devanagari 1: digits, but not ASCII ones.
INSTANTIATE_TEST_SUITE_P(
    Keys, MaskedField,
    ::testing::Values(Typing{"12345678", "12345678", 8}, Typing{"123456789", "12345678", 8},
                      Typing{"1 2-3.4_a", "1234", 4}, Typing{"12345678 60", "12345678", 8},
                      Typing{"1234 5678", "12345678", 8},
                      Typing{"01234567890123456789012345678901234567890123456789", "01234567", 8},
                      Typing{"\xD9\xA3\xEF\xBC\x95\xC2\xB2\xC2\xBD", "", 0},
                      Typing{"\xE0\xA5\xA7\x39", "9", 1}));

TEST_F(ControlsTest, APasteOverASelectionCountsWhatItReplaces) {
    t::TypeText(*field, "12345678");
    for (int i = 0; i < 3; ++i)
        t::PressKey(*field, t::Key::Left, t::Shift);
    t::SetClipboardText("9999");
    t::PressKey(*field, t::Key::V, t::Control);
    EXPECT_TRUE(field->Text() == "12345678" && field->HasSelection());
    t::SetClipboardText("999");
    t::PressKey(*field, t::Key::V, t::Control);
    EXPECT_EQ(field->Text(), "12345999");
    field->Undo();
    EXPECT_EQ(field->Text(), "12345678") << "undo takes back the paste alone";
}

TEST_F(ControlsTest, LimitTextWithoutAMaskCountsCharactersAndRefusesAPasteWhole) {
    field->SetMask("");
    field->SetLimitText(3);
    t::TypeText(*field, "a\xC3\xA9");
    t::SetClipboardText("cd");
    t::PressKey(*field, t::Key::V, t::Control); // one character too many
    t::TypeText(*field, "de");
    EXPECT_EQ(field->Text(), "a\xC3\xA9"
                             "d");
    field->SetLimitText(0);
    t::TypeText(*field, "xyz");
    EXPECT_EQ(field->Text(), "a\xC3\xA9"
                             "dxyz");
}

// Text, mask and limit are checked against each other by the setters and in one string alike, where each
// value meets what the entries before it set; a refusal sets nothing.
TEST_F(ControlsTest, TextMaskAndLimitAreCheckedAgainstEachOther) {
    field->SetText("12");
    const int changes = w->textChanges;
    const auto set = [&](std::string s) { return [&, s] { fw::SetProperties(*field, s); }; };
    const std::function<void()> refused[] = {[&] { field->SetText("12a"); },
                                             [&] { field->SetText("123456789"); },
                                             [&] { field->SetMask("9"); },
                                             set(Encode({Str("Text", "123"), Str("Mask", "99")})),
                                             set(Encode({Str("Mask", "99"), Str("Text", "123")})),
                                             set(Encode({Int("LimitText", 2), Str("Text", "123")}))};
    for (const auto& r : refused) {
        EXPECT_THROW(r(), fw::InvalidArgumentException) << &r - refused;
        EXPECT_EQ(std::tuple(field->Text(), field->Mask(), field->LimitText(), w->textChanges),
                  std::tuple("12", "99999999", 8, changes));
    }
    EXPECT_THROW(field->SetMask("(999)"), fw::UnsupportedFormatException);
    // A lower limit cuts the text first: the mask then fits what is left.
    fw::SetProperties(*field, Encode({Int("LimitText", 1), Str("Mask", "9")}));
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
    EXPECT_EQ(MainLike::alive, 0);
}

// MouseDown learns whether the press is contextual; True keeps the press from the field, and a right click
// then shows no menu of Qt's: the handler decides what a contextual click shows.
TEST_F(ControlsTest, MouseDownTellsAContextualClickAndTrueKeepsThePressFromTheField) {
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    field->SetText("1234");
    t::PressKey(*field, t::Key::End);
    w->mouseDownAnswer = true;
    t::Click(*field, 2, 5); // would put the caret at the start
    t::TypeText(*field, "5");
    w->mouseDownAnswer = false;
    EXPECT_TRUE(t::PopUpCaptionsOf([&] { t::RightClick(*field, 7, 8); }).empty());
    t::Click(*field, 1, 5);
    t::TypeText(*field, "9");
    EXPECT_EQ(field->Text(), "912345");
    EXPECT_EQ(w->mouseDowns,
              (std::vector<std::tuple<int, int, bool>>{{2, 5, false}, {7, 8, true}, {1, 5, false}}));
    EXPECT_FALSE(fw::IsContextualClick()); // only while the press is handled
    // A field with no handler opens its own menu: the check above is real.
    Ref<fw::EditField> plain = testwindows::Add<fw::EditField>(*w, "Plain", testwindows::At(10, 10, 80, 22));
    EXPECT_FALSE(t::PopUpCaptionsOf([&] { t::RightClick(*plain); }).empty());
}

// Enter and Return press the default button and Esc the cancel button, each only while it is one and enabled.
TEST_F(ControlsTest, EnterAndEscPressTheDefaultAndTheCancelButton) {
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::PressKey(*field, t::Key::Enter); // disabled
    button->SetEnabled(true);
    t::PressKey(*w, t::Key::Enter);
    t::PressKey(*w, t::Key::Escape); // not the cancel button
    button->SetCancel(true);
    t::PressKey(*w, t::Key::Escape);
    button->SetDefault(false);
    t::PressKey(*w, t::Key::Return);
    EXPECT_EQ(w->actions, 2);
}

TEST_F(ControlsTest, BindingsThatDoNotFitAreRefusedAtBindTime) {
    auto label = w->ControlNamed<fw::StaticText>("StaticText2");
    const auto none = fw::RuntimeCreateDelegate(&MainLike::StaticText1_Open, *w, fw::kSignatureNone);
    const std::tuple<fw::Control&, const char*, fw::Delegate> refused[] = {
        {*field, "Action", none},                                       // no such event
        {*field, "textchange", none},                                   // names are exact
        {*field, "MouseDown", none},                                    // wrong shape
        {*label, "Open", fw::Delegate("(  )", fw::Delegate::OneInt{})}, // its text says another call
        {*w->FindControl("ARListBox1"), "CellBackgroundPaint", // the class's own, never an instance's
         fw::Delegate("( Graphics, Int32, Int32 ) as Boolean", fw::Delegate::TwoInts{})},
        {*field, "TextChange", none}, // one handler per event and control
    };
    for (const auto& [control, event, handler] : refused)
        EXPECT_THROW(control.InstallInstanceEventHandler(event, handler), fw::InvalidArgumentException)
            << event;
    EXPECT_THROW(label->InstallInstanceEventHandler("Open", fw::Delegate()), fw::NilObjectException);
    label->InstallInstanceEventHandler("Open", none);
    label->RaiseEvent("Open");
    EXPECT_EQ(w->log.back(), "StaticText1.Open");
    EXPECT_THROW(label->RaiseEvent("Open", 1), fw::InvalidArgumentException); // the wrong arguments
}

TEST_F(ControlsTest, HandlersRunWithTheControlAsSenderAndNestedEventsGiveItBack) {
    std::vector<Ref<fw::Control>> senders;
    w->onAction = [&](MainLike& self) {
        senders.push_back(fw::CurrentEventSender());
        field->SetText("1"); // raises TextChange inside Action
        senders.insert(senders.end(), {self.lastSender, fw::CurrentEventSender()});
    };
    button->SetEnabled(true);
    button->Push();
    senders.push_back(fw::CurrentEventSender());
    EXPECT_EQ(senders, (std::vector<Ref<fw::Control>>{button, field, button, nullptr}));
}

TEST_F(ControlsTest, AHandlersExceptionPassesOutInAndOutOfTheLoopAndLeavesTheButtonUsable) {
    button->SetEnabled(true);
    w->onAction = [](MainLike&) { throw fw::NilObjectException("from the handler"); };
    ASSERT_THROW(button->Push(), fw::NilObjectException); // held across Qt's frames; else the run below hangs
    EXPECT_EQ(fw::CurrentEventSender(), nullptr);
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::After(0, [&] { t::Click(*button); });
    EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException); // in the loop it ends the run
    t::ResetRunState();
    w->onAction = nullptr;
    t::Click(*button);
    EXPECT_EQ(w->actions, 3);
}

} // namespace
