// Edit field, push button, label and image well driven as a user drives them.
#include "main_like.h"

#include "framework/image_well.h"
#include "framework/testing/driver.h"

#include <gtest/gtest.h>

namespace {

using fw::Ref;
using testwindows::MainLike;
using testwindows::OpenMainLike;
namespace t = fw::testing;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        w = OpenMainLike();
        field = w->ControlNamed<fw::EditField>("EditField1");
        button = w->ControlNamed<fw::PushButton>("PushButton1");
    }
    void TearDown() override {
        t::ClosePopups();
        t::CloseAllWindows();
    }

    Ref<MainLike> w;
    Ref<fw::EditField> field;
    Ref<fw::PushButton> button;
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

INSTANTIATE_TEST_SUITE_P(Keys, MaskedField,
                         ::testing::Values(Typing{"12345678", "12345678", 8},
                                           Typing{"1234567890", "12345678", 8}, Typing{"12ab34", "1234", 4},
                                           Typing{"1 2-3.4_", "1234", 4},
                                           Typing{"\xD9\xA3\xEF\xBC\x95\xC2\xB2\xC2\xBD", "",
                                                  0}, // Arabic-Indic 3, full-width 5, ², ½
                                           Typing{"\xE0\xA5\xA7"
                                                  "9",
                                                  "9", 1},
                                           Typing{"", "", 0}));

TEST_F(ControlsTest, TextChangeFollowsRealChangesOnly) {
    t::TypeText(*field, "1234567");
    EXPECT_FALSE(button->Enabled());
    t::TypeText(*field, "8");
    EXPECT_TRUE(button->Enabled()); // the handler saw 8 characters
    EXPECT_TRUE(t::Inspect(*button).enabled);
    t::TypeText(*field, "9"); // refused: no change, no event
    EXPECT_EQ(w->textChanges, 8);
    t::PressKey(*field, t::Key::Backspace);
    EXPECT_EQ(w->textChanges, 9);
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(w->lastSender, Ref<fw::Control>(field));

    field->SetText("1234567"); // the same text: nothing happens
    EXPECT_EQ(w->textChanges, 9);
    field->SetText("87654321");
    EXPECT_EQ(w->textChanges, 10);
    EXPECT_TRUE(button->Enabled());
}

TEST_F(ControlsTest, CodeCannotPutWhatTheMaskRefusesIntoTheField) {
    field->SetText("123");
    for (const char* bad : {"12a", "123456789", "\xD9\xA3"}) {
        EXPECT_THROW(field->SetText(bad), fw::InvalidArgumentException) << bad;
        EXPECT_EQ(field->Text(), "123");
    }
    EXPECT_THROW(field->SetMask("(999)"), fw::UnsupportedFormatException);
    EXPECT_EQ(field->Mask(), "99999999");
}

TEST_F(ControlsTest, LimitTextWithoutAMask) {
    field->SetMask("");
    field->SetLimitText(3);
    t::TypeText(*field, "ab\xC3\xA9"
                        "d");
    EXPECT_EQ(field->Text(), "ab\xC3\xA9"); // three characters, one of them two bytes
    field->SetLimitText(0);
    t::TypeText(*field, "xyz");
    EXPECT_EQ(field->Text(), "ab\xC3\xA9xyz");
}

TEST_F(ControlsTest, ReadOnlyPasswordAlignmentAndBorder) {
    fw::SetProperties(*field, fw::PropertyStringWriter()
                                  .Boolean("ReadOnly", true)
                                  .Boolean("Password", true)
                                  .Boolean("Border", false)
                                  .Integer("Alignment", 3)
                                  .Bytes());
    const t::ControlFacts f = t::Inspect(*field);
    EXPECT_TRUE(f.readOnly);
    EXPECT_TRUE(f.password);
    EXPECT_FALSE(f.frame);
    EXPECT_EQ(f.alignment, 2);
    t::TypeText(*field, "12");
    EXPECT_EQ(field->Text(), "");
}

