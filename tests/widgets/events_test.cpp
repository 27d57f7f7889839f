// Binding events by name and raising them: refused bindings, sender and owner, results and exceptions.
#include "main_like.h"

#include "framework/testing/driver.h"

#include <gtest/gtest.h>

namespace {

using fw::Ref;
using testwindows::MainLike;
using testwindows::OpenMainLike;
namespace t = fw::testing;

class EventsTest : public ::testing::Test {
protected:
    void SetUp() override { w = OpenMainLike(); }
    void TearDown() override { t::CloseAllWindows(); }
    Ref<MainLike> w;
};

// A window with handlers of every shape.
struct Handlers : MainLike {
    void None() { ++calls; }
    bool One(std::int32_t a) { return a > 0; }
    bool Two(std::int32_t a, std::int32_t b) { return a == b; }
    int calls = 0;
};

TEST_F(EventsTest, BindingsThatDoNotFitAreRefusedAtBindTime) {
    Ref<Handlers> h = fw::MakeRef<Handlers>();
    auto field = w->ControlNamed<fw::EditField>("EditField1");
    auto list = w->ControlNamed<testlists::ShadedList>("ARListBox1");
    auto label = w->ControlNamed<fw::StaticText>("StaticText2");
    const auto none = fw::RuntimeCreateDelegate(&Handlers::None, *h, fw::kSignatureNone);
    const auto one = fw::RuntimeCreateDelegate(&Handlers::One, *h, fw::kSignatureInt);

    // The signature text must describe the method.
    EXPECT_THROW(fw::RuntimeCreateDelegate(&Handlers::None, *h, "( Int32 ) as Boolean"),
                 fw::InvalidArgumentException);
    EXPECT_THROW(fw::RuntimeCreateDelegate(&Handlers::Two, *h, "(Int32, Int32) as Boolean"),
                 fw::InvalidArgumentException);
    // Unknown events, events of another class, events in another letter case.
    EXPECT_THROW(field->InstallInstanceEventHandler("Action", none), fw::InvalidArgumentException);
    EXPECT_THROW(field->InstallInstanceEventHandler("textchange", none), fw::InvalidArgumentException);
    EXPECT_THROW(label->InstallInstanceEventHandler("TextChange", none), fw::InvalidArgumentException);
    // Shapes that do not match the event.
    EXPECT_THROW(field->InstallInstanceEventHandler("MouseDown", none), fw::InvalidArgumentException);
    EXPECT_THROW(list->InstallInstanceEventHandler("SortColumn", none), fw::InvalidArgumentException);
    EXPECT_THROW(field->InstallInstanceEventHandler("TextChange", one), fw::InvalidArgumentException);
    // A delegate whose text says one thing and whose call is another.
    EXPECT_THROW(label->InstallInstanceEventHandler("Open", fw::Delegate("(  )", fw::Delegate::OneInt{})),
                 fw::InvalidArgumentException);
    // The list's cell painting is its class's, never an instance's.
    EXPECT_THROW(list->InstallInstanceEventHandler(
                     "CellBackgroundPaint",
                     fw::Delegate("( Graphics, Int32, Int32 ) as Boolean", fw::Delegate::TwoInts{})),
                 fw::InvalidArgumentException);
    EXPECT_THROW(label->InstallInstanceEventHandler("Open", fw::Delegate()), fw::NilObjectException);
    // One handler per event and control.
    EXPECT_THROW(field->InstallInstanceEventHandler("TextChange", none), fw::InvalidArgumentException);

    label->InstallInstanceEventHandler("Open", none);
    EXPECT_TRUE(label->HasHandler("Open"));
    label->RaiseEvent("Open");
    EXPECT_EQ(h->calls, 1);
    EXPECT_THROW(label->RaiseEvent("Open", 1),
                 fw::InvalidArgumentException); // raised with the wrong arguments
}

TEST_F(EventsTest, HandlersRunOnTheWindowWithTheControlAsSender) {
    Ref<fw::Control> seenSender;
    fw::Window* seenOwner = nullptr;
    w->onAction = [&](MainLike& self) {
        seenSender = fw::CurrentEventSender();
        seenOwner = &self;
    };
    auto button = w->ControlNamed<fw::PushButton>("PushButton1");
    button->SetEnabled(true);
    button->Push();
    EXPECT_EQ(seenSender, Ref<fw::Control>(button));
    EXPECT_EQ(seenOwner, w.Get());
    EXPECT_EQ(button->Window(), Ref<fw::Window>(w));
    EXPECT_EQ(fw::CurrentEventSender(), nullptr);
}

TEST_F(EventsTest, ANestedEventGivesTheOuterSenderBack) {
    auto field = w->ControlNamed<fw::EditField>("EditField1");
    auto button = w->ControlNamed<fw::PushButton>("PushButton1");
    Ref<fw::Control> afterInner;
    w->onAction = [&](MainLike& self) {
        self.ControlNamed<fw::EditField>("EditField1")->SetText("1"); // raises TextChange inside Action
        afterInner = fw::CurrentEventSender();
    };
    button->SetEnabled(true);
    button->Push();
    EXPECT_EQ(w->lastSender, Ref<fw::Control>(field)); // TextChange's sender
    EXPECT_EQ(afterInner, Ref<fw::Control>(button));
}

TEST_F(EventsTest, BooleanResultsGoBackAndMissingHandlersAnswerFalse) {
    auto field = w->ControlNamed<fw::EditField>("EditField1");
    w->mouseDownAnswer = true;
    EXPECT_TRUE(field->RaiseEvent("MouseDown", 1, 2));
    w->mouseDownAnswer = false;
    EXPECT_FALSE(field->RaiseEvent("MouseDown", 1, 2));
    auto label = w->ControlNamed<fw::StaticText>("StaticText2");
    label->RaiseEvent("Open"); // no handler: nothing
    auto list = w->ControlNamed<testlists::ShadedList>("ARListBox1");
    w->sortAnswer = true;
    EXPECT_TRUE(list->RaiseEvent("SortColumn", 3));
    EXPECT_EQ(w->sortColumns, std::vector<int>{3});
}

TEST_F(EventsTest, AHandlersExceptionPassesOutAndLeavesTheControlUsable) {
    auto button = w->ControlNamed<fw::PushButton>("PushButton1");
    button->SetEnabled(true);
    w->onAction = [](MainLike&) { throw fw::NilObjectException("from the handler"); };
    EXPECT_THROW(button->Push(), fw::NilObjectException);
    EXPECT_EQ(fw::CurrentEventSender(), nullptr);
    w->onAction = nullptr;
    button->Push();
    EXPECT_EQ(w->actions, 2);
}

} // namespace
