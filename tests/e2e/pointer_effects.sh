#!/usr/bin/env bash
# The spotlight, the laser pointer and the click rings as a presenter uses them, switched
# with their keys (Ctrl+Alt+Shift+1, 2, 3): the spotlight's clear circle over the settings
# window with the rest dimmed, the laser's dot and trail and the trail gone after a stop,
# a yellow ring after a left click and a blue one after a right click.
source "$(dirname "$0")/lib.sh"

effect_key() { press "ctrl+alt+shift+$1"; }
# count_color FILE X Y SIZE RRGGBB: pixels of that colour in the square of SIZE round X,Y
count_color() {
  convert "$1" -crop "$4x$4+$(($2 - $4 / 2))+$(($3 - $4 / 2))" +repage -depth 8 txt:- | grep -ci "#$5" || true
}
# A ring lives less than half a second: the screenshot is taken at once after the click,
# and the click is given again if the shot came too late.
ring_after_click() {  # NAME BUTTON X Y RRGGBB
  local try
  for try in 1 2 3; do
    move_pointer "$3" "$4"
    xdotool click "$2"
    [ "$(count_color "$(screenshot "$1")" "$3" "$4" 90 "$5")" -ge 20 ] && return 0
    sleep 0.6
  done
  return 1
}

start_program

# The settings window (the bar's settings button) gives the screen something to dim.
move_pointer 1919 640
wait_for 5 pixel_is fx-bar-out 1859 720 808080 || fail "the bar did not come out"
move_pointer 1885 592
xdotool click 1
wait_for 10 test -n "$(xdotool search --onlyvisible --name 'Vellora设置' 2>/dev/null)" || fail "no settings window"
move_pointer 500 450
near=$(pixel "$(screenshot fx-before)" 580 450)   # 80 pixels from the pointer
far=$(pixel "$E2E_OUT/fx-before.png" 660 450)     # 160 pixels from it
[ "$near" != "$BLACK" ] && [ "$far" != "$BLACK" ] || fail "the settings window is not where the check expects it"

effect_key 1
expect_pixel fx-spotlight 660 450 "$BLACK" "Ctrl+Alt+Shift+1: the spotlight dims the screen"
expect_pixel fx-spotlight 580 450 "$near" "and leaves a clear circle round the pointer, untinted"
expect_no_pixel fx-spotlight-no-picture 506 480 FFFFFF "the picture goes"
move_pointer 560 450
expect_pixel fx-spotlight-moved 660 450 "$far" "the clear circle follows the pointer"
expect_pixel fx-spotlight-moved 420 450 "$BLACK" "and where it was is dimmed again"

# The laser: a stroke from (900, 600) to (1200, 675), then a stop.
effect_key 2
expect_pixel fx-laser-no-spotlight 420 450 "$near" "Ctrl+Alt+Shift+2 switches the spotlight off"
move_pointer 900 600
for x in $(seq 920 20 1200); do xdotool mousemove "$x" $((600 + (x - 900) / 4)); sleep 0.02; done
stop_ms=$(date +%s%3N)
# The dot reaches the pointer's last place at the program's next tick: the check waits for
# it and looks for the trail in the same shot.
shot=$E2E_OUT/fx-laser.png
if wait_for 10 pixel_is fx-laser 1200 675 FF0000; then pass "a red dot at the pointer"; else fail "no dot at 1200,675 (see $shot)"; fi
# The trail shows the last half second of the movement, and a slow machine stretches the
# stroke beyond it: the trail is looked for 60 pixels behind the dot.
if [ "$(pixel "$shot" 1140 660)" != "$BLACK" ]; then pass "a trail along the stroke"; else fail "no trail at 1140,660 (see $shot)"; fi
trail_gone() { [ "$(pixel "$(screenshot fx-laser-gone)" 1140 660)" = "$BLACK" ]; }
if wait_for 6 trail_gone; then
  gone=$(( $(date +%s%3N) - stop_ms ))
  if [ "$gone" -ge 1500 ] && [ "$gone" -le 3500 ]; then pass "the trail is gone ${gone} ms after the stop"; else fail "the trail went ${gone} ms after the stop"; fi
else
  fail "the trail stays (see $E2E_OUT/fx-laser-gone.png)"
fi
expect_pixel fx-laser-dot-stays 1200 675 FF0000 "the dot stays"

# Click rings, with the laser still on: a left click on the bar's help button opens the
# help window through the ring, a right click on the desktop shows a blue ring.
effect_key 3
move_pointer 1919 640
wait_for 5 pixel_is fx-bar-out 1859 720 808080 || fail "the bar did not come out"
if ring_after_click fx-ring-left 1 1885 720 FFFF00; then pass "a yellow ring at a left click"; else fail "no yellow ring (see $E2E_OUT/fx-ring-left.png)"; fi
if wait_for 10 test -n "$(xdotool search --onlyvisible --name '^Vellora$' 2>/dev/null | head -n1)"; then
  pass "the click reached the help button beneath"
else
  fail "the help window did not open"
fi
if ring_after_click fx-ring-right 3 1500 300 0000FF; then pass "a blue ring at a right click"; else fail "no blue ring (see $E2E_OUT/fx-ring-right.png)"; fi
expect_pixel fx-laser-with-rings 1500 300 FF0000 "the laser stays on with the rings"

press F7
expect_no_pixel fx-halo 1500 300 FF0000 "F7 switches the laser off"
press F7
effect_key 3
move_pointer 1500 500
xdotool click 1
sleep 0.1
if [ "$(count_color "$(screenshot fx-no-ring)" 1500 500 90 FFFF00)" -lt 20 ]; then
  pass "Ctrl+Alt+Shift+3 again: no ring"
else
  fail "a ring after the rings were switched off"
fi
finish
