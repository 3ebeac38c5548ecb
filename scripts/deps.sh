#!/usr/bin/env bash
# Installs the Debian packages the programs, their tests and the window
# benchmarks need, when any is missing.
set -eu
packages=(
  build-essential cmake pkg-config
  libcairo2-dev libsdl2-dev libfreetype-dev libfontconfig-dev libx11-dev
  fonts-morisawa-bizud-gothic fonts-liberation2
  libgtest-dev libbenchmark-dev
  # The window tests: a virtual X server, keys and close requests, screen grabs.
  xvfb xauth xdotool imagemagick
  # The window benchmarks: when the screen changes, and keys sent as typed.
  libxdamage-dev libxtst-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
