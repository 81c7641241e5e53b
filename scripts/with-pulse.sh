#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a private PulseAudio server whose only sink is a pipe
# sink ("kite_sink") paced by the system clock, so sound tests and benchmarks
# work on a machine without a sound card, in CI and as root.
#
# Why a pipe sink and not a null sink: when a stream resumes after an
# underrun, the server rewinds the sink to start it at once. A sound card
# rewrites its buffer and the listener hears the whole clip, but a null sink's
# monitor has already passed on the silence it replaces, so a recording of the
# monitor loses 1-4 ms at the start of every clip. The pipe sink does not
# rewind, so its monitor carries exactly what a listener would hear.
#
#   scripts/with-pulse.sh ctest --test-dir build
#   scripts/with-pulse.sh build/bench/bench_speech
#
# The command sees PULSE_SERVER, KITE_PULSE_SINK (the sink's name) and
# KITE_PULSE_MONITOR (the source to record what reached the sink). The server
# and its helpers are stopped when the command ends; its exit code is kept.
set -u

if [ "$#" -eq 0 ]; then
    echo "usage: $0 command [args...]" >&2
    exit 2
fi

dir=$(mktemp -d "${TMPDIR:-/tmp}/kite-pulse.XXXXXX") || exit 1
mkdir -p "$dir/runtime/pulse" "$dir/home"
chmod 700 "$dir/runtime" "$dir/runtime/pulse"

# A private runtime directory and home: never touch a user's own server, and
# let the daemon run as root (it warns, but works outside --system mode).
export XDG_RUNTIME_DIR="$dir/runtime"
export PULSE_RUNTIME_PATH="$dir/runtime/pulse"
export HOME="$dir/home"
export PULSE_SERVER="unix:$dir/runtime/pulse/native"
export KITE_PULSE_SINK=kite_sink
export KITE_PULSE_MONITOR=kite_sink.monitor
unset PULSE_SINK PULSE_SOURCE

keeper=""
drainer=""
cleanup() {
    [ -n "$keeper" ] && kill "$keeper" 2>/dev/null
    [ -n "$drainer" ] && kill "$drainer" 2>/dev/null
    if [ -f "$PULSE_RUNTIME_PATH/pid" ]; then
        pid=$(cat "$PULSE_RUNTIME_PATH/pid" 2>/dev/null)
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
        # Give the daemon a moment to go before its directory is removed.
        i=0
        while [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && [ $i -lt 20 ]; do
            sleep 0.1; i=$((i + 1))
        done
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# -n: no default configuration (no hardware detection, no D-Bus modules).
pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false --disallow-exit \
    --use-pid-file=yes -n \
    --log-target="file:$dir/pulse.log" \
    --load="module-pipe-sink file=$dir/sink.fifo sink_name=kite_sink rate=44100 channels=2 format=s16le use_system_clock_for_timing=yes" \
    --load="module-native-protocol-unix auth-anonymous=1" || {
    echo "with-pulse: pulseaudio failed to start; see below" >&2
    cat "$dir/pulse.log" >&2 2>/dev/null
    exit 1
}

# Wait until the server answers.
i=0
until pactl info >/dev/null 2>&1; do
    i=$((i + 1))
    if [ $i -gt 50 ]; then
        echo "with-pulse: server did not answer" >&2
        cat "$dir/pulse.log" >&2 2>/dev/null
        exit 1
    fi
    sleep 0.1
done
pactl set-default-sink kite_sink >/dev/null 2>&1

# Whatever the sink plays goes down its pipe; read it away.
cat "$dir/sink.fifo" >/dev/null 2>&1 &
drainer=$!

# An idle sink runs at its maximum latency (2 s): a silent low-latency stream
# keeps it at a few milliseconds, as a desktop with other sounds would.
pacat -p --raw --rate=44100 --channels=2 --format=s16le --latency-msec=20 \
    --device=kite_sink /dev/zero &
keeper=$!
i=0
until [ -n "$(pactl list short sink-inputs 2>/dev/null)" ] || [ $i -gt 40 ]; do
    sleep 0.05; i=$((i + 1))
done

"$@"
