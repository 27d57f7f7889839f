// Windows built from property strings: where everything lands, the window lists, closing and lifetimes.
#include "main_like.h"

#include "framework/image_well.h"
#include "framework/property_literal.h"
#include "framework/testing/driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <tuple>

namespace {

using fw::Ref;
using testwindows::Add;
using testwindows::MainLike;
using testwindows::OpenMainLike;
namespace t = fw::testing;
using t::Encode;
using namespace fw::prop;

class Windows : public ::testing::Test {
protected:
    void TearDown() override { t::CloseAllWindows(); }
};

class WindowTest : public Windows {
protected:
    template <class C = fw::RectControl>
    Ref<C> Get(const char* name) {
        return w->ControlNamed<C>(name);
    }
    Ref<MainLike> w = OpenMainLike();
};

TEST_F(WindowTest, ControlsLandWhereTheirStringsSayInAndOutOfGroupBoxes) {
    const std::tuple<const char*, t::Rect, const char*> table[] = {
        {"EditField1", {176, 61, 75, 22}, ""},
        {"StaticText2", {54, 199, 197, 38}, "GroupBox1"},
        {"ARListBox1", {47, 313, 206, 158}, "GroupBox2"},
    };
    for (const auto& [name, rect, groupBox] : table) {
        const t::ControlFacts f = t::Inspect(*Get(name));
        EXPECT_TRUE(f.rect == rect && f.groupBoxName == groupBox && f.shown) << name;
    }
    EXPECT_THROW(Get("StaticText1")->SetInitialParent("EditField1"), fw::NilObjectException); // no frame
    for (const char* parent : {"GroupBox2", ""}) { // into a frame and out again, where it was
        Get("StaticText1")->SetInitialParent(parent);
        const t::ControlFacts f = t::Inspect(*Get("StaticText1"));
        EXPECT_EQ(std::tuple(f.groupBoxName, f.rect), std::tuple(parent, t::Rect{46, 62, 124, 21}));
    }
}

// A position or size that no widget takes is refused whole, by a string (after an entry it would have set)
// and by the setter, naming what and where; so is a frame's move that would carry what it holds that far.
TEST_F(WindowTest, GeometryNoWidgetTakesIsRefusedWhole) {
    constexpr std::int32_t kMax = 16777215;
    Ref<fw::RectControl> field = Get("EditField1"), box = Get("GroupBox1"), held = Get("StaticText2");
    auto rects = [&] {
        return std::vector{t::Inspect(*field).rect, t::Inspect(*box).rect, t::Inspect(*held).rect};
    };
    const auto before = rects();
    for (const std::string property : {"Left", "Top", "Width", "Height"}) {
        const bool size = property == "Width" || property == "Height";
        for (std::int32_t v : {INT32_MIN, size ? -1 : -kMax - 1, kMax + 1, INT32_MAX}) {
            const auto says = ::testing::ThrowsMessage<fw::OutOfBoundsException>(
                ::testing::HasSubstr("'EditField1': " + property + " " + std::to_string(v)));
            const char* good = property == "Top" ? "Left" : "Top";
            EXPECT_THAT([&] { fw::SetProperties(*field, Encode({Int(good, 0), Int(property, v)})); }, says);
            EXPECT_THAT([&] { fw::SetProperty(*field, property, v); }, says);
        }
    }
    EXPECT_EQ((std::vector{field->Left(), field->Top(), field->Width(), field->Height()}),
              (std::vector{176, 61, 75, 22}));
    // The frame at the farthest it can go with the label it holds 29 pixels below its top edge.
    const auto carries = ::testing::ThrowsMessage<fw::OutOfBoundsException>(
        ::testing::HasSubstr("Top " + std::to_string(kMax - 28) + " would carry StaticText 'StaticText2'"));
    EXPECT_THAT([&] { box->SetTop(kMax - 28); }, carries);
    EXPECT_THAT([&] { fw::SetProperties(*box, Encode({Int("Left", 0), Int("Top", kMax - 28)})); }, carries);
    EXPECT_TRUE(rects() == before && box->Top() == 170 && held->Top() == 199);
    box->SetTop(kMax - 29);
    fw::SetProperties(*field, Encode({Int("Left", -kMax), Int("Width", kMax)}));
    field->SetHeight(0);
    EXPECT_EQ(
        (std::vector{held->Top(), t::Inspect(*held).rect.y, field->Left(), field->Width(), field->Height()}),
        (std::vector{kMax, kMax, -kMax, kMax, 0})); // what a frame holds moves with it
    EXPECT_EQ(t::Inspect(*field).rect, (t::Rect{-kMax, 61, kMax, 0}));
    // The window's content area is a widget as well.
    EXPECT_THROW(fw::SetProperties(*w, Encode({Int("Width", 200), Int("Height", INT32_MAX)})),
                 fw::OutOfBoundsException);
    EXPECT_THROW(w->SetWidth(-1), fw::OutOfBoundsException);
    EXPECT_EQ(std::pair(w->Width(), w->Height()), std::pair(300, 496));
}

TEST_F(WindowTest, StringsSetTheWindowsFrameAndTheControlsLooks) {
    t::WindowFacts f = t::Inspect(*w);
    EXPECT_TRUE(f.fixedSize && !f.dialog && f.minimizeButton && !f.maximizeButton);
    const fw::Color red{200, 10, 20};
    fw::SetProperties(*w, Encode({Int("Frame", 1), Bool("MinimizeButton", false), Bool("Resizeable", true),
                                  Int("Width", 425), Rgb("BackColor", red.red, red.green, red.blue)}));
    f = t::Inspect(*w);
    EXPECT_TRUE(f.dialog && !f.minimizeButton && !f.fixedSize);
    EXPECT_EQ((std::vector{f.contentWidth, f.contentHeight, f.minContentWidth, f.maxContentHeight}),
              (std::vector{425, 496, 64, 32000}));
    EXPECT_NE(t::ContentPixelAt(*w, 5, 5), red); // the platform's background until HasBackColor
    w->SetHasBackColor(true);
    EXPECT_EQ(t::ContentPixelAt(*w, 5, 5), red);

    const t::ControlFacts label = t::Inspect(*Get("StaticText1")), result = t::Inspect(*Get("StaticText2"));
    EXPECT_EQ((std::vector{label.fontPixelSize, label.alignment, result.fontPixelSize, result.alignment}),
              (std::vector{12, 0, 18, 1}));
    EXPECT_EQ(label.text, "Matricola Azienda"); // the label set before the string stays
    // Titles, captions and labels show as written: not Qt's mark of a modified window, a shortcut or markup.
    w->SetTitle("Draft [*] & Co");
    Get<fw::PushButton>("PushButton1")->SetCaption("Save & Quit");
    Get<fw::StaticText>("StaticText2")->SetText("<b>12345678 60</b>");
    EXPECT_EQ((std::vector{t::Inspect(*w).title, t::Inspect(*Get("PushButton1")).text,
                           t::Inspect(*Get("StaticText2")).text}),
              (std::vector<std::string>{"Draft [*] & Co", "Save && Quit", "<b>12345678 60</b>"}));
    fw::SetProperties(*Get("StaticText1"), Encode({Str("HelpTag", "<b>x</b>")}));
    EXPECT_NE(t::Inspect(*Get("StaticText1")).toolTip.find("&lt;b&gt;"), std::string::npos); // not markup
    Get("GroupBox1")->SetVisible(false); // a hidden frame hides what it holds
    EXPECT_FALSE(t::Inspect(*Get("StaticText2")).shown);
}

// Tab moves the focus in TabIndex order, not in the order the controls were made; TabStop False passes over.
TEST_F(Windows, TabMovesTheFocusInTabIndexOrder) {
    Ref<fw::Window> w = fw::MakeRef<fw::Window>("Tests.Fields");
    w->Constructor();
    for (auto [name, index, stop] :
         {std::tuple{"A", 0, true}, {"B", 2, true}, {"C", 1, true}, {"D", 3, false}})
        Add<fw::EditField>(*w, name,
                           Encode({Int("Top", 30 * index), Int("TabIndex", index), Bool("TabStop", stop)}));
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::Click(*w->ControlNamed<fw::EditField>("A"));
    std::string order;
    for (int i = 0; i < 4; ++i) {
        t::PressKey(*w, t::Key::Tab);
        for (const char* name : {"A", "B", "C", "D"})
            order += t::HasFocus(*w->ControlNamed<fw::EditField>(name)) ? name : "";
    }
    EXPECT_EQ(order, "CBAC");
}

// Built in order and open, the one window of its class name until the close box closes it.
TEST_F(WindowTest, BuildOrderAndOneOpenWindowPerClassNameUntilTheCloseBoxClosesIt) {
    EXPECT_EQ(w->log, (std::vector<std::string>{"Layout", "CreateControls", "StaticText1.Open", "Open"}));
    EXPECT_THROW(w->Constructor(), fw::InvalidArgumentException);
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), Ref<fw::Window>(w));
    EXPECT_EQ(fw::GetImplicitWindow("tests.mainlike"), nullptr);
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    t::CloseAsUser(*w);
    EXPECT_TRUE(fw::OpenWindows().empty() && !w->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow("Tests.MainLike"), nullptr);
    w->Close(); // once closed, closing again does nothing
    EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "Close"), 1);
    EXPECT_THROW(w->Show(), fw::InvalidArgumentException);
}

