#!/bin/bash
# The clipboard between the real editor and other programs under an X server: a copied 8-bit
# picture reaches xclip as the program's DIB, its marker, a BMP and a PNG with the picture's colours;
# a PNG that xclip puts on the clipboard pastes into the picture at its nearest colours; and two
# editor processes with their own meeting points pass an 8-bit picture with its indices, although
# their palettes differ. A PNG that ends too soon brings a message, and a 6000 x 6000 one pastes.
# Usage: clipboard.sh path/to/tilvaner (run under xvfb-run, with xdotool, xclip and python3).
source "$(dirname "$0")/session.sh"
editor=$1
for tool in xclip python3; do
    command -v $tool >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
unset WAYLAND_DISPLAY

# Pictures in and out: 8-bit BMP files, PNG files, and the dots of either as text.
pictures() { python3 - "$@" <<'PY'
import struct, sys, zlib
def palette(kind):
    first = [(i, 255 - i, (i * 7) & 255) for i in range(256)]
    return first if kind == 'a' else first[::-1]
def write_bmp(path, kind):
    pal = palette(kind)
    # Picture a counts from 16; picture b is all 5, so that a paste into it shows.
    rows = b''.join(bytes(16 + x + 8 * y if kind == 'a' else 5 for x in range(8)) for y in reversed(range(8)))
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in pal)
    head = struct.pack('<IiiHHIIiiII', 40, 8, 8, 1, 8, 0, 0, 0, 0, 0, 0)
    data = head + table + rows
    open(path, 'wb').write(b'BM' + struct.pack('<IHHI', 14 + len(data), 0, 0, 14 + 40 + 1024) + data)
def read_bmp(path):
    b = open(path, 'rb').read()
    off, (w, h, bits) = struct.unpack_from('<I', b, 10)[0], struct.unpack_from('<iiH', b, 18)[0:2] + struct.unpack_from('<H', b, 28)
    size = struct.unpack_from('<I', b, 14)[0]
    table = [tuple(b[14 + size + 4 * i + 2 - c] for c in range(3)) for i in range(256)] if bits == 8 else None
    stride = (bits * w + 31) // 32 * 4
    dots = {}
    for y in range(abs(h)):
        row = off + stride * (abs(h) - 1 - y if h > 0 else y)
        for x in range(w):
            if bits == 8:
                v = b[row + x]
                dots[x, y] = (v, table[v])
            else:
                p = b[row + 3 * x: row + 3 * x + 3]
                dots[x, y] = (None, (p[2], p[1], p[0]))
    return w, abs(h), dots
def read_png(path):
    b = open(path, 'rb').read()
    pos, idat, plte = 8, b'', None
    while pos < len(b):
        n, kind = struct.unpack_from('>I4s', b, pos)
        body = b[pos + 8: pos + 8 + n]
        if kind == b'IHDR':
            w, h, depth, ctype = struct.unpack_from('>IIBB', body)
        elif kind == b'PLTE':
            plte = [tuple(body[i:i + 3]) for i in range(0, n, 3)]
        elif kind == b'IDAT':
            idat += body
        pos += 12 + n
    raw = zlib.decompress(idat)
    bpp = {2: 3, 3: 1, 6: 4}[ctype]
    assert depth == 8, depth
    stride, prev, dots = w * bpp, bytearray(w * bpp), {}
    for y in range(h):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            c = prev[i - bpp] if i >= bpp else 0
            up = prev[i]
            if f == 1: line[i] = (line[i] + a) & 255
            elif f == 2: line[i] = (line[i] + up) & 255
            elif f == 3: line[i] = (line[i] + (a + up) // 2) & 255
            elif f == 4:
                p = a + up - c
                pa, pb, pc = abs(p - a), abs(p - up), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else up if pb <= pc else c)) & 255
        for x in range(w):
            px = line[x * bpp:(x + 1) * bpp]
            dots[x, y] = (px[0], plte[px[0]]) if ctype == 3 else (None, tuple(px[:3]))
        prev = line
    return w, h, dots, ctype
def write_png(path, colors):
    raw = b''.join(b'\0' + bytes(c for rgb in row for c in rgb) for row in colors)
    chunk = lambda k, d: struct.pack('>I', len(d)) + k + d + struct.pack('>I', zlib.crc32(k + d) & 0xffffffff)
    ihdr = struct.pack('>IIBBBBB', len(colors[0]), len(colors), 8, 2, 0, 0, 0)
    open(path, 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))
what = sys.argv[1]
if what == 'bmp':
    write_bmp(sys.argv[2], sys.argv[3])
elif what == 'png':
    a = palette('a')
    write_png(sys.argv[2], [[a[100], a[101]], [a[102], a[103]]])
elif what == 'big-png':
    # A side of 6000 in one colour of a, entry 200, or the first 4,000 bytes of it: a picture another
    # program offers that is larger than Qt reads by default, and one that ends too soon.
    size, c = 6000, palette('a')[200]
    raw = (b'\0' + bytes(c) * size) * size
    chunk = lambda k, d: struct.pack('>I', len(d)) + k + d + struct.pack('>I', zlib.crc32(k + d) & 0xffffffff)
    ihdr = struct.pack('>IIBBBBB', size, size, 8, 2, 0, 0, 0)
    whole = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', zlib.compress(raw, 1)) + chunk(b'IEND', b'')
    open(sys.argv[2], 'wb').write(whole[:4000] if sys.argv[3] == 'cut' else whole)
