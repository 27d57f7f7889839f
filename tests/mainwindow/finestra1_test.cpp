// The check-code window driven the way a user drives it: keys typed into the field, clicks on the button,
// a right click for the Edit menu, the close box; what shows is read back from the controls and from pixels.
#include "app/menu.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"
#include "mainwindow/ar_list_box.h"
#include "mainwindow/finestra1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace drv = fw::testing;
using Rows = std::vector<std::string>;

// The shared menu bar is a module-level object: it goes before the process ends, as at the program's
// shut-down, while Qt is still whole (its menus hold platform windows once one has popped up).
class ReleaseMenuBar : public ::testing::Environment {
public:
    void TearDown() override { Menu::Exit(); }
};
[[maybe_unused]] const ::testing::Environment* const kReleaseMenuBar =
    ::testing::AddGlobalTestEnvironment(new ReleaseMenuBar);

void CloseForGood(const fw::Ref<Finestra1>& window) {
    if (window && window->IsOpen())
        window->Close();
    drv::ResetRunState(); // the main window's closing asked to quit; the next test starts a fresh run
    drv::ProcessEvents();
}

class Finestra1Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(w_ = implicit::Finestra1());
        drv::ProcessEvents();
    }
    void TearDown() override { CloseForGood(w_); }

    void Type(std::string_view text) {
        drv::TypeText(*w_->EditField1(), text);
        drv::ProcessEvents();
    }
    void Press(drv::Key key, unsigned modifiers = drv::NoModifier) {
        drv::PressKey(*w_->EditField1(), key, modifiers);
        drv::ProcessEvents();
    }
    bool Enabled() const { return w_->PushButton1()->Enabled(); }
    Rows ListRows() const {
        Rows rows;
        for (std::int32_t r = 0; r < w_->ARListBox1()->ListCount(); ++r)
            rows.push_back(w_->ARListBox1()->Cell(r, 0));
        return rows;
    }
    // Types the number into an emptied field and clicks the button.
    void Look(const std::string& number) {
        Press(drv::Key::End);
        Press(drv::Key::Home, drv::Shift);
        Press(drv::Key::Delete);
        Type(number);
        drv::Click(*w_->PushButton1());
        drv::ProcessEvents();
    }

    fw::Ref<Finestra1> w_;
};

// Typed into the emptied field, only the first eight digits go in: letters never count toward the eight that
// enable the button, and a click gives a check code only for eight digits.
TEST_F(Finestra1Test, StartsEmptyTakesOnlyDigitsAndEnablesTheButtonExactlyAtEight) {
    EXPECT_EQ(implicit::Finestra1(), w_) << "one window";
    EXPECT_EQ(w_->StaticText2()->Text(), "");
    EXPECT_EQ(ListRows(), Rows{});
    EXPECT_FALSE(Enabled());
    const std::pair<std::string, std::string> cases[] = {{"a", ""},
                                                         {"abcdefgh", ""},
                                                         {"1234567a", "1234567"},
                                                         {"a1b2c3d4 5-6.7,", "1234567"},
                                                         {"x1y2z3w4v5u6t7s8r9", "12345678"}};
    for (const auto& [typed, taken] : cases) {
        SCOPED_TRACE(typed);
        Look(typed);
        EXPECT_EQ(w_->EditField1()->Text(), taken);
        EXPECT_EQ(Enabled(), taken.size() == 8);
        EXPECT_EQ(w_->StaticText2()->Text(), taken.size() == 8 ? "12345678 60" : "");
    }
    Press(drv::Key::Backspace);
    EXPECT_FALSE(Enabled()) << "back to seven";
    // Replacing a selected digit keeps eight.
    Type("8");
    Press(drv::Key::Left, drv::Shift);
    Type("9");
    EXPECT_EQ(w_->EditField1()->Text(), "12345679");
    EXPECT_TRUE(Enabled());
}

// Sizes are laid out in pixels: at any screen resolution every caption, and a whole number in the field,
// fits its control instead of being cut.
TEST_F(Finestra1Test, CaptionsAndAWholeNumberFitTheirControls) {
    Type("88888888");
    for (fw::RectControl* c : std::initializer_list<fw::RectControl*>{
             w_->StaticText1().Get(), w_->EditField1().Get(), w_->PushButton1().Get(), w_->GroupBox1().Get(),
             w_->GroupBox2().Get()}) {
        const drv::ControlFacts facts = drv::Inspect(*c);
        EXPECT_LE(facts.textWidth, facts.rect.width - 6) << c->Name() << " shows \"" << facts.text << "\"";
    }
}

TEST(Finestra1Creation, AWindowThatCannotBeMadeIsANilObjectNamingIt) {
    drv::FailObjectCreations(1);
    EXPECT_THAT([] { implicit::Finestra1(); },
                testing::ThrowsMessage<fw::NilObjectException>(testing::HasSubstr("Finestra1.Finestra1")));
    drv::FailObjectCreations(0);
    EXPECT_FALSE(fw::GetImplicitWindow("Finestra1.Finestra1"));
}