TEST_F(WindowTest, AHandlerThatClosesItsOwnWindowOutlivesIt) {
    const int alive = MainLike::alive;
    Ref<fw::PushButton> button = Get<fw::PushButton>("PushButton1");
    w->onAction = [](MainLike& self) { self.Close(); };
    w = nullptr;
    EXPECT_EQ(MainLike::alive, alive); // held by the window lists, then only by the running event
    button->SetEnabled(true);
    button->Push();
    EXPECT_EQ(MainLike::alive, alive - 1); // gone as soon as the handler returned
    EXPECT_EQ(button->Window(), nullptr);
    EXPECT_EQ(button->Caption(), "Calcola"); // a control that outlives its window still reads back
    button->SetCaption("x");
}

TEST_F(Windows, AWindowThatFailsOrClosesWhileBuildingOrClosingIsNotLeftOpen) {
    Ref<MainLike> failing = fw::MakeRef<MainLike>(), closing = fw::MakeRef<MainLike>();
    failing->afterControls = [](MainLike&) { throw fw::NilObjectException("no such thing"); };
    EXPECT_THROW(failing->Constructor(), fw::NilObjectException);
    closing->afterControls = [](MainLike& self) { self.Close(); };
    closing->Constructor();
    EXPECT_TRUE(!t::Inspect(*closing).shown && closing->log.back() == "Close"); // and never Open
    Ref<MainLike> throwing = OpenMainLike();
    throwing->onClose = [](MainLike&) { throw fw::RuntimeException("from Close"); };
    EXPECT_THROW(throwing->Close(), fw::RuntimeException);
    EXPECT_TRUE(fw::OpenWindows().empty() && !failing->IsOpen() && !closing->IsOpen() && !throwing->IsOpen());
}

