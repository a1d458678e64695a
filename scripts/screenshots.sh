#!/usr/bin/env bash
# Takes every picture of docs/screenshots again: the real program, started
# from a temporary application folder on a private X server, with the same
# projects, tasks and planner entries and the same day each time, driven
# with the mouse and the keyboard through xdotool. Each picture is the main
# window's rectangle of the screen, with whatever dialog, menu or drop-down
# is open over it.
#
#   scripts/screenshots.sh [BUILD_DIR [OUT_DIR]]
#
# BUILD_DIR defaults to build/ (it must hold bin/tarvik), OUT_DIR to
# docs/screenshots/. Needs Xvfb, xdotool, ImageMagick's import and faketime
# (scripts/packages.txt); the program runs under openbox. Both skins get the
# same pictures, named skin-default-*.png and skin-example-*.png, and the
# built-in skin the maximised window; the branding sample adds
# branding-sample.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
fail_prefix="screenshots:"
source "$root/tests/e2e/session.sh"
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
binary=$build/bin/tarvik
[[ -x $binary ]] || { echo "no program at $binary; build it first" >&2; exit 1; }
for tool in Xvfb xdotool import faketime; do
  command -v "$tool" > /dev/null || { echo "$tool is missing (scripts/packages.txt)" >&2; exit 1; }
done

# Every run shows the same day: the calendar, the date fields and the
# planner entries below all depend on it.
readonly day="3/10/2026"
readonly clock="2026-03-10 09:30:00"

start_display
start_window_manager

# The user data every picture shows, in the files' own format (CR LF).
write_data() {
  local folder=$1
  printf '%s\r\n' Marketing SEO > "$folder/categories.dat"
  {
    printf 'Header^Spring Launch^Marketing^3/1/2026^4/30/2026^\r\n'
    printf '^True^,^Write landing page copy^,^Two variants for A/B test^,^3/1/2026^,^3/5/2026^\r\n'
    printf '^True^,^Design banner set^,^468x60 and 728x90^,^3/4/2026^,^3/9/2026^\r\n'
    printf '^False^,^Set up affiliate links^,^Check tracking IDs^,^3/10/2026^,^3/12/2026^\r\n'
    printf '^False^,^Email campaign^,^Three mailings^,^3/15/2026^,^4/15/2026^\r\n'
    printf 'EndProject\r\n'
    printf 'Header^Link Building^SEO^3/15/2026^6/30/2026^\r\n'
    printf '^False^,^List directories^,^^,^3/15/2026^,^3/31/2026^\r\n'
    printf 'EndProject\r\n'
  } > "$folder/projects.dat"
  {
    printf '%s^9:00 AM^Call the designer about the banners^\r\n' "$day"
    printf '%s^11:00 AM^Review the landing page copy^\r\n' "$day"
    printf '%s^2:00 PM^Send the first mailing^\r\n' "$day"
    printf '%s^4:00 PM^Check the affiliate statistics^\r\n' "$day"
  } > "$folder/Hours.dat"
}

# A fresh application folder for one run of the program: the program, the
# data, and whatever branding files follow as arguments.
prepare_folder() {
  rm -rf "$work/app"
  mkdir -p "$work/app"
  cp "$binary" "$work/app/tarvik"
  write_data "$work/app"
  local file
  for file in "$@"; do cp "$file" "$work/app/"; done
}

window=""
open_program() {
  local title=$1
  # Offline, as the end-to-end tests run it: the update check's lookup
  # fails at once and nothing leaves the machine.
  start_program env LC_ALL=C faketime -m --exclude-monotonic "$clock" "$work/app/tarvik"
  window=$(wait_for_window "^$title\$")
  # The silent update check runs shortly after start-up and finds no host.
  sleep 1
}

settle() { sleep "${1:-0.6}"; }
# Window coordinates are those of the main window, frame included.
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; settle; }
hover() { xdotool mousemove --window "$window" "$1" "$2"; settle 0.3; }
# The pointer rests outside the window so that nothing shows as hot.
park() { xdotool mousemove 1270 890; settle 0.3; }
key() { xdotool key --clearmodifiers "$@"; settle; }
# Closes a dialog through its frame's close button, at the top right.
close_window() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" $((WIDTH - 19)) 16 click 1
  settle
}

