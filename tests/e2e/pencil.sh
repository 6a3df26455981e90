#!/bin/bash
# Draws with the pencil in the real editor under an X server, through real pointer and key events:
# a stroke, a Shift + press that joins the next stroke to it, a third stroke taken back with Undo,
# and a save;
# then checks the saved picture's dots.
# Usage: pencil.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
set -u
editor=$1
command -v xdotool >/dev/null || { echo "SKIP: no xdotool"; exit 77; }
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TMPDIR=$work
# The test runner asks for headless windows; this test needs the X server.
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
picture=$work/white.bmp

fail() { echo "FAIL: $*"; exit 1; }
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }

# A white full-colour BMP of 1000 x 1000 dots: larger than the view, so every point of the view is
# on the picture and, at zoom 1, one pixel is one dot.
size=1000
{
    printf 'BM'
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((3000054 & 255)) $((3000054 >> 8 & 255)) $((3000054 >> 16 & 255)) 0)"
    printf '\0\0\0\0\x36\0\0\0\x28\0\0\0\xe8\x03\0\0\xe8\x03\0\0\x01\0\x18\0\0\0\0\0\0\0\0\0'
    printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    head -c $((size * size * 3)) /dev/zero | tr '\0' '\377'
} >"$picture"

# The dots of the saved picture that are not white, as "x,y" lines, top row first.
ink() {
    od -An -tu1 -v -j54 -w$((size * 3)) "$1" | awk -v size=$size '{
        y = size - NR
        for (x = 0; x < size; ++x)
            if ($(3 * x + 1) != 255 || $(3 * x + 2) != 255 || $(3 * x + 3) != 255)
                print x "," y
    }' | sort -t, -k2n -k1n
}

"$editor" "$picture" &
# Document windows live inside the main window: find the main window, the widest "Tilvaner".
main_window() {
    for w in $(xdotool search --name '^Tilvaner$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        echo "$WIDTH $w"
    done | sort -n | tail -1 | cut -d' ' -f2
}
wait_for 'main=$(main_window); [ -n "$main" ]' || fail "no main window"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$main")"
# The first document window opens at the workspace's top-left corner, its view below its title;
# this point is well inside the view and clear of the tool box panel on the left.
x0=$((X + 200)) y0=$((Y + 150))

xdotool windowfocus "$main" 2>/dev/null
xdotool mousemove $x0 $y0
before=$(stat -c %y "$picture")
# A stroke of 40 dots to the right, then a Shift + press 30 dots below its end: the join.
xdotool mousemove $x0 $y0 mousedown 1 mousemove $((x0 + 20)) $y0 mousemove $((x0 + 40)) $y0 mouseup 1
sleep 0.3
xdotool keydown shift mousemove $((x0 + 40)) $((y0 + 30)) mousedown 1 mouseup 1 keyup shift
sleep 0.3
# A third stroke, which Undo takes back alone; then the save.
xdotool mousemove $((x0 + 10)) $((y0 + 10)) mousedown 1 mousemove $((x0 + 10)) $((y0 + 20)) mouseup 1
sleep 0.3
xdotool key alt+e && sleep 0.5 && xdotool key u
sleep 0.3
xdotool key alt+f && sleep 0.5 && xdotool key s
wait_for '[ "$(stat -c %y "$picture")" != "$before" ]' || fail "the picture was not saved"
kill -TERM %1 2>/dev/null
wait

dots=$(ink "$picture")
count=$(echo "$dots" | grep -c ,)
first=$(echo "$dots" | head -1)
fx=${first%,*} fy=${first#*,}
expected=$( (for x in $(seq $fx $((fx + 40))); do echo "$x,$fy"; done
             for y in $(seq $((fy + 1)) $((fy + 30))); do echo "$((fx + 40)),$y"; done) | sort -t, -k2n -k1n)
[ "$count" -gt 0 ] || fail "nothing was drawn"
[ "$dots" = "$expected" ] || fail "the dots are not one 41-dot row and the 30-dot join down from its end:
$(echo "$dots" | head -60)"
echo "PASS"
