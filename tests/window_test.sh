#!/usr/bin/env bash
# Starts a program in a real window under a virtual X server, types keys,
# and checks that the program ends by itself with status 0 (or, with no
# keys, that it shows its window and ends when the window is closed).
# usage: window_test.sh XCLOSE_BINARY PROGRAM_BINARY [KEYS...]
#   KEYS are xdotool key names, or "close": the window is closed at that
#   point, as a user would; XCLOSE_BINARY sends the close request.
set -u
xclose=$1
bin=$2
shift 2
if [ -z "${WINDOW_TEST_INNER:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: apt-get install xvfb"; exit 1; }
  command -v xdotool >/dev/null || { echo "xdotool is missing: apt-get install xdotool"; exit 1; }
  # -noreset: by default the server resets each time its last client leaves
  # (xdotool comes and goes), and a program connecting during a reset finds no
  # display at all.
  WINDOW_TEST_INNER=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$xclose" "$bin" "$@"
fi

name=$(basename "$bin")
title="$(tr '[:lower:]' '[:upper:]' <<<"${name:0:1}")${name:1}"
"$bin" &
pid=$!

wid=""
for _ in $(seq 1 100); do
  wid=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
  [ -n "$wid" ] && break
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "FAIL: $name ended with status $? before showing a window"; exit 1
  fi
  sleep 0.05
done
[ -n "$wid" ] || { echo "FAIL: no window titled $title"; kill "$pid"; exit 1; }

# The window covers the screen even with no window manager to maximise it.
eval "$(xdotool getwindowgeometry --shell "$wid")"
if [ "$WIDTH" -lt 1900 ] || [ "$HEIGHT" -lt 1000 ]; then
  echo "FAIL: window is ${WIDTH}x${HEIGHT}, not the screen"; kill "$pid"; exit 1
fi

sleep 0.3
if [ $# -gt 0 ]; then
  for key in "$@"; do
    if [ "$key" = close ]; then
      "$xclose" "$wid"
    else
      xdotool key --window "$wid" "$key"
    fi
    sleep 0.15
  done
else
  # Close the window as a user would.
  "$xclose" "$wid"
fi

for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    [ "$status" -eq 0 ] && { echo "PASS: $name ended with status 0"; exit 0; }
    echo "FAIL: $name ended with status $status"; exit 1
  fi
  sleep 0.05
done
echo "FAIL: $name still running"
kill "$pid"
exit 1
