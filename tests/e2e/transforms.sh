#!/bin/bash
# Flips, turns and scales a selection in the real editor under an X server, through real key and
# pointer events, and checks the saved dots. A pencil stroke draws a corner: a bar of 21 dots and a
# leg of 11 down from its left end. The Rect tool selects round it; then Shift+X flips it across
# (leg at the right end), the Image menu turns it a quarter clockwise (a column of 21 on the right,
# a foot of 11 at its bottom), ROTATE_DIALOG turns it 90 degrees counter-clockwise (the bar on top,
# the leg at its right end again), and SCALE_DIALOG doubles the selection's size, read from its own
# fields through the clipboard: bars of 42 and 22 dots, two dots thick.
# Usage: transforms.sh path/to/tilvaner (run under xvfb-run, with xdotool and xclip installed).
source "$(dirname "$0")/session.sh"
command -v xclip >/dev/null || { echo "SKIP: no xclip"; exit 77; }
size=1000
picture=$work/white.bmp
white_bmp "$picture"
start_editor "$1" "$picture"
path() { for p in "$@"; do xdotool mousemove $((x0 + ${p%,*})) $((y0 + ${p#*,})); sleep 0.15; done; }
refocus() { xdotool windowfocus "$main" 2>/dev/null; sleep 0.3; }
path 0,10; xdotool mousedown 1; path 0,5 0,0 10,0 20,0; xdotool mouseup 1; sleep 0.3
xdotool key a; sleep 0.3
path -5,-5; xdotool mousedown 1; path 10,5 25,15; xdotool mouseup 1; sleep 0.3
xdotool key shift+x; sleep 0.3
xdotool key alt+i && sleep 0.4 && xdotool key r && sleep 0.4 && xdotool key 9; sleep 0.5
refocus
xdotool key alt+i && sleep 0.4 && xdotool key r && sleep 0.4 && xdotool key i
dialog "回転" 150 72
xdotool key ctrl+a && xdotool type 90
# The counter-clockwise button, which has no mnemonic: its place in the template is 74, 30.
dialog_point 80 36
xdotool mousemove "$CX" "$CY" click 1
sleep 0.2
xdotool key Return
sleep 0.5
refocus
xdotool key alt+i && sleep 0.4 && xdotool key s && sleep 0.4 && xdotool key i
dialog "拡大縮小" 160 56
# Each field opens with its number selected: copied, doubled and typed over it.
double_field() {
    xdotool key ctrl+a ctrl+c; sleep 0.3
    local n
    n=$(xclip -o -selection clipboard 2>/dev/null)
    [[ $n =~ ^[0-9]+$ ]] || fail "the scale dialog's field held \"$n\""
    xdotool key ctrl+a && xdotool type $((2 * n))
}
double_field
xdotool key Tab
double_field
xdotool key Return
sleep 0.5
refocus
save_and_quit "$picture"

dots=$(ink "$picture")
[ -n "$dots" ] || fail "nothing was drawn"
shape=$(echo "$dots" | awk -F, 'NR == 1 { l = r = $1; t = b = $2 }
    { x[NR] = $1; y[NR] = $2; l = $1 < l ? $1 : l; r = $1 > r ? $1 : r; t = $2 < t ? $2 : t; b = $2 > b ? $2 : b }
    END { for (i = 1; i <= NR; ++i) if (y[i] > t + 1 && x[i] < r - 1) odd++
          print r - l + 1, b - t + 1, NR, odd + 0 }')
# 42 x 22, the bar two rows on top and the leg two columns on the right: 2 x 42 + 2 x 22 - 4 dots.
[ "$shape" = "42 22 124 0" ] || fail "not the corner doubled with its leg at the right (width, height, dots, stray): $shape"
echo "PASS"
