#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drags a smiley face with a real (X11) mouse in the counting window, under
# Xvfb, and checks that it lands in the box: the face's place in the ones
# group is empty afterwards and the face shows where it was dropped.
# Needs Xvfb, xdotool and xwd (apt-get install xvfb xdotool x11-apps).
set -euo pipefail
cd "$(dirname "$0")/.."
app="${KITE_BUILD_DIR:-build}/bin/kite-tutor"
source scripts/xvfb-session.sh
need_tools xvfb-drag-check Xvfb xdotool xwd python3
[ -x "$app" ] || { echo "xvfb-drag-check: build $app first (and the media target)" >&2; exit 2; }

start_display "${KITE_XVFB_DISPLAY:-97}" 1280x1024x24
# The drag below is placed in designed pixels: size factor 1.
HOME="$home" "$app" --scale 1 >/dev/null 2>&1 &
ended_on_exit $!

# The colour of pixel (x, y) of window $1, as hex RGB.
pixel() {
  xwd -id "$1" -silent | python3 -c '
import struct, sys
d = sys.stdin.buffer.read()
h = struct.unpack(">25I", d[:100])
x, y = int(sys.argv[1]), int(sys.argv[2])
at = h[0] + h[19] * 12 + y * h[12] + x * 4
print("%06x" % (struct.unpack("<I" if h[7] == 0 else ">I", d[at:at + 4])[0] & 0xFFFFFF))' "$2" "$3"
}

name=$(window '^Enter Your Name$')
xdotool windowfocus --sync "$name" type --delay 30 Sam
xdotool key Return
main=$(window '^Kite-Tutor$')
xdotool windowfocus --sync "$main" key alt+m
sleep 0.3
xdotool key n
numbers=$(window '^Definition of Numbers$')
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$numbers")"

# imgFace(0): left 6460, top 1320 twips (15 per pixel), 32 x 32 pixels.
from_x=447 from_y=104 to_x=267 to_y=300
face=$(pixel "$numbers" $from_x $from_y)
before=$(pixel "$numbers" $to_x $to_y)
xdotool mousemove $((X + from_x)) $((Y + from_y)) mousedown 1 sleep 0.2 \
  mousemove $((X + 350)) $((Y + 200)) sleep 0.2 mousemove $((X + to_x)) $((Y + to_y)) sleep 0.2 mouseup 1
sleep 0.5
left=$(pixel "$numbers" $from_x $from_y)
after=$(pixel "$numbers" $to_x $to_y)
echo "face $face; drop point before $before, after $after; face's place after $left"
if [ "$after" != "$before" ] && [ "$left" != "$face" ]; then
  echo "xvfb-drag-check: the face was dragged into the box"
else
  echo "xvfb-drag-check: the drag did not move the face" >&2
  exit 1
fi