TEST_F(WindowTest, LookupsByNameAndNamesUniqueWithinAWindow) {
    EXPECT_EQ(fw::RuntimeWindowControlByName(*w, "EditField1"), w->FindControl("EditField1"));
    EXPECT_EQ(w->FindControl("editfield1"), nullptr);
    EXPECT_THAT([&] { Get("EditField9"); }, ::testing::ThrowsMessage<fw::NilObjectException>(
                                                "Window 'Tests.MainLike' has no control named 'EditField9'"));
    EXPECT_THAT([&] { Get<fw::EditField>("StaticText1"); },
                ::testing::ThrowsMessage<fw::NilObjectException>(
                    "Window 'Tests.MainLike': control 'StaticText1' is a StaticText, not the class wanted "
                    "(fw::EditField)"));
    // A name taken or empty, a control added already or made by another window, or none.
    Ref<MainLike> other = fw::MakeRef<MainLike>("Tests.Other");
    for (auto [name, c] : {std::pair{"EditField1", w->New<fw::StaticText>()},
                           {"", w->New<fw::StaticText>()},
                           {"Extra", Get<fw::StaticText>("StaticText1")},
                           {"Foreign", other->New<fw::StaticText>()}})
        EXPECT_THROW(w->AddControl(name, c), fw::InvalidArgumentException) << name;
    EXPECT_THROW(w->AddControl("X", nullptr), fw::NilObjectException);
    Ref<fw::StaticText> loose = fw::MakeRef<fw::StaticText>();
    EXPECT_THROW(loose->Constructor(), fw::NilObjectException); // not made by a window
    EXPECT_THROW(fw::SetProperties(*loose, Encode({Str("Name", "L"), Int("Left", 1)})),
                 fw::NilObjectException);
    EXPECT_EQ(loose->Name(), ""); // a string for a control not yet constructed sets nothing
}

// Everything a refused string might have touched: every declared property read back, the widgets as shown
// (colours set or left to the style), the list's rows and the events raised.
using State = std::tuple<std::string, t::WindowFacts, std::optional<t::ControlFacts>>;

