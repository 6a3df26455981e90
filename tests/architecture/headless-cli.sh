#!/bin/bash
# tilvaner-cli runs on a server without a display: the binary needs no Qt Widgets and no X11, EGL or
# D-Bus library of its own (Qt Gui brings them, and its link interface the GL dispatch libraries), and
# it converts and draws with no display set.
# Usage: headless-cli.sh path/to/tilvaner-cli
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

needed=$(readelf -d "$cli" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "readelf lists no needed libraries"
for library in $needed; do
    case $library in
    libQt6Widgets* | libX11* | libxcb* | libEGL* | libQt6DBus* | libdbus*)
        fail "tilvaner-cli needs $library itself" ;;
    esac
done

# A 4 x 2 full-colour BMP, all white; rows of 12 bytes.
{
    printf 'BM\x4e\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x04\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\x18\0\0\0'
    printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    for _ in 1 2 3 4 5 6 7 8; do printf '\xff\xff\xff'; done
} >"$work/in.bmp"

run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" "$@"; }
run convert "$work/in.bmp" "$work/out.tif" || fail "convert without a display"
run draw "$work/out.tif" "$work/drawn.bmp" --color '#ff0000' --line 0,0,3,0 || fail "draw without a display"
run info "$work/drawn.bmp" | grep -q "width: 4" || fail "the drawn picture does not read"
# The top row is red now, the bottom one still white (BMP rows run bottom-up).
pixels=$(tail -c 24 "$work/drawn.bmp" | od -An -tx1 | tr -d ' \n')
[ "$pixels" = "ffffffffffffffffffffffff0000ff0000ff0000ff0000ff" ] || fail "drawn dots: $pixels"
echo "tilvaner-cli needs: $needed" | tr '\n' ' '
echo
