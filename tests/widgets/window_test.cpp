// Windows built from property strings: where everything lands, the window lists, closing and lifetimes.
#include "main_like.h"

#include "framework/testing/driver.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using fw::Ref;
using testwindows::MainLike;
using testwindows::OpenMainLike;
namespace t = fw::testing;

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        t::ClosePopups();
        t::CloseAllWindows();
    }
};

struct Placement {
    const char* name;
    t::Rect rect;
    const char* groupBox; // "" for the window itself
};

TEST_F(WindowTest, ControlsLandWhereTheirStringsSayInWindowCoordinates) {
    Ref<MainLike> w = OpenMainLike();
    const Placement table[] = {
        {"StaticText1", {46, 62, 124, 21}, ""},           {"EditField1", {176, 61, 75, 22}, ""},
        {"PushButton1", {69, 124, 163, 20}, ""},          {"GroupBox1", {40, 170, 221, 85}, ""},
        {"StaticText2", {54, 199, 197, 38}, "GroupBox1"}, {"GroupBox2", {40, 279, 221, 197}, ""},
        {"ARListBox1", {47, 313, 206, 158}, "GroupBox2"},
    };
    for (const Placement& p : table) {
        auto c = w->ControlNamed<fw::RectControl>(p.name);
        const t::ControlFacts f = t::Inspect(*c);
        EXPECT_EQ(f.rect.x, p.rect.x) << p.name;
        EXPECT_EQ(f.rect.y, p.rect.y) << p.name;
        EXPECT_EQ(f.rect.width, p.rect.width) << p.name;
        EXPECT_EQ(f.rect.height, p.rect.height) << p.name;
        EXPECT_EQ(f.groupBoxName, p.groupBox) << p.name;
        EXPECT_EQ(c->Left(), p.rect.x);
        EXPECT_EQ(c->Top(), p.rect.y);
        EXPECT_TRUE(f.shown) << p.name;
    }
}

TEST_F(WindowTest, WindowIsItsContentSizeFixedWithACloseBoxOnly) {
    Ref<MainLike> w = OpenMainLike();
    const t::WindowFacts f = t::Inspect(*w);
    EXPECT_TRUE(f.shown);
    EXPECT_EQ(f.title, "Morvalit DL");
    EXPECT_EQ(f.contentWidth, 300);
    EXPECT_EQ(f.contentHeight, 496);
    EXPECT_TRUE(f.fixedSize);
    EXPECT_FALSE(f.dialog);
    EXPECT_TRUE(f.closeButton);
    EXPECT_FALSE(f.minimizeButton);
    EXPECT_FALSE(f.maximizeButton);
    EXPECT_EQ(w->Width(), 300);
    EXPECT_EQ(w->Height(), 496);
    EXPECT_FALSE(w->Resizeable());
    // Declared but without an effect here: stored and read back.
    EXPECT_EQ(std::get<std::int32_t>(fw::GetProperty(*w, "MacProcId")), 0);
    EXPECT_EQ(std::get<bool>(fw::GetProperty(*w, "FullScreen")), false);
}

TEST_F(WindowTest, DialogFrameResizeableAndMinimize) {
    Ref<MainLike> w = OpenMainLike([](MainLike& m) {
        m.afterControls = [](MainLike& self) {
            fw::SetProperties(self, fw::PropertyStringWriter()
                                        .Integer("Frame", 1)
                                        .Boolean("MinimizeButton", true)
                                        .Boolean("Resizeable", true)
                                        .Integer("Width", 425)
                                        .Integer("Height", 442)
                                        .Bytes());
        };
    });
    const t::WindowFacts f = t::Inspect(*w);
    EXPECT_TRUE(f.dialog);
    EXPECT_TRUE(f.minimizeButton);
    EXPECT_FALSE(f.fixedSize);
    EXPECT_EQ(f.contentWidth, 425);
    EXPECT_EQ(f.contentHeight, 442);
}

