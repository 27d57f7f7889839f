#!/usr/bin/env bash
# Runs the built program as a user does, in its own X server with a window manager:
#   1. it shows "Morvalit DL" with a menu bar of two menus (File short, Edit long);
#   2. File > About opens "Info su Morvalit" with its picture, its OK button closes it, the program goes on;
#   3. Ctrl+Q (the quit item's shortcut) pressed in the about window, opened again, ends it with status 0;
#   4. started again (with arguments, which it ignores), Ctrl+Q in the main window ends it with status 0.
# Usage: program_e2e.sh <path to the bundle's MorvalitDL>
set -u

program=${1:?usage: program_e2e.sh <MorvalitDL>}
. "$(dirname "$0")/x_session.sh"

one_popup() { [ "$(popups | wc -l)" -eq 1 ]; }
popup_is_not() { one_popup && [ "$(popups)" != "$1" ]; }
popup_is() { one_popup && [ "$(popups)" = "$1" ]; }

# --- Run 1: menu bar, About, Ctrl+Q in the about window.
start_program
echo "ok: the main window \"Morvalit DL\" is shown"

# The first title of the menu bar opens the File menu; Right moves to the Edit menu, and Right again comes
# back to File: two menus, File with two items and Edit with six (a taller pop-up).
xdotool mousemove --window "$win" 20 10 click 1
wait_for "the File menu" one_popup
file_menu=$(popups)
xdotool key Right
wait_for "the Edit menu" popup_is_not "$file_menu"
edit_menu=$(popups)
xdotool key Right
wait_for "the File menu again (two menus in all)" popup_is "$file_menu"
read -r fx _ _ fh <<<"$file_menu"
read -r ex _ _ eh <<<"$edit_menu"
[ "$ex" -gt "$fx" ] || fail "the Edit menu ($edit_menu) is not right of the File menu ($file_menu)"
[ "$eh" -gt "$fh" ] || fail "the Edit menu ($edit_menu) is not taller than the File menu ($file_menu)"
echo "ok: the menu bar has two menus, File ($file_menu) and a taller Edit ($edit_menu)"

# File > About, the first of the File menu's two items, chosen with the mouse while the File menu is open.
choose_about() {
    local x y w h
    read -r x y w h <<<"$(popups)"
    xdotool mousemove $((x + w / 2)) $((y + h / 4)) click 1
    wait_for "the about window" sh -c "xdotool search --onlyvisible --name '^Info su Morvalit\$' | grep -q ."
    about_window=$(xdotool search --onlyvisible --name '^Info su Morvalit$' | head -n1)
}
choose_about # the File menu is open again
# Its picture (from the bundle's Resources folder) shows: the green of its bottom band, read from the screen.
about_height=$(xdotool getwindowgeometry --shell "$about_window" | sed -n 's/^HEIGHT=//p')
menu_offset=$((about_height - 442)) # below a menu bar, were one shown
shows_picture() {
    import -window "$about_window" "$work/about.png" 2>/dev/null || return 1
    local at="p{60,$((282 + menu_offset))}" r g b
    read -r r g b < <(convert "$work/about.png" -format "%[fx:int(255*$at.r)] %[fx:int(255*$at.g)] %[fx:int(255*$at.b)]" info:)
    [ "${g:-0}" -gt 110 ] && [ "${r:-255}" -lt 50 ] && [ "${b:-255}" -lt 110 ]
}
wait_for "the about picture to show" shows_picture
echo "ok: File > About shows \"Info su Morvalit\" with its picture"
# The OK button's centre, 212 x 411 in the window's 425 x 442 content.
xdotool mousemove --window "$about_window" 212 $((411 + menu_offset)) click 1
wait_for "the about window to close" sh -c "! xdotool search --onlyvisible --name '^Info su Morvalit\$' | grep -q ."
# The main window's menu bar opens the about window again: both the window and the program went on.
xdotool mousemove --window "$win" 20 10 click 1
wait_for "the File menu after the about window closed" popup_is "$file_menu"
choose_about
echo "ok: OK closes the about window; the main window and the program go on"
activate "$about_window"
xdotool key ctrl+q
expect_exit_zero "Ctrl+Q in the about window"

# --- Run 2: Ctrl+Q in the main window. The program reads no arguments: these would take it off the X
# server if they reached the toolkit.
start_program -platform offscreen -style windows
xdotool key ctrl+q
expect_exit_zero "Ctrl+Q in the main window"

echo "PASS"
