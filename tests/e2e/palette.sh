#!/bin/bash
# Edits, sorts and copies palettes in the real editor under an X server, through real pointer and
# key events, and checks the saved files. Picture A (entry i is (i, i, 255 - i), every dot 255):
# - the edit dialog: entry 1 takes keypad 7 three times (all channels up), keypad 1 (red down)
#   and Ctrl+keypad 2 (green a page down): (3, 0, 255); entry 0x14 Ctrl+keypad 4 (red a page up);
#   entries 0x10, 0x12, 0x14 ramped by the gradation button (Alt+G); copied with Ctrl+C; OK;
# - the sort dialog: entry 0xFF dragged onto 0xFE, so every dot becomes 0xFE and the picture looks
#   the same; OK;
# - the rotation dialog: entries 0 and 0xFE rotate backward every 11/60 s, so the picture blinks between blue and
#   yellow on the screen; Stop shows yellow again; started once more and ended with the dialog, which
#   puts the colours back; saved.
# Picture B, opened in the same editor: the edit dialog pastes with Ctrl+V, the paste dialog drags
# the colours one row down (0x20, 0x22, 0x24), OK twice; a four-colour .hex file is loaded through
# the Palette menu and its block dragged to row 4; the palette is saved as a raw file; B is saved.
# Usage: palette.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
source "$(dirname "$0")/session.sh"
size=400
a=$work/a.bmp
b=$work/b.bmp
indexed_bmp "$a"
indexed_bmp "$b"
start_editor "$1" "$a"

drag_cell() {
    cell "$1"; local fx=$CX fy=$CY
    cell "$2"
    xdotool mousemove "$fx" "$fy" mousedown 1 mousemove $((fx + 8)) $((fy + 8)) mousemove "$CX" "$CY"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.3
}
# The saved palette entry $2 of picture $1 as "r g b".
entry() { od -An -tu1 -j$((54 + 4 * $2)) -N3 "$1" | awk '{ print $3, $2, $1 }'; }

xdotool key shift+e
dialog "パレットの編集" 254 176
click_cell 1
xdotool key KP_7 KP_7 KP_7 KP_1 ctrl+KP_2
click_cell 20
xdotool key ctrl+KP_4
click_cell 16
click_cell 18 shift
click_cell 20 shift
xdotool key alt+g
sleep 0.2
xdotool key ctrl+c
sleep 0.2
xdotool key Return
sleep 0.5

# Without a window manager the keyboard focus goes nowhere when a dialog closes.
refocus() { xdotool windowfocus "$main" 2>/dev/null; sleep 0.2; }
refocus
xdotool key alt+p && sleep 0.5 && xdotool key o
dialog "パレットの並び替え" 160 176
click_cell 255
drag_cell 255 254
xdotool key Return
sleep 0.5

refocus
xdotool key alt+p && sleep 0.5 && xdotool key a
dialog "パレット回転アニメ" 254 176
click_cell 0
click_cell 254 shift
# Shift on the interval's up arrow: a page up, to 11/60 s, slow enough for any build to show each step.
dialog_point 195 107
xdotool mousemove "$CX" "$CY" keydown shift click 1 keyup shift
xdotool key alt+b alt+a
sleep 0.3
seen=$(python3 "$(dirname "$0")/screen-colors.py" "$x0" "$y0" 80 0.02 | sort | xargs)
[ "$seen" = "0000ff ffff00" ] || fail "the rotating picture showed $seen, not blue and yellow"
xdotool key alt+s
sleep 0.3
seen=$(python3 "$(dirname "$0")/screen-colors.py" "$x0" "$y0" 10 0.005 | xargs)
[ "$seen" = "ffff00" ] || fail "after Stop the picture showed $seen, not yellow"
xdotool key alt+a
sleep 0.3
xdotool key Return
sleep 0.5
save_and_quit_a() {
    local before
    before=$(stat -c %y "$a")
    refocus
    xdotool key alt+f && sleep 0.5 && xdotool key s
    wait_for '[ "$(stat -c %y "$a")" != "$before" ]' || fail "picture A was not saved"
}
save_and_quit_a

# A second start hands B over to the running editor, which opens it in a window of its own.
timeout 20 "$1" "$b" || fail "the second start did not hand B over"
sleep 1.5
refocus
xdotool key shift+e
dialog "パレットの編集" 254 176
xdotool key ctrl+v
dialog "パレットの貼り付け" 160 176
drag_cell 16 32
xdotool key Return
sleep 0.5
xdotool key Return
sleep 0.5

# A palette file of four colours loaded into B and dragged to row 4; then B's palette saved raw.
printf '#FF0000\n#00FF00\n#0000FF\n#FFFF00\n' >"$work/four.hex"
refocus
xdotool key alt+p && sleep 0.5 && xdotool key l
sleep 1.5
xdotool type --delay 20 "$work/four.hex"
xdotool key Return
dialog "パレットの読み込み" 160 176
drag_cell 0 64
xdotool key Return
sleep 0.5
refocus
xdotool key alt+p && sleep 0.5 && xdotool key s
dialog "パレットの保存" 160 176
xdotool key Return
sleep 1.5
xdotool type --delay 20 "$work/b-palette.rgb"
xdotool key Return
wait_for '[ -s "$work/b-palette.rgb" ]' || fail "the palette file was not saved"
refocus
save_and_quit "$b"

[ "$(entry "$a" 1)" = "3 0 255" ] || fail "entry 1 of A is $(entry "$a" 1), not 3 0 255"
[ "$(entry "$a" 20)" = "84 20 235" ] || fail "entry 0x14 of A is $(entry "$a" 20), not 84 20 235"
[ "$(entry "$a" 18)" = "50 18 237" ] || fail "the ramp gave entry 0x12 of A $(entry "$a" 18), not 50 18 237"
[ "$(entry "$a" 17)" = "17 17 238" ] || fail "entry 0x11 of A, outside the ramp, changed"
[ "$(entry "$a" 254)" = "255 255 0" ] || fail "the sort did not move entry 0xFF's colour to 0xFE"
[ "$(entry "$a" 255)" = "254 254 1" ] || fail "the sort did not fill 0xFF with 0xFE's colour"
[ "$(entry "$a" 0)" = "0 0 255" ] || fail "the rotation left entry 0 of A $(entry "$a" 0)"
dots=$(od -An -tu1 -v -j1078 "$a" | tr -s ' ' '\n' | grep -v '^$' | sort -u)
[ "$dots" = "254" ] || fail "the sort did not renumber every dot to 0xFE: $(echo $dots)"
for pair in "32 16 16 239" "34 50 18 237" "36 84 20 235" "16 16 16 239" "18 18 18 237" "20 20 20 235" "33 33 33 222"; do
    set -- $pair
    [ "$(entry "$b" "$1")" = "$2 $3 $4" ] || fail "entry $1 of B is $(entry "$b" "$1"), not $2 $3 $4"
done
for pair in "64 255 0 0" "67 255 255 0" "0 0 0 255" "3 3 3 252"; do
    set -- $pair
    [ "$(entry "$b" "$1")" = "$2 $3 $4" ] || fail "after the load, entry $1 of B is $(entry "$b" "$1"), not $2 $3 $4"
done
[ "$(stat -c %s "$work/b-palette.rgb")" = 768 ] || fail "the saved palette file does not hold 16 rows"
[ "$(od -An -tu1 -j$((65 * 3)) -N3 "$work/b-palette.rgb" | xargs)" = "0 255 0" ] ||
    fail "entry 65 of the saved palette file is not the loaded green"
echo "PASS"