TEST_F(ControlsTest, MouseDownTellsAContextualClickAndKeepsQtsMenuAway) {
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::Click(*field, 5, 6);
    t::RightClick(*field, 7, 8);
    t::ProcessEvents();
    ASSERT_EQ(w->mouseDowns.size(), 2u);
    EXPECT_EQ(w->mouseDowns[0].x, 5);
    EXPECT_EQ(w->mouseDowns[0].y, 6);
    EXPECT_FALSE(w->mouseDowns[0].contextual);
    EXPECT_TRUE(w->mouseDowns[1].contextual);
    EXPECT_FALSE(fw::IsContextualClick()); // only while the press is handled
    EXPECT_FALSE(t::PopupOpen());          // the handler decides what a contextual click shows
}

TEST_F(ControlsTest, WithoutAMouseDownHandlerTheFieldKeepsItsOwnMenu) {
    // The same right click on a field with no handler opens the field's own menu: the check above is real.
    Ref<fw::EditField> plain = w->New<fw::EditField>();
    plain->Constructor();
    w->AddControl("Plain", plain);
    fw::SetProperties(*plain, fw::PropertyStringWriter().Integer("Left", 10).Integer("Top", 10).Bytes());
    ASSERT_TRUE(t::WaitForWindowActive(*w));
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
    EXPECT_EQ(w->lastSender, Ref<fw::Control>(button));

    // Enter in the field presses the default button; Esc presses none until one is the cancel button.
    t::PressKey(*field, t::Key::Home);
    t::PressKey(*w, t::Key::Return);
    EXPECT_EQ(w->actions, 2);
    t::PressKey(*w, t::Key::Enter);
    EXPECT_EQ(w->actions, 3);
    t::PressKey(*w, t::Key::Escape);
    EXPECT_EQ(w->actions, 3);
    button->SetCancel(true);
    t::PressKey(*w, t::Key::Escape);
    EXPECT_EQ(w->actions, 4);
    button->SetDefault(false);
    t::PressKey(*w, t::Key::Return);
    EXPECT_EQ(w->actions, 4);
    button->SetEnabled(false);
    button->Push();
    t::PressKey(*w, t::Key::Escape);
    EXPECT_EQ(w->actions, 4);
}

TEST_F(ControlsTest, CaptionsShowAmpersandsAsWritten) {
    button->SetCaption("Save & Quit");
    EXPECT_EQ(button->Caption(), "Save & Quit");
    EXPECT_EQ(t::Inspect(*button).text, "Save && Quit"); // Qt's escape: no shortcut mark
    auto label = w->ControlNamed<fw::StaticText>("StaticText2");
    label->SetText("<b>12345678 60</b>");
    EXPECT_EQ(t::Inspect(*label).text, "<b>12345678 60</b>");
}

TEST_F(ControlsTest, LabelTextAlignColourAndFont) {
    auto label = w->ControlNamed<fw::StaticText>("StaticText1");
    fw::SetProperties(*label, fw::PropertyStringWriter()
                                  .Integer("TextAlign", 2)
                                  .Colour("TextColor", fw::Color{10, 20, 30})
                                  .Boolean("Bold", true)
                                  .Boolean("Italic", true)
                                  .Boolean("Underline", true)
                                  .String("TextFont", "DejaVu Serif")
                                  .Integer("TextSize", 0)
                                  .Bytes());
    const t::ControlFacts f = t::Inspect(*label);
    EXPECT_EQ(f.alignment, 2);
    EXPECT_EQ(f.textColor, (fw::Color{10, 20, 30}));
    EXPECT_TRUE(f.bold && f.italic && f.underline);
    EXPECT_EQ(f.fontFamily, "DejaVu Serif");
    EXPECT_FALSE(f.defaultFont);
}

TEST_F(ControlsTest, ImageWellShowsThePictureThroughItsEntryPoint) {
    Ref<fw::ImageWell> well = w->New<fw::ImageWell>();
    well->Constructor();
    w->AddControl("ImageWell1", well);
    fw::SetProperties(*well, fw::PropertyStringWriter()
                                 .Integer("Left", 0)
                                 .Integer("Top", 0)
                                 .Integer("Width", 40)
                                 .Integer("Height", 30)
                                 .Bytes());
    const fw::Color green{0, 160, 0};
    Ref<fw::Picture> picture = t::SolidPicture(40, 30, green);
    well->SetImage(picture);
    EXPECT_EQ(well->Image(), picture);
    EXPECT_EQ(t::PixelAt(*well, 20, 15), green);
    well->SetImage(nullptr);
    EXPECT_EQ(well->Image(), nullptr);
    EXPECT_NE(t::PixelAt(*well, 20, 15), green);
}

} // namespace
