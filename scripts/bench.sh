#!/usr/bin/env bash
# Sets everything up, adds what only the benchmarks need (a virtual display,
# python3), and runs them: start-up time and memory, then the gaps between
# spoken pieces on a private sound server.
set -euo pipefail
cd "$(dirname "$0")/.."
KITE_EXTRA_PACKAGES="python3 xvfb xauth" scripts/setup.sh --target kite-tutor media benchmarks
build_dir=${KITE_BUILD_DIR:-build}
python3 bench/startup.py "$build_dir/bin/kite-tutor"
scripts/with-pulse.sh "$build_dir/bin/bench_speech" "$build_dir/share/kite-tutor"
