// Windows built from property strings: where everything lands, the window lists, closing and lifetimes.
#include "main_like.h"

#include "framework/edit_field.h"
#include "framework/image_well.h"
#include "framework/testing/driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

namespace {

using fw::Ref;
using testwindows::MainLike;
using testwindows::OpenMainLike;
namespace t = fw::testing;

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override { t::CloseAllWindows(); }
};

TEST_F(WindowTest, ControlsLandWhereTheirStringsSayInWindowCoordinates) {
    Ref<MainLike> w = OpenMainLike();
    const struct {
        const char* name;
        int x, y, width, height;
        const char* groupBox; // "" for the window itself
    } table[] = {
        {"EditField1", 176, 61, 75, 22, ""},
        {"GroupBox1", 40, 170, 221, 85, ""},
        {"StaticText2", 54, 199, 197, 38, "GroupBox1"},
        {"ARListBox1", 47, 313, 206, 158, "GroupBox2"},
    };
    for (const auto& p : table) {
        auto c = w->ControlNamed<fw::RectControl>(p.name);
        const t::ControlFacts f = t::Inspect(*c);
        EXPECT_EQ(f.rect, (t::Rect{p.x, p.y, p.width, p.height})) << p.name;
        EXPECT_EQ(f.groupBoxName, p.groupBox) << p.name;
        EXPECT_EQ((std::vector{c->Left(), c->Top()}), (std::vector{p.x, p.y})) << p.name;
        EXPECT_TRUE(f.shown) << p.name;
    }
    // Controls in a frame move with it and keep window coordinates.
    w->ControlNamed<fw::GroupBox>("GroupBox1")->SetTop(180);
    EXPECT_EQ(t::Inspect(*w->ControlNamed<fw::StaticText>("StaticText2")).rect.y, 209);
}

TEST_F(WindowTest, FrameButtonsAndSizeFromTheString) {
    Ref<MainLike> w = OpenMainLike();
    t::WindowFacts f = t::Inspect(*w);
    EXPECT_EQ((std::vector{f.contentWidth, f.contentHeight}), (std::vector{300, 496}));
    EXPECT_TRUE(f.shown && f.fixedSize && f.closeButton);
    EXPECT_FALSE(f.dialog || f.minimizeButton || f.maximizeButton);

    fw::SetProperties(*w, testwindows::W()
                              .Integer("Frame", 1)
                              .Boolean("MinimizeButton", true)
                              .Boolean("Resizeable", true)
                              .Integer("Width", 425)
                              .Integer("Height", 442)
                              .Bytes());
    f = t::Inspect(*w);
    EXPECT_TRUE(f.dialog && f.minimizeButton && !f.fixedSize);
    EXPECT_EQ((std::vector{f.contentWidth, f.contentHeight, f.minContentWidth, f.maxContentHeight}),
              (std::vector{425, 442, 64, 32000}));
}

TEST_F(WindowTest, BackColorShowsOnlyWithHasBackColor) {
    Ref<MainLike> w = OpenMainLike();
    const fw::Color red{200, 10, 20};
    w->SetBackColor(red);
    EXPECT_NE(t::ContentPixelAt(*w, 5, 5), red); // HasBackColor False: the platform's background
    w->SetHasBackColor(true);
    EXPECT_EQ(t::ContentPixelAt(*w, 5, 5), red);
}

