#!/usr/bin/env bash
# Measures a program in a real window under a virtual X server: time from
# start to a visible window, processor use while it waits for a key, and
# peak resident memory. usage: bench/window_bench.sh [build/brenvale] [SECONDS]
set -eu
bin=${1:-build/brenvale}
seconds=${2:-10}
if [ -z "${BENCH_INNER:-}" ]; then
  # -noreset: by default the server resets each time its last client leaves
  # (xdotool comes and goes), and a program connecting during a reset finds no
  # display at all.
  BENCH_INNER=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$bin" "$seconds"
fi
name=$(basename "$bin")
title="$(tr '[:lower:]' '[:upper:]' <<<"${name:0:1}")${name:1}"
hz=$(getconf CLK_TCK)

start=$(date +%s%N)
"$bin" &
pid=$!
until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do sleep 0.005; done
shown=$(date +%s%N)
echo "start-up to visible window: $(( (shown - start) / 1000000 )) ms"

sleep 1  # let the first screen settle
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
t0=$(ticks)
sleep "$seconds"
t1=$(ticks)
awk -v t="$((t1 - t0))" -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "processor while waiting for a key: %.2f%% of one core over %d s\n", 100 * t / hz / s, s }'
echo "peak resident memory: $(awk '/VmHWM/ {printf "%.1f MB", $2 / 1024}' "/proc/$pid/status")"
kill "$pid"
