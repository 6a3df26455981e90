#!/bin/bash
# Scales and turns a selection with the mouse in the real editor under an X server, and checks the
# saved dots. A pencil bar of 21 dots is selected with the Rect tool: dots -5..25 across, -5..5
# down, so the frame's handles sit on those outer dots. Scaling drags the right handle from 25 to
# 57, twice as wide, and applies with a press inside: a bar of 42. Turning drags the top-right
# corner (now at 56,-5) a quarter clockwise about the centre and applies: a column of about 42.
# Usage: mouse-transforms.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
source "$(dirname "$0")/session.sh"
size=1000
picture=$work/white.bmp
white_bmp "$picture"
start_editor "$1" "$picture"
path() { for p in "$@"; do xdotool mousemove $((x0 + ${p%,*})) $((y0 + ${p#*,})); sleep 0.15; done; }
drag() { path "$1"; xdotool mousedown 1; shift; path "$@"; xdotool mouseup 1; sleep 0.3; }
path 0,0; xdotool mousedown 1; path 10,0 20,0; xdotool mouseup 1; sleep 0.3
xdotool key a; sleep 0.3
drag -5,-5 10,0 25,5
xdotool key alt+i && sleep 0.4 && xdotool key s && sleep 0.4 && xdotool key m; sleep 0.5
drag 25,0 40,0 57,0
click $((x0 + 20)) $y0
xdotool key alt+i && sleep 0.4 && xdotool key r && sleep 0.4 && xdotool key m; sleep 0.5
# The frame's centre is 26,0.5 and the corner's own angle atan2(-11, 62): far out, so that whole
# pixels come within a few thousandths of a quarter turn.
drag 56,-5 60,30 43,99
click $((x0 + 26)) $y0
# Saving waits for the mode to end: the pencil (V) ends it, the selection still floating.
xdotool key v; sleep 0.3
save_and_quit "$picture"

dots=$(ink "$picture")
[ -n "$dots" ] || fail "nothing was drawn"
shape=$(echo "$dots" | awk -F, 'NR == 1 { l = r = $1; t = b = $2 }
    { l = $1 < l ? $1 : l; r = $1 > r ? $1 : r; t = $2 < t ? $2 : t; b = $2 > b ? $2 : b }
    END { print r - l + 1, b - t + 1 }')
read -r w h <<<"$shape"
[ "$w" -le 3 ] && [ "$h" -ge 38 ] && [ "$h" -le 46 ] || fail "not the bar doubled and stood up (width, height): $shape"
echo "PASS"
