#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up and interaction benchmarks under Xvfb, each program against the
bare Qt window (bench_bare_window) measured in the same run, interleaved.

Usage: bench/startup.py [path/to/kite-tutor] [runs] [path/to/other/kite-tutor]
       (default build/bin/kite-tutor, 15 runs; another build of the program,
       an older one say, is measured in the same turns, start-up only)

1. Start-up: launch to the main window's first paint, and resident memory
   3 s later (the program reports its first paint when KITE_REPORT_FIRST_PAINT
   is set).
2. Opening an activity from the menu: a real mouse (xdotool) clicks Math,
   Addition, Level 1 (the bare window: Options, Open); the time from the
   program receiving the click on the last entry to the new window's first
   paint flushed.
3. Answering: a real double-click on the first choice of the addition
   window, level 1, sound off (the bare window: its one choice); the time
   from the program receiving the double-click to the verdict label's paint
   flushed.
For 2 and 3 the program reports, when KITE_REPORT_INTERACTION is set, where
its menu entries and controls are, the mouse events it receives and the paints
(src/ui/InteractionReporter.h), all in wall-clock milliseconds.

Every figure is the median of `runs` launches, the program and the bare window
taking turns, with a pause after each so the display server is idle.
"""
import os
import queue
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 15
PROGRAM = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/kite-tutor")
BARE = os.path.join(os.path.dirname(PROGRAM), "bench_bare_window")
OTHER = os.path.abspath(sys.argv[3]) if len(sys.argv) > 3 else None

# What each program calls the things the benchmark clicks.
NAMES = {
    PROGRAM: {"main": "KiteTu", "menus": ["menuMath", "menuAdd", "menuAddLevel1"], "activity": "Add_form"},
    BARE: {"main": "BareWindow", "menus": ["menuOptions", "menuOpen"], "activity": "BareActivity"},
}


def start_display():
    display = ":%d" % (90 + os.getpid() % 9)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    return xvfb, display


class Run:
    """One launch of a program, its standard error read line by line."""

    def __init__(self, path, display, home, extra_env):
        env = dict(os.environ, DISPLAY=display, HOME=home, QT_QPA_PLATFORM="xcb",
                   XDG_DATA_HOME=os.path.join(home, "data"), **extra_env)
        env.pop("WAYLAND_DISPLAY", None)
        self.display = display
        self.launched = time.time()
        self.proc = subprocess.Popen([path], env=env, cwd=home, stderr=subprocess.PIPE,
                                     stdout=subprocess.DEVNULL, text=True)
        self.lines = queue.Queue()
        self.places = {}
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stderr:
            self.lines.put(line.split())

    def wait_for(self, kind, name=None, timeout=10.0):
        """The next report of `kind` (about `name`), keeping every place seen."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                words = self.lines.get(timeout=max(0.01, deadline - time.time()))
            except queue.Empty:
                break
            if words and words[0] == "place" and len(words) == 6:
                self.places[words[1]] = tuple(int(w) for w in words[2:])
            if words and words[0] == kind and (name is None or name in words):
                return words
        raise TimeoutError("no %s %s" % (kind, name or ""))

    def drain(self):
        """Forgets what was reported so far, keeping the places."""
        while True:
            try:
                words = self.lines.get_nowait()
            except queue.Empty:
                return
            if words and words[0] == "place" and len(words) == 6:
                self.places[words[1]] = tuple(int(w) for w in words[2:])

    def place(self, name, timeout=10.0):
        deadline = time.time() + timeout
        while name not in self.places:
            self.wait_for("place", name, max(0.01, deadline - time.time()))
        return self.places[name]

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True,
                       env=dict(os.environ, DISPLAY=self.display))

    def point_at(self, name):
        x, y, w, h = self.place(name)
        self.xdotool("mousemove", x + w // 2, y + h // 2)

    def rss_mb(self):
        with open("/proc/%d/status" % self.proc.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024.0
        return 0.0

    def end(self):
        self.proc.kill()
        self.proc.wait()
        # Let the display server finish with the old client before the next
        # launch: starting straight after a kill costs a new client ~40 ms.
        time.sleep(1.5)


def start_up(path, display, home):
    run = Run(path, display, home, {"KITE_REPORT_FIRST_PAINT": "1"})
    try:
        words = run.wait_for("first-paint-epoch-ms")
        paint = int(words[1]) - run.launched * 1000.0
        time.sleep(3.0)
        return paint, run.rss_mb()
    finally:
        run.end()


def interaction(path, display, home):
    names = NAMES[path]
    run = Run(path, display, home, {"KITE_REPORT_INTERACTION": "1"})
    try:
        run.wait_for("window-paint", names["main"])
        # The program opens the user-name window 500 ms after start: let it.
        time.sleep(1.0)
        *path_menus, entry = names["menus"]
        for menu in path_menus:
            run.point_at(menu)
            run.xdotool("click", 1)
        run.point_at(entry)
        time.sleep(0.3)  # the pointer rests on the entry, as a child's would
        run.drain()
        run.xdotool("click", 1)
        clicked = run.wait_for("input", "release")
        painted = run.wait_for("window-paint", names["activity"])
        open_ms = int(painted[1]) - int(clicked[1])

        run.place("Option1(1)")
        time.sleep(1.0)  # the question's timers have run
        run.point_at("Option1(1)")
        run.drain()
        run.xdotool("click", "--repeat", 2, "--delay", 40, 1)
        double = run.wait_for("input", "double-click")
        while True:
            verdict = run.wait_for("label-paint", "LabelWrong")
            if verdict[3] != "Hi!":
                break
        answer_ms = int(verdict[1]) - int(double[1])
        return open_ms, answer_ms
    finally:
        run.end()


def report(title, unit, figures):
    print(title)
    for path, values in figures.items():
        label = os.path.basename(path) if path != OTHER else "other kite-tutor"
        print("  %-18s %s  median %.1f %s" % (label + ":", " ".join("%.1f" % v for v in values),
                                             statistics.median(values), unit))


def main():
    for path in (PROGRAM, BARE):
        if not os.path.exists(path):
            sys.exit("no %s: build it first (cmake --build build --target kite-tutor benchmarks)" % path)
    if not shutil.which("xdotool"):
        sys.exit("xdotool is missing: apt-get install xdotool (scripts/bench.sh does)")
    xvfb, display = start_display()
    home = tempfile.mkdtemp(prefix="kite-bench-")
    paint, memory, opening, answer = ({PROGRAM: [], BARE: []} for _ in range(4))
    starting = [PROGRAM, BARE] + ([OTHER] if OTHER else [])
    for path in starting:
        paint[path], memory[path] = [], []
    try:
        for path in starting:  # warm-up: file cache, font cache
            start_up(path, display, home)
        for _ in range(RUNS):
            for path in starting:
                p, m = start_up(path, display, home)
                paint[path].append(p)
                memory[path].append(m)
        for _ in range(RUNS):
            for path in (PROGRAM, BARE):
                o, a = interaction(path, display, home)
                opening[path].append(o)
                answer[path].append(a)
    finally:
        xvfb.kill()
        shutil.rmtree(home, ignore_errors=True)
    report("launch to first paint", "ms", paint)
    report("resident memory", "MB", memory)
    report("menu click to the activity's first paint", "ms", opening)
    report("double-click to the verdict painted (sound off)", "ms", answer)
    ratio = statistics.median(paint[PROGRAM]) / statistics.median(paint[BARE])
    mem_ratio = statistics.median(memory[PROGRAM]) / statistics.median(memory[BARE])
    # Launches of one turn follow each other within a second or two: the
    # ratio within a turn is spared the machine's slower drifts.
    turn_ratio = statistics.median(p / b for p, b in zip(paint[PROGRAM], paint[BARE]))
    print("first paint %.2f x the bare window (goal 1.15; turn by turn %.2f), memory %.2f x (goal 1.10)"
          % (ratio, turn_ratio, mem_ratio))
    print("targets: activity opened in 30 ms, verdict painted in 16 ms")


if __name__ == "__main__":
    main()
