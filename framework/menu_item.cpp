#include "framework/menu_item.h"

#include "framework/application.h"
#include "framework/qt/edit_commands.h"
#include "framework/qt/event_loop.h"
#include "framework/qt/menu_item_peer.h"
#include "framework/runtime.h"

#include <string>

namespace fw {

MenuItem::MenuItem() : peer_(std::make_unique<detail::MenuItemPeer>(*this)) {}

MenuItem::~MenuItem() {
    for (const Ref<MenuItem>& child : children_)
        child->parent_ = nullptr;
}

std::string MenuItem::Describe() const {
    return "MenuItem '" + name_ + "'";
}

void MenuItem::Constructor() {}

fw::Text MenuItem::Text() const {
    return peer_->text;
}

void MenuItem::SetText(const fw::Text& v) {
    peer_->SetText(v);
}

fw::Text MenuItem::KeyboardShortcut() const {
    return peer_->shortcut;
}

void MenuItem::SetKeyboardShortcut(const fw::Text& v) {
    peer_->SetShortcut(v);
}

bool MenuItem::Enabled() const {
    return peer_->Enabled();
}

void MenuItem::SetEnabled(bool v) {
    peer_->SetEnabled(v);
}

void MenuItem::Append(const Ref<MenuItem>& item) {
    MenuItem& child = Require(item, "item appended to " + Describe());
    if (child.parent_)
        throw InvalidArgumentException(child.Describe() + " is already in " + child.parent_->Describe() +
                                       "; it cannot also be appended to " + Describe());
    for (const MenuItem* p = this; p; p = p->parent_) {
        if (p == &child)
            throw InvalidArgumentException(child.Describe() + " cannot be appended below itself");
    }
    children_.push_back(item);
    child.parent_ = this;
    peer_->ChildAppended(child);
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const {
    if (index < 0 || index >= Count())
        throw InvalidArgumentException("item index " + std::to_string(index) + " is out of range for " +
                                       Describe() + ", which has " + std::to_string(Count()) + " items");
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const Ref<MenuItem>& child : children_) {
        if (child->name_ == name)
            return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const Ref<MenuItem>& child : children_) {
        if (child->name_ == name)
            return child;
        if (Ref<MenuItem> found = child->Lookup(name))
            return found;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::PopUp() {
    Ref<MenuItem> self(this); // a chosen item's handler may drop the last outside reference
    detail::RequireStarted("popping up " + Describe());
    if (children_.empty())
        return nullptr;
    return Ref<MenuItem>(peer_->PopUpAtMouse());
}

void MenuItem::Choose() {
    Ref<MenuItem> self(this);
    if (Ref<Application> app = GetAppObject()) {
        if (const std::function<bool()>* handler = app->MenuHandler(name_)) {
            const std::function<bool()> call = *handler; // the handler may rebind while it runs
            if (call())
                return;
        }
    }
    if (Event_Action())
        return;
    detail::Perform(detail::EditCommandNamed(name_));
}

detail::MenuItemPeer& MenuItem::Peer() const {
    return *peer_;
}

AppleMenuItem::AppleMenuItem() {
    Peer().SetRole(detail::MenuItemPeer::Role::About);
}

QuitMenuItem::QuitMenuItem() {
    Peer().SetRole(detail::MenuItemPeer::Role::Quit);
    // Quitting is the application's: its shortcut acts in every window, also one that shows no menu bar.
    Peer().SetShortcutApplicationWide();
}

bool QuitMenuItem::Event_Action() {
    Quit(0);
    return true;
}

} // namespace fw
