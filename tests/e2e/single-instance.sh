#!/bin/bash
# Starts the real editor twice under an X server and checks that the second start hands its file
# to the first and ends, that the first opens both pictures, and what it writes to the settings.
# Usage: single-instance.sh path/to/tilvaner (run under xvfb-run).
set -u
editor=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TMPDIR=$work
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# The editor runs on the X display that xvfb-run gives; the meeting point is named after it.
unset WAYLAND_DISPLAY
socket=$XDG_RUNTIME_DIR/tilvaner-$(id -u)-${DISPLAY//[^A-Za-z0-9._-]/_}
settings=$XDG_CONFIG_HOME/qarvel.ini

fail() { echo "FAIL: $*"; [ -f "$settings" ] && cat "$settings"; exit 1; }

# A 1 x 1 full-colour BMP with the given blue, green and red bytes.
bmp() {
    printf 'BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0' >"$1"
    printf '\0\0\0\0\x04\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'"$2"'\0' >>"$1"
}
bmp "$work/a.bmp" '\x10\x20\x30'
bmp "$work/b.bmp" '\x40\x50\x60'

wait_for() { for _ in $(seq 200); do eval "$1" && return 0; sleep 0.1; done; return 1; }

# An instance that crashed leaves its meeting point behind; it must not stop the next start.
"$editor" & crashed=$!
wait_for '[ -S "$socket" ]' || fail "the first instance never listened"
kill -9 $crashed; wait $crashed 2>/dev/null
[ -S "$socket" ] || fail "the crash left no socket behind, so this test proves nothing"

stale=$(stat -c %i "$socket")
(cd / && exec "$editor" "$work/a.bmp") & first=$!
wait_for '[ -S "$socket" ] && [ "$(stat -c %i "$socket")" != "$stale" ]' || fail "the start after a crash never listened"
kill -0 $first 2>/dev/null || fail "the start after a crash ended"

# The second start names its file relative to its own folder and must end by itself.
(cd "$work" && timeout 20 "$editor" b.bmp) || fail "the second start did not end cleanly"
(cd "$work" && timeout 20 "$editor") || fail "a start without names did not end cleanly"
kill -0 $first 2>/dev/null || fail "the running instance ended"

# Another runtime folder is another session: that start runs an editor of its own.
mkdir -m 700 "$work/run2" "$work/config2"
XDG_RUNTIME_DIR=$work/run2 XDG_CONFIG_HOME=$work/config2 "$editor" & other=$!
wait_for '[ -S "$work/run2/${socket##*/}" ]' || fail "the start under another runtime folder never listened"
kill -0 $other 2>/dev/null || fail "the start under another runtime folder ended"
kill -TERM $other
wait $other || fail "the other session's editor did not exit cleanly"
kill -0 $first 2>/dev/null || fail "the running instance ended"
sleep 2

kill -TERM $first
wait $first || fail "the editor did not exit cleanly on SIGTERM"

grep -qx "MRU-1=$work/b.bmp" "$settings" || fail "b.bmp was not opened by the running instance"
grep -qx "MRU-2=$work/a.bmp" "$settings" || fail "a.bmp was not opened"
grep -qE '^Window=-?[0-9]+,-?[0-9]+,[1-9][0-9]*,[1-9][0-9]*$' "$settings" || fail "no main window placement"
grep -qE '^Tool-Window=-?[0-9]+,-?[0-9]+,1$' "$settings" || fail "tool box placement"
grep -qE '^Palette-Window=-?[0-9]+,-?[0-9]+,1$' "$settings" || fail "palette panel placement"
grep -qE '^Info-Window=-?[0-9]+,-?[0-9]+,0$' "$settings" || fail "information panel placement"
grep -qE '^Animation-Window=-?[0-9]+,-?[0-9]+,0$' "$settings" || fail "animation panel placement"
grep -q '^\[Tilvane\]$' "$settings" || fail "no Tilvane section"
echo "PASS"