TEST_F(WindowTest, FontsAlignmentAndFlagsFromTheStringsActOnTheWidgets) {
    Ref<MainLike> w = OpenMainLike();
    auto text1 = w->ControlNamed<fw::StaticText>("StaticText1");
    const t::ControlFacts label = t::Inspect(*text1);
    const t::ControlFacts result = t::Inspect(*w->ControlNamed<fw::StaticText>("StaticText2"));
    EXPECT_EQ((std::vector{label.fontPixelSize, label.alignment, result.fontPixelSize, result.alignment}),
              (std::vector{12, 0, 18, 1}));
    EXPECT_EQ(label.text, "Matricola Azienda"); // the label set before the string stays
    EXPECT_TRUE(t::Inspect(*w->ControlNamed<fw::GroupBox>("GroupBox2")).defaultFont); // no size given
    EXPECT_EQ(t::Inspect(*w->ControlNamed<fw::EditField>("EditField1")).maxLength, 8);
    const t::ControlFacts button = t::Inspect(*w->ControlNamed<fw::PushButton>("PushButton1"));
    EXPECT_TRUE(!button.enabled && button.defaultButton);
    // The subclass's own entry reached it through the string.
    EXPECT_TRUE(w->ControlNamed<testlists::ShadedList>("ARListBox1")->AlternateRows());
    // Visible, Enabled and HelpTag act on the widget.
    fw::SetProperties(*text1, testwindows::W()
                                  .Boolean("Visible", false)
                                  .Boolean("Enabled", false)
                                  .String("HelpTag", "<b>not bold</b> & plain")
                                  .Bytes());
    const t::ControlFacts f = t::Inspect(*text1);
    EXPECT_FALSE(f.shown || f.enabled);
    EXPECT_NE(f.toolTip.find("&lt;b&gt;"), std::string::npos);     // shown as written, not as markup
    w->ControlNamed<fw::GroupBox>("GroupBox1")->SetVisible(false); // a hidden frame hides what it holds
    EXPECT_FALSE(t::Inspect(*w->ControlNamed<fw::StaticText>("StaticText2")).shown);
}

// Tab moves the focus in TabIndex order, not in the order the controls were made; TabStop False passes over.
TEST_F(WindowTest, TabMovesTheFocusInTabIndexOrder) {
    struct Fields : fw::Window {
        void CreateControls() override {
            for (auto [name, index, stop] :
                 {std::tuple{"A", 0, true}, {"B", 2, true}, {"C", 1, true}, {"D", 3, false}}) {
                Ref<fw::EditField> f = New<fw::EditField>();
                f->Constructor();
                AddControl(name, f);
                fw::SetProperties(*f, fw::PropertyStringWriter()
                                          .Integer("Top", 30 * index)
                                          .Integer("TabIndex", index)
                                          .Boolean("TabStop", stop)
                                          .Bytes());
            }
        }
    };
    Ref<Fields> w = fw::MakeRef<Fields>();
    w->Constructor();
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::Click(*w->ControlNamed<fw::EditField>("A"));
    std::string order;
    for (int i = 0; i < 4; ++i) {
        t::PressKey(*w, t::Key::Tab);
        for (const char* name : {"A", "B", "C", "D"})
            if (t::HasFocus(*w->ControlNamed<fw::EditField>(name)))
                order += name;
    }
    EXPECT_EQ(order, "CBAC"); // made in the order A B C
}

TEST_F(WindowTest, BuildOrderLayoutControlsControlOpensThenOpen) {
    Ref<MainLike> w = OpenMainLike();
    EXPECT_EQ(w->log, (std::vector<std::string>{"Layout", "CreateControls", "StaticText1.Open", "Open"}));
    EXPECT_TRUE(w->IsOpen());
    EXPECT_THROW(w->Constructor(), fw::InvalidArgumentException);
}

TEST_F(WindowTest, OneOpenWindowPerClassNameUntilTheCloseBoxClosesIt) {
    const int before = MainLike::alive;
    {
        EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
        Ref<MainLike> w = OpenMainLike();
        EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), Ref<fw::Window>(w));
        EXPECT_EQ(fw::GetImplicitWindow("tests.mainlike"), nullptr);
        EXPECT_EQ(fw::OpenWindows().size(), 1u);
        ASSERT_TRUE(t::WaitForWindowActive(*w));
        t::CloseAsUser(*w);
        EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
        EXPECT_TRUE(fw::OpenWindows().empty());
        w->Close(); // once closed, closing again does nothing
        EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "Close"), 1);
        EXPECT_THROW(w->Show(), fw::InvalidArgumentException);
    }
    t::ProcessEvents();
    EXPECT_EQ(MainLike::alive, before);
}

