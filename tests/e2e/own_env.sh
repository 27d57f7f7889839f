# Sourced by the end-to-end scripts. own_environment FOLDER: drops what the caller exported that would change
# a run (platform, displays, scaling, style, desktop, language) and makes FOLDER the run's home and temporary
# folder, with its runtime folder inside: nothing is read from or left in the caller's. Sanitizer settings stay.
own_environment() {
    local name
    for name in $(compgen -e); do
        case $name in
        QT_* | XDG_* | LC_* | LANG | LANGUAGE | DISPLAY | WAYLAND_DISPLAY | XAUTHORITY) unset "$name" ;;
        esac
    done
    mkdir -m 0700 "$1/runtime" || exit 1
    export HOME=$1 TMPDIR=$1 XDG_RUNTIME_DIR=$1/runtime LC_ALL=C.UTF-8
}
