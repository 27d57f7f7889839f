// The check-code window driven the way a user drives it: keys typed into the field, clicks on the button,
// a right click for the Edit menu, the close box; what shows is read back from the controls and from pixels.
#include "app/menu.h"
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver.h"
#include "framework/testing/driver_mainwin.h"
#include "framework/testing/run_control.h"
#include "mainwindow/ar_list_box.h"
#include "mainwindow/finestra1.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
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

void Type(fw::EditField& field, std::string_view text) {
    drv::TypeText(field, text);
    drv::ProcessEvents();
}

void Press(fw::RectControl& control, drv::Key key, unsigned modifiers = drv::NoModifier) {
    drv::PressKey(control, key, modifiers);
    drv::ProcessEvents();
}

class Finestra1Test : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = implicit::Finestra1();
        ASSERT_TRUE(window_);
        drv::ProcessEvents();
    }
    void TearDown() override { CloseForGood(window_); }

    Finestra1& W() { return *window_; }
    Rows ListRows() {
        Rows rows;
        for (std::int32_t r = 0; r < W().ARListBox1()->ListCount(); ++r)
            rows.push_back(W().ARListBox1()->Cell(r, 0));
        return rows;
    }
    void ClearField() {
        drv::PressKey(*W().EditField1(), drv::Key::End);
        drv::PressKey(*W().EditField1(), drv::Key::Home, drv::Shift);
        Press(*W().EditField1(), drv::Key::Delete);
    }
    // Types the number into an emptied field and clicks the button.
    void Look(const std::string& number) {
        ClearField();
        Type(*W().EditField1(), number);
        drv::Click(*W().PushButton1());
        drv::ProcessEvents();
    }

    fw::Ref<Finestra1> window_;
};

TEST_F(Finestra1Test, IsOneWindowThatStartsEmptyWithTheButtonDisabled) {
    EXPECT_EQ(implicit::Finestra1(), window_);
    EXPECT_EQ(W().EditField1()->Text(), "");
    EXPECT_FALSE(W().PushButton1()->Enabled());
    EXPECT_EQ(W().StaticText2()->Text(), "");
    EXPECT_EQ(W().ARListBox1()->ListCount(), 0);
}

// Sizes are laid out in pixels: at any screen resolution every caption, and a whole number in the field,
// fits its control instead of being cut.
TEST_F(Finestra1Test, CaptionsAndAWholeNumberFitTheirControls) {
    Type(*W().EditField1(), "88888888");
    for (fw::RectControl* c : {static_cast<fw::RectControl*>(W().StaticText1().Get()),
                               static_cast<fw::RectControl*>(W().EditField1().Get()),
                               static_cast<fw::RectControl*>(W().PushButton1().Get()),
                               static_cast<fw::RectControl*>(W().GroupBox1().Get()),
                               static_cast<fw::RectControl*>(W().GroupBox2().Get())}) {
        const drv::ControlFacts facts = drv::Inspect(*c);
        EXPECT_LE(facts.textWidth, facts.rect.width - 6) << c->Name() << " shows \"" << facts.text << "\"";
    }
}

TEST(Finestra1Creation, AWindowThatCannotBeMadeIsANilObjectNamingIt) {
    drv::FailObjectCreations(1);
    try {
        implicit::Finestra1();
        ADD_FAILURE() << "no exception";
    } catch (const fw::NilObjectException& e) {
        EXPECT_NE(std::string(e.what()).find("Finestra1.Finestra1"), std::string::npos) << e.what();
    }
    drv::FailObjectCreations(0);
    EXPECT_FALSE(fw::GetImplicitWindow("Finestra1.Finestra1"));
}

// The captions are set before each control's property string, which must leave them alone.
TEST(Finestra1Captions, TranslationsReachEveryCaptionAndOutliveThePropertyStrings) {
    fw::SetTranslation("Localize.nomefin", "Check digits");
    fw::SetTranslation("Localize.matrAzi", "Employer number");
    fw::SetTranslation("Localize.calcCCodice", "Compute");
    fw::SetTranslation("Localize.contrmatazi", "Check code");
    fw::SetTranslation("Localize.sediinpscorr", "INPS offices");
    fw::Ref<Finestra1> w = implicit::Finestra1();
    fw::ClearTranslations();
    EXPECT_EQ(w->Title(), "Check digits");
    EXPECT_EQ(w->StaticText1()->Text(), "Employer number");
    EXPECT_EQ(w->PushButton1()->Caption(), "Compute");
    EXPECT_EQ(w->GroupBox1()->Caption(), "Check code");
    EXPECT_EQ(w->GroupBox2()->Caption(), "INPS offices");
    CloseForGood(w);
}

