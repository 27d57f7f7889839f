#pragma once

#include "framework/menu_item.h"
#include "framework/qt/menu_item_peer.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <memory>
#include <string_view>

namespace fw::detail {

// A menu item's Qt side: one QAction, shared by every menu bar and pop-up that shows the item, and a QMenu
// once the item has children to show. Sharing the action keeps one shortcut per item, live in whichever
// window shows the bar.
struct MenuItemPeer::QtParts {
    std::unique_ptr<QAction> action = std::make_unique<QAction>();
    std::unique_ptr<QMenu> menu;
    // Menu bar widgets that show the item's children; later appends show there too.
    QList<QPointer<QMenuBar>> installedIn;
};

inline QAction& ActionOf(const MenuItem& item) {
    return *item.Peer().Parts().action;
}

// The item a QAction of a menu stands for, or nullptr for an action the layer did not make.
MenuItem* ItemOfAction(const QAction* action) noexcept;

// Fills a window's menu bar widget with the bar's menus. The QMenus and QActions are the bar's own and shared
// with every other window showing it; the target's previous actions are removed (not deleted).
void InstallMenuBar(QMenuBar& target, fw::MenuBar& bar);

// The Qt key sequence of a shortcut text such as "Cmd+Q" (Cmd is Ctrl here); empty for the empty text.
// Raises InvalidArgumentException for a text that names no key.
QKeySequence ShortcutFromText(std::string_view text);

} // namespace fw::detail
