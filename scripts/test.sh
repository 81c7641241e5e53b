#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs the whole test suite headless, with a private
# PulseAudio server on a null sink for the tests that play real sound. Adds
# what only the tests need to what scripts/run.sh installs (see setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
KITE_WITH_TESTS=1 scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
exec scripts/with-pulse.sh ctest --test-dir "${KITE_BUILD_DIR:-build}" --output-on-failure -j2
