# Helpers for the end-to-end checks: the real Vellora.exe under Wine on an X display,
# driven with xdotool and looked at through screenshots. Sourced by each check.
set -euo pipefail
E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# The checks' own Xvfb and Wine prefix (unless a check names others): the Windows tests
# run beside them on the main ones, and a window there must not take the keys meant for
# the program here.
export VELLORA_XVFB=${VELLORA_XVFB:-e2e}
export WINEPREFIX=${WINEPREFIX:-$E2E_ROOT/build/wineprefix-e2e}
source "$E2E_ROOT/scripts/lib/display.sh"
ensure_display

E2E_BIN=${E2E_BIN:-$E2E_ROOT/build/windows/bin}
E2E_OUT=${E2E_OUT:-$E2E_ROOT/build/e2e}
mkdir -p "$E2E_OUT"
E2E_NAME=$(basename "${BASH_SOURCE[1]}" .sh)
E2E_RUN=$E2E_OUT/run-$E2E_NAME
E2E_FAILURES=0

# Whatever ends the check (a failure, a timeout's signal), the program it started goes too.
trap 'stop_program' EXIT
trap 'exit 143' TERM INT

log() { printf '[%s] %s\n' "$E2E_NAME" "$*"; }
fail() { log "FAIL: $*"; E2E_FAILURES=$((E2E_FAILURES + 1)); }
pass() { log "ok: $*"; }

