#!/bin/bash
# Brenvale in a real window under a virtual X server: the cursor dot blinks
# at a calm pace while the program idles; the window, which copies only what
# changed, shows the same picture as a whole repaint at two steps of chapter
# 1 item ②; and keys typed all at once through that drill, its chapter's
# "終了" and the main menu's "終了" end the program by itself with status 0.
# Usage: window_menu_test.sh PATH/TO/brenvale PATH/TO/xpixel
set -u
BIN=${1:?usage: window_menu_test.sh PATH/TO/brenvale PATH/TO/xpixel}
XPIXEL=${2:?usage: window_menu_test.sh PATH/TO/brenvale PATH/TO/xpixel}

if [ -z "${INNER:-}" ]; then
    for tool in xvfb-run xdotool import compare awk; do
        if ! command -v $tool >/dev/null; then
            # CI installs every tool (scripts/deps.sh): there, a missing one is a fault.
            [ -n "${CI:-}" ] && { echo "FAIL: $tool not installed: run scripts/deps.sh"; exit 1; }
            echo "SKIP: $tool not installed: run scripts/deps.sh"; exit 77
        fi
    done
    # -noreset: by default the server resets each time its last client leaves
    # (xdotool comes and goes), and a program connecting during a reset finds no
    # display at all.
    INNER=1 exec xvfb-run -a -s "-screen 0 1440x900x24 -noreset" "$0" "$BIN" "$XPIXEL"
fi

fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The picture built from partial copies equals a whole repaint: unmapping and
# mapping the window again makes the program copy the whole canvas.
same_as_whole_repaint() {
    sleep 1
    import -window "$wid" "$tmp/partial.png" 2>/dev/null || fail "cannot read the screen"
    xdotool windowunmap --sync "$wid"
    xdotool windowmap --sync "$wid"
    sleep 1
    import -window "$wid" "$tmp/whole.png" 2>/dev/null || fail "cannot read the screen"
    differ=$(compare -metric AE "$tmp/partial.png" "$tmp/whole.png" null: 2>&1)
    [ "$differ" = 0 ] || fail "$1: $differ pixels differ from a whole repaint"
    xdotool windowfocus --sync "$wid" 2>/dev/null
}

"$BIN" & pid=$!
wid=$(timeout 20 xdotool search --sync --name '^Brenvale$' | head -1)
[ -n "$wid" ] || fail "no Brenvale window"
sleep 1.5   # the main menu is drawn and the prompt waits

# Where the answer line's cursor dot (1064, 656) lies on the screen: the
# canvas is scaled to fit the window, centred.
eval "$(xdotool getwindowgeometry --shell "$wid")"
read -r dx dy < <(awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$X" -v y="$Y" 'BEGIN {
    f = w / 1440; if (h / 900 < f) f = h / 900;
    ox = x + int((w - int(1440 * f)) / 2); oy = y + int((h - int(900 * f)) / 2);
    printf "%d %d\n", ox + int(1064 * f), oy + int(656 * f) }')

# The dot blinks: both states seen, and not faster than a few times a second.
cpu0=$(awk '{print $14 + $15}' /proc/$pid/stat)
t0=$(date +%s.%N)
shown=0; hidden=0; changes=0; last=""
while read -r c; do
    if [ "$c" = "#FFFFFF" ]; then state=hidden; hidden=$((hidden + 1)); else state=shown; shown=$((shown + 1)); fi
    [ -n "$last" ] && [ "$state" != "$last" ] && changes=$((changes + 1))
    last=$state
done < <("$XPIXEL" "$dx" "$dy" 40 50 || fail "cannot read the screen")
t1=$(date +%s.%N)
cpu1=$(awk '{print $14 + $15}' /proc/$pid/stat)
hz=$(getconf CLK_TCK)
echo "dot shown $shown, hidden $hidden, $changes changes in $(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", b - a }') s; cpu $(( (cpu1 - cpu0) * 1000 / hz )) ms"
[ "$shown" -ge 3 ] && [ "$hidden" -ge 3 ] || fail "the cursor dot does not blink"
awk -v n="$changes" -v t0="$t0" -v t1="$t1" 'BEGIN { exit !(n / (t1 - t0) <= 8) }' ||
    fail "the cursor dot blinks too fast"
# Idle: a prompt that spins takes a whole processor; this one sleeps between
# polls (the margin is for the virtual server's slow drawing).
awk -v c="$((cpu1 - cpu0))" -v hz="$hz" -v t0="$t0" -v t1="$t1" \
    'BEGIN { exit !(c / hz <= 0.5 * (t1 - t0)) }' || fail "the prompt keeps the processor busy"

xdotool windowfocus --sync "$wid" 2>/dev/null
# Chapter 1, item ②: the first row of question ①, over the erased menus.
xdotool type --delay 30 "1"; xdotool key Return
xdotool type --delay 30 "2"; xdotool key Return
same_as_whole_repaint "question ①"
# Its answer, "1" at the next-step prompt, the rule, and question ②'s first row.
xdotool key space; xdotool type --delay 30 "1"; xdotool key Return; xdotool key space
same_as_whole_repaint "question ②"

# Typed all at once: keys typed while a screen is drawn answer the next prompt.
xdotool key space; xdotool type --delay 30 "1"; xdotool key Return; xdotool key space
xdotool type --delay 30 "6"; xdotool key Return
xdotool type --delay 30 "6"; xdotool key Return

for i in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "brenvale still runs after the drill, 6 Enter and 6 Enter"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "brenvale ended with status $status"
echo "PASS"
