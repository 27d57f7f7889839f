#pragma once
// A window built the way the program builds its main window: layout from its property string, seven
// controls each made, registered, labelled, configured from its string and bound, in that order.

#include "design_strings.h"
#include "shaded_list.h"

#include "framework/edit_field.h"
#include "framework/group_box.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/window.h"

#include <functional>
#include <string>
#include <vector>

namespace testwindows {

class MainLike : public fw::Window {
public:
    explicit MainLike(std::string_view fullClassName = "Tests.MainLike") : Window(fullClassName) { ++alive; }
    ~MainLike() override { --alive; }

    static inline int alive = 0;

    void Layout() override {
        log.push_back("Layout");
        SetTitle("Morvalit DL");
        fw::SetProperties(*this, design::MainWindow());
    }

    void CreateControls() override {
        log.push_back("CreateControls");
        Add<fw::StaticText>("StaticText1", design::StaticText1(),
                            [](auto& c) { c.SetText("Matricola Azienda"); });
        Bind("StaticText1", "Open", &MainLike::StaticText1_Open, fw::kSignatureNone);
        Add<fw::EditField>("EditField1", design::EditField1());
        Bind("EditField1", "TextChange", &MainLike::EditField1_TextChange, fw::kSignatureNone);
        Bind("EditField1", "MouseDown", &MainLike::EditField1_MouseDown, fw::kSignatureIntInt);
        Add<fw::PushButton>("PushButton1", design::PushButton1(), [](auto& c) { c.SetCaption("Calcola"); });
        Bind("PushButton1", "Action", &MainLike::PushButton1_Action, fw::kSignatureNone);
        Add<fw::GroupBox>("GroupBox1", design::GroupBox("GroupBox1", 170, 85, 3, 12),
                          [](auto& c) { c.SetCaption("Controllo"); });
        Add<fw::StaticText>("StaticText2", design::StaticText2());
        Add<fw::GroupBox>("GroupBox2", design::GroupBox("GroupBox2", 279, 197, 4, 0),
                          [](auto& c) { c.SetCaption("Sedi"); });
        Add<testlists::ShadedList>("ARListBox1", design::ARListBox1());
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
        auto field = ControlNamed<fw::EditField>("EditField1");
        ControlNamed<fw::PushButton>("PushButton1")->SetEnabled(field->Text().size() == 8);
    }
    bool EditField1_MouseDown(std::int32_t x, std::int32_t y) {
        mouseDowns.push_back({x, y, fw::IsContextualClick()});
        return mouseDownAnswer;
    }
    void PushButton1_Action() {
        ++actions;
        lastSender = fw::CurrentEventSender();
        if (onAction)
            onAction(*this);
    }
    bool ARListBox1_SortColumn(std::int32_t column) {
        sortColumns.push_back(column);
        return sortAnswer;
    }

    struct Press {
        int x, y;
        bool contextual;
    };

    std::vector<std::string> log;
    int textChanges = 0;
    int actions = 0;
    std::vector<Press> mouseDowns;
    std::vector<int> sortColumns;
    bool mouseDownAnswer = false;
    bool sortAnswer = false;
    fw::Ref<fw::Control> lastSender;
    std::function<void(MainLike&)> afterControls;
    std::function<void(MainLike&)> onAction;
    std::function<void(MainLike&)> onClose;

    template <class C>
    void Add(const char* name, const std::string& props, std::function<void(C&)> label = {}) {
        fw::Ref<C> made = New<C>();
        made->Constructor();
        AddControl(name, made);
        made = nullptr;
        fw::Ref<C> c = ControlNamed<C>(name);
        if (label)
            label(*c);
        fw::SetProperties(*c, props);
    }

    template <class M>
    void Bind(const char* control, const char* event, M method, std::string_view signature) {
        FindControl(control)->InstallInstanceEventHandler(
            event, fw::RuntimeCreateDelegate(method, *this, signature));
    }
};

// Builds one and hands it over; the window lists hold it too while it is open.
inline fw::Ref<MainLike> OpenMainLike(std::function<void(MainLike&)> setUp = {}) {
    fw::Ref<MainLike> w = fw::MakeRef<MainLike>();
    if (setUp)
        setUp(*w);
    w->Constructor();
    return w;
}

} // namespace testwindows
