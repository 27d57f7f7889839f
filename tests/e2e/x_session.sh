# Sourced by the end-to-end scripts: checks the tools, gives the run an environment of its own on the X11
# platform, starts an X server on a free display and a window manager, and cleans both (and the program,
# $app_pid) up on every way out.
# Before sourcing: $program (the built MorvalitDL). Gives: $work (a scratch folder), wait_for, fail,
# start_program ($win, $app_pid), activate, expect_exit_zero, popups.
skip=77
wait_s=${E2E_TIMEOUT:-20}

command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit $skip; }
for tool in xdotool openbox xprop xwininfo import convert xclip; do
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
. "$(dirname "${BASH_SOURCE[0]}")/own_env.sh"
own_environment "$work"
export QT_QPA_PLATFORM=xcb

fail() {
    echo "FAIL: $*"
    [ ! -s "$work/app.log" ] || { echo "--- program output"; cat "$work/app.log"; }
    exit 1
}

# Polls a command until it succeeds, for at most wait_s seconds; gives up at once if the program ends.
wait_for() {
    local what=$1 deadline=$((SECONDS + wait_s))
    shift
    until "$@" >/dev/null 2>&1; do
        [ -z "$app_pid" ] || kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for $what"
        [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
        sleep 0.05
    done
}

# Usage: start_helper PID_VARIABLE NAME 'READY CHECK' COMMAND...: runs the command in the background until
# the check holds. One that ends or hangs before it is ready (seen on a busy machine) has its output shown
# and is started once more.
start_helper() {
    local var=$1 name=$2 ready=$3 try deadline
    shift 3
    for try in 1 2; do
        "$@" >"$work/$name.log" 2>&1 &
        printf -v "$var" %s $!
        deadline=$((SECONDS + wait_s))
        while kill -0 "${!var}" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
            eval "$ready" >/dev/null 2>&1 && return
            sleep 0.05
        done
        echo "$name did not start (try $try); its output:"
        cat "$work/$name.log"
        kill "${!var}" 2>/dev/null && wait "${!var}" 2>/dev/null
        printf -v "$var" %s ""
    done
    fail "$name did not start"
}

# The X server picks a free display itself and tells us which.
start_helper xvfb_pid Xvfb 'test -s "$work/display"' \
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
echo "X server on $DISPLAY"

# Openbox with its stock configuration (Alt+F4 closes the active window: the run's home holds none of its
# own), ready once it names its check window on the root.
start_helper wm_pid openbox \
    'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' openbox

# Makes a window the active one (activation is a request the window manager may take its time over).
activate() {
    timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    wait_for "window $1 to be active" sh -c "[ \"\$(xdotool getactivewindow)\" = $1 ]"
}

# Starts the program (with any arguments given) and waits for its main window, $win, to be active.
start_program() {
    "$program" "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_for "the main window" sh -c "xdotool search --onlyvisible --name '^Morvalit DL\$' | grep -q ."
    win=$(xdotool search --onlyvisible --name '^Morvalit DL$' | head -n1)
    activate "$win"
}

# Waits for the program to end after what $1 says and checks its exit status is 0.
program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
expect_exit_zero() {
    wait_for "the program to end after $1" program_ended
    wait "$app_pid"
    local status=$?
    app_pid=""
    [ $status -eq 0 ] || fail "exit status $status after $1, expected 0"
    echo "ok: $1 ends the program with status 0"
}

# The program's shown pop-ups (its windows the window manager does not frame), as "x y width height" lines.
popups() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
            /Width:/ { w = $NF } /Height:/ { h = $NF } /Override Redirect State: yes/ { print x, y, w, h }'
    done
}
popup_shown() { [ -n "$(popups)" ]; }
no_popup() { [ -z "$(popups)" ]; }