State StateOf(MainLike& w, fw::Object& target) {
    std::string read = "events " + std::to_string(w.textChanges);
    for (const fw::ClassInfo* c = &target.GetClass(); c; c = c->parent)
        for (const fw::PropertyDecl& d : c->properties)
            read += " " + std::string(d.name) + "=" + ::testing::PrintToString(d.get(target, d));
    if (auto* list = dynamic_cast<fw::Listbox*>(&target))
        for (int r = 0; r < list->ListCount(); ++r)
            read += " row " + list->Cell(r, 0);
    auto* rc = dynamic_cast<fw::RectControl*>(&target);
    return {read, t::Inspect(w), rc ? std::optional(t::Inspect(*rc)) : std::nullopt};
}

// The entry of a value the property takes, other than the one it has.
std::string OtherValue(fw::Object& target, const fw::PropertyDecl& d, const std::string& name) {
    const fw::PropertyValue v = d.get(target, d);
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return Encode({Int(d.name, *i + 1)});
    if (const auto* b = std::get_if<bool>(&v))
        return Encode({Bool(d.name, !*b)});
    if (const auto* c = std::get_if<fw::Color>(&v))
        return Encode({Rgb(d.name, static_cast<std::uint8_t>(c->red ^ 0x80), c->green, c->blue)});
    const fw::Text text = std::get<fw::Text>(v);
    if (d.name == "Mask")
        return Encode({Str(d.name, "9999")});
    if (d.name == "InitialParent")
        return Encode({Str(d.name, text == "GroupBox2" || name == "GroupBox2" ? "GroupBox1" : "GroupBox2")});
    return Encode({Str(d.name, text + "1")});
}

// Whatever a string sets first, a refused entry after it leaves everything as it was.
TEST_F(WindowTest, ARefusedStringChangesNothingWhateverItSetsFirst) {
    Add<fw::ImageWell>(*w, "ImageWell1");
    for (const char* row : {"a", "b"})
        Get<fw::Listbox>("ARListBox1")->AddRow(row);
    Get<fw::EditField>("EditField1")->SetText("12");
    std::vector<fw::Object*> targets{w.Get()};
    for (const Ref<fw::Control>& c : w->Controls())
        targets.push_back(c.Get());
    for (fw::Object* target : targets) {
        const std::string name = target == w.Get() ? "" : static_cast<fw::Control*>(target)->Name();
        for (const fw::ClassInfo* c = &target->GetClass(); c; c = c->parent) {
            for (const fw::PropertyDecl& d : c->properties) {
                SCOPED_TRACE(target->Describe() + " " + std::string(d.name));
                std::string s = OtherValue(*target, d, name);
                if (name.empty())
                    s += Encode({Int("Nope", 1)}); // nothing a window declares refuses a value
                else if (d.name != "InitialParent")
                    s += Encode({Str("InitialParent", "Nope")});
                else
                    s += Encode({Str("Name", name == "GroupBox1" ? "GroupBox2" : "GroupBox1")});
                const State before = StateOf(*w, *target);
                EXPECT_THROW(fw::SetProperties(*target, s), fw::RuntimeException);
                const State after = StateOf(*w, *target);
                EXPECT_TRUE(after == before) << std::get<0>(before) << "\n" << std::get<0>(after);
                const fw::PropertyValue previous = d.get(*target, d); // the value itself is taken
                EXPECT_NO_THROW(fw::SetProperties(*target, OtherValue(*target, d, name)));
                fw::SetProperty(*target, d.name, previous);
            }
        }
    }
}

struct Counted : fw::StaticText {
    static inline int gone = 0;
    ~Counted() override { ++gone; }
};

TEST_F(Windows, WindowsAndControlsAreReleasedOnce) {
    const int alive = MainLike::alive, gone = Counted::gone;
    Ref<MainLike> w = fw::MakeRef<MainLike>();
    w->afterControls = [](MainLike& self) {
        Add<Counted>(self, "C1");
        Add<Counted>(self, "C2");
        Ref<Counted> unregistered = self.New<Counted>(); // made, never added: goes at once
    };
    w->Constructor();
    EXPECT_EQ(Counted::gone, gone + 1);
    w->Close();
    w = nullptr;
    EXPECT_EQ(std::pair(MainLike::alive, Counted::gone), std::pair(alive, gone + 3));
}

} // namespace
