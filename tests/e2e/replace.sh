#!/bin/bash
# Replaces colours in a selection of an 8-bit picture in the real editor under an X server, through
# real pointer and key events, and checks the saved palette indices. A pencil corner in entry 0x35
# (a bar of 21 dots and a leg of 11 down from its left end) and one dot of 0x36 below the bar are
# selected with the Rect tool and flipped across (Shift+X: the leg at the right end). C opens the
# targets dialog, where a click on the bar in the picture picks 0x35, and the results dialog, where
# entry 0x12 is clicked: the corner becomes 0x12 and the dot stays. Shift+V then moves the
# selection to the row of entry 0x47: the corner to 0x42, the dot to 0x46 and the ground (0xFF)
# inside the selection to 0x4F, while outside it stays 0xFF.
# Usage: replace.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
source "$(dirname "$0")/session.sh"
size=400
picture=$work/indexed.bmp
indexed_bmp "$picture"
start_editor "$1" "$picture"
path() { for p in "$@"; do xdotool mousemove $((x0 + ${p%,*})) $((y0 + ${p#*,})); sleep 0.15; done; }
refocus() { xdotool windowfocus "$main" 2>/dev/null; sleep 0.3; }
# Row button 3, then colour button $1, of the slim palette panel.
entry_3x() {
    panel_at "パレット"
    click $((PX + 2 + 3 * 12 + 6)) $((PY + 2 + 6))
    click $((PX + 2 + $1 * 12 + 6)) $((PY + 16 + 12))
    refocus
}

entry_3x 5
path 0,10; xdotool mousedown 1; path 0,5 0,0 10,0 20,0; xdotool mouseup 1; sleep 0.3
entry_3x 6
path 10,5; xdotool click 1; sleep 0.3
xdotool key a; sleep 0.3
path -5,-5; xdotool mousedown 1; path 10,5 25,15; xdotool mouseup 1; sleep 0.3
xdotool key shift+x; sleep 0.3

xdotool key c
dialog "単純な色置換：　対象指定" 160 176
click $((x0 + 5)) $y0
xdotool key Return
dialog "単純な色置換：　結果指定" 224 176
click_cell 18
xdotool key Return
sleep 0.5
refocus
xdotool key shift+v
dialog "パレット番号指定" 160 176
click_cell 71
xdotool key Return
sleep 0.5
refocus
save_and_quit "$picture"

all=$(indexed_ink "$picture")
# The selection's ground fills its box, whose other dots are the figure's.
box=$(echo "$all" | awk -F, 'NR == 1 { l = r = $1; t = b = $2 }
    { l = $1 < l ? $1 : l; r = $1 > r ? $1 : r; t = $2 < t ? $2 : t; b = $2 > b ? $2 : b }
    END { print (r - l + 1) * (b - t + 1) == NR }')
[ "$box" = 1 ] || fail "the changed dots do not fill the selection's box"
dots=$(echo "$all" | grep -v ',79$')
[ -n "$dots" ] || fail "nothing was drawn"
# Relative to the bar's left end: "x,y,index" lines.
shape=$(echo "$dots" | awk -F, 'NR == 1 { l = $1; t = $2 } { print $1 - l "," $2 - t "," $3 }' | tr '\n' ' ')
expected=$(for x in $(seq 0 20); do echo -n "$x,0,66 "; done
    for y in $(seq 1 10); do [ "$y" = 5 ] && echo -n "10,5,70 "; echo -n "20,$y,66 "; done)
[ "$shape" = "$expected" ] || fail "not the flipped corner in 0x42 and the dot in 0x46: $shape"
echo "PASS"
