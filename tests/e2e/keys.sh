#!/usr/bin/env bash
# The keys as the program's frame: with its picture missing, the error box comes and goes
# and F8, F7, F6 with the arrows still work; F5 reaches another program while the keyboard
# mouse is off.
source "$(dirname "$0")/lib.sh"

YELLOW=FFFF00
run=$E2E_OUT/run-keys-missing
rm -rf "$run"
mkdir -p "$run"
cp -r "$E2E_BIN/Vellora.exe" "$E2E_BIN/GBTest.db" "$E2E_BIN/pic" "$run/"
sqlite3 "$run/GBTest.db" "update GBgs set FileN='pic\\nothere.png'"

error_box() { xdotool search --onlyvisible --name '^Vellora$' 2> /dev/null | while read -r w; do
  [ "$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" -gt 128 ] && echo "$w"; done | head -n1; }
start_program "$run"
if wait_for 20 test -n "$(error_box)"; then pass "the missing picture gives its error box"; else fail "no error box"; fi
box=$(error_box)
if [ -n "$box" ]; then timeout 5 xdotool windowfocus "$box" key Return 2> /dev/null || true; fi
sleep 1

move_pointer 600 400
press F7
expect_pixel keys-halo 640 400 "$YELLOW" "F7 works after the box"
press F8
expect_no_pixel keys-f8 640 400 "$YELLOW" "F8 works after the box (the halo goes)"
press F6
press Left Left
read -r x y < <(pointer)
if [ "$x" = 580 ] && [ "$y" = 400 ]; then pass "F6 and the arrows work after the box"; else fail "pointer at $x,$y, expected 580,400"; fi
press F6

# Keyboard mouse off: F5 is Notepad's (it inserts the date and time).
note=$run/f5.txt
: > "$note"
(cd "$run" && setsid "$E2E_ROOT/scripts/wine-run" notepad "$(basename "$note")" > /dev/null 2>&1 < /dev/null &)
notepad_window() { xdotool search --onlyvisible --name 'f5' 2> /dev/null | head -n1; }
if wait_for 20 test -n "$(notepad_window)"; then
  w=$(notepad_window)
  timeout 5 xdotool windowfocus "$w" 2> /dev/null || true
  sleep 0.5
  timeout 5 xdotool key --delay 100 F5 ctrl+s
  if wait_for 10 test -s "$note"; then pass "with the keyboard mouse off, F5 reaches Notepad: $(tr -d '\r\0' < "$note")"; else fail "Notepad got no F5"; fi
  for p in $(prefix_processes); do grep -qa notepad "/proc/$p/cmdline" && kill "$p"; done
else
  fail "Notepad did not start"
fi

finish
