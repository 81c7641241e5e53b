#!/usr/bin/env python3
"""Start-up benchmark: launches the real program under Xvfb and reports the
time from launch to the main window's first paint and its resident memory
3 s later; median of 5 runs after a warm-up.

Usage: bench/startup.py [path/to/kite-tutor]   (default build/bin/kite-tutor)
When build/bin/bench_bare_window exists (target "benchmarks"), a bare Qt
window with a menu bar is measured the same way, as the yardstick of what
this machine can do.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 5
program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/kite-tutor")


def start_display():
    display = ":%d" % (90 + os.getpid() % 9)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    return xvfb, display


def one_run(display, home):
    env = dict(os.environ, DISPLAY=display, HOME=home, QT_QPA_PLATFORM="xcb",
               KITE_REPORT_FIRST_PAINT="1", XDG_DATA_HOME=os.path.join(home, "data"))
    env.pop("WAYLAND_DISPLAY", None)
    launched = time.time()
    proc = subprocess.Popen([program], env=env, cwd=home, stderr=subprocess.PIPE,
                            stdout=subprocess.DEVNULL, text=True)
    paint_ms = None
    for line in proc.stderr:
        if line.startswith("first-paint-epoch-ms"):
            paint_ms = int(line.split()[1]) - launched * 1000.0
            break
    time.sleep(3.0)
    rss_kb = 0
    with open("/proc/%d/status" % proc.pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                rss_kb = int(line.split()[1])
    proc.kill()
    proc.wait()
    # Let the display server finish with the old client before the next
    # launch: starting straight after a kill costs a new client ~40 ms.
    time.sleep(1.5)
    return paint_ms, rss_kb / 1024.0


def measure(display, home, path):
    global program
    program = path
    one_run(display, home)  # warm-up: file cache, font cache
    results = [one_run(display, home) for _ in range(RUNS)]
    paints = [r[0] for r in results]
    memory = [r[1] for r in results]
    print("%s" % os.path.basename(path))
    print("  first paint ms: " + " ".join("%.1f" % p for p in paints))
    print("  resident MB:    " + " ".join("%.1f" % m for m in memory))
    print("  median first paint %.1f ms, median resident %.1f MB"
          % (statistics.median(paints), statistics.median(memory)))


def main():
    if not os.path.exists(program):
        sys.exit("no program at %s: build it first (scripts/setup.sh)" % program)
    bare = os.path.join(os.path.dirname(program), "bench_bare_window")
    xvfb, display = start_display()
    home = tempfile.mkdtemp(prefix="kite-bench-")
    try:
        measure(display, home, program)
        if os.path.exists(bare):
            measure(display, home, bare)
    finally:
        xvfb.kill()
        shutil.rmtree(home, ignore_errors=True)
    print("targets: first paint <= 60 ms, resident <= 45 MB")


if __name__ == "__main__":
    main()
