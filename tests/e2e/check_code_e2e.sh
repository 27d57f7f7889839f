#!/usr/bin/env bash
# The check-code window of the built program, used as a user does, in its own X server with a window manager:
#   1. the button stays disabled until the eighth digit is typed (a click before it lists nothing);
#   2. typing 22000000 and clicking the button shows the result and lists the four offices 2200-2203 on rows
#      tinted first, third (and so on), read back from a screenshot of the window;
#   3. a right click in the field pops up the Edit menu, Escape closes it, a left click shows none;
#   4. closing the window ends the program with status 0.
# Usage: check_code_e2e.sh <path to the bundle's MorvalitDL>
set -u

program=${1:?usage: check_code_e2e.sh <MorvalitDL>}
. "$(dirname "$0")/x_session.sh"

"$program" >"$work/app.log" 2>&1 &
app_pid=$!
wait_for "the main window" sh -c "xdotool search --onlyvisible --name '^Morvalit DL\$' | grep -q ."
win=$(xdotool search --onlyvisible --name '^Morvalit DL$' | head -n1)
timeout 10 xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
wait_for "the main window to be active" sh -c "[ \"\$(xdotool getactivewindow)\" = $win ]"
echo "ok: the main window is shown"

# Controls stand at their design positions in the 300 x 496 content, below the menu bar shown in the window.
height=$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^HEIGHT=//p')
top=$((height - 496))
[ "$top" -ge 0 ] || fail "the window is $height high, less than its 496-high content"
field_x=213 field_y=$((72 + top))
button_x=150 button_y=$((134 + top))
list_geometry="206x158+47+$((313 + top))"
label_geometry="197x38+54+$((199 + top))"

# One line per pixel row of an area of the window, classified: T tinted (the tint covers a third of the row
# or more), P plain (no tint at all), X neither (a border); then 1 when the row holds dark (text) pixels.
shot_rows() {
    timeout 10 import -window "$win" "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -crop "$1" +repage txt:- | awk '
        NR == 1 { next }
        {
            split($1, xy, /[,:]/); x = xy[1] + 0; y = xy[2] + 0
            if (x + 1 > w) w = x + 1
            if (y + 1 > h) h = y + 1
            hex = toupper(substr($3, 2, 6))
            if (hex == "EDF3FE") tint[y]++
            r = substr(hex, 1, 2); g = substr(hex, 3, 2); b = substr(hex, 5, 2)
            if (r < "80" && g < "80" && b < "80") dark[y] = 1
        }
        END {
            for (y = 0; y < h; y++) {
                k = tint[y] * 3 >= w ? "T" : (tint[y] + 0 == 0 ? "P" : "X")
                print k, (dark[y] ? 1 : 0)
            }
        }'
}

# Bands of rows from the first tinted row down: "T1 P1 T1 P1 P0" means tinted with text, plain with text ...
bands() {
    shot_rows "$list_geometry" | awk '
        $1 == "X" { next }
        !started && $1 != "T" { next }
        { started = 1 }
        $1 != kind { if (kind != "") out = out " " kind text; kind = $1; text = 0 }
        $2 == 1 { text = 1 }
        END { if (kind != "") out = out " " kind text; print substr(out, 2) }'
}

text_in() { shot_rows "$1" | awk '$2 == 1 { n++ } END { exit n > 0 ? 0 : 1 }'; }

# --- 1. Seven digits: the button does nothing yet.
xdotool mousemove --window "$win" $field_x $field_y click 1
xdotool type --delay 30 2200000
xdotool mousemove --window "$win" $button_x $button_y click 1
sleep 0.3
text_in "$label_geometry" && fail "a click on the button with seven digits showed a result"
[ -z "$(bands)" ] || fail "a click on the button with seven digits filled the list: $(bands)"
echo "ok: with seven digits the button does nothing"

# --- 2. The eighth digit, then the button.
xdotool mousemove --window "$win" $field_x $field_y click 1
xdotool key End
xdotool type --delay 30 0
xdotool mousemove --window "$win" $button_x $button_y click 1
has_four_rows() { [ "$(bands | tr ' ' '\n' | grep -c '1$')" -eq 4 ]; }
wait_for "four office rows in the list" has_four_rows
got=$(bands)
text_in "$label_geometry" || fail "no result text shown"
# Rows 1 and 3 tinted, 2 and 4 plain: the first four bands with text alternate T, P, T, P.
pattern=$(tr ' ' '\n' <<<"$got" | grep '1$' | head -n4 | tr -d '1\n')
[ "$pattern" = "TPTP" ] || fail "office rows are not tinted first, third: bands '$got'"
echo "ok: 22000000 lists four offices, the first and third tinted (bands: $got)"

# --- 3. The Edit menu on a right click in the field.
# Pop-up menus are the program's shown windows that the window manager does not frame (override-redirect).
popup_count() {
    local id n=0
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q "Override Redirect State: yes" && n=$((n + 1))
    done
    echo $n
}
popup_shown() { [ "$(popup_count)" -ge 1 ]; }
no_popup() { [ "$(popup_count)" -eq 0 ]; }
xdotool mousemove --window "$win" $field_x $field_y click 3
wait_for "the Edit menu to pop up" popup_shown
sleep 0.3
[ "$(popup_count)" -eq 1 ] || fail "a right click in the field opened $(popup_count) pop-ups, not one"
echo "ok: a right click in the field pops up one menu"
xdotool key Escape
wait_for "the pop-up to close" no_popup
xdotool mousemove --window "$win" $field_x $field_y click 1
sleep 0.3
[ "$(popup_count)" -eq 0 ] || fail "a left click in the field popped up a menu"
echo "ok: Escape closes it; a left click pops up nothing"

# --- 4. Closing the window ends the program with 0.
timeout 10 xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xdotool key alt+F4
deadline=$((SECONDS + wait_s))
while kill -0 "$app_pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "the program did not end when its window closed"
    sleep 0.05
done
wait "$app_pid"
status=$?
app_pid=""
[ $status -eq 0 ] || fail "exit status $status after closing the window, expected 0"
echo "ok: closing the window ends the program with status 0"
echo "PASS"
