#!/bin/bash
# Draws with the pencil in the real editor under an X server, through real pointer and key events:
# a stroke, a Shift + press that joins the next stroke to it, a third stroke taken back with Undo from
# the menu and two more with its keys Ctrl+Z and Alt+Backspace,
# and a save;
# then checks the saved picture's dots.
# Usage: pencil.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
# A white full-colour picture of 1000 x 1000 dots: larger than the view, so every point of the view
# is on the picture.
source "$(dirname "$0")/session.sh"
size=1000
picture=$work/white.bmp
white_bmp "$picture"
start_editor "$1" "$picture"
# A stroke of 40 dots to the right, then a Shift + press 30 dots below its end: the join.
xdotool mousemove $x0 $y0 mousedown 1 mousemove $((x0 + 20)) $y0 mousemove $((x0 + 40)) $y0 mouseup 1
sleep 0.3
xdotool keydown shift mousemove $((x0 + 40)) $((y0 + 30)) mousedown 1 mouseup 1 keyup shift
sleep 0.3
# A third stroke, which Undo from the Edit menu takes back alone.
xdotool mousemove $((x0 + 10)) $((y0 + 10)) mousedown 1 mousemove $((x0 + 10)) $((y0 + 20)) mouseup 1
sleep 0.3
xdotool key alt+e && sleep 0.5 && xdotool key u
sleep 0.3
# Two more strokes, taken back by the Undo keys Ctrl+Z and Alt+Backspace.
xdotool mousemove $((x0 + 20)) $((y0 + 10)) mousedown 1 mousemove $((x0 + 20)) $((y0 + 20)) mouseup 1
sleep 0.3
xdotool key ctrl+z
sleep 0.3
xdotool mousemove $((x0 + 30)) $((y0 + 10)) mousedown 1 mousemove $((x0 + 30)) $((y0 + 20)) mouseup 1
sleep 0.3
xdotool key alt+BackSpace
sleep 0.3
save_and_quit "$picture"

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
