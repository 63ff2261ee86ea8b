#!/bin/sh
# Runs one test binary offscreen in a temporary home of its own, removed afterwards.
home=$(mktemp -d "${TMPDIR:-/tmp}/brv-test.XXXXXX") || exit 1
trap 'rm -rf "$home"' EXIT INT TERM
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$home/run" "$home/work"
chmod 700 "$home/run"
export HOME="$home"
export XDG_CONFIG_HOME="$home/.config"
export XDG_DATA_HOME="$home/.local/share"
export XDG_CACHE_HOME="$home/.cache"
export XDG_RUNTIME_DIR="$home/run"
export QT_QPA_PLATFORM="${BRV_TEST_PLATFORM:-offscreen}"
cd "$home/work" || exit 1
"$@"
