#!/usr/bin/env bash
# The long run of the close test: Brenvale's window closed at random moments
# (at prompts, while a screen is drawn, while chapter 1 item ④ draws its
# picture) and destroyed from outside, each time ending with status 0 within
# a second. usage: bench/window_close_bench.sh [BUILD_DIR] [CLOSES] [DESTROYS] [SEED]
set -eu
build=${1:-build}
exec "$(dirname "$0")/../tests/window_close_test.sh" "$build/tests/xclose" "$build/brenvale" \
  "${2:-300}" "${3:-20}" ${4:+"$4"}
