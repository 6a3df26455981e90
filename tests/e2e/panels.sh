#!/bin/bash
# Chooses colours and tools in the floating panels of the real editor under an X server, through
# real pointer and key events, then draws, saves and checks the saved palette indices:
# - the slim palette: row button 3, then colour button 5, give entry 0x35; a stroke;
# - W, sent to the document window after those clicks, moves on to 0x36; a second stroke;
# - the tool box's Line button, then a line in 0x36;
# - the panel's menu swaps to the wide grid, whose cell (row 10, column 4) gives 0xA4; a stroke;
# - Shift on the wide grid's cell (row 2, column 1) makes 0x21 the background, which clearing a
#   rectangle selected with the Rect tool (A) puts there;
# - the tool box's Draw button, whose press pops up the square sizes: the first click in the picture
#   closes them and places the square, where Z stamps a dot in 0xA4.
# Usage: panels.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
source "$(dirname "$0")/session.sh"
size=400
picture=$work/indexed.bmp
indexed_bmp "$picture"
start_editor "$1" "$picture"

stroke() { xdotool mousemove "$1" "$2" mousedown 1 mousemove $(($1 + 10)) "$2" mousemove $(($1 + 20)) "$2" mouseup 1; sleep 0.3; }

panel_at "パレット"
# The strips' buttons are 12 dots wide; the row strip is at (2, 2), the colour strip 2 dots below it.
click $((PX + 2 + 3 * 12 + 6)) $((PY + 2 + 6))
click $((PX + 2 + 5 * 12 + 6)) $((PY + 16 + 12))
stroke $x0 $y0
xdotool key w
sleep 0.3
stroke $x0 $((y0 + 10))

panel_at "ツール"
# The tool bank, 2 x 6 buttons of 16 dots, is below the unit bank; Line is tool 10 (column 0, row 5).
click $((PX + 2 + 8)) $((PY + 20 + 5 * 16 + 8))
xdotool mousemove $x0 $((y0 + 20)) mousedown 1 mousemove $((x0 + 10)) $((y0 + 20)) mousemove $((x0 + 20)) $((y0 + 20)) mouseup 1
sleep 0.3

# Back to the pencil (tool 7: column 1, row 3), then the wide grid from the palette panel's menu.
click $((PX + 2 + 16 + 8)) $((PY + 20 + 3 * 16 + 8))
panel_at "パレット"
xdotool mousemove $((PX + 20)) $((PY + 8)) click 3
sleep 0.5
xdotool key w
sleep 0.5
panel_at "パレット"
click $((PX + 2 + 4 * 12 + 6)) $((PY + 2 + 10 * 12 + 6))
stroke $x0 $((y0 + 30))
xdotool keydown shift mousemove $((PX + 2 + 1 * 12 + 6)) $((PY + 2 + 2 * 12 + 6)) click 1 keyup shift
sleep 0.3
xdotool windowfocus "$main" 2>/dev/null
xdotool key a
xdotool mousemove $((x0 + 40)) $((y0 + 50)) mousedown 1 mousemove $((x0 + 45)) $((y0 + 55)) mousemove $((x0 + 50)) $((y0 + 60)) mouseup 1
sleep 0.3
xdotool key alt+e && sleep 0.5 && xdotool key r
sleep 0.3
panel_at "ツール"
click $((PX + 2 + 16 + 8)) $((PY + 20 + 4 * 16 + 8))
click $x0 $((y0 + 70))
xdotool key z
sleep 0.3
save_and_quit "$picture"

all=$(indexed_ink "$picture")
cleared=$(echo "$all" | grep -c ',33$')
dots=$(echo "$all" | grep -v ',33$')
[ "$cleared" -gt 0 ] || fail "clearing the selection did not put the background 0x21 there"
first=$(echo "$dots" | head -1)
fx=${first%%,*} rest=${first#*,} fy=${rest%%,*}
expected=$( (for x in $(seq $fx $((fx + 20))); do echo "$x,$fy,53"; done
             for x in $(seq $fx $((fx + 20))); do echo "$x,$((fy + 10)),54"; done
             for x in $(seq $fx $((fx + 20))); do echo "$x,$((fy + 20)),54"; done
             for x in $(seq $fx $((fx + 20))); do echo "$x,$((fy + 30)),164"; done
             echo "$fx,$((fy + 70)),164") | sort -t, -k2n -k1n)
[ -n "$first" ] || fail "nothing was drawn"
[ "$dots" = "$expected" ] || fail "the strokes are not in entries 0x35, 0x36, 0x36 (line) and 0xA4, with the Draw dot below:
$(echo "$dots" | awk -F, '{print $2, $3}' | uniq -c | head -20)"
box=$(echo "$all" | grep ',33$' | awk -F, 'NR == 1 { l = r = $1; t = b = $2 }
    { l = $1 < l ? $1 : l; r = $1 > r ? $1 : r; t = $2 < t ? $2 : t; b = $2 > b ? $2 : b }
    END { print (r - l + 1) * (b - t + 1), l - '"$fx"', t - '"$fy"' }')
[ "$box" = "$cleared 40 50" ] || fail "the background 0x21 is not one rectangle from the band's corner: $box ($cleared dots)"
echo "PASS"
