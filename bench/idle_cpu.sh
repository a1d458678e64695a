#!/usr/bin/env bash
# The real program's processor use while nobody touches it: started from a
# temporary application folder on a private X server under openbox, left
# alone for a moment to finish starting, then measured over 10 s from the
# user and system times in /proc/PID/stat (all its threads): with no banner,
# with the branding sample's animated GIF banner playing, and with that
# banner in a minimised window and in a window covered by another one.
#
#   bench/idle_cpu.sh [BUILD_DIR [SECONDS]]
#
# Prints the share of one core for each; goals: under 1 % idle, under 3 %
# with the animated banner.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
fail_prefix="idle_cpu:"
source "$root/tests/e2e/session.sh"
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-10}
binary=$build/bin/tarvik
[[ -x $binary ]] || fail "no program at $binary; build it first"

ticks_per_second=$(getconf CLK_TCK)
# utime + stime, fields 14 and 15; the command name (field 2) may hold
# blanks, so the count starts after its closing parenthesis.
cpu_ticks() {
  local stat
  stat=$(< "/proc/$1/stat") || fail "the program ended while it was measured: $(cat "$work/app.log")"
  stat=${stat##*) }
  read -r -a fields <<< "$stat"
  echo $((fields[11] + fields[12]))
}

# A window over the whole screen, in front of the program's; cover_pid
# names it.
cover_screen() {
  xmessage -geometry 1280x900+0+0 "covering the program" > /dev/null 2>&1 &
  cover_pid=$!
  local cover
  cover=$(timeout 20 xdotool search --sync --onlyvisible --classname xmessage 2> /dev/null | head -n1) || true
  [[ -n $cover ]] || fail "the covering window did not show"
  xdotool windowsize "$cover" 1280 900 windowmove "$cover" 0 0
}

# measure TITLE [minimised|covered]: the program's share of one core over
# `seconds`, in percent.
measure() {
  local title=$1 state=${2:-shown} window before after cover_pid=""
  start_program env LC_ALL=C "$work/app/tarvik"
  window=$(wait_for_window "^$title\$")
  case $state in
    minimised) xdotool windowminimize "$window" ;;
    covered) cover_screen ;;
  esac
  # Start-up, the first paints and the silent update check are over by then.
  sleep 3
  before=$(cpu_ticks "$app_pid")
  sleep "$seconds"
  after=$(cpu_ticks "$app_pid")
  stop_program
  if [[ -n $cover_pid ]]; then
    kill "$cover_pid"
    wait "$cover_pid" || true
  fi
  awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" \
    'BEGIN { printf "%.2f %% of one core (%d ticks of 1/%d s in %d s)\n", 100 * t / hz / s, t, hz, s }'
}

prepare_folder() {
  rm -rf "$work/app"
  mkdir -p "$work/app"
  cp "$binary" "$work/app/tarvik"
  local file
  for file in "$@"; do cp "$file" "$work/app/"; done
}

start_display
start_window_manager

printf '[Settings]\r\nAppName=Idle check\r\n' > "$work/dbconfig.dat"
prepare_folder "$work/dbconfig.dat"
echo "idle, no banner:            $(measure "Idle check v1.02")"

# The branding sample with its animated banner alone (the second banner is
# a still picture, and one is picked at random).
grep -v -e '^BannerPath[23]=' -e '^BannerURL[23]=' "$root/examples/branding/dbconfig.dat" > "$work/dbconfig.dat"
prepare_folder "$work/dbconfig.dat" "$root"/examples/branding/{dbimg1.dat,dbskin.dat,planner.ico}
echo "idle, animated GIF banner:  $(measure "Marketing Planner v1.02")"
echo "the same, window minimised: $(measure "Marketing Planner v1.02" minimised)"
echo "the same, window covered:   $(measure "Marketing Planner v1.02" covered)"
