#!/bin/bash
# Selects and drags in the real editor under an X server, through real pointer and key events: a
# pencil stroke selected with the Rect tool and dragged, then lassoed and dragged with Ctrl, which
# leaves a copy; Escape drops the selection into the picture and the save is checked dot by dot.
# Usage: selection-tools.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
source "$(dirname "$0")/session.sh"
size=1000
picture=$work/white.bmp
white_bmp "$picture"
start_editor "$1" "$picture"
xdotool windowfocus "$main" 2>/dev/null
before=$(stat -c %y "$picture")
# Each move waits, so that the editor sees it and not only the last of them.
path() { for p in "$@"; do xdotool mousemove $((x0 + ${p%,*})) $((y0 + ${p#*,})); sleep 0.15; done; }

# A 21-dot stroke, and a lone dot below it that no selection touches: the reference.
xdotool mousemove $x0 $y0 mousedown 1 mousemove $((x0 + 10)) $y0 mousemove $((x0 + 20)) $y0 mouseup 1
xdotool mousemove $x0 $((y0 + 60)) mousedown 1 mouseup 1
sleep 0.3
# Rect: a band round the stroke, then the selection dragged 40 right and 30 down.
xdotool key a; sleep 0.3
path -5,-5; xdotool mousedown 1; path 10,2 25,5; xdotool mouseup 1; sleep 0.3
path 5,0; xdotool mousedown 1; path 25,15 45,30; xdotool mouseup 1; sleep 0.3
# Lasso: round the moved stroke from outside its selection (a press on it would drag it), then
# dragged 20 down with Ctrl held at the press: a copy stays.
xdotool key shift+a; sleep 0.3
path 30,20; xdotool mousedown 1; path 70,20 70,40 30,40; xdotool mouseup 1; sleep 0.3
path 50,30; xdotool keydown ctrl mousedown 1; path 50,40 50,50; xdotool mouseup 1 keyup ctrl; sleep 0.3
xdotool key Escape; sleep 0.3
xdotool key alt+f && sleep 0.5 && xdotool key s
wait_for '[ "$(stat -c %y "$picture")" != "$before" ]' || fail "the picture was not saved"
kill -TERM %1 2>/dev/null
wait

dots=$(ink "$picture")
reference=$(echo "$dots" | tail -1)
rx=${reference%,*} ry=${reference#*,}
expected=$( (for y in $((ry - 30)) $((ry - 10)); do
                 for x in $(seq $((rx + 40)) $((rx + 60))); do echo "$x,$y"; done
             done
             echo "$rx,$ry") | sort -t, -k2n -k1n)
[ -n "$dots" ] || fail "nothing was drawn"
[ "$dots" = "$expected" ] || fail "not the stroke moved by (40, 30), its copy 20 below and the lone dot:
$(echo "$dots" | head -60)"
echo "PASS"
