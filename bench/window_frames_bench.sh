#!/usr/bin/env bash
# Measures Brenvale in a real window under a virtual X server (1920 x 1080),
# side by side in one run with two floors built from bench/: floor_window (an
# SDL2 window filled and shown once) and floor_text (SDL2, Cairo and
# fontconfig drawing one line of text). Rounds alternate between the three,
# so a busy machine weighs on each alike. Prints the median and the range of
#   - start to first screen finished (Brenvale: its main menu),
#   - key to screen finished: at the main menu (1 Enter, the chapter's
#     screen), at a drill step (chapter 1 item ②: any key, then 2 Enter for
#     the next row), and for the floors any key,
#   - processor while idle at the first screen's prompt, the X server
#     included (Brenvale's cursor dot blinks there), and the X server alone;
#     beside it floor_text --blink, whose dot blinks at the same pace: what
#     a blinking dot costs at the least.
# usage: bench/window_frames_bench.sh [PROGRAM] [ROUNDS]   (default build/brenvale 15)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bin=$(realpath "${1:-build/brenvale}")
rounds=${2:-15}
work=$(mktemp -d)
trap 'kill "$xpid" 2>/dev/null; rm -rf "$work"' EXIT
xpid=""

cc -O2 -Wall -Wextra -o "$work/xprobe" "$here/xprobe.c" -lX11 -lXdamage -lXtst
cc -O2 -Wall -Wextra -o "$work/floor_window" "$here/floor_window.c" $(pkg-config --cflags --libs sdl2)
cc -O2 -Wall -Wextra -o "$work/floor_text" "$here/floor_text.c" \
  $(pkg-config --cflags --libs sdl2 cairo cairo-ft fontconfig)

# A server of our own, so that its processor time can be read; it does not
# reset when its last client leaves, which a starting program could miss.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
probe="$work/xprobe"
names=(floor_window floor_text brenvale)
progs=("$work/floor_window" "$work/floor_text" "$bin")
titles=(Floor Floortext Brenvale)

summary() {  # label unit < values
  sort -g | awk -v label="$1" -v unit="$2" '
    { v[NR] = $1 }
    END {
      if (NR == 0) { printf "%-44s no values\n", label; exit }
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%-44s median %8.2f %s   range %.2f .. %.2f   (%d rounds)\n", label, m, unit, v[1], v[NR], NR }'
}
cpu_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
# Start to first screen finished.
for r in $(seq 1 "$rounds"); do
  for i in 0 1 2; do "$probe" start 3000 "${progs[$i]}" >>"$work/start_${names[$i]}"; done
done

# Keys, and idle at the first screen's prompt.
idle() {  # name: samples the running program $ppid and the X server
  for r in $(seq 1 "$rounds"); do
    p0=$(cpu_ns "$ppid"); x0=$(cpu_ns "$xpid"); t0=$(date +%s%N)
    sleep 2
    p1=$(cpu_ns "$ppid"); x1=$(cpu_ns "$xpid"); t1=$(date +%s%N)
    awk -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v t=$((t1 - t0)) \
      'BEGIN { printf "%.4f %.4f\n", 100 * (p + x) / t, 100 * x / t }' >>"$work/idle_$1"
  done
}
"$work/floor_text" --blink & ppid=$!
sleep 1.5
idle floor_blink
kill "$ppid"; wait "$ppid" 2>/dev/null || true
for i in 0 1 2; do
  "${progs[$i]}" & ppid=$!
  "$probe" keys "${titles[$i]}" 0 >/dev/null 2>&1 || true
  sleep 1.5
  idle "${names[$i]}"
  if [ "$i" -lt 2 ]; then
    "$probe" keys "${titles[$i]}" "$rounds" +space=key >"$work/keys_${names[$i]}"
  else
    "$probe" keys Brenvale "$rounds" 1 +Return=menu 6 Return >"$work/keys_menu"
    "$probe" keys Brenvale 1 1 Return 2 Return >/dev/null
    "$probe" keys Brenvale "$rounds" +space=step 2 +Return=row >"$work/keys_drill"
  fi
  kill "$ppid"; wait "$ppid" 2>/dev/null || true
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== start to first screen finished"
for n in "${names[@]}"; do summary "$n" ms <"$work/start_$n"; done
echo "== key to screen finished"
awk '{ print $2 }' "$work/keys_floor_window" | summary "floor_window: any key (whole window refilled)" ms
awk '{ print $2 }' "$work/keys_floor_text" | summary "floor_text: any key (line redrawn)" ms
awk '$1 == "menu" { print $2 }' "$work/keys_menu" | summary "brenvale: Enter at the main menu" ms
awk '$1 == "step" { print $2 }' "$work/keys_drill" | summary "brenvale: any key at a drill step" ms
awk '$1 == "row" { print $2 }' "$work/keys_drill" | summary "brenvale: 2 Enter, the next row of the drill" ms
echo "== idle at the first screen, % of one core"
for n in "${names[@]}" floor_blink; do
  awk '{ print $1 }' "$work/idle_$n" | summary "$n + X server" %
  awk '{ print $2 }' "$work/idle_$n" | summary "  of which the X server" %
done