TEST_F(WindowTest, BackColorShowsOnlyWithHasBackColor) {
    Ref<MainLike> w = OpenMainLike();
    const fw::Color red{200, 10, 20};
    w->SetBackColor(red);
    EXPECT_NE(t::ContentPixelAt(*w, 5, 5), red); // HasBackColor False: the platform's background
    w->SetHasBackColor(true);
    EXPECT_EQ(t::ContentPixelAt(*w, 5, 5), red);
    w->SetHasBackColor(false);
    EXPECT_NE(t::ContentPixelAt(*w, 5, 5), red);
}

TEST_F(WindowTest, FontsAlignmentAndFlagsFromTheStrings) {
    Ref<MainLike> w = OpenMainLike();
    const t::ControlFacts label = t::Inspect(*w->ControlNamed<fw::StaticText>("StaticText1"));
    EXPECT_EQ(label.fontPointSize, 12);
    EXPECT_FALSE(label.bold || label.italic || label.underline);
    EXPECT_EQ(label.alignment, 0);
    EXPECT_EQ(label.text, "Matricola Azienda"); // the label set before the string stays
    EXPECT_FALSE(label.takesTabFocus);

    const t::ControlFacts result = t::Inspect(*w->ControlNamed<fw::StaticText>("StaticText2"));
    EXPECT_EQ(result.fontPointSize, 18);
    EXPECT_EQ(result.alignment, 1);
    EXPECT_EQ(result.text, "");

    const t::ControlFacts box = t::Inspect(*w->ControlNamed<fw::GroupBox>("GroupBox2"));
    EXPECT_TRUE(box.defaultFont); // "System" at size 0
    EXPECT_EQ(box.text, "Sedi");

    const t::ControlFacts field = t::Inspect(*w->ControlNamed<fw::EditField>("EditField1"));
    EXPECT_EQ(field.maxLength, 8);
    EXPECT_TRUE(field.frame);
    EXPECT_FALSE(field.readOnly || field.password);
    EXPECT_TRUE(field.takesTabFocus);
    EXPECT_EQ(field.text, "");

    const t::ControlFacts button = t::Inspect(*w->ControlNamed<fw::PushButton>("PushButton1"));
    EXPECT_FALSE(button.enabled);
    EXPECT_TRUE(button.defaultButton);
    EXPECT_EQ(button.text, "Calcola");

    const t::ControlFacts list = t::Inspect(*w->ControlNamed<testlists::ShadedList>("ARListBox1"));
    EXPECT_EQ(list.columns, 1);
    EXPECT_FALSE(list.headingShown);
    EXPECT_FALSE(list.multipleSelection);
    EXPECT_TRUE(w->ControlNamed<testlists::ShadedList>("ARListBox1")->AlternateRows());
    EXPECT_EQ(w->ControlNamed<testlists::ShadedList>("ARListBox1")->ListCount(), 0);
}

TEST_F(WindowTest, EveryEntryReadsBackAsWritten) {
    Ref<MainLike> w = OpenMainLike();
    auto field = w->ControlNamed<fw::EditField>("EditField1");
    const std::string fieldString = design::EditField1();
    for (const fw::PropertyEntry& e : fw::ReadPropertyString(field->GetClass(), fieldString, "EditField1"))
        EXPECT_EQ(fw::GetProperty(*field, e.name), e.value) << e.name;
    auto list = w->ControlNamed<testlists::ShadedList>("ARListBox1");
    const std::string listString = design::ARListBox1();
    for (const fw::PropertyEntry& e : fw::ReadPropertyString(list->GetClass(), listString, "ARListBox1"))
        EXPECT_EQ(fw::GetProperty(*list, e.name), e.value) << e.name;
    EXPECT_EQ(field->Index(), INT_MIN);
}

TEST_F(WindowTest, BuildOrderLayoutControlsControlOpensThenOpen) {
    Ref<MainLike> w = OpenMainLike();
    EXPECT_EQ(w->log, (std::vector<std::string>{"Layout", "CreateControls", "StaticText1.Open", "Open"}));
    EXPECT_TRUE(w->IsOpen());
    EXPECT_THROW(w->Constructor(), fw::InvalidArgumentException);
}

