#!/bin/sh
# Times bench_gif_frames as whole processes, ours beside giflib's, with
# hyperfine: each run reads a 12-frame 800 x 600 GIF and composes every
# frame. The GIF is made by ImageMagick on the first run and kept. Prints
# hyperfine's figures, then the ratio of the medians and each side's user
# and system time.
#
# usage: bench/gif/compare_processes.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-build}
runs=${2:-40}
tool=$build/bench/bench_gif_frames
folder=${TMPDIR:-/tmp}/tarvik-gif-bench
gif=$folder/frames12.gif

mkdir -p "$folder"
if [ ! -f "$gif" ]; then
  # Each frame rolled and tinted, and quantised on its own, so that each has
  # its own colour table and little repeats from frame to frame.
  base=$folder/base.png
  [ -f "$base" ] || convert -seed 3 -size 800x600 plasma:fractal "$base"
  set --
  i=0
  while [ $i -lt 12 ]; do
    set -- "$@" "(" "$base" -roll "+$((i * 16))+$((i * 4))" -modulate "100,100,$((100 + i))" -colors 256 ")"
    i=$((i + 1))
  done
  convert -delay 5 -loop 0 "$@" "GIF:$gif.part"
  mv "$gif.part" "$gif"
fi

[ "$("$tool" tarvik "$gif")" = "$("$tool" giflib "$gif")" ] || echo "note: the two composed different pixels" >&2
hyperfine -N --warmup 5 --runs "$runs" --export-json "$folder/processes.json" \
  "$tool tarvik $gif" "$tool giflib $gif"
python3 - "$folder/processes.json" <<'PY'
import json, sys
ours, theirs = json.load(open(sys.argv[1]))["results"]
print("tarvik / giflib = %.2fx (medians %.1f ms / %.1f ms)" % (ours["median"] / theirs["median"], ours["median"] * 1e3, theirs["median"] * 1e3))
for name, r in (("tarvik", ours), ("giflib", theirs)):
    print("%-7s user %.1f ms, system %.1f ms (means)" % (name, r["user"] * 1e3, r["system"] * 1e3))
PY
