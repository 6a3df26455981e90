# Sourced by the tests that drive the real editor on a white picture: opens it in the editor with
# its own settings and temporary folders, and gives fail, wait_for, ink (the saved dots that are
# not white), main (the main window) and x0, y0: a point well inside the first view. $1 is the
# editor.
set -u
editor=$1
command -v xdotool >/dev/null || { echo "SKIP: no xdotool"; exit 77; }
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TMPDIR=$work
# The test runner asks for headless windows; this test needs the X server.
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
picture=$work/white.bmp

fail() { echo "FAIL: $*"; exit 1; }
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }

# A white full-colour BMP of 1000 x 1000 dots: larger than the view, so every point of the view is
# on the picture and, at zoom 1, one pixel is one dot.
size=1000
{
    printf 'BM'
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((3000054 & 255)) $((3000054 >> 8 & 255)) $((3000054 >> 16 & 255)) 0)"
    printf '\0\0\0\0\x36\0\0\0\x28\0\0\0\xe8\x03\0\0\xe8\x03\0\0\x01\0\x18\0\0\0\0\0\0\0\0\0'
    printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    head -c $((size * size * 3)) /dev/zero | tr '\0' '\377'
} >"$picture"

# The dots of the saved picture that are not white, as "x,y" lines, top row first.
ink() {
    od -An -tu1 -v -j54 -w$((size * 3)) "$1" | awk -v size=$size '{
        y = size - NR
        for (x = 0; x < size; ++x)
            if ($(3 * x + 1) != 255 || $(3 * x + 2) != 255 || $(3 * x + 3) != 255)
                print x "," y
    }' | sort -t, -k2n -k1n
}

"$editor" "$picture" &
# Document windows live inside the main window: find the main window, the widest "Tilvaner".
main_window() {
    for w in $(xdotool search --name '^Tilvaner$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        echo "$WIDTH $w"
    done | sort -n | tail -1 | cut -d' ' -f2
}
wait_for 'main=$(main_window); [ -n "$main" ]' || fail "no main window"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$main")"
# The first document window opens at the workspace's top-left corner, its view below its title;
# this point is well inside the view and clear of the tool box panel on the left.
x0=$((X + 200)) y0=$((Y + 150))
