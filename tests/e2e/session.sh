# Sourced by the scripts that drive the real program on a private X server
# (the end-to-end tests, scripts/screenshots.sh). It gives them a temporary
# folder $work, removed at exit with the program and the X server, and:
#   fail MESSAGE      ends the script with MESSAGE and status 1
#   start_display     starts Xvfb on a free display and exports DISPLAY
#   start_program ... starts a command offline in the background (app_pid),
#                     its output in $work/app.log
#   stop_program      ends it and waits for it
fail_prefix=${fail_prefix:-FAIL:}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

fail() { echo "$fail_prefix $*" >&2; exit 1; }

stop_program() {
  if [[ -n $app_pid ]]; then
    kill "$app_pid" 2> /dev/null || true
    wait "$app_pid" 2> /dev/null || true
  fi
  app_pid=""
}

session_cleanup() {
  stop_program
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2> /dev/null || true
    wait "$xvfb_pid" 2> /dev/null || true
  fi
  rm -rf "$work"
}
trap session_cleanup EXIT

start_display() {
  # Xvfb picks a free number and writes it to fd 3.
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp > "$work/xvfb.log" 2>&1 3> "$work/display" &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
  [[ -s $work/display ]] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
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
  (offline "$@") > "$work/app.log" 2>&1 &
  app_pid=$!
}
