#!/bin/sh
# Speaks every recording of the media set with espeak-ng.
#
#   make_recordings.sh ESPEAK SOX VOICE SPEED MANIFEST OUTDIR STAMP LIST...
#
# MANIFEST holds "file name<TAB>phrase" lines ("#" starts a comment line).
# Every LIST is an English word list (fields separated by commas or line
# ends, optionally in double quotes); each of its words is recorded as the
# word's first 8 characters followed by ".wav", which is the name the
# sentence builder plays.  Names must be unique without regard to case,
# because the program looks recordings up that way.
#
# Each recording is spoken without trailing silence (-z), then brought to a
# peak of -3 dBFS with sox so that pieces played one after the other sound
# equally loud.  STAMP is touched when everything has been written.
set -eu

if [ $# -lt 7 ]; then
    echo "usage: $0 ESPEAK SOX VOICE SPEED MANIFEST OUTDIR STAMP LIST..." >&2
    exit 2
fi
espeak=$1; sox=$2; voice=$3; speed=$4; manifest=$5; outdir=$6; stamp=$7
shift 7

mkdir -p "$outdir"
work=$(mktemp -d "${TMPDIR:-/tmp}/kite-rec.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

jobs="$work/jobs.tsv"
: > "$jobs"

# Fixed recordings from the manifest (comments and blank lines skipped).
tr -d '\r' < "$manifest" | awk -F '\t' '
    /^#/ || NF == 0 { next }
    NF < 2 || $1 == "" || $2 == "" { printf "bad manifest line %d: %s\n", NR, $0 > "/dev/stderr"; bad = 1; next }
    { print $1 "\t" $2 }
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
                if (w != "") print substr(w, 1, 8) ".wav\t" w
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

count=0
while IFS="$(printf '\t')" read -r name phrase; do
    raw="$work/raw.wav"
    "$espeak" -z -v "$voice" -s "$speed" -w "$raw" -- "$phrase" < /dev/null
    "$sox" -V1 "$raw" -b 16 "$work/out.wav" gain -n -3 < /dev/null
    # Sanity check: a spoken piece lasts between 0.15 s and 4 s.
    len=$("$sox" --i -D "$work/out.wav")
    if ! awk -v d="$len" 'BEGIN { exit !(d >= 0.15 && d <= 4.0) }'; then
        echo "make_recordings.sh: $name (\"$phrase\") has odd length $len s" >&2
        exit 1
    fi
    mv "$work/out.wav" "$outdir/$name"
    count=$((count + 1))
done < "$jobs"

echo "make_recordings.sh: $count recordings in $outdir"
touch "$stamp"