shoot() {
  local name=$1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$name.png"
  echo "  $name.png"
}


# The window titled `title` that the program has open, once it shows.
find_window() { wait_for_window "^$1\$"; }
# A press inside a dialog, in the dialog's own coordinates.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; settle; }

# The pictures of one skin, all from one run of the program. Coordinates
# follow the main window's stored layout (772 x 566 client pixels inside
# the skinned frame) and the dialogs' own.
shoot_skin() {
  local skin=$1 title=$2 menu_x menu_y
  echo "$skin skin:"
  open_program "$title"

  # The project "Spring Launch" with its third task selected.
  click 117 204
  click 330 218
  park
  shoot "skin-$skin-main-tasks"
  # The keyboard alone: Down moves the selection and the focus mark to the
  # fourth task; Tab takes the focus to "Add New Task".
  key Down
  shoot "skin-$skin-focus-list"
  key Tab
  shoot "skin-$skin-focus-button"

  # The popup menu of the tree, its "New Project" item under the pointer;
  # its "New Category" opens the category dialog.
  click 70 186 3
  eval "$(xdotool getmouselocation --shell)"
  menu_x=$X menu_y=$Y
  xdotool mousemove $((menu_x + 40)) $((menu_y + 42))
  settle 0.3
  shoot "skin-$skin-popup-menu"
  xdotool mousemove $((menu_x + 40)) $((menu_y + 12)) click 1
  settle
  local category
  category=$(find_window "Add new category")
  park
  shoot "skin-$skin-dialog-category"
  close_window "$category"

  # The task dialog; "Ok" with no description is refused by a message box.
  click 276 511
  local task message
  task=$(find_window "Add task")
  park
  shoot "skin-$skin-dialog-task"
  # Back from the description past both date fields to "Task is done".
  key shift+Tab shift+Tab shift+Tab
  shoot "skin-$skin-focus-checkbox"
  eval "$(xdotool getwindowgeometry --shell "$task")"
  click_in "$task" 191 $((HEIGHT - 33))
  message=$(find_window "Information")
  park
  shoot "skin-$skin-message-box"
  key Return
  close_window "$task"

  # The project dialog, then its start date's drop-down calendar and its
  # category list opened.
  click 59 46
  local project
  project=$(find_window "Create new project")
  park
  shoot "skin-$skin-dialog-project"
  click_in "$project" 197 82
  park
  shoot "skin-$skin-date-dropdown"
  key Escape
  click_in "$project" 146 107
  park
  shoot "skin-$skin-dropdown-list"
  key Escape
  close_window "$project"

  # The day planner with the 9:00 AM hour selected, and its hour dialog.
  click 315 549
  click 470 314
  park
  shoot "skin-$skin-main-calendar"
  click 504 514
  local hour
  hour=$(find_window "Edit action")
  park
  shoot "skin-$skin-dialog-hour"
  close_window "$hour"

  # Maximised by the frame's button; the window manager gives it the screen.
  if [[ $skin == default ]]; then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    click $((WIDTH - 49)) 16
    park
    shoot "skin-$skin-main-maximised"
  fi
  stop_program
}

printf '[Settings]\r\nAppName=Project Tarvik\r\n' > "$work/dbconfig.dat"
prepare_folder "$work/dbconfig.dat"
shoot_skin default "Project Tarvik v1.02"

prepare_folder "$work/dbconfig.dat" "$root/examples/skins/dbskin.dat"
shoot_skin example "Project Tarvik v1.02"

# The branding sample of examples/branding as it stands, but with its
# first banner alone (the animated one), so that every run shows the same
# banner; which two of its link labels show is still picked at random.
echo "branding sample:"
grep -v -e '^BannerPath[23]=' -e '^BannerURL[23]=' "$root/examples/branding/dbconfig.dat" > "$work/dbconfig.dat"
prepare_folder "$work/dbconfig.dat" "$root"/examples/branding/dbimg1.dat "$root"/examples/branding/dbskin.dat \
  "$root"/examples/branding/planner.ico
open_program "Marketing Planner v1.02"
click 117 279
click 330 289
park
shoot branding-sample
stop_program
