#!/usr/bin/env bash
# Started where no display can be opened, the program says so in one line on standard error, naming the
# display it tried, and ends with status 1 instead of aborting: with no display set at all, with an X display
# that no server serves, and with only a Wayland display, which this Qt cannot open.
# Usage: no_display_e2e.sh <path to the bundle's MorvalitDL>
set -u

program=${1:?usage: no_display_e2e.sh <MorvalitDL>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/own_env.sh"
own_environment "$work" # no display, no platform chosen: each case below sets its own
errors=$work/errors
ulimit -c 0

unused=150
while [ -e /tmp/.X11-unix/X$unused ] || [ -e /tmp/.X$unused-lock ]; do unused=$((unused + 1)); done

failed=0
# expect <words the line must hold> [<variable>=<value>...]
expect() {
    local words=$1 status=0 lines
    shift
    env "$@" timeout -s KILL 30 "$program" >/dev/null 2>"$errors" || status=$?
    lines=$(wc -l <"$errors")
    if [ $status -eq 1 ] && [ "$lines" -eq 1 ] && grep -qF -- "$words" "$errors"; then
        echo "ok: ${*:-no display} ends with status 1 and says: $(cat "$errors")"
    else
        echo "FAIL: ${*:-no display}: status $status (expected 1), $lines line(s) on standard error (expected one with $words):"
        cat "$errors"
        failed=1
    fi
}

expect "DISPLAY"
expect "\":$unused\"" DISPLAY=:$unused
expect '"wayland-9"' WAYLAND_DISPLAY=wayland-9 XDG_SESSION_TYPE=wayland
exit $failed
