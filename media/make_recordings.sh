#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Speaks every recording of the media set.
#
#   make_recordings.sh ENGINE SYNTH VOICE RATE SOX TRIMSILENCE MANIFEST OUTDIR STAMP LIST...
#
# ENGINE is "festival" (SYNTH = the festival program, VOICE a festival voice
# such as cmu_us_slt_arctic_hts, RATE its speed factor, 1.0 = natural) or
# "espeak-ng" (SYNTH = espeak-ng, VOICE such as en-us+f3, RATE in words a
# minute).
#
# MANIFEST holds "file name<TAB>phrase[<TAB>festival phrase]" lines ("#"
# starts a comment line); the third field, when present, is what festival is
# given instead of the phrase. Every LIST is an English word list (fields
# separated by commas or line ends, optionally in double quotes); each of its
# words is recorded as the word's first 8 characters followed by ".wav", which
# is the name the sentence builder plays. Names must be unique without regard
# to case, because the program looks recordings up that way.
#
# Every recording is then finished the same way by finish_recording.sh (at
# most 4 ms of silence at each end, peak at -3 dBFS, 44100 Hz), so pieces
# played one after the other ("three hundred" "forty" "seven") join like one
# phrase at one loudness. The work is split over KITE_MEDIA_JOBS processes
# (default: the number of cores); festival is started once per process, since
# starting it costs far more than speaking a word. STAMP is touched when
# everything has been written.
set -eu

if [ $# -lt 9 ]; then
    echo "usage: $0 ENGINE SYNTH VOICE RATE SOX TRIMSILENCE MANIFEST OUTDIR STAMP LIST..." >&2
    exit 2
fi
engine=$1; synth=$2; voice=$3; rate=$4; sox=$5; trim=$6; manifest=$7; outdir=$8; stamp=$9
shift 9
here=$(cd "$(dirname "$0")" && pwd)
case $engine in
    festival|espeak-ng) ;;
    *) echo "make_recordings.sh: unknown engine $engine" >&2; exit 2 ;;
esac

mkdir -p "$outdir"
work=$(mktemp -d "${TMPDIR:-/tmp}/kite-rec.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

jobs="$work/jobs.tsv"
: > "$jobs"

# Fixed recordings from the manifest (comments and blank lines skipped).
tr -d '\r' < "$manifest" | awk -F '\t' '
    /^#/ || NF == 0 { next }
    NF < 2 || $1 == "" || $2 == "" { printf "bad manifest line %d: %s\n", NR, $0 > "/dev/stderr"; bad = 1; next }
    { print $1 "\t" $2 "\t" (NF >= 3 && $3 != "" ? $3 : $2) }
    END { exit bad }' >> "$jobs"

# One recording per word of the English lists.
for list in "$@"; do
    awk '
        # Field reader of the program: commas or line ends separate fields;
        # a field that starts with a double quote runs to the next quote.
        BEGIN { RS = "\001" }
        {
            n = length($0); i = 1
            while (i <= n) {
                c = substr($0, i, 1)
                if (c == " " || c == "\t") { i++; continue }
                if (c == "\r" || c == "\n" || c == ",") { i++; continue }
                if (c == "\"") {
                    j = index(substr($0, i + 1), "\"")
                    if (j == 0) { w = substr($0, i + 1); i = n + 1 }
                    else { w = substr($0, i + 1, j - 1); i += j + 1 }
                } else {
                    w = ""
                    while (i <= n) {
                        c = substr($0, i, 1)
                        if (c == "," || c == "\r" || c == "\n") break
                        w = w c; i++
                    }
                    sub(/[ \t]+$/, "", w)
                }
                if (w != "") print substr(w, 1, 8) ".wav\t" w "\t" w
            }
        }' "$list" >> "$jobs"
done

# Two words that share a file name would share a recording: refuse.
dups=$(cut -f1 "$jobs" | tr '[:upper:]' '[:lower:]' | sort | uniq -d)
if [ -n "$dups" ]; then
    echo "make_recordings.sh: recording names used twice (case-insensitive):" >&2
    echo "$dups" >&2
    exit 1
fi

# Speaks part $1 of the jobs (every line whose number is $1 modulo the number
# of parts) into $work/raw/<line number>.wav, then finishes each into OUTDIR.
speak_part() {
    part=$1
    awk -F '\t' -v p="$part" -v n="$parts" '(NR - 1) % n == p { print NR "\t" $0 }' "$jobs" > "$work/part$part.tsv"
    if [ "$engine" = festival ]; then
        # One festival process speaks the whole part. Its own volume setting
        # is ignored by this voice, so loudness is left to the finishing step.
        awk -F '\t' -v voice="$voice" -v rate="$rate" -v dir="$work/raw" '
            function quoted(s) { gsub(/\\/, "\\\\", s); gsub(/"/, "\\\"", s); return "\"" s "\"" }
            BEGIN {
                print "(voice_" voice ")"
                print "(set! hts_engine_params (append (list (list \"-r\" " rate ")) hts_engine_params))"
                print "(define (kite-say text file) (utt.save.wave (utt.synth (eval (list (quote Utterance) (quote Text) text))) file (quote riff)))"
            }
            { print "(kite-say " quoted($4) " " quoted(dir "/" $1 ".wav") ")" }' "$work/part$part.tsv" > "$work/part$part.scm"
        "$synth" -b "$work/part$part.scm" < /dev/null
    else
        while IFS="$(printf '\t')" read -r number name phrase natural; do
            "$synth" -z -v "$voice" -s "$rate" -w "$work/raw/$number.wav" -- "$phrase" < /dev/null
        done < "$work/part$part.tsv"
    fi
    while IFS="$(printf '\t')" read -r number name phrase natural; do
        sh "$here/finish_recording.sh" "$sox" "$trim" "$work/raw/$number.wav" "$work/raw/$number.out.wav" "$name"
        # Sanity check: a spoken piece lasts between 0.15 s and 4 s.
        len=$("$sox" --i -D "$work/raw/$number.out.wav")
        if ! awk -v d="$len" 'BEGIN { exit !(d >= 0.15 && d <= 4.0) }'; then
            echo "make_recordings.sh: $name (\"$phrase\") has odd length $len s" >&2
            exit 1
        fi
        mv "$work/raw/$number.out.wav" "$outdir/$name"
    done < "$work/part$part.tsv"
}

mkdir -p "$work/raw"
parts=${KITE_MEDIA_JOBS:-$(nproc 2>/dev/null || echo 2)}
[ "$parts" -ge 1 ] 2>/dev/null || parts=1
pids=""
part=0
while [ "$part" -lt "$parts" ]; do
    speak_part "$part" &
    pids="$pids $!"
    part=$((part + 1))
done
failed=0
for pid in $pids; do
    wait "$pid" || failed=1
done
if [ "$failed" -ne 0 ]; then
    echo "make_recordings.sh: speaking failed" >&2
    exit 1
fi

count=$(wc -l < "$jobs")
echo "make_recordings.sh: $count recordings by $engine ($voice) in $outdir"
touch "$stamp"
