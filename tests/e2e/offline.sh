# Sourced by the end-to-end scripts. The program looks up its update host
# about 100 ms after it starts; a test must not send that question out of the
# machine. `offline CMD...` runs CMD in a network namespace of its own, which
# has no interface but a downed loopback, so every lookup fails at once. The
# X server is still reached through its socket file. Where namespaces cannot
# be made (no root and no user namespaces), CMD runs as it is.
offline() {
  if unshare --net true 2>/dev/null; then
    exec unshare --net "$@"
  elif unshare --map-root-user --net true 2>/dev/null; then
    exec unshare --map-root-user --net "$@"
  fi
  exec "$@"
}
