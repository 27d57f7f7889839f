// The check-code window: the registration number, its check code and the INPS offices it belongs to.
#pragma once

#include "framework/edit_field.h"
#include "framework/group_box.h"
#include "framework/menu_item.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/window.h"
#include "mainwindow/ar_list_box.h"

#include <cstdint>

class Finestra1 : public fw::Window {
public:
    Finestra1();

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

    // Handlers bound to the controls' events.
    void EditField1_TextChange();
    bool EditField1_MouseDown(std::int32_t x, std::int32_t y);
    void PushButton1_Action();
    bool ARListBox1_SortColumn(std::int32_t column);

    // Items of the window's menu bar, by name; nil when the bar has no such item.
    fw::Ref<fw::MenuItem> EditMenu() const;
    fw::Ref<fw::MenuItem> EditClear() const;
    fw::Ref<fw::MenuItem> EditPaste() const;
    fw::Ref<fw::MenuItem> EditCopy() const;
    fw::Ref<fw::MenuItem> EditCut() const;
    fw::Ref<fw::MenuItem> UntitledMenu1() const;
    fw::Ref<fw::MenuItem> EditUndo() const;
    fw::Ref<fw::MenuItem> FileMenu() const;
    fw::Ref<fw::QuitMenuItem> FileQuit() const;
    fw::Ref<fw::AppleMenuItem> ArchivioInfosuMorvalit() const;

    void Event_Close() override;

    // Refills the office list with the offices of the number in EditField1, ordered by office code.
    void TrovaSede();

    // The controls, looked up by name on every call.
    fw::Ref<fw::StaticText> StaticText1() const;
    fw::Ref<fw::EditField> EditField1() const;
    fw::Ref<fw::PushButton> PushButton1() const;
    fw::Ref<fw::GroupBox> GroupBox1() const;
    fw::Ref<fw::StaticText> StaticText2() const;
    fw::Ref<fw::GroupBox> GroupBox2() const;
    fw::Ref<ARListBox> ARListBox1() const;
};

namespace implicit {
// The one check-code window: the open one, or a new one built now.
fw::Ref<::Finestra1> Finestra1();
} // namespace implicit
