#pragma once

#include <string_view>

namespace fw {
class MenuItem;
}

namespace fw::detail {

class MenuItemPeer;

// The layer's own Edit commands, chosen by the item names EditUndo, EditCut, EditCopy, EditPaste and
// EditClear. They act on the focused entry field through the clipboard.
enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear };

EditCommand EditCommandNamed(std::string_view itemName) noexcept;
// Whether the command would change or copy something in the focused entry field now.
bool CanPerform(EditCommand command);
// Performs the command on the focused entry field; false when it could not act.
bool Perform(EditCommand command);

// Every live menu item peer, so that Edit items follow focus, selection and clipboard.
void TrackPeer(MenuItemPeer& peer);
void UntrackPeer(MenuItemPeer& peer) noexcept;
// Enables each Edit item that has no application handler exactly while its command can act.
void RefreshEditItems();

} // namespace fw::detail
