# Sourced by the end-to-end scripts: checks the tools, starts an X server on a free display and a window
# manager, and cleans both (and the program, $app_pid) up on every way out.
# Before sourcing: $program (the built MorvalitDL). Gives: $work (a scratch folder), wait_for, fail.
skip=77
wait_s=${E2E_TIMEOUT:-20}

command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit $skip; }
for tool in xdotool openbox xprop xwininfo import convert; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
[ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }

work=$(mktemp -d)
xvfb_pid="" wm_pid="" app_pid=""

cleanup() {
    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*"
    if [ -s "$work/app.log" ]; then
        echo "--- program output"
        cat "$work/app.log"
    fi
    exit 1
}

# Polls a command until it succeeds, for at most wait_s seconds.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + wait_s))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
        sleep 0.05
    done
}

# The X server picks a free display itself and tells us which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for "the X server" test -s "$work/display"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
echo "X server on $DISPLAY"

# Openbox with its stock configuration (Alt+F4 closes the active window).
XDG_CONFIG_HOME="$work/config" openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_for "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
