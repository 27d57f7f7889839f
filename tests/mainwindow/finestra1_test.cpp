// The check-code window driven the way a user drives it: keys typed into the field, clicks on the button,
// a right click for the Edit menu, the close box; what shows is read back from the controls and from pixels.
#include "app/localize.h"
#include "app/menu.h"
#include "framework/properties.h"
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver.h"
#include "mainwindow/finestra1.h"
#include "user.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

// The shared menu bar is a module-level object: it goes before the process ends, as at the program's
// shut-down, while Qt is still whole (its menus hold platform windows once one has popped up).
class ReleaseMenuBar : public ::testing::Environment {
public:
    void TearDown() override { Menu::Exit(); }
};
[[maybe_unused]] const ::testing::Environment* const kReleaseMenuBar =
    ::testing::AddGlobalTestEnvironment(new ReleaseMenuBar);

class Finestra1Test : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = implicit::Finestra1();
        ASSERT_TRUE(window_);
        user::Settle();
    }
    void TearDown() override { user::CloseForGood(window_); }

    Finestra1& W() { return *window_; }
    Rows ListRows() {
        Rows rows;
        const fw::Ref<ARListBox> list = W().ARListBox1();
        for (std::int32_t r = 0; r < list->ListCount(); ++r)
            rows.push_back(list->Cell(r, 0));
        return rows;
    }
    // Types the number into an emptied field and clicks the button.
    void Look(const std::string& number) {
        user::ClearField(*W().EditField1());
        user::Type(*W().EditField1(), number);
        user::Click(*W().PushButton1());
    }

    fw::Ref<Finestra1> window_;
};

// ---- building -------------------------------------------------------------------------------------------

TEST_F(Finestra1Test, IsOneWindowAskedForTwice) {
    EXPECT_EQ(implicit::Finestra1(), window_);
    EXPECT_EQ(W().Controls().size(), 7u);
}

TEST_F(Finestra1Test, StartsEmptyWithTheButtonDisabled) {
    EXPECT_EQ(W().EditField1()->Text(), "");
    EXPECT_FALSE(W().PushButton1()->Enabled());
    EXPECT_EQ(W().StaticText2()->Text(), "");
    EXPECT_EQ(W().ARListBox1()->ListCount(), 0);
    EXPECT_EQ(W().ARListBox1()->ColumnCount(), 1);
    EXPECT_FALSE(W().ARListBox1()->HasHeading());
    EXPECT_TRUE(W().ARListBox1()->bAlternateRows());
}

// What the window's widgets show, not only what its properties hold.
TEST_F(Finestra1Test, ShowsAFixedWindowWithTheSharedMenuBarAndTheLocalizedTexts) {
    const fw::testing::WindowFacts win = fw::testing::Inspect(W());
    EXPECT_TRUE(win.shown);
    EXPECT_EQ(win.title, "Morvalit DL");
    EXPECT_EQ(win.contentWidth, 300);
    EXPECT_EQ(win.contentHeight, 496);
    EXPECT_TRUE(win.fixedSize);
    EXPECT_TRUE(win.closeButton);
    EXPECT_FALSE(win.minimizeButton);
    EXPECT_FALSE(win.maximizeButton);
    EXPECT_TRUE(win.menuBarShown);
    EXPECT_EQ(win.menuBarMenus, 2);
    EXPECT_EQ(W().MenuBar().Get(), implicit::Menu().Get());

    auto shown = [](fw::RectControl& c) { return fw::testing::Inspect(c); };
    EXPECT_EQ(shown(*W().StaticText1()).text, "Matricola Azienda");
    EXPECT_EQ(shown(*W().PushButton1()).text, "Calcola Contro Codice");
    EXPECT_EQ(shown(*W().GroupBox1()).text, "Controllo Matricola Azienda");
    EXPECT_EQ(shown(*W().GroupBox2()).text, "Sedi INPS corrispondenti");

    EXPECT_EQ(shown(*W().EditField1()).maxLength, 8);
    EXPECT_TRUE(shown(*W().PushButton1()).defaultButton);
    EXPECT_FALSE(shown(*W().PushButton1()).enabled);
    EXPECT_EQ(shown(*W().StaticText2()).alignment, 1);
    EXPECT_EQ(shown(*W().StaticText2()).fontPixelSize, 18);
    EXPECT_FALSE(shown(*W().ARListBox1()).headingShown);
    EXPECT_EQ(shown(*W().ARListBox1()).columns, 1);
}