# Starts the program in a fresh copy of its folder (its own GBTest.db and pictures), or in
# the folder given, once the previous one is gone, and waits for its windows. Wine's own
# services stay up in between: the prefix's wineserver is a persistent one.
# E2E_CWD, when set, is the working directory it starts in instead of its folder.
start_program() {
  stop_program
  if [ $# -gt 0 ]; then
    E2E_RUN=$1
  else
    rm -rf "$E2E_RUN"
    mkdir -p "$E2E_RUN"
    cp -r "$E2E_BIN/Vellora.exe" "$E2E_BIN/GBTest.db" "$E2E_BIN/pic" "$E2E_RUN/"
  fi
  xdotool mousemove 960 100
  launch_program
  # The follower and the control bar are both shown once the message loop runs. If they
  # never are, what of Wine runs then, and where each waits, tells why.
  wait_for 60 started || { log "the program did not start"; cat "$E2E_RUN/wine.log" >&2; ps -eo pid,etime,wchan:24,args | grep -E "wine|\.exe" | grep -v grep >&2; exit 1; }
}
started() { [ "$(program_windows | wc -l)" -ge 2 ]; }

# Starts Vellora.exe of the run folder, without waiting for it (a later start too).
launch_program() {
  (cd "${E2E_CWD:-$E2E_RUN}" && exec setsid "$E2E_ROOT/scripts/wine-run" "$E2E_RUN/Vellora.exe" \
    >> "$E2E_RUN/wine.log" 2>&1 < /dev/null &)
}

# The program started by this check: the Vellora.exe running in its own folder.
own_program() {
  local p
  for p in $(pgrep -f 'Vellora.exe' 2>/dev/null); do
    [ "$(readlink "/proc/$p/cwd" 2>/dev/null)" = "${E2E_CWD:-$E2E_RUN}" ] && echo "$p"
  done
  return 0
}
no_own_program() { [ -z "$(own_program)" ]; }

E2E_PREFIX=$WINEPREFIX
# Every Windows process of this checkout's Wine prefix: programs and Wine's own services.
prefix_processes() {
  local p
  for p in $(pgrep -f '\.exe' 2>/dev/null); do
    tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$E2E_PREFIX" && echo "$p"
  done
  return 0
}

stop_program() {
  local pids
  pids=$(own_program)
  [ -n "$pids" ] || return 0
  kill $pids 2>/dev/null || true
  wait_for 30 no_own_program && return 0
  log "the program outlived 30 s after SIGTERM: killed"
  kill -9 $(own_program) 2>/dev/null || true
  wait_for 10 no_own_program || { log "the program survived SIGKILL"; return 1; }
}

# The X windows of the program that are mapped.
program_windows() {
  local pid
  for pid in $(own_program); do xdotool search --onlyvisible --pid "$pid" 2>/dev/null; done
  return 0
}

# Hot keys reach a Wine program only while one of its windows has the X input focus.
focus_program() {
  local w
  w=$(program_windows | head -n1)
  if [ -n "$w" ]; then timeout 5 xdotool windowfocus "$w" 2>/dev/null || true; fi
  sleep 0.2
}

# The keyboard to the program's window under the pointer. Without a window manager, X
# gives the keyboard to nobody once the focused window is unmapped, even when the program
# shows it again and makes it the foreground (as the pen does when it steps aside for a
# copy); a window manager would give it back.
focus_under_pointer() {
  local w
  w=$(xdotool getmouselocation --shell | awk -F= '/^WINDOW=/{print $2}')
  if [ -n "$w" ]; then timeout 5 xdotool windowfocus "$w" 2>/dev/null || true; fi
  sleep 0.2
}

press() { focus_program; timeout 10 xdotool key --delay 80 "$@"; sleep 0.2; }
move_pointer() { timeout 5 xdotool mousemove "$1" "$2"; sleep 0.1; }
click_at() { move_pointer "$1" "$2"; xdotool click 1; }
# drag X1 Y1 X2 Y2: the left button held from one point to the other, through the middle
drag() {
  move_pointer "$1" "$2"
  xdotool mousedown 1
  move_pointer $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
  move_pointer "$3" "$4"
  xdotool mouseup 1
}
pointer() { xdotool getmouselocation --shell | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'; }

# screenshot NAME: the whole screen into $E2E_OUT/NAME.png
screenshot() { import -window root "$E2E_OUT/$1.png"; echo "$E2E_OUT/$1.png"; }

# pixel FILE X Y: the colour there as RRGGBB
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n1 | tr a-f A-F
}

# wait_for SECONDS COMMAND...: polls the command until it succeeds
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  until "$@" > /dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

# shot_pixel NAME X Y: takes the screenshot NAME and tells the colour there as RRGGBB. The
# shot is import's copy of the screen as shown: ImageMagick's x:root reads every window's
# own pixels instead and stacks them without their shapes, so a window region's hole (the
# spotlight's circle) comes out filled.
shot_pixel() {
  import -window root png:- | convert png:- -write "$E2E_OUT/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- |
    sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n1 | tr a-f A-F
}

# pixel_is NAME X Y RRGGBB: takes a screenshot NAME and compares one pixel
pixel_is() { [ "$(shot_pixel "$1" "$2" "$3")" = "$4" ]; }
pixel_is_not() {
  local got
  got=$(shot_pixel "$1" "$2" "$3")
  [ -n "$got" ] && [ "$got" != "$4" ]
}

# expect_pixel NAME X Y RRGGBB WHAT: polls until the screen shows that colour there
expect_pixel() {
  if wait_for 10 pixel_is "$1" "$2" "$3" "$4"; then
    pass "$5"
  else
    fail "$5 (at $2,$3 expected $4, saw $(pixel "$E2E_OUT/$1.png" "$2" "$3"); see $E2E_OUT/$1.png)"
  fi
}
expect_no_pixel() {
  if wait_for 10 pixel_is_not "$1" "$2" "$3" "$4"; then
    pass "$5"
  else
    fail "$5 (at $2,$3 still $4; see $E2E_OUT/$1.png)"
  fi
}

# The control bar and the settings window, as the checks of the effects meet them.
BAR_GREY=808080  # the bar's buttons
BLACK=000000     # the spotlight's dimmed part: layered alpha does not show on Xvfb
# bring_out_bar NAME: the pointer at the right edge brings the bar out (screenshot NAME).
bring_out_bar() {
  move_pointer 1919 640
  wait_for 5 pixel_is "$1" 1859 720 "$BAR_GREY" || fail "the bar did not come out (see $E2E_OUT/$1.png)"
}
# Whether more of the program's windows show than windows_before counted: a menu opened.
menu_open() { [ "$(program_windows | wc -l)" -gt "$windows_before" ]; }
settings_shown() { [ -n "$(xdotool search --onlyvisible --name 'Vellora设置' 2>/dev/null)" ]; }
# spotlight_over_settings PREFIX: the bar's settings button opens the settings window,
# which gives the screen something to dim; `far` is its colour at (660, 450), and the
# spotlight, switched on with the pointer at (500, 450), dims it there.
spotlight_over_settings() {
  bring_out_bar "$1-bar-out"
  click_at 1885 592
  wait_for 10 settings_shown || fail "no settings window"
  move_pointer 500 450
  far=$(pixel "$(screenshot "$1-before")" 660 450)
  [ "$far" != "$BLACK" ] || fail "the settings window is not where the check expects it"
  press ctrl+alt+shift+1
  expect_pixel "$1-spotlight" 660 450 "$BLACK" "the spotlight dims the settings window"
}

# The program's message boxes: titled with the program's name, as the follower and the
# control bar are, but owned by no window, while every window of the program is owned
# by its hidden application window.
boxes() {
  local w
  for w in $(program_windows); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Vellora ] &&
      xprop -id "$w" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'not found' && echo "$w"
  done
  return 0
}
a_box() { [ -n "$(boxes)" ]; }
# Closes the box with its default button, as Enter does.
box_gone() { ! boxes | grep -qx "$1"; }
close_box() { timeout 5 xdotool windowfocus "$1" 2>/dev/null || true; sleep 0.2; timeout 5 xdotool key Return; }