TEST_F(WindowTest, OneOpenWindowPerClassNameUntilItCloses) {
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
    Ref<MainLike> w = OpenMainLike();
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), Ref<fw::Window>(w));
    EXPECT_EQ(fw::GetImplicitWindow("tests.mainlike"), nullptr);
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
    w->Close();
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_FALSE(t::Inspect(*w).shown);
    w->Close(); // once closed, closing again does nothing
    EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "Close"), 1);
    EXPECT_THROW(w->Show(), fw::InvalidArgumentException);
}

TEST_F(WindowTest, TheCloseBoxRaisesCloseAndTheWindowGoes) {
    int before = MainLike::alive;
    {
        Ref<MainLike> w = OpenMainLike();
        ASSERT_TRUE(t::WaitForWindowActive(*w));
        t::CloseAsUser(*w);
        EXPECT_EQ(w->log.back(), "Close");
        EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
    }
    t::ProcessEvents();
    EXPECT_EQ(MainLike::alive, before);
}

TEST_F(WindowTest, AHandlerThatClosesItsOwnWindowOutlivesIt) {
    const int before = MainLike::alive;
    Ref<fw::PushButton> button;
    {
        Ref<MainLike> w = OpenMainLike();
        w->onAction = [](MainLike& self) {
            self.Close(); // the lists drop the window: only the running event keeps it
            EXPECT_EQ(self.log.back(), "Close");
            EXPECT_FALSE(self.IsOpen());
        };
        button = w->ControlNamed<fw::PushButton>("PushButton1");
        button->SetEnabled(true);
    }
    EXPECT_EQ(MainLike::alive, before + 1); // held by the window lists
    button->Push();
    EXPECT_EQ(MainLike::alive, before); // gone as soon as the handler returned
    EXPECT_EQ(button->Window(), nullptr);
    EXPECT_EQ(button->Caption(), "Calcola"); // a control that outlives its window still reads back
    button->SetCaption("x");
    t::ProcessEvents();
}

TEST_F(WindowTest, AWindowThatFailsToBuildIsNotLeftOpen) {
    Ref<MainLike> w = fw::MakeRef<MainLike>();
    w->afterControls = [](MainLike&) { throw fw::NilObjectException("no such thing"); };
    EXPECT_THROW(w->Constructor(), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
    EXPECT_FALSE(w->IsOpen());
}

TEST_F(WindowTest, ClosingFromOpenLeavesTheWindowClosedAndHidden) {
    Ref<MainLike> w = fw::MakeRef<MainLike>();
    w->afterControls = [](MainLike& self) { self.Close(); };
    w->Constructor();
    EXPECT_FALSE(w->IsOpen());
    EXPECT_FALSE(t::Inspect(*w).shown);
    EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "Open"), 0);
}

