#!/usr/bin/env bash
# The keys as the program's frame: with its picture missing, the error box comes and F6
# with the arrows works while it is open; F5 reaches another program while the keyboard
# mouse is off.
source "$(dirname "$0")/lib.sh"

run=$E2E_OUT/run-keys-missing
rm -rf "$run"
mkdir -p "$run"
cp -r "$E2E_BIN/Vellora.exe" "$E2E_BIN/GBTest.db" "$E2E_BIN/pic" "$run/"
sqlite3 "$run/GBTest.db" "update GBgs set FileN='pic\\nothere.png'"

error_box() { xdotool search --onlyvisible --name '^Vellora$' 2> /dev/null | while read -r w; do
  [ "$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" -gt 128 ] && echo "$w"; done | head -n1; }
# The box comes before the windows show: the program is launched, not waited for.
stop_program
E2E_RUN=$run
launch_program
has_error_box() { [ -n "$(error_box)" ]; }
if wait_for 60 has_error_box; then pass "the missing picture gives its error box"; else fail "no error box"; fi
# The keys are the program's frame: they work already while the box is still open (xdotool's
# clicks do not reach Wine's message box here, so it stays); a click on it gives the program
# the X input focus, which Wine's hot keys need.
eval "$(xdotool getwindowgeometry --shell "$(error_box)")"
move_pointer $((X + 40)) $((Y + 50))
xdotool click 1
move_pointer 600 400
press F6
press Left Left
read -r x y < <(pointer)
if [ "$x" = 580 ] && [ "$y" = 400 ]; then pass "F6 and the arrows work while the box is open"; else fail "pointer at $x,$y, expected 580,400"; fi
press F6

# Keyboard mouse off: F5 is Notepad's.
f5_reaches_notepad "with the keyboard mouse off, F5 reaches Notepad"
finish
