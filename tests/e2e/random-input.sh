#!/bin/bash
# Drives the real editor under an X server with a seeded stream of random events: keys from its
# accelerator table, clicks, Shift + clicks, right clicks and short drags in the picture, and clicks
# in the tool box and the palette panel. Every dialog, message box or menu they open is closed
# before the next event. Fails when the editor crashes, reports a sanitizer error, stops answering
# or does not end cleanly; the failure shows the seed and the last events, so that the run can be
# replayed with TILVANER_RANDOM_SEED=<seed>. The default seed is fixed: every CI run is the same.
# Usage: random-input.sh path/to/tilvaner (run under xvfb-run, with xdotool installed).
source "$(dirname "$0")/session.sh"
seed=${TILVANER_RANDOM_SEED:-1989}
echo "seed $seed"
RANDOM=$seed
# Paced so that the editor keeps up also in a sanitizer build, which is several times slower; and
# the events stop after budget seconds, so that a run on a slow or busy machine stays under two
# minutes all the same (the seed still replays it: the events sent are the first of the same stream).
count=300
pace=0.1
budget=80
events=()
n=0

sanitizer_reports() {
    grep -E 'ERROR: AddressSanitizer|runtime error:|LeakSanitizer|ERROR: [A-Za-z]+Sanitizer' "$work/stderr" 2>/dev/null | head -20
}
# The helpers of session.sh fail through this too: every failure tells how to replay it.
fail() {
    echo "FAIL: $*"
    local first=$((${#events[@]} > 40 ? ${#events[@]} - 40 : 0)) reports
    echo "seed $seed; the last events:"
    printf '  %s\n' "${events[@]:first}"
    reports=$(sanitizer_reports)
    [ -z "$reports" ] || printf 'sanitizer:\n%s\n' "$reports"
    [ -s "$work/stderr" ] && { echo "the editor's last words:"; tail -30 "$work/stderr"; }
    exit 1
}
log() { events+=("$n $*"); }

# At zoom 1 the view point and 180 dots right of and below it are on the picture.
size=400
picture=$work/indexed.bmp
indexed_bmp "$picture"
start_editor "$1" "$picture" 2>"$work/stderr"
editor=$!

# Each xdotool started costs a good part of a pace on a busy machine: an event and the look at the
# windows after it are one xdotool, which sets seen to the visible top-level windows.
look() { seen=$(xdotool "$@" search --onlyvisible --name '' 2>/dev/null); }
# When the event could not be sent whole, the look is taken alone.
send() { look "$@" sleep $pace || look; }
# The windows there at the start, and the panels met since, found by name once.
panels='^(ツール|パレット|情報|アニメーション)$'
declare -A known
look
for w in $seen; do known[$w]=1; done
# Sets newest and its name to the newest of the windows in seen that are neither known nor panels,
# or newest to nothing: those are dialogs, message boxes and popped-up menus (menus are called
# "Tilvaner" too, so names alone cannot tell them).
extra() {
    local w name
    newest=
    for w in $seen; do
        [ -z "${known[$w]-}" ] || continue
        name=$(xdotool getwindowname "$w" 2>/dev/null)
        if [[ $name =~ $panels ]]; then
            known[$w]=1
        elif ((w > ${newest:-0})); then
            newest=$w newest_name=$name
        fi
    done
}
# Closes whatever the last event opened, newest first, as a person would: Escape after one event and
# Return after the next, so that the dialogs' OK is tried too, then the other key for a box that
# the first did not close. A box may open another one, so this goes on until none is left.
settle() {
    local tries=0 key
    while extra; [ -n "$newest" ]; do
        kill -0 $editor 2>/dev/null || fail "the editor ended with a window open"
        ((++tries <= 12)) || fail "the window \"$newest_name\" would not close"
        if (((tries + n) % 2)); then key=Escape; else key=Return; fi
        events+=("    $key to \"$newest_name\"")
        xdotool windowfocus "$newest" key $key 2>/dev/null
        for _ in $(seq 30); do
            look sleep $pace
            [[ $'\n'$seen$'\n' == *$'\n'$newest$'\n'* ]] || break
        done
    done
}
# The editor answers when F9 turns the information panel over and back: a key that has to go
# through its event loop. A dialog that opened late takes the key, so it is closed and tried again.
info_shown() { [ -n "$(xdotool search --onlyvisible --name '^情報$' 2>/dev/null)" ]; }
answers() {
    local before after
    for _ in 1 2 3; do
        look
        settle
        kill -0 $editor 2>/dev/null || fail "the editor ended"
        [ -z "$(sanitizer_reports)" ] || fail "a sanitizer report"
        info_shown && before=1 || before=0
        events+=("    F9 twice, to see that the editor answers")
        xdotool windowfocus "$main" key F9 2>/dev/null
        for _ in $(seq 100); do info_shown && after=1 || after=0; [ $after != $before ] && break; sleep 0.1; done
        if [ $after != $before ]; then
            xdotool windowfocus "$main" key F9 2>/dev/null
            for _ in $(seq 100); do info_shown && after=1 || after=0; [ $after = $before ] && return 0; sleep 0.1; done
        fi
    done
    fail "the editor stopped answering"
}

# Not the keys that open file dialogs, close the picture or end the editor, nor Help, which starts
# a viewer of its own.
keys=(ctrl+z alt+BackSpace ctrl+x shift+Delete ctrl+c ctrl+Insert ctrl+v shift+Insert ctrl+b ctrl+f ctrl+e Delete
      c shift+c shift+v shift+x shift+z ctrl+a ctrl+d Escape shift+e shift+F4 shift+F5 g F6 F7 F8 F9 m shift+m s a
      shift+a f v d t F1 F2 F3 F4 F5 1 2 3 w q shift+w shift+q e r comma period Left Right Up Down z Tab)

# A point in the picture's view: sets px, py.
view_point() { px=$((x0 + RANDOM % 181)) py=$((y0 + RANDOM % 181)); }
# A point in the client area of the panel called $1: sets px, py; false when the panel is hidden.
# Not panel_at, which fails on a hidden panel, and the keys hide and show them.
panel_point() {
    local geometry
    geometry=$(xdotool search --onlyvisible --name "^$1\$" getwindowgeometry --shell 2>/dev/null)
    [ -n "$geometry" ] || return 1
    eval "$geometry"
    px=$((X + RANDOM % WIDTH)) py=$((Y + RANDOM % HEIGHT))
}

started=$SECONDS
for n in $(seq $count); do
    kind=$((RANDOM % 100))
    if ((kind < 45)); then
        key=${keys[RANDOM % ${#keys[@]}]}
        log "key $key"
        send windowfocus "$main" key "$key"
    elif ((kind < 60)); then
        view_point
        log "click at $px,$py"
        send mousemove $px $py click 1
    elif ((kind < 64)); then
        view_point
        log "shift+click at $px,$py"
        send keydown shift mousemove $px $py click 1 keyup shift
    elif ((kind < 76)); then
        view_point
        path=("$px" "$py") turns=$((1 + RANDOM % 3))
        # Not in $(...): a subshell draws from a RANDOM of its own, and the stream would not replay.
        for ((i = 0; i < turns; ++i)); do
            path+=($((px += RANDOM % 61 - 30)) $((py += RANDOM % 61 - 30)))
        done
        log "drag through ${path[*]}"
        moves=()
        for ((i = 2; i < ${#path[@]}; i += 2)); do moves+=(mousemove ${path[i]} ${path[i + 1]}); done
        send mousemove ${path[0]} ${path[1]} mousedown 1 "${moves[@]}" mouseup 1
    elif ((kind < 82)); then
        view_point
        log "right click at $px,$py"
        send mousemove $px $py click 3
    elif ((kind < 90)); then
        if panel_point "ツール"; then
            log "tool box click at $px,$py"
            send mousemove $px $py click 1
        else
            log "tool box hidden"
            look
        fi
    else
        # Now and then a right click, which opens the palette panel's menu.
        button=$((kind < 98 ? 1 : 3))
        if panel_point "パレット"; then
            log "palette click $button at $px,$py"
            send mousemove $px $py click $button
        else
            log "palette hidden"
            look
        fi
    fi
    kill -0 $editor 2>/dev/null || fail "the editor ended"
    settle
    ((n % 25)) || answers
    ((SECONDS - started < budget)) || break
done
answers
reports=$(sanitizer_reports)
[ -z "$reports" ] || fail "a sanitizer report"
echo "$n events in $((SECONDS - started)) s"

# SIGTERM ends the editor as its window's close would: each changed picture asks to be saved, and
# No (or Return for any other box) lets it go on.
events+=("    SIGTERM")
kill -TERM $editor
tries=0
for _ in $(seq 200); do
    kill -0 $editor 2>/dev/null || break
    look sleep $pace
    extra
    if [ -n "$newest" ]; then
        if ((tries++ % 2)); then key=Return; else key=n; fi
        events+=("    $key to \"$newest_name\"")
        xdotool windowfocus "$newest" key $key 2>/dev/null
        sleep 0.5
    fi
done
kill -0 $editor 2>/dev/null && fail "the editor did not end on SIGTERM"
wait $editor
status=$?
[ $status = 0 ] || [ $status = 143 ] || fail "the editor ended with status $status"
reports=$(sanitizer_reports)
[ -z "$reports" ] || fail "a sanitizer report"
echo "PASS"
