#!/bin/bash
# tilvaner-cli convert ended in the middle of its write, by a session signal, by SIGKILL or by a
# file-size limit, leaves no temporary file beside OUT and OUT as it was.
# Usage: signals.sh path/to/tilvaner-cli
set -u
cli=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }
# Little-endian 32-bit numbers as printf escapes.
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
temporaries() { find "$work" -name '.tilvaner-*.tmp' | wc -l; }
# Whether process $1 is writing a new file in the work folder: a named temporary file, or one that
# has no name yet.
writing() { [ "$(temporaries)" -gt 0 ] || ls -l /proc/"$1"/fd 2>/dev/null | grep -q "$work/.*(deleted)"; }

# A black full-colour BMP of 6000 x 6000 dots (108 MB): its write takes long enough to be caught.
side=6000
bytes=$((side * side * 3))
{
    printf "BM$(le32 $((bytes + 54)))\\0\\0\\0\\0\\x36\\0\\0\\0\\x28\\0\\0\\0$(le32 $side)$(le32 $side)"
    printf '\x01\0\x18\0\0\0\0\0'
    printf "$(le32 $bytes)"
    printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    head -c $bytes /dev/zero
} >"$work/big.bmp"
"$cli" info "$work/big.bmp" | grep -q "width: $side" || fail "the test picture does not read"
# A 4 x 4 one, whose save into the folder clears what a killed save may have left there.
{
    printf "BM$(le32 102)\\0\\0\\0\\0\\x36\\0\\0\\0\\x28\\0\\0\\0$(le32 4)$(le32 4)"
    printf '\x01\0\x18\0\0\0\0\0'
    printf "$(le32 48)"
    printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    head -c 48 /dev/zero
} >"$work/small.bmp"

for signal in TERM HUP KILL; do
    echo old >"$work/out.bmp"
    "$cli" convert "$work/big.bmp" "$work/out.bmp" &
    pid=$!
    # The signal comes once the new file is there, in the middle of the write.
    for _ in $(seq 2000); do
        writing $pid && break
        sleep 0.01
    done
    writing $pid || fail "$signal: no new file was seen"
    kill -"$signal" $pid
    wait $pid
    status=$?
    [ $status -eq $((128 + $(kill -l "$signal"))) ] || fail "$signal: exit status $status"
    # Where the file system gives no unnamed files, a killed save leaves its named one to the next
    # save into the folder.
    [ "$signal" = KILL ] && { "$cli" convert "$work/small.bmp" "$work/small-copy.bmp" || fail "the small save failed"; }
    [ "$(temporaries)" -eq 0 ] || fail "$signal left a temporary file"
    [ "$(cat "$work/out.bmp")" = old ] || fail "$signal: OUT changed"
done

# Writes past 5 MB fail: a failed write with its message, not the end of the program.
message=$( (ulimit -f 5120 && "$cli" convert "$work/big.bmp" "$work/limited.bmp") 2>&1)
status=$?
[ $status -eq 1 ] || fail "file-size limit: exit status $status"
expected=$(printf 'エラー\nlimited.bmp ファイルへの書き出しに失敗しました。(-3)')
[ "$message" = "$expected" ] || fail "file-size limit: message '$message'"
[ "$(temporaries)" -eq 0 ] || fail "the file-size limit left a temporary file"
[ -e "$work/limited.bmp" ] && fail "the file-size limit left OUT"
echo PASS