TEST_F(WindowTest, AHandlerThatClosesItsOwnWindowOutlivesIt) {
    const int before = MainLike::alive;
    Ref<fw::PushButton> button;
    {
        Ref<MainLike> w = OpenMainLike();
        // The lists drop the window: only the running event keeps it.
        w->onAction = [](MainLike& self) { self.Close(); };
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

TEST_F(WindowTest, AWindowThatFailsOrClosesWhileBuildingOrClosingIsNotLeftOpen) {
    Ref<MainLike> failing = fw::MakeRef<MainLike>();
    failing->afterControls = [](MainLike&) { throw fw::NilObjectException("no such thing"); };
    EXPECT_THROW(failing->Constructor(), fw::NilObjectException);
    Ref<MainLike> closing = fw::MakeRef<MainLike>();
    closing->afterControls = [](MainLike& self) { self.Close(); };
    closing->Constructor();
    EXPECT_FALSE(t::Inspect(*closing).shown);
    EXPECT_EQ(std::count(closing->log.begin(), closing->log.end(), "Open"), 0);
    Ref<MainLike> throwing = OpenMainLike();
    throwing->onClose = [](MainLike&) { throw fw::RuntimeException("from Close"); };
    EXPECT_THROW(throwing->Close(), fw::RuntimeException);
    for (const Ref<MainLike>& w : {failing, closing, throwing})
        EXPECT_FALSE(w->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
}

TEST_F(WindowTest, LookupsByNameAndNamesUniqueWithinAWindow) {
    Ref<MainLike> w = OpenMainLike();
    EXPECT_EQ(fw::RuntimeWindowControlByName(*w, "EditField1"), w->FindControl("EditField1"));
    EXPECT_EQ(w->FindControl("editfield1"), nullptr);
    try {
        w->ControlNamed<fw::EditField>("EditField9");
        FAIL();
    } catch (const fw::NilObjectException& e) {
        EXPECT_STREQ(e.what(), "Window 'Tests.MainLike' has no control named 'EditField9'");
    }
    EXPECT_THROW(w->ControlNamed<fw::EditField>("StaticText1"), fw::NilObjectException); // wrong class
    EXPECT_EQ(w->Controls()[3]->Name(), "GroupBox1");                                    // creation order

    Ref<fw::StaticText> extra = w->New<fw::StaticText>();
    extra->Constructor();
    for (const char* name : {"EditField1", ""})
        EXPECT_THROW(w->AddControl(name, extra), fw::InvalidArgumentException) << name;
    EXPECT_THROW(w->AddControl("X", nullptr), fw::NilObjectException);
    w->AddControl("Extra", extra);
    EXPECT_THROW(w->AddControl("Extra2", extra), fw::InvalidArgumentException);
    EXPECT_THROW(fw::SetProperties(*extra, testwindows::W().String("Name", "StaticText1").Bytes()),
                 fw::InvalidArgumentException);
    EXPECT_EQ(extra->Name(), "Extra");
    Ref<MainLike> other = fw::MakeRef<MainLike>("Tests.Other");
    Ref<fw::StaticText> foreign = other->New<fw::StaticText>();
    foreign->Constructor();
    EXPECT_THROW(w->AddControl("Foreign", foreign), fw::InvalidArgumentException);
    Ref<fw::StaticText> loose = fw::MakeRef<fw::StaticText>();
    EXPECT_THROW(loose->Constructor(), fw::NilObjectException); // not made by a window
    EXPECT_THROW(fw::SetProperties(*loose, testwindows::W().String("Name", "L").Integer("Left", 1).Bytes()),
                 fw::NilObjectException);
    EXPECT_EQ(loose->Name(), ""); // a string for a control not yet constructed sets nothing
}

TEST_F(WindowTest, InitialParentMustNameAGroupBoxOfTheWindow) {
    Ref<MainLike> w = OpenMainLike();
    auto label = w->ControlNamed<fw::StaticText>("StaticText1");
    for (const char* parent : {"GroupBox9", "EditField1", "StaticText1", "groupbox1"}) {
        const std::string s =
            testwindows::W().Integer("Left", 1).String("InitialParent", parent).Integer("Top", 2).Bytes();
        EXPECT_THROW(fw::SetProperties(*label, s), fw::NilObjectException) << parent;
        EXPECT_EQ(label->Left(), 46) << parent; // the refused string changed nothing
    }
    // Into a frame and out again, keeping its window coordinates.
    label->SetInitialParent("GroupBox2");
    EXPECT_EQ(t::Inspect(*label).groupBoxName, "GroupBox2");
    EXPECT_EQ(t::Inspect(*label).rect, (t::Rect{46, 62, 124, 21}));
    label->SetInitialParent("");
    EXPECT_FALSE(t::Inspect(*label).insideGroupBox);
    EXPECT_EQ(t::Inspect(*label).rect, (t::Rect{46, 62, 124, 21}));
}

// Everything a refused string might have touched: every declared property read back, the widgets as shown
// (colours set or left to the style), the list's rows and the events raised.
struct State {
    std::string read;
    t::WindowFacts window;
    std::optional<t::ControlFacts> control;
    friend bool operator==(const State&, const State&) = default;
};

State StateOf(MainLike& w, fw::Object& target) {
    State s{"events " + std::to_string(w.textChanges), t::Inspect(w), std::nullopt};
    for (const fw::ClassInfo* c = &target.GetClass(); c; c = c->parent)
        for (const fw::PropertyDecl& d : c->properties)
            s.read += " " + std::string(d.name) + "=" + ::testing::PrintToString(d.get(target, d));
    if (auto* list = dynamic_cast<fw::Listbox*>(&target))
        for (int r = 0; r < list->ListCount(); ++r)
            s.read += " row " + list->Cell(r, 0);
    if (auto* rc = dynamic_cast<fw::RectControl*>(&target))
        s.control = t::Inspect(*rc);
    return s;
}

// A value the property takes, other than the one it has.
testwindows::W& PutOther(testwindows::W& s, fw::Object& target, const fw::PropertyDecl& d) {
    const fw::PropertyValue v = d.get(target, d);
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return s.Integer(d.name, *i + 1);
    if (const auto* b = std::get_if<bool>(&v))
        return s.Boolean(d.name, !*b);
    if (const auto* c = std::get_if<fw::Color>(&v))
        return s.Colour(d.name, fw::Color{static_cast<std::uint8_t>(c->red ^ 0x80), c->green, c->blue});
    const fw::Text text = std::get<fw::Text>(v);
    if (d.name == "Mask")
        return s.String(d.name, "9999");
    if (d.name == "InitialParent") {
        const bool second = text == "GroupBox2" || static_cast<fw::Control&>(target).Name() == "GroupBox2";
        return s.String(d.name, second ? "GroupBox1" : "GroupBox2");
    }
    return s.String(d.name, text + "1");
}

// Whatever a string sets first, a refused entry after it leaves everything as it was.
TEST_F(WindowTest, ARefusedStringChangesNothingWhateverItSetsFirst) {
    Ref<MainLike> w = OpenMainLike();
    Ref<fw::ImageWell> well = w->New<fw::ImageWell>();
    well->Constructor();
    w->AddControl("ImageWell1", well);
    w->ControlNamed<fw::Listbox>("ARListBox1")->AddRow("a");
    w->ControlNamed<fw::Listbox>("ARListBox1")->AddRow("b");
    w->ControlNamed<fw::EditField>("EditField1")->SetText("12");
    std::vector<fw::Object*> targets{w.Get()};
    for (const Ref<fw::Control>& c : w->Controls())
        targets.push_back(c.Get());
    for (fw::Object* target : targets) {
        for (const fw::ClassInfo* c = &target->GetClass(); c; c = c->parent) {
            for (const fw::PropertyDecl& d : c->properties) {
                testwindows::W s;
                PutOther(s, *target, d);
                if (target == w.Get())
                    s.Integer("Nope", 1); // nothing a window declares refuses a value
                else if (d.name != "InitialParent")
                    s.String("InitialParent", "Nope");
                else
                    s.String("Name", static_cast<fw::Control*>(target)->Name() == "GroupBox1" ? "GroupBox2"
                                                                                              : "GroupBox1");
                const State before = StateOf(*w, *target);
                EXPECT_THROW(fw::SetProperties(*target, s.Bytes()), fw::RuntimeException);
                const State after = StateOf(*w, *target);
                EXPECT_TRUE(after == before) << target->Describe() << " " << d.name << "\n"
                                             << before.read << "\n"
                                             << after.read;
                testwindows::W alone; // the value itself is taken
                const fw::PropertyValue previous = d.get(*target, d);
                EXPECT_NO_THROW(fw::SetProperties(*target, PutOther(alone, *target, d).Bytes()))
                    << target->Describe() << " " << d.name;
                fw::SetProperty(*target, d.name, previous);
            }
        }
    }
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

} // namespace
