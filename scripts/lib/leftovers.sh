# What a test run leaves running, and its removal: the Xvfb servers noted in build/xvfb
# and the wineservers (with Wine's services and programs) of the Wine prefixes in build/.
# Only this checkout's count, and of those only the ones a run started: a program tried
# out with scripts/run before the run keeps going. Sourced, not run.
VELLORA_LEFTOVERS_BUILD=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build

# own_servers: "xvfb PID" and "wine PID PREFIX" lines for every such server that runs now.
own_servers() {
  local note number pid prefix
  for note in "$VELLORA_LEFTOVERS_BUILD"/xvfb/*; do
    [[ $note == *.lock ]] && continue
    [ -f "$note" ] && read -r number pid < "$note" || continue
    tr '\0' ' ' 2>/dev/null < "/proc/$pid/cmdline" | grep -q "^Xvfb :$number " && echo "xvfb $pid"
  done
  for pid in $(pgrep -x wineserver64 || true); do
    prefix=$(tr '\0' '\n' 2>/dev/null < "/proc/$pid/environ" | sed -n 's/^WINEPREFIX=//p')
    case $prefix in
      "$VELLORA_LEFTOVERS_BUILD"/wineprefix*) echo "wine $pid $prefix" ;;
    esac
  done
  return 0
}

# stop_servers_since BEFORE: stops every server of own_servers that is not in BEFORE (an
# earlier answer of own_servers). A wineserver told to go (-k) takes every process of its
# prefix along; then the X servers go.
stop_servers_since() {
  local before=$1 kind pid prefix line pids=()
  while read -r kind pid prefix; do
    [ -n "$kind" ] || continue
    line="$kind $pid${prefix:+ $prefix}"
    grep -qxF -- "$line" <<< "$before" && continue
    if [ "$kind" = wine ]; then WINEPREFIX=$prefix wineserver -k 2> /dev/null || kill "$pid" 2> /dev/null || true; fi
    pids+=("$kind:$pid")
  done < <(own_servers)
  for line in "${pids[@]}"; do
    if [ "${line%%:*}" = xvfb ]; then kill "${line#*:}" 2> /dev/null || true; fi
  done
  local deadline=$((SECONDS + 10))
  for line in "${pids[@]}"; do
    pid=${line#*:}
    while kill -0 "$pid" 2> /dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
    kill -0 "$pid" 2> /dev/null && kill -9 "$pid" 2> /dev/null || true
  done
  return 0
}
