#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts Kite-Tutor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --target kite-tutor media
exec "${KITE_BUILD_DIR:-build}/bin/kite-tutor"