TEST_F(Finestra1Test, ButtonIsEnabledExactlyAtEightCharactersBothWays) {
    fw::EditField& field = *W().EditField1();
    Type(field, "1234567");
    EXPECT_FALSE(W().PushButton1()->Enabled()) << "seven characters";
    Type(field, "8");
    EXPECT_TRUE(W().PushButton1()->Enabled()) << "eight characters";
    Press(field, drv::Key::Backspace);
    EXPECT_FALSE(W().PushButton1()->Enabled()) << "back to seven";
    Type(field, "8");
    EXPECT_TRUE(W().PushButton1()->Enabled()) << "eight again";
    // Replacing a selected digit keeps the length at eight, and the button on.
    Press(field, drv::Key::End);
    Press(field, drv::Key::Left, drv::Shift);
    Type(field, "9");
    EXPECT_EQ(W().EditField1()->Text(), "12345679");
    EXPECT_TRUE(W().PushButton1()->Enabled()) << "after a replace at eight";
    // The field takes no ninth digit and no letter.
    Type(field, "0a");
    EXPECT_EQ(W().EditField1()->Text(), "12345679");
    EXPECT_TRUE(W().PushButton1()->Enabled());
    ClearField();
    EXPECT_FALSE(W().PushButton1()->Enabled()) << "emptied";
}

// ---- a press: result text and the offices of the number --------------------------------------------------

struct PressCase {
    const char* number;
    const char* result;
    Rows rows; // in office-code order
};

const Rows kMilan = {
    "4900 Milano",       "4901 Monza",           "4902 Milano Nord",    "4903 Milano Missori",
    "4904 Milano Fiori", "4905 Milano Corvetto", "4908 Milano Legnano", "4909 Milano Seregno (C.O.)",
    "4927 Lodi",         "4979 Vimercate",       "4991 Melegnano",      "4995 Desio (C.O.)"};

const PressCase kPresses[] = {
    {"12345678", "12345678 60", {"1200 Bergamo"}},
    {"49123456", "49123456 31", kMilan},
    {"01234567", "01234567 26", {"0100 Agrigento", "0101 Sciacca"}},
    {"96000000", "96000000 96", {}},
};

class PressTest : public Finestra1Test, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressTest, ShowsTheResultAndOnlyTheOfficesOfTheNumberInCodeOrderAlsoAfterAFullList) {
    const PressCase& c = GetParam();
    Look(c.number);
    EXPECT_EQ(W().StaticText2()->Text(), c.result);
    EXPECT_EQ(ListRows(), c.rows);
    Look("70000001");
    ASSERT_EQ(ListRows().size(), 20u);
    Look(c.number);
    EXPECT_EQ(W().StaticText2()->Text(), c.result);
    EXPECT_EQ(ListRows(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Numbers, PressTest, ::testing::ValuesIn(kPresses),
                         [](const auto& info) { return std::string("n") + info.param.number; });

TEST_F(Finestra1Test, ReturnInTheFieldPressesTheDefaultButton) {
    Type(*W().EditField1(), "12345678");
    Press(*W().EditField1(), drv::Key::Return);
    EXPECT_EQ(W().StaticText2()->Text(), "12345678 60");
    EXPECT_EQ(ListRows(), Rows{"1200 Bergamo"});
}

TEST_F(Finestra1Test, EditingAfterAPressLeavesResultAndListAlone) {
    Look("49123456");
    Press(*W().EditField1(), drv::Key::Backspace);
    Type(*W().EditField1(), "0");
    for (int i = 0; i < 3; ++i)
        Press(*W().EditField1(), drv::Key::Backspace);
    EXPECT_EQ(W().StaticText2()->Text(), "49123456 31");
    EXPECT_EQ(ListRows(), kMilan);
    EXPECT_FALSE(W().PushButton1()->Enabled());
}

// Rows 0, 2, 4 ... carry the tint under their text over the whole row, rows 1, 3 ... none of it: after a
// press has refilled the list and sorted it by code, and never with the list's switch off.
TEST_F(Finestra1Test, EvenRowsFromTheFirstAreTintedWholeUnderTheirTextAfterTheSort) {
    constexpr fw::Color kTint{237, 243, 254};
    Look("12345678");
    Look("70000001");
    ARListBox& list = *W().ARListBox1();
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
    const Rows shown = drv::PopUpCaptionsOf([&] { drv::RightClick(*W().EditField1()); });
    EXPECT_EQ(shown, (Rows{"Annulla", "-", "Taglia", "Copia", "Incolla", "Cancella"}));
    EXPECT_FALSE(drv::PopUpShown()) << "the pop-up was closed";
    EXPECT_TRUE(drv::PopUpCaptionsOf([&] { drv::Click(*W().EditField1()); }).empty());
}

TEST_F(Finestra1Test, ClosingTheWindowQuitsWithZero) {
    EXPECT_EQ(drv::RunAndCloseAsUser(*window_), 0);
    EXPECT_FALSE(fw::GetImplicitWindow("Finestra1.Finestra1"));
}

} // namespace
