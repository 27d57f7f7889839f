#pragma once

#include "framework/text.h"

#include <memory>

namespace fw {
class MenuItem;
}

namespace fw::detail {

// What a MenuItem holds on this platform, as the item itself uses it. Its Qt side (one action shared by every
// menu bar and pop-up that shows the item, and a menu once the item has children) is in menu_peer.h.
class MenuItemPeer {
public:
    explicit MenuItemPeer(MenuItem& owner);
    ~MenuItemPeer();
    MenuItemPeer(const MenuItemPeer&) = delete;
    MenuItemPeer& operator=(const MenuItemPeer&) = delete;

    MenuItem& Owner() const noexcept { return owner_; }

    // The caption; "-" shows as a separator line.
    void SetText(const fw::Text& v);
    // Raises InvalidArgumentException, before anything changes, for a text that names no key.
    void SetShortcut(const fw::Text& v);
    bool Enabled() const;
    void SetEnabled(bool v);

    // Where the platform places the item in its menus.
    enum class Role { About, Quit };
    void SetRole(Role role);
    // The shortcut acts in every window of the application, not only in the one showing the item.
    void SetShortcutApplicationWide();

    // The item's children as a menu, made on first use (needs the running application).
    void EnsureMenu();
    bool HasMenu() const noexcept;
    // Called by MenuItem::Append once child is the last child.
    void ChildAppended(MenuItem& child);
    // Shows the children as a pop-up menu at the mouse position and waits; the item picked, or nullptr.
    MenuItem* PopUpAtMouse();

    fw::Text text;
    fw::Text shortcut;

    struct QtParts;
    QtParts& Parts() const noexcept { return *parts_; }

private:
    MenuItem& owner_;
    std::unique_ptr<QtParts> parts_;
};

} // namespace fw::detail
