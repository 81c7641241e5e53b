# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the program with a real pointer and
# keyboard (xdotool) under Xvfb: a display and a throw-away home of their own,
# ended and removed on exit whatever happens.
#
#   need_tools NAME TOOL...     ends the script (2) when a tool is missing
#   start_display NUMBER SIZE   starts Xvfb on :NUMBER, sets DISPLAY and $home
#   ended_on_exit PID           a process (window manager, program) to end too
#   window TITLE                waits for a visible window whose title matches
#                               the pattern and prints its id

session_name=xvfb
session_pids=()

need_tools() {
  session_name=$1
  shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$session_name: $tool is missing" >&2; exit 2; }
  done
}

end_session() {
  for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$home"
}

start_display() {
  home="$(mktemp -d)"
  Xvfb ":$1" -screen 0 "$2" -nolisten tcp >/dev/null 2>&1 &
  session_pids=($!)
  trap end_session EXIT
  export DISPLAY=":$1"
  sleep 1
}

# The display is ended last.
ended_on_exit() { session_pids=("$1" "${session_pids[@]}"); }

window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "$session_name: no window '$1'" >&2
  exit 1
}
