#!/usr/bin/env bash
# Runs the built program as a user does, in its own X server with a window manager:
#   1. it shows "Morvalit DL" with a menu bar of two menus (File short, Edit long);
#   2. File > About opens "Info su Morvalit" with its picture, its OK button closes it, the program goes on;
#   3. Ctrl+Q (the quit item's shortcut) ends it with status 0;
#   4. started again (with arguments, which it ignores), closing the main window through the window manager
#      ends it with status 0.
# Usage: program_e2e.sh <path to the bundle's MorvalitDL>
set -u

program=${1:?usage: program_e2e.sh <MorvalitDL>}
. "$(dirname "$0")/x_session.sh"

start_program() {
    : >"$work/app.log"
    "$program" "$@" >>"$work/app.log" 2>&1 &
    app_pid=$!
    wait_for "the main window" sh -c "xdotool search --onlyvisible --name '^Morvalit DL\$' | grep -q ."
    main_window=$(xdotool search --onlyvisible --name '^Morvalit DL$' | head -n1)
    timeout 10 xdotool windowactivate --sync "$main_window" >/dev/null 2>&1 || true
    wait_for "the main window to be active" sh -c "[ \"\$(xdotool getactivewindow)\" = $main_window ]"
}

# Waits for the program to end and checks its exit status.
expect_exit_zero() {
    local how=$1 deadline=$((SECONDS + wait_s))
    while kill -0 "$app_pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the program did not end after $how"
        sleep 0.05
    done
    wait "$app_pid"
    local status=$?
    app_pid=""
    [ $status -eq 0 ] || fail "exit status $status after $how, expected 0"
    echo "ok: $how ends the program with status 0"
}

# The program's visible pop-up menus, as "x y width height" lines.
popup_menus() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q POPUP_MENU; then
            xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
        fi
    done
}

one_popup() { [ "$(popup_menus | wc -l)" -eq 1 ]; }
popup_is_not() { one_popup && [ "$(popup_menus)" != "$1" ]; }
popup_is() { one_popup && [ "$(popup_menus)" = "$1" ]; }

# --- Run 1: menu bar, About, Ctrl+Q.
start_program
echo "ok: the main window \"Morvalit DL\" is shown"

# The first title of the menu bar opens the File menu; Right moves to the Edit menu, and Right again comes
# back to File: two menus, File with two items and Edit with six (a taller pop-up).
xdotool mousemove --window "$main_window" 20 10 click 1
wait_for "the File menu" one_popup
file_menu=$(popup_menus)
xdotool key Right
wait_for "the Edit menu" popup_is_not "$file_menu"
edit_menu=$(popup_menus)
xdotool key Right
wait_for "the File menu again (two menus in all)" popup_is "$file_menu"
read -r fx fy fw fh <<<"$file_menu"
read -r ex _ _ eh <<<"$edit_menu"
[ "$ex" -gt "$fx" ] || fail "the Edit menu ($edit_menu) is not right of the File menu ($file_menu)"
[ "$eh" -gt "$fh" ] || fail "the Edit menu ($edit_menu) is not taller than the File menu ($file_menu)"
echo "ok: the menu bar has two menus, File ($file_menu) and a taller Edit ($edit_menu)"

# File > About, the first of the File menu's two items (the File menu is open again), chosen with the
# mouse: the about window opens; its OK button closes it and the program goes on.
xdotool mousemove $((fx + fw / 2)) $((fy + fh / 4)) click 1
wait_for "the about window" sh -c "xdotool search --onlyvisible --name '^Info su Morvalit\$' | grep -q ."
about_window=$(xdotool search --onlyvisible --name '^Info su Morvalit$' | head -n1)
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
kill -0 "$app_pid" 2>/dev/null || fail "the program ended when the about window closed"
xdotool search --onlyvisible --name '^Morvalit DL$' | grep -q . || fail "the main window went away with the about window"
echo "ok: OK closes the about window; the main window and the program go on"

timeout 10 xdotool windowactivate --sync "$main_window" >/dev/null 2>&1 || true
wait_for "the main window to be active" sh -c "[ \"\$(xdotool getactivewindow)\" = $main_window ]"
xdotool key ctrl+q
expect_exit_zero "Ctrl+Q"

# --- Run 2: closing the main window through the window manager. The program reads no arguments: these
# would take it off the X server if they reached the toolkit.
start_program -platform offscreen -style windows
xdotool key alt+F4
expect_exit_zero "closing the main window"

echo "PASS"
