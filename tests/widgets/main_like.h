#pragma once
// A window built the way the program builds its main window: layout from its property string, then seven
// controls each made, registered, labelled, configured from a short string of its own and bound.

#include "shaded_list.h"

#include "framework/edit_field.h"
#include "framework/group_box.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/testing/property_bytes.h"
#include "framework/window.h"

#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace testwindows {

using fw::testing::Encode;
using namespace fw::prop;

// Where a control stands, in window coordinates: the entries every control string carries.
inline std::string At(int left, int top, int width, int height) {
    return Encode({Int("Left", left), Int("Top", top), Int("Width", width), Int("Height", height)});
}

// Makes a control of the window, registers it, labels it and then applies its string.
template <class C>
fw::Ref<C> Add(fw::Window& w, const char* name, std::string_view props = {},
               std::function<void(C&)> label = {}) {
    fw::Ref<C> c = w.AddNew<C>(name);
    if (label)
        label(*c);
    fw::SetProperties(*c, props);
    return c;
}

class MainLike : public fw::Window {
public:
    explicit MainLike(std::string_view fullClassName = "Tests.MainLike") : Window(fullClassName) { ++alive; }
    ~MainLike() override { --alive; }

    static inline int alive = 0;

    void Layout() override {
        log.push_back("Layout");
        fw::SetProperties(*this, Encode({Int("Width", 300), Int("Height", 496), Bool("Resizeable", false),
                                         Bool("MaximizeButton", false)}));
    }

    void CreateControls() override {
        log.push_back("CreateControls");
        Add<fw::StaticText>(*this, "StaticText1", At(46, 62, 124, 21) + Encode({Int("TextSize", 12)}),
                            [](auto& c) { c.SetText("Matricola Azienda"); });
        Bind("StaticText1", "Open", &MainLike::StaticText1_Open, fw::kSignatureNone);
        Add<fw::EditField>(*this, "EditField1",
                           At(176, 61, 75, 22) + Encode({Str("Mask", "99999999"), Int("LimitText", 8)}));
        Bind("EditField1", "TextChange", &MainLike::EditField1_TextChange, fw::kSignatureNone);
        Bind("EditField1", "MouseDown", &MainLike::EditField1_MouseDown, fw::kSignatureIntInt);
        Add<fw::PushButton>(*this, "PushButton1",
                            At(69, 124, 163, 20) + Encode({Bool("Default", true), Bool("Enabled", false)}),
                            [](auto& c) { c.SetCaption("Calcola"); });
        Bind("PushButton1", "Action", &MainLike::PushButton1_Action, fw::kSignatureNone);
        Add<fw::GroupBox>(*this, "GroupBox1", At(40, 170, 221, 85));
        Add<fw::StaticText>(*this, "StaticText2",
                            At(54, 199, 197, 38) + Encode({Int("TextAlign", 1), Int("TextSize", 18),
                                                           Str("InitialParent", "GroupBox1")}));
        Add<fw::GroupBox>(*this, "GroupBox2", At(40, 279, 221, 197));
        Add<testlists::ShadedList>(*this, "ARListBox1",
                                   At(47, 313, 206, 158) + Encode({Str("InitialParent", "GroupBox2")}));
        Bind("ARListBox1", "SortColumn", &MainLike::ARListBox1_SortColumn, fw::kSignatureInt);
        if (afterControls)
            afterControls(*this);
    }

    void Event_Open() override { log.push_back("Open"); }
    void Event_Close() override {
        log.push_back("Close");
        if (onClose)
            onClose(*this);
    }

    void StaticText1_Open() { log.push_back("StaticText1.Open"); }
    void EditField1_TextChange() {
        ++textChanges;
        lastSender = fw::CurrentEventSender();
    }
    bool EditField1_MouseDown(std::int32_t x, std::int32_t y) {
        mouseDowns.emplace_back(x, y, fw::IsContextualClick());
        return mouseDownAnswer;
    }
    void PushButton1_Action() {
        ++actions;
        if (onAction)
            onAction(*this);
    }
    bool ARListBox1_SortColumn(std::int32_t column) {
        sortColumns.push_back(column);
        return sortAnswer;
    }

    template <class M>
    void Bind(const char* control, const char* event, M method, std::string_view signature) {
        FindControl(control)->InstallInstanceEventHandler(
            event, fw::RuntimeCreateDelegate(method, *this, signature));
    }

    std::vector<std::string> log;
    int textChanges = 0;
    int actions = 0;
    std::vector<std::tuple<int, int, bool>> mouseDowns; // x, y, contextual
    std::vector<int> sortColumns;
    bool mouseDownAnswer = false;
    bool sortAnswer = false;
    fw::Ref<fw::Control> lastSender; // of the last TextChange
    std::function<void(MainLike&)> afterControls;
    std::function<void(MainLike&)> onAction;
    std::function<void(MainLike&)> onClose;
};

// Builds one and hands it over; the window lists hold it too while it is open.
inline fw::Ref<MainLike> OpenMainLike() {
    fw::Ref<MainLike> w = fw::MakeRef<MainLike>();
    w->Constructor();
    return w;
}

} // namespace testwindows
