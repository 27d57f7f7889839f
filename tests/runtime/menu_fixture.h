#pragma once

#include "framework/application.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"

#include <string>
#include <string_view>

// Builds items the way the program's menu bar does: new object, constructor, then Name, AutoEnable, Text
// and KeyboardShortcut, then Append.
template <class T = fw::MenuItem>
fw::Ref<T> NewItem(std::string_view name, std::string_view text, std::string_view shortcut = {}) {
    fw::Ref<T> item = fw::RuntimeNewObject<T>();
    item->Constructor();
    item->SetName(fw::Text(name));
    item->SetText(fw::Text(text));
    if (text != "-")
        item->SetKeyboardShortcut(fw::Text(shortcut));
    return item;
}

// File menu with About and Quit, Edit menu with Undo, a separator, Cut, Copy, Paste and Clear.
inline fw::Ref<fw::MenuBar> ProgramLikeBar() {
    fw::Ref<fw::MenuBar> bar = fw::RuntimeNewObject<fw::MenuBar>();
    bar->Append(NewItem("FileMenu", "Archivio"));
    bar->Child("FileMenu")->Append(NewItem<fw::AppleMenuItem>("ArchivioInfosuMorvalit", "Info su Morvalit"));
    bar->Child("FileMenu")->Append(NewItem<fw::QuitMenuItem>("FileQuit", "Esci", "Cmd+Q"));
    bar->Append(NewItem("EditMenu", "Composizione"));
    bar->Child("EditMenu")->Append(NewItem("EditUndo", "Annulla", "Cmd+Z"));
    bar->Child("EditMenu")->Append(NewItem("UntitledMenu1", "-"));
    bar->Child("EditMenu")->Append(NewItem("EditCut", "Taglia", "Cmd+X"));
    bar->Child("EditMenu")->Append(NewItem("EditCopy", "Copia", "Cmd+C"));
    bar->Child("EditMenu")->Append(NewItem("EditPaste", "Incolla", "Cmd+V"));
    bar->Child("EditMenu")->Append(NewItem("EditClear", "Cancella"));
    return bar;
}

// An application class with handlers that count their calls.
class CountingApp : public fw::Application {
public:
    int about = 0;
    int copy = 0;
    bool copyHandles = true;
    bool About() {
        ++about;
        return true;
    }
    bool Copy() {
        ++copy;
        return copyHandles;
    }
};

// An item that counts its own Action.
class CountingItem : public fw::MenuItem {
public:
    int actions = 0;
    bool Event_Action() override {
        ++actions;
        return true;
    }
};