elif what == 'check-all':
    w, h, dots = read_bmp(sys.argv[2])
    got = {dots[x, y][0] for y in range(h) for x in range(w)}
    assert got == {int(sys.argv[3])}, got
elif what == 'check-copy':
    # The PNG and the BMP of a copy of picture a: every dot in a's colour, the BMP with a's index.
    a = palette('a')
    w, h, dots, ctype = read_png(sys.argv[2])
    assert (w, h, ctype) == (8, 8, 3), ('png', w, h, ctype)
    assert all(dots[x, y][1] == a[16 + x + 8 * y] for x in range(8) for y in range(8)), 'png colours'
    w, h, dots = read_bmp(sys.argv[3])
    assert (w, h) == (8, 8), ('bmp', w, h)
    assert all(dots[x, y] == (16 + x + 8 * y, a[16 + x + 8 * y]) for x in range(8) for y in range(8)), 'bmp dots'
elif what == 'check-png-paste':
    # The 2 x 2 PNG of a's colours 100 to 103 around the middle of a, at their indices.
    w, h, dots = read_bmp(sys.argv[2])
    got = [dots[x, y][0] for y in (3, 4) for x in (3, 4)]
    assert got == [100, 101, 102, 103], got
    assert dots[0, 0][0] == 16 and dots[7, 7][0] == 79, 'the rest of the picture'
elif what == 'check-indices':
    # The dots of the second picture have the indices of the first's.
    indices = lambda path: [read_bmp(path)[2][x, y][0] for y in range(8) for x in range(8)]
    assert indices(sys.argv[2]) == indices(sys.argv[3]), (indices(sys.argv[2]), indices(sys.argv[3]))
PY
}

# One editor process with its own meeting point and temporary folder, so that the second start is
# a second instance; answers its main window.
start() {
    local name=$1 picture=$2
    mkdir -p "$work/$name/config" && mkdir -m 700 "$work/$name/run"
    XDG_CONFIG_HOME=$work/$name/config XDG_RUNTIME_DIR=$work/$name/run TMPDIR=$work/$name "$editor" "$picture" &
    eval "pid_$name=$!"
}
keys() { xdotool windowfocus --sync "$1" 2>/dev/null; shift; xdotool key "$@"; sleep 0.5; }
save() {
    local file=$2 before
    before=$(stat -c %y "$file")
    keys "$1" alt+f && xdotool key s
    wait_for '[ "$(stat -c %y "$file")" != "$before" ]' || fail "$file was not saved"
}

pictures bmp "$work/a.bmp" a
pictures bmp "$work/b.bmp" b
start a "$work/a.bmp"
wait_for 'win_a=$(main_window $pid_a); [ -n "$win_a" ]' || fail "no window of the first editor"
sleep 2

# Copy all of a: the four types, a PNG and a BMP of its colours.
keys "$win_a" ctrl+a ctrl+c
targets=$(xclip -selection clipboard -t TARGETS -o) || fail "no clipboard owner after the copy"
for type in application/x-tilvaner-dib application/x-tilvaner-marker image/bmp image/png; do
    grep -qx "$type" <<<"$targets" || fail "the copy does not offer $type: $targets"
done
xclip -selection clipboard -t image/png -o >"$work/copy.png" || fail "no PNG"
xclip -selection clipboard -t image/bmp -o >"$work/copy.bmp" || fail "no BMP"
pictures check-copy "$work/copy.png" "$work/copy.bmp" || fail "the copy's PNG or BMP is not the picture"

# Another program's PNG pastes around the middle of the picture at the nearest colours.
pictures png "$work/other.png"
xclip -selection clipboard -t image/png -i "$work/other.png"
sleep 0.5
keys "$win_a" ctrl+v ctrl+d
save "$win_a" "$work/a.bmp"
pictures check-png-paste "$work/a.bmp" || fail "the pasted PNG is not in the saved picture"

# A picture that ends too soon is refused with a message; a 6000 x 6000 one pastes.
pictures big-png "$work/cut.png" cut
xclip -selection clipboard -t image/png -i "$work/cut.png"
sleep 0.5
keys "$win_a" ctrl+v
wait_for 'message=$(xdotool search --onlyvisible --name "^エラー$" | head -1); [ -n "$message" ]' ||
    fail "no message for a picture that cannot be read"
xdotool windowfocus --sync "$message" key Return
wait_for '! xdotool search --onlyvisible --name "^エラー$" >/dev/null' || fail "the message did not close"
pictures big-png "$work/big.png" whole
xclip -selection clipboard -t image/png -i "$work/big.png"
sleep 0.5
keys "$win_a" ctrl+v
sleep 3
keys "$win_a" ctrl+d
save "$win_a" "$work/a.bmp"
pictures check-all "$work/a.bmp" 200 || fail "the 6000 x 6000 PNG did not cover the picture"

# Two editors: b's palette is a's reversed, so only the indices can bring a's dots across.
start b "$work/b.bmp"
wait_for 'win_b=$(main_window $pid_b); [ -n "$win_b" ]' || fail "no window of the second editor"
sleep 2
keys "$win_a" ctrl+a ctrl+c
keys "$win_b" ctrl+v ctrl+d
save "$win_b" "$work/b.bmp"
pictures check-indices "$work/b.bmp" "$work/a.bmp" || fail "the second editor did not keep the indices"
echo "PASS"
