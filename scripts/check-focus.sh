#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks by hand, under Xvfb with a real window manager (openbox), that the
# keyboard goes where a child expects it: every window that expects typing
# takes the keys typed right after it appears (user name, homework file name,
# homework words), the spelling drill shows its first word with Enter meaning
# Ready, and the reward picture shown after the tenth attempt leaves the
# keyboard with the drill. Keys are sent with xdotool to whatever window has
# the focus (never aimed at a window); the results are read back from the
# files the program writes: the homework list and the score record at exit.
#
#   scripts/check-focus.sh [build-dir]
#
# Needs xvfb, openbox, xdotool (apt-get install xvfb openbox xdotool).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app="$build/bin/kite-tutor"
source scripts/xvfb-session.sh
need_tools check-focus Xvfb openbox xdotool python3
[ -x "$app" ] || { echo "check-focus: build $app first (and the media target)" >&2; exit 2; }

start_display "${KITE_XVFB_DISPLAY:-96}" 1920x1080x24
data="$home/.local/share/kitetu"
mkdir -p "$data"
printf '0,0,1\r\n' >"$data/kitetu.dat" # sound off, words in list order, rewards on
# A reward picture, and a stand-in voice so saving the list does not wait for speech.
python3 - "$data/star.bmp" <<'PY'
import struct, sys
w, h = 8, 8
row = b'\x00\xd7\xff' * w + b'\x00' * ((4 - w * 3 % 4) % 4)
pixels = row * h
head = b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(head + info + pixels)
PY
printf '#!/bin/sh\nprintf x > "$2"\n' >"$home/voice.sh"
chmod +x "$home/voice.sh"

HOME="$home" openbox >/dev/null 2>&1 &
ended_on_exit $!
sleep 1
HOME="$home" KITE_VOICE_COMMAND="$home/voice.sh" KITE_MEDIA_DIR="$PWD/$build/share/kite-tutor" "$app" >/dev/null 2>&1 &
app_pid=$!
ended_on_exit $app_pid

active() { xdotool getactivewindow getwindowname 2>/dev/null || echo none; }
keys() { xdotool type --delay 30 "$1"; xdotool key Return; }

window '^Enter Your Name$' >/dev/null
echo "user name window shown; the keyboard is with: $(active)"
keys Ann
main=$(window '^Kite-Tutor$')
sleep 0.5
xdotool windowactivate --sync "$main" key alt+s
window '^Spelling Beez$' >/dev/null
sleep 0.5
xdotool key alt+a
sleep 0.3
xdotool key n
window '^Homework File Name$' >/dev/null
echo "homework file name window shown; the keyboard is with: $(active)"
keys week
window '^Input Spelling Homework$' >/dev/null
echo "homework words window shown; the keyboard is with: $(active)"
words="cat dog sun hat pen cup map bus fox egg ant"
for word in $words; do keys "$word"; done
sleep 0.3
xdotool key alt+p # Done.  Now practice these words.
window '^Spell This Word$' >/dev/null
sleep 0.5
echo "spelling drill shown; the keyboard is with: $(active)"
echo "saved list: $(tr -d '" \r' <"$data/week.shw" | tr '\n' ' ')"

# Ten words spelled right with the keyboard alone: Enter (Ready), the word,
# Enter (answer), Enter (a new word). The tenth attempt brings the reward.
n=0
for word in $words; do
  n=$((n + 1))
  [ $n -le 10 ] || break
  xdotool key Return; sleep 0.2
  keys "$word"; sleep 0.3
  [ $n -lt 10 ] && { xdotool key Return; sleep 0.2; }
done
window '^Visual Reward$' >/dev/null
echo "reward picture shown; the keyboard is with: $(active)"
# Straight on while the picture shows: a new word, Ready, a wrong answer.
xdotool key Return; sleep 0.2
xdotool key Return; sleep 0.2
keys zzz
sleep 5.5
echo "after the reward closed, the keyboard is with: $(active)"

xdotool windowactivate --sync "$main" key alt+o
sleep 0.3
xdotool key e # Exit: the score record is written
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
record=$(tail -n 1 "$data/Ann.scr" 2>/dev/null | tr -d '\r')
echo "score record: $record"
spelling=$(echo "$record" | cut -d, -f11)
echo "spelling score: $spelling (90 when every key arrived: 10 right of 11 attempts)"
[ "$spelling" = 90 ] && echo "check-focus: every typed key reached its window" || {
  echo "check-focus: keys were lost" >&2
  exit 1
}
