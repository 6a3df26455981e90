# Sourced by the end-to-end tests that drive the real editor under an X server: a private work
# folder, settings and runtime folder, and the pieces every such test uses.
set -u
command -v xdotool >/dev/null || { echo "SKIP: no xdotool"; exit 77; }
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TMPDIR=$work
# The test runner asks for headless windows; these tests need the X server.
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*"; exit 1; }
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }

# A white full-colour BMP of size x size dots at path $1.
white_bmp() {
    local bytes=$((size * size * 3 + 54))
    {
        printf 'BM'
        printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((bytes & 255)) $((bytes >> 8 & 255)) $((bytes >> 16 & 255)) 0)"
        printf '\0\0\0\0\x36\0\0\0\x28\0\0\0'
        printf "$(printf '\\x%02x\\x%02x\\0\\0\\x%02x\\x%02x\\0\\0' $((size & 255)) $((size >> 8)) $((size & 255)) $((size >> 8)))"
        printf '\x01\0\x18\0\0\0\0\0\0\0\0\0'
        printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
        head -c $((size * size * 3)) /dev/zero | tr '\0' '\377'
    } >"$1"
}

# The dots of a saved full-colour picture of size x size that are not white, as "x,y" lines, top
# row first.
ink() {
    od -An -tu1 -v -j54 -w$((size * 3)) "$1" | awk -v size=$size '{
        y = size - NR
        for (x = 0; x < size; ++x)
            if ($(3 * x + 1) != 255 || $(3 * x + 2) != 255 || $(3 * x + 3) != 255)
                print x "," y
    }' | sort -t, -k2n -k1n
}

# An 8-bit picture of size x size dots (size a multiple of 4) at path $1, every dot index 255;
# entry i of its palette is (i, i, 255 - i), so that every entry differs.
indexed_bmp() {
    local bytes=$((size * size + 1078))
    {
        printf 'BM'
        printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((bytes & 255)) $((bytes >> 8 & 255)) $((bytes >> 16 & 255)) 0)"
        printf '\0\0\0\0\x36\x04\0\0\x28\0\0\0'
        printf "$(printf '\\x%02x\\x%02x\\0\\0\\x%02x\\x%02x\\0\\0' $((size & 255)) $((size >> 8)) $((size & 255)) $((size >> 8)))"
        printf '\x01\0\x08\0\0\0\0\0\0\0\0\0'
        printf '\0\0\0\0\0\0\0\0\0\x01\0\0\0\x01\0\0'
        for i in $(seq 0 255); do printf "$(printf '\\x%02x\\x%02x\\x%02x\\0' $((255 - i)) $i $i)"; done
        head -c $((size * size)) /dev/zero | tr '\0' '\377'
    } >"$1"
}

# The dots of a saved 8-bit picture of size x size that are not index 255, as "x,y,index" lines,
# top row first.
indexed_ink() {
    local offset
    offset=$(od -An -tu4 -j10 -N4 "$1" | tr -d ' ')
    od -An -tu1 -v -j"$offset" -w$(((size + 3) / 4 * 4)) "$1" | awk -v size=$size '{
        y = size - NR
        for (x = 0; x < size; ++x)
            if ($(x + 1) != 255)
                print x "," y "," $(x + 1)
    }' | sort -t, -k2n -k1n
}

# Document windows live inside the main window: the main window is the widest "Tilvaner" (of the
# process $1, when given).
main_window() {
    for w in $(xdotool search --all ${1:+--pid "$1"} --name '^Tilvaner$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        echo "$WIDTH $w"
    done | sort -n | tail -1 | cut -d' ' -f2
}

# Starts the editor on the picture $2 and waits for its main window; sets main, X, Y and the view
# point x0, y0: well inside the first document's view (at zoom 1, one pixel is one dot) and clear
# of the tool box panel on the left.
start_editor() {
    "$1" "$2" &
    wait_for 'main=$(main_window); [ -n "$main" ]' || fail "no main window"
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$main")"
    x0=$((X + 200)) y0=$((Y + 150))
    xdotool windowfocus "$main" 2>/dev/null
    xdotool mousemove $x0 $y0
}

# A panel's client area, found by its caption: sets PX and PY.
panel_at() {
    local w
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$w" ] || fail "no panel \"$1\""
    eval "$(xdotool getwindowgeometry --shell "$w")"
    PX=$X PY=$Y
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
# The dialog captioned $1, its template $2 x $3 dialog units: sets DW and the scale of its units.
dialog() {
    # Named, not $1: wait_for evaluates the test inside itself.
    local caption=$1
    wait_for 'DW=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | head -1); [ -n "$DW" ]' ||
        fail "no dialog \"$caption\""
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$DW")"
    DX=$X DY=$Y UX=$(echo "$WIDTH $2" | awk '{ print $1 / $2 }') UY=$(echo "$HEIGHT $3" | awk '{ print $1 / $2 }')
}
# The screen point of (x, y) in dialog units of the dialog found last: sets CX and CY.
dialog_point() {
    CX=$(awk -v x="$DX" -v u="$UX" -v d="$1" 'BEGIN { printf "%d", x + d * u }')
    CY=$(awk -v y="$DY" -v u="$UY" -v d="$2" 'BEGIN { printf "%d", y + d * u }')
}
# The centre of the palette grid's cell for entry $1 in the dialog found last: the grid fills 128 x
# 128 units from 22, 16 with cells of whole pixels. Sets CX and CY.
cell() {
    CX=$(awk -v x="$DX" -v u="$UX" -v n="$1" 'BEGIN {
        l = int(22 * u + 0.5); p = int((int(150 * u + 0.5) - l) / 16); printf "%d", x + l + (n % 16) * p + p / 2 }')
    CY=$(awk -v y="$DY" -v u="$UY" -v n="$1" 'BEGIN {
        t = int(16 * u + 0.5); p = int((int(144 * u + 0.5) - t) / 16); printf "%d", y + t + int(n / 16) * p + p / 2 }')
}
click_cell() { cell "$1"; xdotool mousemove "$CX" "$CY" ${2:+keydown "$2"} click 1 ${2:+keyup "$2"}; sleep 0.2; }

# Saves with the File menu and waits until the picture $1 has changed on disk; ends the editor.
save_and_quit() {
    # Named, not $1: wait_for evaluates the test inside itself, where $1 is the test.
    local saved=$1 before
    before=$(stat -c %y "$saved")
    xdotool key alt+f && sleep 0.5 && xdotool key s
    wait_for '[ "$(stat -c %y "$saved")" != "$before" ]' || fail "the picture was not saved"
    kill -TERM %1 2>/dev/null
    wait
}
