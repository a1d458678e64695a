#!/usr/bin/env bash
# End to end: the real program in a temporary application folder on a
# private X server, driven with the mouse through its own event loop. The
# user selects a project, ticks its task and presses "Save Changes"; the
# files written must hold exactly that.
#
# Usage: save_changes_e2e.sh <tarvik binary> [screenshot.png]
set -euo pipefail

binary=$1
screenshot=${2:-}
source "$(dirname "$0")/session.sh"

# The program reads and writes beside its executable.
cp "$binary" "$work/tarvik"
printf 'Work\r\n' > "$work/categories.dat"
printf 'Header^Site^Work^1/1/2008^2/1/2008^\r\n^False^,^Write copy^,^^,^^,^^\r\nEndProject\r\n' > "$work/projects.dat"
printf '12/13/2007^9:00 AM^Call^\r\n' > "$work/Hours.dat"

start_display
start_window_manager

start_program env LC_ALL=C "$work/tarvik"
window=$(wait_for_window '^Project Tarvik$')
sleep 0.5

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

# Window coordinates at the stored client size, inside the skinned frame
# (4 pixels of border at the left, a 32 pixel caption bar above): the tree's
# second row is the project "Site"; the task list's first check box sits at
# the left of its first row; "Save Changes" is the second button of the
# button bar.
click 64 270
click 226 252
[[ -n $screenshot ]] && import -window root "$screenshot"
click 162 47

expected_projects=$'Header^Site^Work^1/1/2008^2/1/2008^\r\n^True^,^Write copy^,^^,^^,^^\r\nEndProject\r\n'
for _ in $(seq 50); do
  [[ "$(cat "$work/projects.dat")" == "${expected_projects%$'\n'}" ]] && break
  sleep 0.1
done
cmp <(printf '%s' "$expected_projects") "$work/projects.dat" || fail "projects.dat differs: $(od -c "$work/projects.dat" | head)"
cmp <(printf 'Work\r\n') "$work/categories.dat" || fail "categories.dat differs"
cmp <(printf '12/13/2007^9:00 AM^Call^\r\n') "$work/Hours.dat" || fail "Hours.dat differs"
[[ ! -e $work/Projects.dat ]] || fail "a second projects file was created"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
