#!/usr/bin/env bash
# Closes Brenvale's window at random moments, under a virtual X server, and
# checks that every close ends the program within a second, with status 0
# and nothing on standard error. CLOSES rounds ask the window to close as a
# window manager's close button does; DESTROYS rounds destroy it from
# outside. The moments: while the main menu is drawn or waits, while a
# chapter's screen is drawn, while chapter 1 item ④ draws its picture, and
# at a drill's prompt.
# usage: window_close_test.sh XCLOSE_BINARY BRENVALE_BINARY CLOSES DESTROYS [SEED]
# WINDOW_CLOSE_LIMIT_MS replaces the second where a build is slower by design
# (the sanitizers scan for leaks at exit).
set -u
xclose=$1
bin=$2
closes=$3
destroys=$4
seed=${5:-$$}
if [ -z "${WINDOW_TEST_INNER:-}" ]; then
  for tool in xvfb-run xdotool; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is missing: run scripts/deps.sh"; exit 1; }
  done
  # -noreset: by default the server resets each time its last client leaves
  # (xdotool comes and goes), and a program connecting during a reset finds no
  # display at all.
  WINDOW_TEST_INNER=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi

RANDOM=$seed
limit=${WINDOW_CLOSE_LIMIT_MS:-1000}
# The leak checker's list of suppressions used is no complaint.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
err=$tmp/stderr
ended=$tmp/ended
nap() { sleep "$(printf '0.%03d' "$1")"; }  # milliseconds, below 1000
keys() { for k in "$@"; do xdotool key --delay 0 "$k"; done; }
us() { echo "${EPOCHREALTIME/./}"; }  # microseconds, with no process started

failures=0
worst=0
worst_at=""
round() {  # close|destroy
  local how=$1 moment runner wid t0 status end waited
  rm -f "$ended"
  # The program's end is stamped the moment it comes, however busy this
  # script is.
  ( "$bin" 2>"$err" &
    echo $! >"$tmp/pid"
    wait $!
    echo "$? $(us)" >"$ended.new"
    mv "$ended.new" "$ended" ) &
  runner=$!
  wid=$(timeout 10 xdotool search --sync --name '^Brenvale$' 2>/dev/null | head -n 1)
  if [ -z "$wid" ]; then
    echo "FAIL: no Brenvale window"; kill "$(cat "$tmp/pid")" 2>/dev/null; wait "$runner"
    failures=$((failures + 1)); return
  fi
  moment=$((RANDOM % 4))
  case $moment in
    0) nap $((RANDOM % 600)) ;;
    1) xdotool windowfocus --sync "$wid" 2>/dev/null; nap 300
       keys 1 Return; nap $((RANDOM % 40)) ;;
    2) xdotool windowfocus --sync "$wid" 2>/dev/null; nap 300
       keys 1 Return 4 Return space space; nap $((RANDOM % 150)) ;;
    3) xdotool windowfocus --sync "$wid" 2>/dev/null; nap 300
       keys 1 Return 2 Return; nap $((200 + RANDOM % 500)) ;;
  esac
  t0=$(us)
  if [ "$how" = close ]; then "$xclose" "$wid"; else xdotool windowclose "$wid" 2>/dev/null; fi
  for _ in $(seq 1 300); do [ -e "$ended" ] && break; nap 10; done
  if [ ! -e "$ended" ]; then
    echo "FAIL: $how at moment $moment: still running after 3 s"
    kill -9 "$(cat "$tmp/pid")"; wait "$runner"
    failures=$((failures + 1)); return
  fi
  wait "$runner"
  read -r status end <"$ended"
  waited=$(( (end - t0) / 1000 ))
  if [ "$waited" -gt "$worst" ]; then worst=$waited; worst_at="$how at moment $moment"; fi
  if [ "$status" -ne 0 ] || [ -s "$err" ] || [ "$waited" -gt "$limit" ]; then
    echo "FAIL: $how at moment $moment: status $status after $waited ms"
    sed 's/^/  stderr: /' "$err" | head -n 5
    failures=$((failures + 1))
  fi
}

# The two kinds interleaved, so a long run tries both all along.
total=$((closes + destroys))
for i in $(seq 1 "$total"); do
  if [ $((i * destroys / total)) -gt $(((i - 1) * destroys / total)) ]; then round destroy; else round close; fi
done
echo "$closes closes, $destroys destroys (seed $seed): $failures failed; slowest exit $worst ms ($worst_at), limit $limit ms"
[ "$failures" -eq 0 ] && { echo "PASS"; exit 0; }
exit 1