// Sizes are laid out in pixels: at any screen resolution every caption, and a whole number in the field,
// fits its control instead of being cut.
TEST_F(Finestra1Test, CaptionsAndAWholeNumberFitTheirControls) {
    user::Type(*W().EditField1(), "88888888");
    for (fw::RectControl* c : {static_cast<fw::RectControl*>(W().StaticText1().Get()),
                               static_cast<fw::RectControl*>(W().EditField1().Get()),
                               static_cast<fw::RectControl*>(W().PushButton1().Get()),
                               static_cast<fw::RectControl*>(W().GroupBox1().Get()),
                               static_cast<fw::RectControl*>(W().GroupBox2().Get())}) {
        const fw::testing::ControlFacts facts = fw::testing::Inspect(*c);
        EXPECT_LE(facts.textWidth, facts.rect.width - 6) << c->Name() << " shows \"" << facts.text << "\"";
    }
}

TEST(Finestra1Creation, AWindowThatCannotBeMadeIsANilObjectNamingIt) {
    fw::testing::FailObjectCreations(1);
    try {
        implicit::Finestra1();
        ADD_FAILURE() << "no exception";
    } catch (const fw::NilObjectException& e) {
        EXPECT_NE(std::string(e.what()).find("Finestra1.Finestra1"), std::string::npos) << e.what();
    }
    fw::testing::FailObjectCreations(0);
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
    for (const char* key : {"Localize.nomefin", "Localize.matrAzi", "Localize.calcCCodice",
                            "Localize.contrmatazi", "Localize.sediinpscorr"})
        fw::RemoveTranslation(key);
    EXPECT_EQ(w->Title(), "Check digits");
    EXPECT_EQ(w->StaticText1()->Text(), "Employer number");
    EXPECT_EQ(w->PushButton1()->Caption(), "Compute");
    EXPECT_EQ(w->GroupBox1()->Caption(), "Check code");
    EXPECT_EQ(w->GroupBox2()->Caption(), "INPS offices");
    user::CloseForGood(w);
}

struct Placement {
    const char* name;
    const char* cls;
    int left, top, width, height;
    const char* parent;
};

// As designed: window coordinates, also for the two controls inside a group box.
const Placement kPlacements[] = {
    {"StaticText1", "StaticText", 46, 62, 124, 21, ""},
    {"EditField1", "EditField", 176, 61, 75, 22, ""},
    {"PushButton1", "PushButton", 69, 124, 163, 20, ""},
    {"GroupBox1", "GroupBox", 40, 170, 221, 85, ""},
    {"StaticText2", "StaticText", 54, 199, 197, 38, "GroupBox1"},
    {"GroupBox2", "GroupBox", 40, 279, 221, 197, ""},
    {"ARListBox1", "ARListBox", 47, 313, 206, 158, "GroupBox2"},
};

TEST_F(Finestra1Test, ControlsStandWhereTheyWereDesignedInCreationOrder) {
    ASSERT_EQ(W().Controls().size(), std::size(kPlacements));
    for (std::size_t i = 0; i < std::size(kPlacements); ++i) {
        const Placement& p = kPlacements[i];
        SCOPED_TRACE(p.name);
        const fw::Ref<fw::RectControl> c = fw::RefCast<fw::RectControl>(W().Controls()[i]);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->Name(), p.name);
        EXPECT_EQ(c->GetClass().name, p.cls);
        EXPECT_EQ(c->Left(), p.left);
        EXPECT_EQ(c->Top(), p.top);
        EXPECT_EQ(c->Width(), p.width);
        EXPECT_EQ(c->Height(), p.height);
        EXPECT_EQ(c->InitialParent(), p.parent);
        // Where the widget really is on the window, not only what the control remembers.
        EXPECT_EQ(user::GeometryOnWindow(*c), (user::Rect{p.left, p.top, p.width, p.height}));
    }
}

