#include "app/menu.h"

#include "app/localize.h"
#include "framework/runtime.h"

#include <string>
#include <string_view>

fw::Ref<Menu> Menu::_implicitInstance;

namespace {

using Caption = fw::Text (*)();

// One item, complete before it is appended; its caption is read while it is built.
template <class Item>
fw::Ref<fw::MenuItem> NewItem(std::string_view name, bool autoEnable, Caption caption,
                              std::string_view shortcut) {
    fw::Ref<Item> item = fw::RuntimeNewObject<Item>();
    fw::Require(item, "new menu item " + std::string(name)).Constructor();
    item->SetName(fw::Text(name));
    item->SetAutoEnable(autoEnable);
    item->SetText(caption());
    item->SetKeyboardShortcut(fw::Text(shortcut));
    return item;
}

// A separator line: its caption is "-" and it gets no shortcut at all.
fw::Ref<fw::MenuItem> NewSeparator(std::string_view name) {
    fw::Ref<fw::MenuItem> item = fw::RuntimeNewObject<fw::MenuItem>();
    fw::Require(item, "new menu item " + std::string(name)).Constructor();
    item->SetName(fw::Text(name));
    item->SetAutoEnable(false);
    item->SetText("-");
    return item;
}

// The menu of that name on the bar, looked up afresh for every item.
fw::Ref<fw::MenuItem> MenuNamed(const Menu& bar, std::string_view name) {
    fw::Ref<fw::MenuItem> menu = bar.Child(name);
    if (!menu)
        throw fw::NilObjectException("nil object: no menu named \"" + std::string(name) +
                                     "\" on the menu bar");
    return menu;
}

void AppendTo(const Menu& bar, std::string_view menuName, const fw::Ref<fw::MenuItem>& item) {
    MenuNamed(bar, menuName)->Append(item);
}

} // namespace

void Menu::Constructor() {
    Untitled1();
    Untitled2();
}

void Menu::Untitled1() {
    Append(NewItem<fw::MenuItem>("FileMenu", false, Localize::Arch, ""));
    AppendTo(*this, "FileMenu",
             NewItem<fw::AppleMenuItem>("ArchivioInfosuMorvalit", true, Localize::About, ""));
    AppendTo(*this, "FileMenu", NewItem<fw::QuitMenuItem>("FileQuit", true, Localize::Esci, "Cmd+Q"));
}

void Menu::Untitled2() {
    Append(NewItem<fw::MenuItem>("EditMenu", false, Localize::Compos, ""));
    AppendTo(*this, "EditMenu", NewItem<fw::MenuItem>("EditUndo", false, Localize::Annulla, "Cmd+Z"));
    AppendTo(*this, "EditMenu", NewSeparator("UntitledMenu1"));
    AppendTo(*this, "EditMenu", NewItem<fw::MenuItem>("EditCut", false, Localize::Taglia, "Cmd+X"));
    AppendTo(*this, "EditMenu", NewItem<fw::MenuItem>("EditCopy", false, Localize::Copia, "Cmd+C"));
    AppendTo(*this, "EditMenu", NewItem<fw::MenuItem>("EditPaste", false, Localize::Incolla, "Cmd+V"));
    AppendTo(*this, "EditMenu", NewItem<fw::MenuItem>("EditClear", false, Localize::Cancella, ""));
}

void Menu::Exit() {
    _implicitInstance = nullptr;
}

namespace implicit {

fw::Ref<::Menu> Menu() {
    if (::Menu::_implicitInstance)
        return ::Menu::_implicitInstance;
    fw::Ref<::Menu> bar = fw::RuntimeNewObject<::Menu>();
    fw::Require(bar, "new menu bar").Constructor();
    // Stored only once built: a build that fails leaves the slot nil.
    ::Menu::_implicitInstance = bar;
    return bar;
}

} // namespace implicit
