#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Finishes one recording of the media set the way every recording is finished,
# so that any two pieces join like one phrase:
#
#   finish_recording.sh SOX TRIMSILENCE IN OUT [NAME]
#
# - refuses a recording the synthesizer clipped for more than 1 ms in all (no
#   level change can repair that); festival's HTS voice has no volume control
#   and flattens a few samples of some plosives ("b", "how": under 0.3 ms),
#   which nobody can hear;
# - 44100 Hz mono 16-bit, the player's own format, so nothing is resampled
#   while a child waits;
# - the peak brought to -3 dBFS, the one level of every recording;
# - the silence at each end cut by kite-trimsilence (media/tools), which
#   leaves 4 ms, faded, before the first and after the last sample above
#   -50 dBFS.
set -eu
sox=$1; trim=$2; in=$3; out=$4; name=${5:-$3}

rate=$("$sox" --i -r "$in")
"$sox" "$in" -n stats 2>&1 | awk -v name="$name" -v rate="$rate" '
    /^Pk lev dB/ { peak = $4 }
    /^Pk count/ { count = $3; if (count ~ /k$/) count *= 1000 }
    END {
        if (peak + 0 > -0.01 && count + 0 > rate / 1000) {
            printf "finish_recording.sh: %s is clipped (%s samples at full scale)\n", name, count > "/dev/stderr"
            exit 1
        }
    }'
"$sox" -V1 "$in" -b 16 -c 1 -e signed-integer "$out.level.wav" rate 44100 gain -n -3 < /dev/null
"$trim" "$out.level.wav" "$out"
rm -f "$out.level.wav"