TEST_F(Finestra1Test, OnlyTheFourDesignedEventsAreBound) {
    EXPECT_TRUE(W().EditField1()->HasHandler("TextChange"));
    EXPECT_TRUE(W().EditField1()->HasHandler("MouseDown"));
    EXPECT_TRUE(W().PushButton1()->HasHandler("Action"));
    EXPECT_TRUE(W().ARListBox1()->HasHandler("SortColumn"));
    EXPECT_FALSE(W().EditField1()->HasHandler("Open"));
    EXPECT_FALSE(W().StaticText1()->HasHandler("Open"));
    EXPECT_FALSE(W().ARListBox1()->HasHandler("Open"));
    EXPECT_FALSE(W().ARListBox1()->RaiseEvent("SortColumn", 0));
}

// ---- the button follows the length of what is typed ------------------------------------------------------

TEST_F(Finestra1Test, ButtonIsEnabledExactlyAtEightCharactersBothWays) {
    fw::EditField& field = *W().EditField1();
    user::Type(field, "1234567");
    EXPECT_FALSE(W().PushButton1()->Enabled()) << "seven characters";
    user::Type(field, "8");
    EXPECT_TRUE(W().PushButton1()->Enabled()) << "eight characters";
    user::Backspace(field);
    EXPECT_FALSE(W().PushButton1()->Enabled()) << "back to seven";
    user::Type(field, "8");
    EXPECT_TRUE(W().PushButton1()->Enabled()) << "eight again";
    // Replacing a selected digit keeps the length at eight, and the button on.
    user::SelectLastCharacter(field);
    user::Type(field, "9");
    EXPECT_EQ(W().EditField1()->Text(), "12345679");
    EXPECT_TRUE(W().PushButton1()->Enabled()) << "after a replace at eight";
    // The field takes no ninth digit and no letter.
    user::Type(field, "0a");
    EXPECT_EQ(W().EditField1()->Text(), "12345679");
    EXPECT_TRUE(W().PushButton1()->Enabled());
    user::ClearField(field);
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
    {"70000001",
     "70000001 71",
     {"7000 Roma",
      "7001 Roma Eur",
      "7002 Roma Monteverde",
      "7003 Roma Ostia Lido",
      "7004 Roma Montesacro",
      "7005 Roma Centro",
      "7006 Civitavecchia",
      "7009 Roma Casilino Prenestino",
      "7010 Roma Tuscolano",
      "7012 Roma Aurelio",
      "7013 Roma Tiburtino",
      "7014 Roma Flaminio",
      "7015 Pomezia",
      "7074 Grottaferrata",
      "7091 Tivoli",
      "7092 Velletri",
      "7094 Monterotondo",
      "7095 Anzio",
      "7096 Palestrina",
      "7099 Guidonia"}},
    {"01234567", "01234567 26", {"0100 Agrigento", "0101 Sciacca"}},
    {"92000000", "92000000 92", {"9200 Viterbo"}},
    {"19191919", "19191919 46", {"1900 Campobasso", "1990 Termoli"}},
    {"00000000", "00000000 00", {}},
    {"96000000", "96000000 96", {}},
    {"97000000", "97000000 97", {}},
    {"98000000", "98000000 98", {}},
    {"99999999", "99999999 66", {}},
};

class PressTest : public Finestra1Test, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressTest, ShowsTheResultAndOnlyTheOfficesOfTheNumberInCodeOrder) {
    const PressCase& c = GetParam();
    Look(c.number);
    EXPECT_EQ(W().StaticText2()->Text(), c.result);
    EXPECT_EQ(ListRows(), c.rows);
}