// The captions are set before each control's property string, which must leave them alone.
TEST(Finestra1Captions, TranslationsReachEveryCaptionAndOutliveThePropertyStrings) {
    for (const char* key : {"nomefin", "matrAzi", "calcCCodice", "contrmatazi", "sediinpscorr"})
        fw::testing::SetTranslation(std::string("Localize.") + key, std::string(key) + "*");
    fw::Ref<Finestra1> w = implicit::Finestra1();
    fw::testing::ClearTranslations();
    EXPECT_EQ((Rows{w->Title(), w->StaticText1()->Text(), w->PushButton1()->Caption(),
                    w->GroupBox1()->Caption(), w->GroupBox2()->Caption()}),
              (Rows{"nomefin*", "matrAzi*", "calcCCodice*", "contrmatazi*", "sediinpscorr*"}));
    CloseForGood(w);
}

const Rows kMilan = {
    "4900 Milano",       "4901 Monza",           "4902 Milano Nord",    "4903 Milano Missori",
    "4904 Milano Fiori", "4905 Milano Corvetto", "4908 Milano Legnano", "4909 Milano Seregno (C.O.)",
    "4927 Lodi",         "4979 Vimercate",       "4991 Melegnano",      "4995 Desio (C.O.)"};

// Each press after a full list shows the number's result and only its offices, in office-code order.
TEST_F(Finestra1Test, APressShowsTheResultAndOnlyTheOfficesOfTheNumberInCodeOrder) {
    const std::pair<std::string, Rows> cases[] = {{"12345678 60", {"1200 Bergamo"}},
                                                  {"49123456 31", kMilan},
                                                  {"01234567 26", {"0100 Agrigento", "0101 Sciacca"}},
                                                  {"96000000 96", {}}};
    for (const auto& [result, rows] : cases) {
        Look("70000001");
        ASSERT_EQ(ListRows().size(), 20u);
        Look(result.substr(0, 8));
        EXPECT_EQ(w_->StaticText2()->Text(), result);
        EXPECT_EQ(ListRows(), rows);
    }
}

// Return presses the default button; editing afterwards, even back to eight digits, leaves the result.
TEST_F(Finestra1Test, ReturnPressesTheButtonAndEditingAfterwardsLeavesTheResult) {
    Type("49123456");
    Press(drv::Key::Return);
    Press(drv::Key::Backspace);
    Type("0");
    EXPECT_TRUE(Enabled());
    EXPECT_EQ(w_->StaticText2()->Text(), "49123456 31");
    EXPECT_EQ(ListRows(), kMilan);
}

// Rows 0, 2, 4 ... carry the tint under their text over the whole row, rows 1, 3 ... none of it: after a
// press has refilled the list and sorted it by code, and never with the list's switch off.
TEST_F(Finestra1Test, EvenRowsFromTheFirstAreTintedWholeUnderTheirTextAfterTheSort) {
    constexpr fw::Color kTint{237, 243, 254};
    Look("12345678");
    Look("70000001");
    ARListBox& list = *w_->ARListBox1();
    for (const bool on : {true, false}) {
        list.SetbAlternateRows(on);
        const drv::Image img = drv::Grab(list);
        for (int row = 0; row < 4; ++row) {
            SCOPED_TRACE(testing::Message() << "row " << row << (on ? "" : " switched off"));
            const drv::Rect r = drv::ListRowRect(list, row);
            int tint = 0, dark = 0, edge = 0;
            for (int y = r.y; y < r.y + r.height; ++y) {
                edge += img.At(r.x + r.width - 1, y) == kTint;
                for (int x = r.x; x < r.x + r.width; ++x) {
                    const fw::Color c = img.At(x, y);
                    tint += c == kTint;
                    dark += c.red < 128 && c.green < 128 && c.blue < 128;
                }
            }
            const bool tinted = on && row % 2 == 0;
            EXPECT_EQ(edge, tinted ? r.height : 0) << "the tint covers the row's height";
            EXPECT_EQ(tint * 3 >= r.width * r.height * 2, tinted) << tint << " tinted pixels";
            EXPECT_GT(dark, 0) << "the row's text shows";
        }
    }
}

TEST_F(Finestra1Test, ARightClickInTheFieldPopsUpTheEditMenuAndAPlainClickDoesNot) {
    const Rows shown = drv::PopUpCaptionsOf([&] { drv::RightClick(*w_->EditField1()); });
    EXPECT_EQ(shown, (Rows{"Annulla", "-", "Taglia", "Copia", "Incolla", "Cancella"}));
    EXPECT_FALSE(drv::PopupOpen()) << "the pop-up was closed";
    EXPECT_TRUE(drv::PopUpCaptionsOf([&] { drv::Click(*w_->EditField1()); }).empty());
}

TEST_F(Finestra1Test, ClosingTheWindowQuitsWithZero) {
    EXPECT_EQ(drv::RunAndCloseAsUser(*w_), 0);
    EXPECT_FALSE(fw::GetImplicitWindow("Finestra1.Finestra1"));
}

} // namespace
