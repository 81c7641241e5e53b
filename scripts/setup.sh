#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever this machine lacks (Debian 12), configures and builds
# Kite-Tutor with its media into build/. Safe to run again: only what changed
# is rebuilt.
#
# By default only what building and running the program need is installed
# (scripts/run.sh). KITE_WITH_TESTS=1 adds what the test suite needs on top:
# clang for the fuzz targets, the sound server the sound tests play through,
# and espeak-ng, the voice's fallback (scripts/test.sh, scripts/bench.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake g++ make pkgconf qt6-base-dev qt6-multimedia-dev libsndfile1-dev
          festival festvox-us-slt-hts sox # the media set's voice and its finishing
          fonts-comic-neue fonts-dejavu-core)
if [ "${KITE_WITH_TESTS:-0}" = 1 ]; then
    PACKAGES+=(espeak-ng
               pulseaudio pulseaudio-utils # scripts/with-pulse.sh
               clang libclang-rt-14-dev)   # the fuzz tests (fuzz/)
fi
PACKAGES+=(${KITE_EXTRA_PACKAGES:-})

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=()
    if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
    "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${KITE_BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" "$@"
