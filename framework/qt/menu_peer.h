#pragma once

#include "framework/menu_item.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <memory>

namespace fw::detail {

// What a MenuItem holds on this platform: one QAction, shared by every menu bar and pop-up that shows the
// item, and a QMenu once the item has children to show. Sharing the action keeps one shortcut per item, live
// in whichever window shows the bar.
class MenuItemPeer {
public:
    explicit MenuItemPeer(MenuItem& owner);
    ~MenuItemPeer();
    MenuItemPeer(const MenuItemPeer&) = delete;
    MenuItemPeer& operator=(const MenuItemPeer&) = delete;

    MenuItem& Owner() const noexcept { return owner_; }
    QAction& Action() const noexcept { return *action_; }
    // The item's children as a QMenu, made on first use (needs the running application).
    QMenu& Menu();
    bool HasMenu() const noexcept { return menu_ != nullptr; }

    // Called by MenuItem::Append once child is the last child.
    void ChildAppended(MenuItem& child);
    // A menu bar widget that shows this item's children; later appends show there too.
    void InstallIn(QMenuBar& target);

    fw::Text text;
    fw::Text shortcut;

private:
    MenuItem& owner_;
    std::unique_ptr<QAction> action_;
    std::unique_ptr<QMenu> menu_;
    QList<QPointer<QMenuBar>> installedIn_;
};

// The item a QAction of a menu stands for, or nullptr for an action the layer did not make.
MenuItem* ItemOfAction(const QAction* action) noexcept;

// Fills a window's menu bar widget with the bar's menus. The QMenus and QActions are the bar's own and shared
// with every other window showing it; the target's previous actions are removed (not deleted).
void InstallMenuBar(QMenuBar& target, fw::MenuBar& bar);

// The Qt key sequence of a shortcut text such as "Cmd+Q" (Cmd is Ctrl here); empty for the empty text.
// Raises InvalidArgumentException for a text that names no key.
QKeySequence ShortcutFromText(std::string_view text);

} // namespace fw::detail
