# Sourced by the scripts that drive the real program on a private X server
# (the end-to-end tests, scripts/screenshots.sh, bench/idle_cpu.sh). It
# gives them a temporary folder $work, removed at exit with the program, the
# window manager and the X server, and:
#   fail MESSAGE        ends the script with MESSAGE and status 1
#   start_display       starts Xvfb on a free display and exports DISPLAY
#   start_window_manager  starts openbox on it and waits until it manages
#   start_program ...   starts a command offline in the background (app_pid),
#                       its output in $work/app.log
#   wait_for_window RE  the id of the program's visible window whose title
#                       matches RE, once it shows
#   stop_program        ends it and waits for it
#
# Every failure says why: a command that fails outside these helpers ends
# the script with its line and the command, never silently.
fail_prefix=${fail_prefix:-FAIL:}
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
app_pid=""

# A failure inside $(...) says why there; the script that then stops on it
# need not say it again.
fail() {
  echo "$fail_prefix $*" >&2
  : > "$work/failed"
  exit 1
}

set -E
trap 'status=$?; [[ -e $work/failed ]] || echo "$fail_prefix ${BASH_SOURCE[0]##*/} line $LINENO: \"$BASH_COMMAND\" ended with status $status" >&2' ERR

# The program runs on the X server, whatever platform the caller's
# environment names (the GUI tests' offscreen one shows no window).
export QT_QPA_PLATFORM=xcb

# The program runs in a process group of its own (start_program), so that
# a wrapper such as faketime goes together with the program it started.
stop_program() {
  if [[ -n $app_pid ]]; then
    kill -- "-$app_pid" 2> /dev/null || kill "$app_pid" 2> /dev/null || true
    wait "$app_pid" 2> /dev/null || true
  fi
  app_pid=""
}

session_cleanup() {
  trap - ERR
  stop_program
  local pid
  for pid in $wm_pid $xvfb_pid; do
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
  done
  rm -rf "$work"
}
trap session_cleanup EXIT

start_display() {
  # Xvfb picks a free number and writes it to fd 3.
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp > "$work/xvfb.log" 2>&1 3> "$work/display" &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
  [[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
}

# openbox with its stock configuration (Alt+F4 closes a window), no session
# manager. It is managing once it has named itself on the root window.
start_window_manager() {
  command -v openbox > /dev/null || fail "openbox is missing (scripts/packages.txt)"
  openbox --sm-disable > "$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && return 0
    kill -0 "$wm_pid" 2> /dev/null || break
    sleep 0.05
  done
  fail "openbox did not start managing the display: $(cat "$work/openbox.log")"
}

# The program looks up its update host about 100 ms after it starts; a script
# must not send that question out of the machine. `offline CMD...` runs CMD
# in a network namespace of its own, which has no interface but a downed
# loopback, so every lookup fails at once. The X server is still reached
# through its socket file. Where namespaces cannot be made (no root and no
# user namespaces), CMD runs as it is.
offline() {
  if unshare --net true 2> /dev/null; then
    exec unshare --net "$@"
  elif unshare --map-root-user --net true 2> /dev/null; then
    exec unshare --map-root-user --net "$@"
  fi
  exec "$@"
}

start_program() {
  setsid bash -c "$(declare -f offline); offline \"\$@\"" offline "$@" > "$work/app.log" 2>&1 &
  app_pid=$!
}

wait_for_window() {
  local title=$1 found
  found=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" 2> /dev/null | head -n1) || true
  if [[ -z $found ]]; then
    kill -0 "$app_pid" 2> /dev/null || fail "the program ended before a window \"$title\" showed: $(cat "$work/app.log")"
    fail "no window \"$title\" showed within 20 s: $(cat "$work/app.log")"
  fi
  echo "$found"
}
