#!/bin/sh
# Runs one test binary offscreen in a temporary home and temporary folder of its own, removed
# afterwards. With BRV_TEST_XVFB naming an Xvfb binary, the test runs on a virtual X screen of
# its own instead: the server picks a free display itself and tells its number, so parallel
# runs never collide.
home=$(mktemp -d "${TMPDIR:-/tmp}/brv-test.XXXXXX") || exit 1
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$home"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$home/run" "$home/work" "$home/tmp"
chmod 700 "$home/run"
# The single-instance rendezvous (a socket and a shared-memory key file) lives in the temporary
# folder: one of its own keeps a program started by one test from meeting another test's.
export TMPDIR="$home/tmp"
export HOME="$home"
export XDG_CONFIG_HOME="$home/.config"
export XDG_DATA_HOME="$home/.local/share"
export XDG_CACHE_HOME="$home/.cache"
export XDG_RUNTIME_DIR="$home/run"
export QT_QPA_PLATFORM="${BRV_TEST_PLATFORM:-offscreen}"

if [ -n "${BRV_TEST_XVFB:-}" ]; then
    export XAUTHORITY="$home/Xauthority"
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    # The server takes every cookie of its file, whatever display it is filed under; clients
    # look theirs up by the display number, which is known only once the server has chosen it.
    xauth -q -f "$XAUTHORITY" add :0 . "$cookie" 2>/dev/null || exit 1
    mkfifo "$home/displayfd" || exit 1
    # No reset when the last client leaves: a test starts one program after another, and a
    # program that connects while the server resets is refused.
    "$BRV_TEST_XVFB" -displayfd 3 -auth "$XAUTHORITY" -noreset -nolisten tcp \
        -screen 0 1280x800x24 3>"$home/displayfd" >"$home/xvfb.log" 2>&1 &
    xvfb_pid=$!
    # Xvfb writes the number once it accepts clients; a server that dies first closes the pipe.
    read -r display <"$home/displayfd"
    if [ -z "$display" ]; then
        echo "Xvfb did not start:" >&2
        cat "$home/xvfb.log" >&2
        exit 1
    fi
    xauth -q -f "$XAUTHORITY" add ":$display" . "$cookie" || exit 1
    export DISPLAY=":$display"
fi

cd "$home/work" || exit 1
"$@"
