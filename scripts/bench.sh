#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, adds what only the benchmarks need (a virtual display,
# a real mouse for it, python3), and runs them: start-up time and memory,
# opening an activity and answering with the mouse (each against a bare Qt
# window), the gaps between spoken pieces on a private sound server, and how
# long a level-2 addition problem takes to hear. CTest never runs these.
set -euo pipefail
cd "$(dirname "$0")/.."
KITE_WITH_TESTS=1 KITE_EXTRA_PACKAGES="python3 xvfb xauth xdotool" scripts/setup.sh --target kite-tutor media benchmarks
build_dir=${KITE_BUILD_DIR:-build}
python3 bench/startup.py "$build_dir/bin/kite-tutor"
scripts/with-pulse.sh "$build_dir/bin/bench_speech" "$build_dir/share/kite-tutor"
# How long one level-2 addition problem takes to hear, with the media set's
# voice and, for comparison, the espeak-ng fallback (made in a temporary
# directory, finished the same way).
espeak_dir=$(mktemp -d)
trap 'rm -rf "$espeak_dir"' EXIT
KITE_MEDIA_JOBS=2 sh media/make_recordings.sh espeak-ng "$(command -v espeak-ng)" en-us+f3 130 "$(command -v sox)" \
    "$build_dir/media/kite-trimsilence" media/recordings.tsv "$espeak_dir" "$espeak_dir/stamp" media/lists/*.dat
cp "$build_dir/share/kite-tutor/clap.wav" "$espeak_dir/"
"$build_dir/bin/bench_problem_speech" "$espeak_dir" "$build_dir/share/kite-tutor"
