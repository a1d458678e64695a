#!/usr/bin/env bash
# scripts/package.sh PUBLIC_KEY [OUTDIR]
#
# Builds the program and lays out its folder as a user receives it, in
# OUTDIR (default dist/) as tarvik-<release>/: the program, "Updater.exe",
# the tools, and PUBLIC_KEY as "update.pub". The same folder is packed as
# tarvik-<release>.tar.gz for first installs; `tarvik-release pack` turns it
# into a signed update (see the README).
set -euo pipefail
if (($# < 1 || $# > 2)); then
  echo "usage: scripts/package.sh PUBLIC_KEY [OUTDIR]" >&2
  exit 1
fi
root=$(cd "$(dirname "$0")/.." && pwd)
public_key=$1
out=${2:-$root/dist}
build=$root/build

programs=(tarvik Updater.exe tarvik-fetch tarvik-skinc tarvik-gifdump)
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target tarvik updater tarvik-fetch tarvik-skinc tarvik-gifdump

release=$(sed -n 's/^project(Tarvik VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
folder=$out/tarvik-$release
rm -rf "$folder"
mkdir -p "$folder"
for program in "${programs[@]}"; do
  install -m 0755 "$build/bin/$program" "$folder/$program"
  strip --strip-unneeded "$folder/$program"
done
install -m 0644 "$public_key" "$folder/update.pub"
tar -C "$out" -czf "$out/tarvik-$release.tar.gz" "tarvik-$release"
echo "$folder"
echo "$out/tarvik-$release.tar.gz"
