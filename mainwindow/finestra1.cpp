#include "mainwindow/finestra1.h"

#include "app/localize.h"
#include "app/menu.h"
#include "checkcode/check_code.h"
#include "checkcode/offices.h"
#include "framework/events.h"
#include "framework/properties.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "mainwindow/finestra1_properties.h"

#include <string>
#include <string_view>

namespace {

constexpr std::string_view kFullClassName = "Finestra1.Finestra1";

} // namespace

fw::Ref<::Finestra1> implicit::Finestra1() {
    fw::Ref<fw::Window> window = fw::GetImplicitWindow(kFullClassName);
    if (!window) {
        fw::Ref<::Finestra1> created = fw::RuntimeNewObject<::Finestra1>();
        fw::Require(created, "new window " + std::string(kFullClassName)).Constructor();
        window = created;
    }
    return fw::RefCast<::Finestra1>(window);
}

Finestra1::Finestra1() : fw::Window(kFullClassName) {}

void Finestra1::Layout() {
    SetTitle(Localize::nomefin());
    SetMenuBar(implicit::Menu());
    fw::SetProperties(*this, finestra1_properties::Window());
}

void Finestra1::CreateControls() {
    CreateControls0();
}

// Each control is finished before the next starts; a group box comes before the control placed in it,
// since that control's InitialParent names it.
void Finestra1::CreateControls0() {
    AddNew<fw::StaticText>("StaticText1");
    StaticText1()->SetText(Localize::matrAzi());
    fw::SetProperties(*StaticText1(), finestra1_properties::StaticText1());

    AddNew<fw::EditField>("EditField1");
    fw::SetProperties(*EditField1(), finestra1_properties::EditField1());
    EditField1()->InstallInstanceEventHandler(
        "TextChange",
        fw::RuntimeCreateDelegate(&Finestra1::EditField1_TextChange, *this, fw::kSignatureNone));
    EditField1()->InstallInstanceEventHandler(
        "MouseDown",
        fw::RuntimeCreateDelegate(&Finestra1::EditField1_MouseDown, *this, fw::kSignatureIntInt));

    AddNew<fw::PushButton>("PushButton1");
    PushButton1()->SetCaption(Localize::calcCCodice());
    fw::SetProperties(*PushButton1(), finestra1_properties::PushButton1());
    PushButton1()->InstallInstanceEventHandler(
        "Action", fw::RuntimeCreateDelegate(&Finestra1::PushButton1_Action, *this, fw::kSignatureNone));

    AddNew<fw::GroupBox>("GroupBox1");
    GroupBox1()->SetCaption(Localize::contrmatazi());
    fw::SetProperties(*GroupBox1(), finestra1_properties::GroupBox1());

    AddNew<fw::StaticText>("StaticText2");
    fw::SetProperties(*StaticText2(), finestra1_properties::StaticText2());

    AddNew<fw::GroupBox>("GroupBox2");
    GroupBox2()->SetCaption(Localize::sediinpscorr());
    fw::SetProperties(*GroupBox2(), finestra1_properties::GroupBox2());

    AddNew<ARListBox>("ARListBox1");
    fw::SetProperties(*ARListBox1(), finestra1_properties::ARListBox1());
    ARListBox1()->InstallInstanceEventHandler(
        "SortColumn", fw::RuntimeCreateDelegate(&Finestra1::ARListBox1_SortColumn, *this, fw::kSignatureInt));
}

// The button follows the length alone: the field's mask already keeps out anything but digits.
void Finestra1::EditField1_TextChange() {
    PushButton1()->SetEnabled(fw::Len(EditField1()->Text()) == 8);
}

bool Finestra1::EditField1_MouseDown(std::int32_t /*x*/, std::int32_t /*y*/) {
    if (fw::IsContextualClick())
        EditMenu()->PopUp(); // the framework carries out whatever Edit command is picked
    return false;
}

void Finestra1::PushButton1_Action() {
    StaticText2()->SetText(checkcode::ComputeCheckCode(EditField1()->Text()).result);
    TrovaSede();
}

bool Finestra1::ARListBox1_SortColumn(std::int32_t /*column*/) {
    return false;
}

fw::Ref<fw::MenuItem> Finestra1::EditMenu() const {
    return MenuBar()->Lookup("EditMenu");
}
fw::Ref<fw::MenuItem> Finestra1::EditClear() const {
    return MenuBar()->Lookup("EditClear");
}
fw::Ref<fw::MenuItem> Finestra1::EditPaste() const {
    return MenuBar()->Lookup("EditPaste");
}
fw::Ref<fw::MenuItem> Finestra1::EditCopy() const {
    return MenuBar()->Lookup("EditCopy");
}
fw::Ref<fw::MenuItem> Finestra1::EditCut() const {
    return MenuBar()->Lookup("EditCut");
}
fw::Ref<fw::MenuItem> Finestra1::UntitledMenu1() const {
    return MenuBar()->Lookup("UntitledMenu1");
}
fw::Ref<fw::MenuItem> Finestra1::EditUndo() const {
    return MenuBar()->Lookup("EditUndo");
}
fw::Ref<fw::MenuItem> Finestra1::FileMenu() const {
    return MenuBar()->Lookup("FileMenu");
}
fw::Ref<fw::QuitMenuItem> Finestra1::FileQuit() const {
    return fw::RefCast<fw::QuitMenuItem>(MenuBar()->Lookup("FileQuit"));
}
fw::Ref<fw::AppleMenuItem> Finestra1::ArchivioInfosuMorvalit() const {
    return fw::RefCast<fw::AppleMenuItem>(MenuBar()->Lookup("ArchivioInfosuMorvalit"));
}

// Closing the main window ends the program.
void Finestra1::Event_Close() {
    fw::Quit(0);
}

void Finestra1::TrovaSede() {
    const checkcode::OfficeTable sedi = checkcode::BuildOfficeTable(); // built first, gone when this returns
    ARListBox1()->DeleteAllRows();
    // The lookup works on a view: keep the number alive for the whole scan.
    const fw::Text number = EditField1()->Text();
    checkcode::LookupOffices(sedi, number,
                             [this](std::string_view office) { ARListBox1()->AddRow(fw::Text(office)); });
    ARListBox1()->SetSortedColumn(0);
    ARListBox1()->Sort();
}

fw::Ref<fw::StaticText> Finestra1::StaticText1() const {
    return ControlNamed<fw::StaticText>("StaticText1");
}
fw::Ref<fw::EditField> Finestra1::EditField1() const {
    return ControlNamed<fw::EditField>("EditField1");
}
fw::Ref<fw::PushButton> Finestra1::PushButton1() const {
    return ControlNamed<fw::PushButton>("PushButton1");
}
fw::Ref<fw::GroupBox> Finestra1::GroupBox1() const {
    return ControlNamed<fw::GroupBox>("GroupBox1");
}
fw::Ref<fw::StaticText> Finestra1::StaticText2() const {
    return ControlNamed<fw::StaticText>("StaticText2");
}
fw::Ref<fw::GroupBox> Finestra1::GroupBox2() const {
    return ControlNamed<fw::GroupBox>("GroupBox2");
}
fw::Ref<ARListBox> Finestra1::ARListBox1() const {
    return ControlNamed<ARListBox>("ARListBox1");
}