# Whether a shown window has exactly the title $1.
titled() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
# What a screen reader reads in the program's windows titled $@ (see WindowTextsProbe.cpp).
texts() { (cd "$E2E_OUT" && "$E2E_ROOT/scripts/wine-run" "$E2E_BIN/window_texts_probe.exe" "$@") | tr -d '\r'; }
# The items of the program's open menu, a line "item <text>" each (read from inside it).
menu_texts() { (cd "$E2E_OUT" && "$E2E_ROOT/scripts/wine-run" "$E2E_BIN/menu_texts_probe.exe") | tr -d '\r'; }
# Passes with $1 when the open menu holds the items $2..., or fails.
menu_reads() {
  local what=$1 items item; shift
  items=$(menu_texts)
  for item in "$@"; do
    grep -qxF -- "item $item" <<< "$items" || { fail "$what: no item '$item' (the items are: $(tr '\n' '|' <<< "$items"))"; return; }
  done
  pass "$what"
}
# Passes with $1 when the texts of the windows titled $3 hold the line $2, or fails.
reads() {
  if texts "$3" | grep -qxF -- "$2"; then pass "$1"
  else fail "$1: no line '$2' in the texts of '$3' (they are: $(texts "$3" | tr '\n' '|'))"; fi
}
# f5_reaches_notepad WHAT: F5 pressed in Wine's Notepad, which inserts the date and time
# for it, reaches it (passes with WHAT) or does not (fails); Notepad goes again.
f5_reaches_notepad() {
  local note=$E2E_RUN/f5.txt
  : > "$note"
  (cd "$E2E_RUN" && setsid "$E2E_ROOT/scripts/wine-run" notepad "$(basename "$note")" > /dev/null 2>&1 < /dev/null &)
  notepad_window() { xdotool search --onlyvisible --name 'f5' 2> /dev/null | head -n1; }
  has_notepad() { [ -n "$(notepad_window)" ]; }
  note_written() { [ -s "$note" ]; }
  if ! wait_for 30 has_notepad; then
    fail "Notepad did not start"
    return 0
  fi
  timeout 5 xdotool windowfocus "$(notepad_window)" 2> /dev/null || true
  sleep 0.5
  timeout 5 xdotool key --delay 100 F5 ctrl+s
  if wait_for 10 note_written; then pass "$1: $(tr -d '\r\0' < "$note")"; else fail "$1: Notepad got no F5"; fi
  local p
  for p in $(prefix_processes); do grep -qa notepad "/proc/$p/cmdline" && kill "$p" 2> /dev/null; done
  return 0
}
finish() {
  stop_program
  if [ "$E2E_FAILURES" -gt 0 ]; then
    log "$E2E_FAILURES check(s) failed"
    exit 1
  fi
  log "all checks passed"
}
