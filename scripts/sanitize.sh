#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UBSan into build-asan/ and runs
# the whole CTest suite on the private sound server (scripts/with-pulse.sh).
# Any sanitizer report fails: the failing test stops at the first error, and
# reports from processes whose exit code nobody checks (the voice, the sound
# module's helpers) are caught through their log files. Exits non-zero on a
# failed test or any report. Slow: not part of CI (.ci/run).
#
#   scripts/sanitize.sh                 # build and run everything
#   scripts/sanitize.sh -R tst_ui # extra arguments go to ctest
#
# The fuzz targets are left out: they are built with clang, ASan and UBSan of
# their own and run in the normal suite (fuzz/CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${KITE_ASAN_BUILD_DIR:-build-asan}

launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
flags="-fsanitize=address,undefined -fno-omit-frame-pointer"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DKITE_FUZZ=OFF \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
      -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
# The build runs the program's own tools (the media set's generators), which
# are instrumented too: their leaks at exit are not what this checks.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" -j"$(nproc)"

logs="$root/$build/sanitizer-logs"
rm -rf "$logs"
mkdir -p "$logs"
common="halt_on_error=1:print_stacktrace=1:log_path=$logs/report"
# Qt's libraries have no frame pointers, so the fast unwinder loses an
# allocation's callers inside them; the suppression needs the whole stack.
export ASAN_OPTIONS="$common:detect_leaks=1:fast_unwind_on_malloc=0"
export UBSAN_OPTIONS="$common"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

status=0
scripts/with-pulse.sh ctest --test-dir "$build" --output-on-failure -j2 "$@" || status=$?

# A report goes to report.<pid>; list every one, whichever process made it.
reports=("$logs"/report.*)
if [ -e "${reports[0]}" ]; then
    for report in "${reports[@]}"; do
        echo "==== $report"
        cat "$report"
    done
    echo "sanitize: ${#reports[@]} sanitizer report(s), see above" >&2
    [ "$status" -ne 0 ] || status=1
fi
if [ "$status" -eq 0 ]; then
    echo "sanitize: the whole suite passed with no sanitizer report"
fi
exit "$status"
