#!/usr/bin/env bash
# End to end: the main window's layout on a real X server. The program opens
# with its stored client area; widened by 100 pixels, the summary's date
# labels, the right end of its bevel and gauge, and the right link label
# move right by exactly 100 pixels while everything anchored on the left
# stays where it was; dragging the splitter widens the tree pane. All of it
# is read from screenshots of the window.
#
# Usage: layout_e2e.sh <tarvik binary> [folder for the screenshots]
set -euo pipefail

binary=$1
keep=${2:-}
source "$(dirname "$0")/session.sh"

# Window coordinates of the client area: inside the skinned frame, 4 pixels
# of border at the left and a 32 pixel caption bar above.
frame_left=4
frame_top=32
client_width=772
client_height=566
widen_by=100

cp "$binary" "$work/tarvik"
# Two links, so that both labels show; no banner, so the banner strip is
# hidden and the summary follows the 36 pixel button bar.
printf '[Settings]\r\nAppName=Layout check\r\nLink1URL=http://one.example/\r\nLink1Name=One link\r\nLink2URL=http://two.example/\r\nLink2Name=Two link\r\n' \
  > "$work/dbconfig.dat"
summary_top=36
summary_height=87
links_top=$((client_height - 36))

start_display
start_window_manager

start_program env LC_ALL=C "$work/tarvik"
window=$(wait_for_window '^Layout check v')

size_of() { xdotool getwindowgeometry "$window" | awk '/Geometry:/ {print $2}'; }
shot() { import -window "$window" "$1"; }

# The piece of a screenshot at client coordinates x, y, width, height.
piece() { convert "$1" -crop "$4x$5+$((frame_left + $2))+$((frame_top + $3))" +repage "$6"; }
same() { compare -metric AE "$1" "$2" null: 2>/dev/null; }

# A region of the client area, x at the stored size, y, width, height, that
# moves right by `shift` pixels between the stored picture and `now`: the
# same pixels, and for a move, no longer the same at the old place (so there
# is something drawn there, and it has gone).
moved() {
  local now=$1 name=$2 x=$3 y=$4 width=$5 height=$6 shift=$7
  piece "$work/stored.png" "$x" "$y" "$width" "$height" "$work/$name-before.png"
  piece "$now" $((x + shift)) "$y" "$width" "$height" "$work/$name-after.png"
  same "$work/$name-before.png" "$work/$name-after.png" || { failed="$name did not move by $shift pixels"; return 1; }
  ((shift == 0)) && return 0
  piece "$now" "$x" "$y" "$width" "$height" "$work/$name-left.png"
  same "$work/$name-before.png" "$work/$name-left.png" && { failed="$name stayed in place"; return 1; }
  return 0
}

# Runs `checks` on fresh screenshots until they pass; the window repaints in
# its own time after each change.
until_passing() {
  local checks=$1
  for _ in $(seq 50); do
    shot "$work/now.png"
    $checks "$work/now.png" && return 0
    sleep 0.1
  done
  fail "$failed"
}

stored_size="$((client_width + 2 * frame_left))x$((client_height + frame_top + frame_left))"
wide_size="$((client_width + widen_by + 2 * frame_left))x$((client_height + frame_top + frame_left))"

# The stored picture: the window at its stored size, painted through (two
# screenshots in a row agree).
for _ in $(seq 100); do
  if [[ $(size_of) == "$stored_size" ]]; then
    shot "$work/previous.png"
    sleep 0.1
    shot "$work/stored.png"
    same "$work/previous.png" "$work/stored.png" && break
  fi
  rm -f "$work/stored.png"
  sleep 0.1
done
[[ -e $work/stored.png ]] || fail "the window did not settle at $stored_size with a 772 x 566 client area (it is $(size_of))"

widened() {
  # The date labels' row, from "Start Date:" (480) to the bevel's right end.
  moved "$1" date-labels 470 $((summary_top + 13)) $((client_width - 470)) 28 $widen_by &&
  # The gauge's row right of its centred text: the gauge's right end (748)
  # and the bevel's (762).
  moved "$1" gauge-right-end 560 $((summary_top + 40)) $((client_width - 560)) 40 $widen_by &&
  # The name and progress labels and the left ends of bevel and gauge stay,
  # so the gauge and the bevel have stretched.
  moved "$1" summary-left 0 "$summary_top" 360 "$summary_height" 0 &&
  moved "$1" link-right 560 "$links_top" $((client_width - 560)) 36 $widen_by &&
  moved "$1" link-left 0 "$links_top" 300 36 0
}
xdotool windowsize "$window" "${wide_size%x*}" "${wide_size#*x}"
until_passing widened
[[ $(size_of) == "$wide_size" ]] || fail "the window is $(size_of), not $wide_size"
[[ -n $keep ]] && cp "$work/stored.png" "$keep/stored.png" && cp "$work/now.png" "$keep/widened.png"

# Dragging the splitter (201 + 10 wide, right of the tree pane) 60 pixels to
# the right widens the tree pane: the pages begin 60 pixels further right.
pages_top=$((summary_top + summary_height))
dragged() { moved "$1" pages-left 211 "$pages_top" 150 120 60; }
xdotool mousemove --window "$window" $((frame_left + 206)) $((frame_top + pages_top + 150)) mousedown 1 \
  mousemove_relative 30 0 mousemove_relative 30 0 mouseup 1
until_passing dragged
[[ -n $keep ]] && cp "$work/now.png" "$keep/splitter-dragged.png"

kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