TEST_F(WindowTest, ACloseHandlerThatThrowsStillClosesTheWindow) {
    Ref<MainLike> w = OpenMainLike();
    w->onClose = [](MainLike&) { throw fw::RuntimeException("from Close"); };
    EXPECT_THROW(w->Close(), fw::RuntimeException);
    EXPECT_FALSE(w->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
}

TEST_F(WindowTest, LookupsByName) {
    Ref<MainLike> w = OpenMainLike();
    EXPECT_EQ(fw::RuntimeWindowControlByName(*w, "EditField1"), w->FindControl("EditField1"));
    EXPECT_EQ(w->FindControl("EditField9"), nullptr);
    EXPECT_EQ(w->FindControl("editfield1"), nullptr);
    try {
        w->ControlNamed<fw::EditField>("EditField9");
        FAIL();
    } catch (const fw::NilObjectException& e) {
        EXPECT_NE(std::string(e.what()).find("EditField9"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("Tests.MainLike"), std::string::npos);
    }
    EXPECT_THROW(w->ControlNamed<fw::EditField>("StaticText1"), fw::NilObjectException); // wrong class
    EXPECT_EQ(w->Controls().size(), 7u);
    EXPECT_EQ(w->Controls()[3]->Name(), "GroupBox1"); // creation order
}

TEST_F(WindowTest, NamesAreUniqueWithinAWindow) {
    Ref<MainLike> w = OpenMainLike();
    Ref<fw::StaticText> extra = w->New<fw::StaticText>();
    extra->Constructor();
    EXPECT_THROW(w->AddControl("EditField1", extra), fw::InvalidArgumentException);
    EXPECT_THROW(w->AddControl("", extra), fw::InvalidArgumentException);
    EXPECT_THROW(w->AddControl("X", nullptr), fw::NilObjectException);
    w->AddControl("Extra", extra);
    EXPECT_THROW(w->AddControl("Extra2", extra), fw::InvalidArgumentException);
    EXPECT_THROW(fw::SetProperties(*extra, fw::PropertyStringWriter().String("Name", "StaticText1").Bytes()),
                 fw::InvalidArgumentException);
    EXPECT_EQ(extra->Name(), "Extra");

    Ref<MainLike> other = fw::MakeRef<MainLike>("Tests.Other");
    Ref<fw::StaticText> foreign = other->New<fw::StaticText>();
    foreign->Constructor();
    EXPECT_THROW(w->AddControl("Foreign", foreign), fw::InvalidArgumentException);

    Ref<fw::StaticText> loose = fw::MakeRef<fw::StaticText>();
    EXPECT_THROW(loose->Constructor(), fw::NilObjectException); // not made by a window
    EXPECT_THROW(loose->Left(), fw::NilObjectException);
}

TEST_F(WindowTest, InitialParentMustNameAGroupBoxOfTheWindow) {
    Ref<MainLike> w = OpenMainLike();
    auto label = w->ControlNamed<fw::StaticText>("StaticText1");
    for (const char* parent : {"GroupBox9", "EditField1", "StaticText1", "groupbox1"}) {
        const std::string s = fw::PropertyStringWriter()
                                  .Integer("Left", 1)
                                  .String("InitialParent", parent)
                                  .Integer("Top", 2)
                                  .Bytes();
        EXPECT_THROW(fw::SetProperties(*label, s), fw::NilObjectException) << parent;
        EXPECT_EQ(label->Left(), 46) << parent; // the refused string changed nothing
        EXPECT_EQ(label->InitialParent(), "");
        EXPECT_FALSE(t::Inspect(*label).insideGroupBox);
    }
    // Into a frame and out again, keeping its window coordinates.
    label->SetInitialParent("GroupBox2");
    EXPECT_EQ(t::Inspect(*label).groupBoxName, "GroupBox2");
    EXPECT_EQ(t::Inspect(*label).rect.x, 46);
    EXPECT_EQ(t::Inspect(*label).rect.y, 62);
    label->SetInitialParent("");
    EXPECT_FALSE(t::Inspect(*label).insideGroupBox);
    EXPECT_EQ(t::Inspect(*label).rect.x, 46);
}

TEST_F(WindowTest, ControlsInAFrameMoveWithIt) {
    Ref<MainLike> w = OpenMainLike();
    w->ControlNamed<fw::GroupBox>("GroupBox1")->SetTop(180);
    auto result = w->ControlNamed<fw::StaticText>("StaticText2");
    EXPECT_EQ(result->Top(), 209);
    EXPECT_EQ(t::Inspect(*result).rect.y, 209);
}

TEST_F(WindowTest, TabIndexOrdersKeyboardFocus) {
    Ref<MainLike> w = OpenMainLike();
    auto button = w->ControlNamed<fw::PushButton>("PushButton1");
    button->SetEnabled(true);
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    auto field = w->ControlNamed<fw::EditField>("EditField1");
    t::PressKey(*field, t::Key::Home);
    ASSERT_EQ(t::FocusedControl(*w), Ref<fw::Control>(field));
    t::PressKey(*w, t::Key::Tab);
    EXPECT_EQ(t::FocusedControl(*w), Ref<fw::Control>(button));
    t::PressKey(*w, t::Key::Tab); // the group boxes take no focus; the list in the second one does
    EXPECT_EQ(t::FocusedControl(*w), w->FindControl("ARListBox1"));

    // Reordered: the button before the field.
    button->SetTabIndex(0);
    field->SetTabIndex(5);
    t::PressKey(*button, t::Key::Home);
    t::PressKey(*w, t::Key::Tab);
    EXPECT_EQ(t::FocusedControl(*w), w->FindControl("ARListBox1"));
    t::PressKey(*w, t::Key::Tab);
    EXPECT_EQ(t::FocusedControl(*w), Ref<fw::Control>(field));

    field->SetTabStop(false);
    EXPECT_FALSE(t::Inspect(*field).takesTabFocus);
}

TEST_F(WindowTest, VisibleEnabledAndHelpTagActOnTheWidget) {
    Ref<MainLike> w = OpenMainLike();
    auto label = w->ControlNamed<fw::StaticText>("StaticText1");
    fw::SetProperties(*label, fw::PropertyStringWriter()
                                  .Boolean("Visible", false)
                                  .Boolean("Enabled", false)
                                  .String("HelpTag", "<b>not bold</b> & plain")
                                  .Bytes());
    const t::ControlFacts f = t::Inspect(*label);
    EXPECT_FALSE(f.shown);
    EXPECT_FALSE(f.enabled);
    EXPECT_NE(f.toolTip.find("&lt;b&gt;"), std::string::npos); // shown as written, not as markup
    EXPECT_EQ(label->HelpTag(), "<b>not bold</b> & plain");
    // A hidden frame hides what it holds.
    w->ControlNamed<fw::GroupBox>("GroupBox1")->SetVisible(false);
    EXPECT_FALSE(t::Inspect(*w->ControlNamed<fw::StaticText>("StaticText2")).shown);
}

struct Counted : fw::StaticText {
    static inline int gone = 0;
    ~Counted() override { ++gone; }
};

TEST_F(WindowTest, WindowsAndControlsAreReleasedOnce) {
    Counted::gone = 0;
    const int before = MainLike::alive;
    {
        Ref<MainLike> w = OpenMainLike([](MainLike& m) {
            m.afterControls = [](MainLike& self) {
                for (const char* n : {"C1", "C2"}) {
                    Ref<Counted> c = self.New<Counted>();
                    c->Constructor();
                    self.AddControl(n, c);
                }
                Ref<Counted> unregistered = self.New<Counted>(); // made, never added: goes at once
            };
        });
        EXPECT_EQ(Counted::gone, 1);
        w->Close();
        EXPECT_EQ(MainLike::alive, before + 1); // the test still holds it
    }
    EXPECT_EQ(MainLike::alive, before);
    EXPECT_EQ(Counted::gone, 3);
    t::ProcessEvents();
}

TEST(References, SelfAssignmentMovesAndCasts) {
    struct Probe : fw::Object {
        int* gone;
        explicit Probe(int* g) : gone(g) {}
        ~Probe() override { ++*gone; }
    };
    int gone = 0;
    {
        Ref<Probe> a = fw::MakeRef<Probe>(&gone);
        Ref<Probe>& alias = a;
        a = alias; // self-assignment keeps the object
        EXPECT_EQ(a->RefCount(), 1);
        Ref<fw::Object> b = a;
        EXPECT_EQ(a->RefCount(), 2);
        Ref<Probe> c = fw::RefCast<Probe>(b);
        EXPECT_EQ(c, a);
        EXPECT_EQ(fw::RefCast<fw::Window>(b), nullptr);
        Ref<Probe> d = std::move(c);
        EXPECT_TRUE(c.IsNil());
        EXPECT_EQ(a->RefCount(), 3);
        a = nullptr;
        b = nullptr;
        EXPECT_EQ(gone, 0);
    }
    EXPECT_EQ(gone, 1);
    Ref<fw::Window> nil;
    EXPECT_THROW(nil->Title(), fw::NilObjectException);
    EXPECT_THROW(fw::Require(nil, "the main window"), fw::NilObjectException);
}

} // namespace
