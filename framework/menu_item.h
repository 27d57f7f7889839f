#pragma once

#include "framework/object.h"
#include "framework/text.h"

#include <memory>
#include <string_view>
#include <vector>

namespace fw {

namespace detail {
class MenuItemPeer;
}

// A menu item; an item with children is a menu. Items are found by Name. Events: "Action".
// The items named EditUndo, EditCut, EditCopy, EditPaste and EditClear act on the focused entry field
// unless the application binds a handler to them, and are enabled while they can act.
class MenuItem : public Object {
public:
    MenuItem();
    ~MenuItem() override;

    std::string Describe() const override;

    // The default constructor: makes the item ready to be set up and appended.
    virtual void Constructor();

    const fw::Text& Name() const noexcept { return name_; }
    void SetName(const fw::Text& v) { name_ = v; }
    // The caption; "-" makes a separator line.
    fw::Text Text() const;
    void SetText(const fw::Text& v);
    // "Cmd+Q" and the like: Cmd is the platform's command key (Ctrl on Linux and Windows); empty: none.
    fw::Text KeyboardShortcut() const;
    void SetKeyboardShortcut(const fw::Text& v);
    // Kept as set. Items are enabled unless SetEnabled(false); the layer's own Edit commands follow whether
    // they can act, whatever the flag says.
    bool AutoEnable() const noexcept { return autoEnable_; }
    void SetAutoEnable(bool v) { autoEnable_ = v; }
    bool Enabled() const;
    void SetEnabled(bool v);

    // The item becomes the last child.
    void Append(const Ref<MenuItem>& item);
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(children_.size()); }
    Ref<MenuItem> Item(std::int32_t index) const;
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // Any item below this one of that name, depth first, or nil.
    Ref<MenuItem> Lookup(std::string_view name) const;
    MenuItem* Parent() const noexcept { return parent_; }

    // Shows the item's children as a pop-up menu at the mouse position; returns the item picked, or nil.
    Ref<MenuItem> PopUp();

    // Chooses the item as the user would: the application's handler bound to its name, else the item's own
    // Event_Action, else the framework's Edit command of that name.
    void Choose();
    // The item's own handling of its "Action" event; True means handled.
    virtual bool Event_Action() { return false; }

    detail::MenuItemPeer& Peer() const;

private:
    fw::Text name_;
    bool autoEnable_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<Ref<MenuItem>> children_;
    std::unique_ptr<detail::MenuItemPeer> peer_;
};

// The bar of menus that windows and the application show.
class MenuBar : public MenuItem {};

// The class of the About item (placed as the platform expects an about item).
class AppleMenuItem : public MenuItem {
public:
    AppleMenuItem();
};

// An item whose own Action asks the framework to quit.
class QuitMenuItem : public MenuItem {
public:
    QuitMenuItem();
    bool Event_Action() override;
};

} // namespace fw
