#!/usr/bin/env bash
# End to end: the skinned frame under a real window manager (openbox). The
# frame's caption buttons minimise, maximise and restore the main window;
# it moves by its caption and resizes by its skinned corner; maximised it
# keeps its layout (the link strip at the bottom, the tree pane at its
# width); Alt+F4 closes it and the program ends.
#
# Usage: window_manager_e2e.sh <tarvik binary> [folder for the screenshots]
set -euo pipefail

binary=$1
keep=${2:-}
source "$(dirname "$0")/session.sh"

cp "$binary" "$work/tarvik"
printf '[Settings]\r\nAppName=Window check\r\n' > "$work/dbconfig.dat"

start_display
start_window_manager
start_program env LC_ALL=C "$work/tarvik"
window=$(wait_for_window '^Window check v1.02$')

geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X,$Y ${WIDTH}x$HEIGHT"
}
# Waits until `geometry` prints what the pattern matches.
until_geometry() {
  local wanted=$1 what=$2
  for _ in $(seq 50); do
    [[ $(geometry) =~ ^$wanted$ ]] && return 0
    sleep 0.1
  done
  fail "$what: the window is at $(geometry), not $wanted"
}
wm_state() { xprop -id "$window" WM_STATE | awk '/window state:/ {print $3}'; }
until_state() {
  for _ in $(seq 50); do
    [[ $(wm_state) == "$1" ]] && return 0
    sleep 0.1
  done
  fail "the window's state is $(wm_state), not $1"
}
# A press on the frame, at window coordinates; a person's pace between
# the steps of a drag.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
drag() {
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1 sleep 0.2 \
    mousemove_relative "$3" "$4" sleep 0.2 mousemove_relative "$3" "$4" sleep 0.2 mouseup 1
}

# The stored client area, 772 x 566, inside the skinned frame (4 pixels of
# border, a 32 pixel caption bar); openbox adds no frame of its own.
until_geometry '[0-9]+,[0-9]+ 780x602' "at start"
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X top=$Y

# Moving by the caption: the window follows the pointer once it has moved
# past the drag distance, so the second step of 30, 20 is what it moves.
drag 300 16 30 20
until_geometry "$((left + 30)),$((top + 20)) 780x602" "moved by the caption"
left=$((left + 30)) top=$((top + 20))

# Resizing by the bottom right corner of the skinned border.
drag 778 600 30 20
until_geometry "$left,$top 810x622" "resized by the corner"

# The caption buttons from the right: close, maximise (restore), minimise.
click $((810 - 49)) 16
until_geometry "0,0 1280x900" "maximised"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || fail "openbox does not know it maximised"
sleep 0.5
import -window root "$work/maximised.png"
[[ -n $keep ]] && cp "$work/maximised.png" "$keep/maximised.png"
# The layout: the link strip (its top line at client y 530 of 566) lies on
# the bottom border, and the tree pane keeps its 201 pixels; both read as
# the first row whose colour differs from the row below it.
strip_colour() { convert "$work/maximised.png" -crop "1x1+$1+$2" -format '%[hex:p{0,0}]' info:; }
[[ $(strip_colour 100 $((900 - 4 - 36))) != "$(strip_colour 100 $((900 - 4 - 40)))" ]] ||
  fail "no link strip above the bottom border when maximised"
[[ $(strip_colour $((4 + 203)) 400) != "$(strip_colour $((4 + 150)) 400)" ]] ||
  fail "the tree pane does not end at its stored width when maximised"

# The same button restores the size and place it had.
click $((1280 - 49)) 16
until_geometry "$left,$top 810x622" "restored"

click "$((810 - 79))" 16
until_state Iconic
xdotool windowactivate "$window"
until_state Normal
until_geometry "$left,$top 810x622" "shown again after minimising"

xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
for _ in $(seq 50); do
  kill -0 "$app_pid" 2> /dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2> /dev/null && fail "Alt+F4 did not close the main window"
app_pid=""
echo "PASS"
