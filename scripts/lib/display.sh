# Gives the scripts an X display: the caller's own when it answers, or else an Xvfb of this
# checkout's. That one is started once, on the lowest free display number from 100, and
# noted in build/xvfb, so that every later call (CTest runs each test as a process of its
# own) shares it and two checkouts testing at once never share one. Sourced, not run.
#
# VELLORA_XVFB names another screen of this checkout's (the two-monitor check has one),
# VELLORA_SCREEN gives its size (1920x1080x24 unless set), VELLORA_XVFB_ARGS more options,
# and VELLORA_WM a window manager that runs on it (the desktop check's openbox).
VELLORA_XVFB_NOTES=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/xvfb

ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local note=$VELLORA_XVFB_NOTES/${VELLORA_XVFB:-main}
  mkdir -p "$VELLORA_XVFB_NOTES"
  (
    flock 9
    noted_xvfb_runs "$note" || start_xvfb "$note"
  ) 9>"$note.lock" || return 1
  export DISPLAY=:$(cut -d' ' -f1 "$note")
  [ -z "${VELLORA_WM:-}" ] || ensure_window_manager "$note.wm.lock"
}

# Starts VELLORA_WM on the display unless a window manager manages it already, and waits
# until it does. It goes with its X server.
ensure_window_manager() {
  window_manager_runs && return 0
  (
    flock 9
    window_manager_runs && exit 0
    # A manager that ends before it manages (seen once under load) is started again.
    local deadline=$((SECONDS + 30)) pid=
    until window_manager_runs; do
      [ $SECONDS -lt $deadline ] || { echo "$VELLORA_WM did not start on $DISPLAY" >&2; exit 1; }
      if [ -z "$pid" ] || ! kill -0 "$pid" 2>/dev/null; then
        setsid "$VELLORA_WM" >/dev/null 2>&1 < /dev/null 9>&- &
        pid=$!
      fi
      sleep 0.1
    done
  ) 9>"$1"
}

# Whether a window manager runs: the root names its check window, and that window exists
# (a manager that was killed leaves the name behind).
window_manager_runs() {
  local id
  id=$(LC_ALL=C xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
  [ -n "$id" ] && LC_ALL=C xprop -id "$id" _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1
}

# Whether the Xvfb noted in the file still serves its display: the X server's lock file of
# that number names the noted process, and that process is an Xvfb on that number.
noted_xvfb_runs() {
  local number pid
  [ -f "$1" ] && read -r number pid < "$1" || return 1
  [ "$(tr -d ' ' 2>/dev/null < "/tmp/.X$number-lock")" = "$pid" ] || return 1
  tr '\0' ' ' 2>/dev/null < "/proc/$pid/cmdline" | grep -q "^Xvfb :$number "
}

# Starts an Xvfb on the lowest display number that has neither a lock file nor a socket and
# notes "number pid". Xvfb itself refuses a number another server took in the meantime, so
# a refusal moves on to the next one; the server is ready once its lock file names it and
# it answers.
start_xvfb() {
  local number pid
  for ((number = 100; number < 200; number++)); do
    if [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; then continue; fi
    # shellcheck disable=SC2086 # VELLORA_XVFB_ARGS holds several words
    setsid Xvfb ":$number" -screen 0 "${VELLORA_SCREEN:-1920x1080x24}" -nolisten tcp -ac -br \
      ${VELLORA_XVFB_ARGS:-} >/dev/null 2>&1 < /dev/null 9>&- &
    pid=$!
    while kill -0 "$pid" 2>/dev/null; do
      if [ "$(tr -d ' ' 2>/dev/null < "/tmp/.X$number-lock")" = "$pid" ] && xdpyinfo -display ":$number" >/dev/null 2>&1; then
        echo "$number $pid" > "$1"
        return 0
      fi
      sleep 0.05
    done
  done
  echo "no free X display between :100 and :199" >&2
  return 1
}
