# Gives the scripts an X display: the caller's one, or a private Xvfb started once and
# left running for later calls. Sourced, not run.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  export DISPLAY=${VELLORA_XVFB_DISPLAY:-:97}
  if xdpyinfo >/dev/null 2>&1; then return 0; fi
  (
    flock 9
    if ! xdpyinfo >/dev/null 2>&1; then
      # shellcheck disable=SC2086 # VELLORA_XVFB_ARGS holds several words
      setsid Xvfb "$DISPLAY" -screen 0 "${VELLORA_SCREEN:-1920x1080x24}" -nolisten tcp -ac -br ${VELLORA_XVFB_ARGS:-} \
        >/dev/null 2>&1 < /dev/null &
      for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    fi
  ) 9>"/tmp/vellora-xvfb${DISPLAY#:}.lock"
  xdpyinfo >/dev/null 2>&1 || { echo "could not start Xvfb on $DISPLAY" >&2; return 1; }
}
