#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Speaks one homework word into a recording finished like every recording of
# the media set (same voice, same level, same trimmed ends):
#
#   say_word.sh WORD OUT
#
# The voice is the media set's own, read from voice.conf beside this script
# (written by the build from the same settings as the media set). When that
# voice is festival and festival is missing here, espeak-ng speaks instead.
# Exit status 3: no voice is installed (no festival, no espeak-ng, no sox).
set -eu

if [ $# -ne 2 ] || [ -z "$1" ]; then
    echo "usage: $0 WORD OUT" >&2
    exit 2
fi
word=$1; out=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/voice.conf"

have() { [ -n "$1" ] && command -v "$1" >/dev/null 2>&1; }
have "$sox" || exit 3

work=$(mktemp -d "${TMPDIR:-/tmp}/kite-word.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
raw=$work/raw.wav

spoken=no
if [ "$engine" = festival ] && have "$festival"; then
    # The same script make_recordings.sh gives festival, for one word.
    escaped=$(printf '%s' "$word" | sed 's/\\/\\\\/g; s/"/\\"/g')
    {
        echo "(voice_$festival_voice)"
        echo "(set! hts_engine_params (append (list (list \"-r\" $festival_rate)) hts_engine_params))"
        echo "(utt.save.wave (utt.synth (eval (list (quote Utterance) (quote Text) \"$escaped\"))) \"$raw\" (quote riff))"
    } > "$work/say.scm"
    if "$festival" -b "$work/say.scm" < /dev/null >/dev/null 2>&1 && [ -s "$raw" ]; then
        spoken=yes
    fi
fi
if [ "$spoken" = no ]; then
    have "$espeak" || exit 3
    "$espeak" -z -v "$espeak_voice" -s "$espeak_speed" -w "$raw" -- "$word" < /dev/null
fi

sh "$here/finish_recording.sh" "$sox" "$here/kite-trimsilence" "$raw" "$work/out.wav" "$word"
mv "$work/out.wav" "$out"
