#!/usr/bin/env bash
# The long key fuzz: a million random keys read by each program, headless.
# usage: bench/key_fuzz_long.sh [BUILD_DIR] [SEED]
# Prints, per program, the runs, the keys read, the runs the menu ended and
# the failures (each with the replay command that repeats it).
set -eu
build=${1:-build}
seed=${2:-20261210}
exec "$build/tests/key_fuzz" --seed "$seed" --keys 2000 --total 1000000 --timeout 120