TEST_P(PressTest, ReplacesWhatAnEarlierPressListed) {
    const PressCase& c = GetParam();
    Look("49123456");
    ASSERT_EQ(ListRows().size(), 12u);
    Look(c.number);
    EXPECT_EQ(W().StaticText2()->Text(), c.result);
    EXPECT_EQ(ListRows(), c.rows);
    // The same number again lists each office once.
    user::Click(*W().PushButton1());
    EXPECT_EQ(ListRows(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Numbers, PressTest, ::testing::ValuesIn(kPresses),
                         [](const auto& info) { return std::string("n") + info.param.number; });

TEST_F(Finestra1Test, ReturnInTheFieldPressesTheDefaultButton) {
    user::Type(*W().EditField1(), "12345678");
    user::PressReturn(*W().EditField1());
    EXPECT_EQ(W().StaticText2()->Text(), "12345678 60");
    EXPECT_EQ(ListRows(), Rows{"1200 Bergamo"});
}

TEST_F(Finestra1Test, EditingAfterAPressLeavesResultAndListAlone) {
    Look("49123456");
    user::Backspace(*W().EditField1());
    user::Type(*W().EditField1(), "0");
    user::Backspace(*W().EditField1(), 3);
    EXPECT_EQ(W().StaticText2()->Text(), "49123456 31");
    EXPECT_EQ(ListRows(), kMilan);
    EXPECT_FALSE(W().PushButton1()->Enabled());
}

// ---- shaded rows ------------------------------------------------------------------------------------------

TEST_F(Finestra1Test, EveryOtherRowFromTheFirstIsTintedAcrossTheWholeRowAfterARefill) {
    Look("12345678");
    Look("70000001");
    const user::Bands b = user::ReadBands(user::Grab(*W().ARListBox1()));
    ASSERT_GE(b.runs.size(), 4u) << "twenty rows show at least two tinted and two plain bands";
    // Tinted and plain bands are one row high each: the same height, give or take a line.
    for (std::size_t i = 1; i + 1 < b.runs.size(); ++i)
        EXPECT_NEAR(b.runs[i], b.runs[0], 1) << "band " << i;
    EXPECT_TRUE(b.textOnTint) << "the row's text is drawn over the tint";
}

TEST_F(Finestra1Test, ASingleRowIsTinted) {
    Look("12345678");
    const user::Bands b = user::ReadBands(user::Grab(*W().ARListBox1()));
    ASSERT_FALSE(b.runs.empty());
    EXPECT_GT(b.runs[0], 8);
    EXPECT_TRUE(b.textOnTint);
}

TEST_F(Finestra1Test, NoTintWithTheSwitchOff) {
    fw::SetProperty(*W().ARListBox1(), "bAlternateRows", fw::PropertyValue(false));
    Look("70000001");
    EXPECT_TRUE(user::ReadBands(user::Grab(*W().ARListBox1())).runs.empty());
}

// ---- the Edit menu on a right click -----------------------------------------------------------------------

TEST_F(Finestra1Test, ARightClickInTheFieldPopsUpTheEditMenuAndAPlainClickDoesNot) {
    const std::vector<std::string> shown = user::RightClickAndReadPopUp(*W().EditField1());
    EXPECT_EQ(shown, (std::vector<std::string>{"Annulla", "-", "Taglia", "Copia", "Incolla", "Cancella"}));
    EXPECT_FALSE(user::PopUpOpen()) << "the pop-up was closed";
    EXPECT_TRUE(user::LeftClickAndReadPopUp(*W().EditField1()).empty());
}

// ---- closing
// ------------------------------------------------------------------------------------------------

TEST_F(Finestra1Test, ClosingTheWindowQuitsWithZero) {
    EXPECT_EQ(user::CloseInLoopAndReadExitCode(window_), 0);
    EXPECT_FALSE(fw::GetImplicitWindow("Finestra1.Finestra1"));
}

} // namespace
