#!/bin/bash
# Draws with the pencil in the real editor under an X server, through real pointer and key events:
# a stroke, a Shift + press that joins the next stroke to it, a third stroke taken back with Undo,
# and a save;
# then checks the saved picture's dots.
# Usage: pencil.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
. "$(dirname "$0")/white-picture.sh"

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
