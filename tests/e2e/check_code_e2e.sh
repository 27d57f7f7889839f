#!/usr/bin/env bash
# The check-code window of the built program, used as a user does, in its own X server with a window manager:
#   1. a right click in the field pops up the Edit menu, Escape closes it; the button stays disabled until the
#      eighth digit is typed (a click before it lists nothing);
#   2. typing 22000000 and clicking the button shows the result and lists the four offices 2200-2203 on rows
#      tinted first, third (and so on), read back from a screenshot of the window; a left click in the field
#      pops up nothing;
#   3. a pasted number of more than eight digits, or with anything after them, is refused whole: the field
#      stays empty; eight digits pasted are taken;
#   4. closing the window ends the program with status 0.
# Usage: check_code_e2e.sh <path to the bundle's MorvalitDL>
set -u

program=${1:?usage: check_code_e2e.sh <MorvalitDL>}
. "$(dirname "$0")/x_session.sh"

start_program
echo "ok: the main window is shown"

# Controls stand at their design positions in the 300 x 496 content, below the menu bar shown in the window.
height=$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^HEIGHT=//p')
top=$((height - 496))
[ "$top" -ge 0 ] || fail "the window is $height high, less than its 496-high content"
field_x=213 field_y=$((72 + top))
button_x=150 button_y=$((134 + top))
list_geometry="206x158+47+$((313 + top))"
label_geometry="197x38+54+$((199 + top))"

# The pixel rows of an area of the window, top down, in bands: T tinted (the tint covers a third of the row or
# more), P plain (no tint at all), each followed by 1 when it holds dark (text) pixels; border rows are left
# out. "T1 P1 T1 P1 P0" means tinted with text, plain with text ...
bands() {
    timeout 10 import -window "$win" "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -crop "$1" +repage txt:- | awk '
        NR > 1 {
            split($1, xy, /[,:]/); y = xy[2] + 0; h = y + 1
            if (xy[1] + 1 > w) w = xy[1] + 1
            hex = toupper(substr($3, 2, 6)); tint[y] += hex == "EDF3FE"
            if (substr(hex, 1, 2) < "80" && substr(hex, 3, 2) < "80" && substr(hex, 5, 2) < "80") dark[y] = 1
        }
        END {
            for (y = 0; y < h; y++) {
                k = tint[y] * 3 >= w ? "T" : (tint[y] ? "X" : "P")
                if (k == "X") continue
                if (k != kind) { out = out " " kind text; kind = k; text = 0 }
                if (dark[y]) text = 1
            }
            print substr(out " " kind text, 3)
        }'
}
list_bands() { bands "$list_geometry" | sed 's/^[^T]*//'; } # from the first tinted row down
text_in() { bands "$1" | grep -q 1; }
rows() { list_bands | tr ' ' '\n' | grep -c '1$'; }
rows_are_not() { [ "$(rows)" -ne "$1" ]; }

# --- 1. Seven digits: the button does nothing yet. The Edit menu popped up by a later right click shows
# the click on the button was handled. The menu runs its own loop: a second one from the same click could
# only follow it closing, and would then take step 2's keys.
xdotool mousemove --window "$win" $field_x $field_y click 1
xdotool type --delay 30 2200000
xdotool mousemove --window "$win" $button_x $button_y click 1
xdotool mousemove --window "$win" $field_x $field_y click 3
wait_for "the Edit menu to pop up" popup_shown
[ "$(popups | wc -l)" -eq 1 ] || fail "a right click in the field opened $(popups | wc -l) pop-ups, not one"
xdotool key Escape
wait_for "the pop-up to close" no_popup
echo "ok: a right click in the field pops up one menu; Escape closes it"
text_in "$label_geometry" && fail "a click on the button with seven digits showed a result"
[ -z "$(list_bands)" ] || fail "a click on the button with seven digits filled the list: $(list_bands)"
echo "ok: with seven digits the button does nothing"

# --- 2. A left click in the field, the eighth digit, then the button. A menu popped up by the left click
# would take the keys: the list would stay empty.
xdotool mousemove --window "$win" $field_x $field_y click 1
xdotool key End
xdotool type --delay 30 0
xdotool mousemove --window "$win" $button_x $button_y click 1
wait_for "four office rows in the list" rows_are_not 0
got=$(list_bands)
[ "$(rows)" -eq 4 ] || fail "22000000 lists $(rows) offices, not 4: bands '$got'"
no_popup || fail "a left click in the field popped up a menu"
text_in "$label_geometry" || fail "no result text shown"
# Rows 1 and 3 tinted, 2 and 4 plain: the first four bands with text alternate T, P, T, P.
pattern=$(tr ' ' '\n' <<<"$got" | grep '1$' | head -n4 | tr -d '1\n')
[ "$pattern" = "TPTP" ] || fail "office rows are not tinted first, third: bands '$got'"
echo "ok: 22000000 lists four offices, the first and third tinted (bands: $got); a left click pops up nothing"

# --- 3. Ctrl+V in the emptied field with $1 on the clipboard, $2 typed after it, then the button: the list
# shows $3 offices (the counts differ from one case to the next: a change marks the click handled).
listed=4
paste_case() {
    printf %s "$1" | xclip -selection clipboard >/dev/null 2>&1
    wait_for "the clipboard to hold '$1'" sh -c '[ "$(xclip -o -selection clipboard)" = "$0" ]' "$1"
    xdotool mousemove --window "$win" $field_x $field_y click 1
    xdotool key ctrl+a BackSpace ctrl+v
    [ -z "$2" ] || xdotool type --delay 30 "$2"
    xdotool mousemove --window "$win" $button_x $button_y click 1
    wait_for "the list to change after pasting '$1'" rows_are_not "$listed"
    [ "$(rows)" -eq "$3" ] || fail "pasting '$1' then typing '$2' lists $(rows) offices, not $3"
    listed=$3
}
paste_case 15000000 "" 3
echo "ok: eight digits pasted are taken"
paste_case 012345678 22000000 4
paste_case "12345678 60" 15000000 3
echo "ok: nine digits, or eight with more after them, pasted are refused whole; digits typed after go in"

# --- 4. Closing the window ends the program with 0.
activate "$win"
xdotool key alt+F4
expect_exit_zero "closing the window"
echo "PASS"
