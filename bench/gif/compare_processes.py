#!/usr/bin/env python3
"""Times decoding and composing every frame of a 12-frame 800 x 600 GIF as
whole processes, ours beside giflib's: bench_gif_frames tarvik FILE against
bench_gif_frames giflib FILE, so that start-up, allocation and page faults
count. The runs alternate, so that a machine whose load changes meanwhile
slows both alike. The GIF is made by ImageMagick on the first run and kept.

usage: bench/gif/compare_processes.py [BUILD_DIR] [ROUNDS]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

FRAMES = 12


def make_gif(folder):
    path = os.path.join(folder, "frames%d.gif" % FRAMES)
    if os.path.exists(path):
        return path
    base = os.path.join(folder, "base.png")
    if not os.path.exists(base):
        subprocess.run(["convert", "-seed", "3", "-size", "800x600", "plasma:fractal", base], check=True)
    # Each frame rolled and tinted and quantised on its own, so that each has
    # its own colour table and little repeats from frame to frame.
    command = ["convert", "-delay", "5", "-loop", "0"]
    for i in range(FRAMES):
        command += ["(", base, "-roll", "+%d+%d" % (i * 16, i * 4), "-modulate", "100,100,%d" % (100 + i),
                    "-colors", "256", ")"]
    subprocess.run(command + ["GIF:" + path + ".part"], check=True)
    os.replace(path + ".part", path)
    return path


def run(command):
    """Wall, user and system seconds of one run of `command`."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit("%s failed" % " ".join(command))
    return wall, usage.ru_utime, usage.ru_stime


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    tool = os.path.join(build, "bench", "bench_gif_frames")
    folder = os.path.join(tempfile.gettempdir(), "tarvik-gif-bench")
    os.makedirs(folder, exist_ok=True)
    gif = make_gif(folder)
    engines = ("tarvik", "giflib")
    outputs = {e: subprocess.run([tool, e, gif], check=True, capture_output=True).stdout for e in engines}
    if outputs["tarvik"] != outputs["giflib"]:
        print("note: the two composed different pixels", file=sys.stderr)

    times = {e: [] for e in engines}
    for i in range(rounds):
        for engine in engines if i % 2 == 0 else reversed(engines):
            times[engine].append(run([tool, engine, gif]))

    median = {e: [statistics.median(t[k] for t in times[e]) for k in range(3)] for e in engines}
    for engine in engines:
        wall, user, system = median[engine]
        print("%-7s wall %6.1f ms  user %6.1f ms  system %5.1f ms  user + system %6.1f ms  (medians of %d runs)"
              % (engine, wall * 1e3, user * 1e3, system * 1e3, (user + system) * 1e3, rounds))
    ours, theirs = median["tarvik"], median["giflib"]
    print("tarvik / giflib: wall %.2fx, user + system %.2fx" % (ours[0] / theirs[0], (ours[1] + ours[2]) / (theirs[1] + theirs[2])))


if __name__ == "__main__":
    main()
