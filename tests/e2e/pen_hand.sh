#!/usr/bin/env bash
# The pen in the hand, over Notepad's black text on white, in the pen and then in live ink:
# Shift+Y and a stroke that crosses itself mark a line of text in yellow, the letters
# staying black; R draws red; Shift straightens a slanted line and squares a wide
# rectangle; Ctrl and the wheel widen the pen; three clicks give three numbered marks and
# Ctrl+Z takes the third; E clears everything and Ctrl+Z brings it back.
source "$(dirname "$0")/lib.sh"

RED=FF0000
YELLOW=FFFF00
WHITE=FFFFFF
notepad_window() { xdotool search --onlyvisible --name 'hand' 2> /dev/null | head -n1; }
has_notepad() { [ -n "$(notepad_window)" ]; }
stop_notepad() {
  local p
  for p in $(prefix_processes); do grep -qa notepad "/proc/$p/cmdline" && kill "$p" 2> /dev/null; done
  return 0
}
trap 'stop_notepad; stop_program' EXIT
# hold_drag KEY X1 Y1 X2 Y2: a drag with KEY held (or "none"), through the middle
hold_drag() {
  [ "$1" = none ] || xdotool keydown "$1"
  move_pointer "$2" "$3"
  xdotool mousedown 1
  move_pointer $(( ($2 + $4) / 2 )) $(( ($3 + $5) / 2 ))
  move_pointer "$4" "$5"
  xdotool mouseup 1
  [ "$1" = none ] || xdotool keyup "$1"
  sleep 0.2
}
# dark_columns SHOT Y: the columns of row Y, from 110 to 350, whose pixel is dark (red
# and green below 100), one a line.
dark_columns() {
  convert "$1" -crop "240x1+110+$2" +repage -depth 8 txt:- |
    awk -F'[(),: ]+' 'NR > 1 && $4 < 100 && $5 < 100 { print $1 + 110 }'
}

start_program
note=$E2E_RUN/hand.txt
printf 'MMMM WWWW MMMM WWWW MMMM WWWW MMMM\r\n' > "$note"
(cd "$E2E_RUN" && setsid "$E2E_ROOT/scripts/wine-run" notepad "$(basename "$note")" > /dev/null 2>&1 < /dev/null &)
wait_for 30 has_notepad || { fail "Notepad did not start"; finish; }
xdotool windowmove "$(notepad_window)" 100 200 windowsize "$(notepad_window)" 900 500
sleep 1
press F8  # the picture stays out of the copy
move_pointer 900 600
shot=$(screenshot hand-notepad)
# The row of the letters' tops, where most of their pixels are dark.
text_y=$(for y in $(seq 240 262); do echo "$(dark_columns "$shot" "$y" | wc -l) $y"; done | sort -n | tail -n1 | cut -d' ' -f2)
letters=$(dark_columns "$shot" "$text_y")
[ -n "$letters" ] || { fail "no text found in Notepad (see $shot)"; finish; }
log "Notepad's letters: $(echo "$letters" | wc -l) dark pixels in row $text_y"

ink_window() { xdotool search --onlyvisible --name '^实时画笔$' 2> /dev/null | head -n1; }
# The keyboard to where the checks draw: the pen, under the pointer, or live ink, which is
# see-through where it has no ink. Under Wine that is also where the mouse goes through to
# the window beneath, so the checks draw over Notepad only.
focus_drawing() {
  if [ "$mode" = ink ]; then
    timeout 5 xdotool windowfocus "$(ink_window)" 2> /dev/null || true
    sleep 0.2
  else
    focus_under_pointer
  fi
}

# hand_checks NAME KEY: the checks in the pen or live ink, opened by KEY; shots NAME-*.
hand_checks() {
  mode=$1
  log "in $1"
  press "$2"
  focus_drawing
  timeout 5 xdotool key shift+y
  hold_drag none 105 "$text_y" 600 "$text_y"
  hold_drag none 600 $((text_y + 2)) 105 $((text_y + 2))  # back over itself
  shot=$(screenshot $1-highlighted)
  if [ "$(dark_columns "$shot" "$text_y")" = "$letters" ]; then pass "the yellow highlighter leaves every letter's pixel dark"
  else fail "the letters' pixels in row $text_y changed under the highlighter (see $shot)"; fi
  expect_pixel $1-highlighted 360 "$text_y" "$YELLOW" "and turns the white between and after them yellow"
  expect_pixel $1-crossed 400 $((text_y - 6)) "$YELLOW" "yellow where the stroke went once"
  expect_pixel $1-crossed 400 $((text_y + 5)) "$YELLOW" "and the same yellow where it crossed itself"

  timeout 5 xdotool key r
  hold_drag none 300 600 500 600
  expect_pixel $1-red 400 600 "$RED" "R, then a stroke: red"

  click_at 1844 62  # the line tool
  hold_drag shift 300 650 600 668
  expect_pixel $1-straight 590 650 "$RED" "Shift straightens a slanted drag into a horizontal line"
  click_at 1868 62  # the rectangle
  hold_drag shift 700 300 900 350
  expect_pixel $1-square 800 500 "$RED" "and a wide rectangle into a square"

  # Ctrl and two wheel notches over the picture: the pen two pixels wider.
  click_at 1819 62  # the freehand pen
  move_pointer 800 450
  focus_drawing
  xdotool keydown ctrl click 4 click 4 keyup ctrl
  sleep 0.3
  hold_drag none 300 680 600 680
  shot=$(screenshot $1-wider)
  thick=$(convert "$shot" -crop 1x30+450+665 +repage -depth 8 txt:- | grep -ci "#$RED" || true)
  [ "$thick" = 7 ] && pass "Ctrl and the wheel widen the pen from 5 to 7 pixels" || fail "the stroke is $thick pixels thick (see $shot)"

  # Three numbered marks, and Ctrl+Z takes the third away.
  click_at 1844 150  # the numbered marks
  for x in 700 800 900; do click_at "$x" 620; done
  sleep 0.3
  shot=$(screenshot $1-marks)
  marks=0
  for x in 700 800 900; do
    [ "$(pixel "$shot" $((x - 17)) 620)" = "$RED" ] && [ "$(pixel "$shot" $((x + 17)) 620)" = "$RED" ] && marks=$((marks + 1))
  done
  [ "$marks" = 3 ] && pass "three clicks put three red numbered circles" || fail "$marks numbered circles of 3 (see $shot)"
  focus_drawing
  timeout 5 xdotool key ctrl+z
  expect_pixel $1-marks-undone $((900 - 17)) 620 "$WHITE" "Ctrl+Z takes the third away, Notepad beneath"
  expect_pixel $1-marks-undone $((800 - 17)) 620 "$RED" "and leaves the second"

  focus_drawing
  timeout 5 xdotool key e
  expect_pixel $1-erased 400 600 "$WHITE" "E erases everything"
  timeout 5 xdotool key ctrl+z
  expect_pixel $1-back 400 600 "$RED" "Ctrl+Z brings it back"
  press Escape
}

hand_checks pen Escape
hand_checks ink ctrl+alt+shift+5
stop_notepad
finish
