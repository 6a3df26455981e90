#!/bin/bash
# Fills with the bucket in the real editor under an X server, through real pointer and key events,
# then saves and checks the saved palette indices of an 8-bit picture:
# - a closed pencil outline in entry 0x35, then the bucket (F) in 0x36 inside it fills the inside;
# - F again opens the border colours; a pick and Escape leave them; then a click on the outline in
#   the picture, while the dialog is open, picks 0x35 for it, and OK keeps it; Shift + click outside
#   in 0x37 fills everything up to the outline;
# - a rectangle selected inside, and the bucket in 0x38 there, fills only the selection.
# A full-colour picture then gets its outline filled in the block unit.
# Usage: bucket.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
source "$(dirname "$0")/session.sh"
size=400
picture=$work/indexed.bmp
indexed_bmp "$picture"
start_editor "$1" "$picture"

# The tool box's button of tool $1: 2 x 6 buttons of 16 dots below the unit bank.
tool() {
    panel_at "ツール"
    click $((PX + 2 + $1 % 2 * 16 + 8)) $((PY + 20 + $1 / 2 * 16 + 8))
    xdotool windowfocus "$main" 2>/dev/null
}
# The outline of the 41 x 31 box with its corner at x0, y0, in one pencil stroke.
outline() {
    tool 7
    xdotool mousemove $x0 $y0 mousedown 1
    for corner in "$((x0 + 40)) $y0" "$((x0 + 40)) $((y0 + 30))" "$x0 $((y0 + 30))" "$x0 $y0"; do
        sleep 0.2
        xdotool mousemove $corner
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.3
}

panel_at "パレット"
# Row button 3, then colour button 5, of the slim palette: entry 0x35.
click $((PX + 2 + 3 * 12 + 6)) $((PY + 2 + 6))
click $((PX + 2 + 5 * 12 + 6)) $((PY + 16 + 12))
xdotool windowfocus "$main" 2>/dev/null
outline
xdotool key w key f
click $((x0 + 20)) $((y0 + 15))

border_colors() {
    xdotool key f
    wait_for 'dialog=$(xdotool search --onlyvisible --name "^塗りつぶし境界色$" 2>/dev/null | head -1); [ -n "$dialog" ]' ||
        fail "F with the bucket current opened no border colours dialog"
}
closed() { wait_for '[ -z "$(xdotool search --onlyvisible --name "^塗りつぶし境界色$" 2>/dev/null)" ]'; }
# A pick in the picture gives the keys back to the dialog: Escape cancels it, leaving no border colour.
border_colors
click $((x0 + 20)) $((y0 + 15))
xdotool key Escape
closed || fail "Escape after a pick did not reach the dialog"
xdotool windowfocus "$main" 2>/dev/null
border_colors
click $x0 $((y0 + 15))
# OK, the middle one of the bottom row of buttons (dialog units 63 to 113 across, 154 to 168 down).
eval "$(xdotool getwindowgeometry --shell "$dialog")"
click $((X + WIDTH / 2)) $((Y + HEIGHT * 161 / 176))
closed || fail "the dialog stayed open"
xdotool windowfocus "$main" 2>/dev/null
xdotool key w
xdotool keydown shift mousemove $((x0 + 80)) $((y0 + 15)) click 1 keyup shift
sleep 1

xdotool key w key a
xdotool mousemove $((x0 + 10)) $((y0 + 5)) mousedown 1 mousemove $((x0 + 20)) $((y0 + 15)) \
    mousemove $((x0 + 30)) $((y0 + 25)) mouseup 1
sleep 0.3
xdotool key f
click $((x0 + 40)) $((y0 + 15))
click $((x0 + 15)) $((y0 + 10))
save_and_quit "$picture"

# Every dot is ink now; the outline's corner is the first in 0x35.
all=$(indexed_ink "$picture")
corner=$(echo "$all" | grep ',53$' | head -1)
[ -n "$corner" ] || fail "no outline in 0x35"
fx=${corner%%,*} rest=${corner#*,} fy=${rest%%,*}
wrong=$(echo "$all" | awk -F, -v fx=$fx -v fy=$fy -v size=$size '
    { x = $1 - fx; y = $2 - fy
      if (x < 0 || y < 0 || x > 40 || y > 30) want = 55
      else if (x == 0 || y == 0 || x == 40 || y == 30) want = 53
      else if (x >= 10 && x <= 30 && y >= 5 && y <= 25) want = 56
      else want = 54
      if ($3 != want) { print x "," y ": " $3 " not " want; bad++ } ++n }
    END { if (n != size * size) print n " dots of " size * size " are ink" }' | head -5)
[ -z "$wrong" ] || fail "the fills are not where they belong (outline 53, inside 54, selection 56, outside 55):
$wrong"

# A white full-colour picture: the outline in the drawing colour, filled inside in the block unit.
picture=$work/full.bmp
white_bmp "$picture"
start_editor "$1" "$picture"
outline
panel_at "ツール"
click $((PX + 2 + 16 + 8)) $((PY + 2 + 8))
xdotool windowfocus "$main" 2>/dev/null
xdotool key f
click $((x0 + 20)) $((y0 + 15))
save_and_quit "$picture"
box=$(ink "$picture" | awk -F, 'NR == 1 { l = r = $1; t = b = $2 }
    { l = $1 < l ? $1 : l; r = $1 > r ? $1 : r; t = $2 < t ? $2 : t; b = $2 > b ? $2 : b; ++n }
    END { print n, r - l + 1, b - t + 1 }')
[ "$box" = "$((41 * 31)) 41 31" ] || fail "the full-colour box is not filled solid: $box (dots, width, height)"
echo "PASS"
