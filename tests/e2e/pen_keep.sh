#!/usr/bin/env bash
# The pen's picture leaves it and comes back, driven with real keys: Ctrl+S writes the PNG
# the pen shows, Ctrl+C puts the same picture on the clipboard, a drawing kept as the pen
# closes comes back with Ctrl+B after it opens again, the wheel zooms and Ctrl+Z zooms
# back exactly, zooming out keeps what was drawn while zoomed in, twelve boards are undone
# to the drawing, a Pictures folder that cannot be written or a clipboard another program
# holds each give one message while the drawing stays, and looking back with Ctrl+B keeps
# no drawing again.
source "$(dirname "$0")/lib.sh"

RED=FF0000
GREY=808080
BLUE=0000FF
PURPLE=800080
# The part of the screen no palette or note stands on.
AREA=1700x900+0+0
desktop() { display -window root "$1" 2>/dev/null || true; }
# differs A B: how many pixels of AREA differ between two pictures
differs() {
  convert "$1" -crop "$AREA" +repage "$E2E_OUT/keep-a.png"
  convert "$2" -crop "$AREA" +repage "$E2E_OUT/keep-b.png"
  compare -metric AE "$E2E_OUT/keep-a.png" "$E2E_OUT/keep-b.png" null: 2>&1 || true
}
expect_same() {
  local n
  n=$(differs "$1" "$2")
  if [ "$n" = 0 ]; then pass "$3"; else fail "$3 ($n pixels differ: $1 and $2)"; fi
}
# The program's message boxes owned by the pen window (so standing above it): titled
# with the program's name, transient for the pen's X window.
message_boxes() {
  local w pen n=0
  for w in $(program_windows); do [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Form8 ] && pen=$w; done
  for w in $(program_windows); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Vellora ] || continue
    owner=$(xprop -id "$w" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*# //p')
    [ -n "$owner" ] && [ -n "${pen:-}" ] && [ $((owner)) = "$pen" ] && n=$((n + 1))
  done
  echo "$n"
}
one_message() { [ "$(message_boxes)" = 1 ]; }
no_message() { [ "$(message_boxes)" = 0 ]; }
dismiss_message() { press Return; wait_for 10 no_message || fail "the message box did not close"; }
probe() { (cd "$E2E_OUT" && "$E2E_ROOT/scripts/wine-run" "$E2E_BIN/clipboard_probe.exe" "$@"); }

# Pictures of this check's own, not the home folder Wine links the prefix's Pictures to.
# The prefix is made first: this check may be the first of its lane.
"$E2E_ROOT/scripts/wine-run"
USERDIR=$(find "$E2E_PREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
PICTURES=$E2E_OUT/keep-pictures
rm -rf "$PICTURES" && mkdir -p "$PICTURES"
rm -rf "$USERDIR/Pictures" && ln -s "$PICTURES" "$USERDIR/Pictures"
KEPT="$USERDIR/AppData/Local/Vellora/Recent"
rm -rf "$KEPT"

SLIDE=$E2E_OUT/keep-slide.png
convert -size 1920x1080 xc:black -fill "#$GREY" -draw 'rectangle 200,600 599,899' \
  -fill "#$BLUE" -draw 'rectangle 700,100 1099,399' "$SLIDE"
trap 'stop_program; chmod -R u+w "$PICTURES" 2>/dev/null; desktop xc:black' EXIT

start_program
desktop "$SLIDE"
move_pointer 1500 300
press Escape
expect_pixel keep-open 1786 100 "$PURPLE" "Esc opens the pen"
click_at 1844 62
drag 300 300 900 500
expect_pixel keep-line 600 400 "$RED" "a line"

# Ctrl+S: the PNG holds what the pen shows.
press ctrl+s
saved_png() { ls "$PICTURES"/Vellora/*.png 2>/dev/null | head -n1; }
if wait_for 10 saved_png; then
  shown=$(screenshot keep-saved-shown)
  expect_same "$shown" "$(saved_png)" "Ctrl+S saves the picture the pen shows ($(basename "$(saved_png)"))"
else
  fail "Ctrl+S wrote no PNG into $PICTURES/Vellora"
fi

# Ctrl+C: the clipboard's bitmap is the same picture.
press ctrl+c
rm -f "$E2E_OUT/keep-clip.bmp"
probe dump keep-clip.bmp || true
if [ -f "$E2E_OUT/keep-clip.bmp" ]; then
  expect_same "$(screenshot keep-copied-shown)" "$E2E_OUT/keep-clip.bmp" "Ctrl+C copies the picture the pen shows"
else
  fail "the clipboard held no bitmap after Ctrl+C"
fi

# Closed with a drawing, opened again on the bare slide: Ctrl+B brings the drawing back,
# Ctrl+Z the slide.
drawn=$(screenshot keep-drawn)
press Escape
expect_no_pixel keep-closed 1786 100 "$PURPLE" "Esc closes the pen"
kept_png() { ls "$KEPT"/kept-*.png 2>/dev/null | head -n1; }
wait_for 10 kept_png && pass "closing kept the drawing" || fail "nothing kept in $KEPT"
press Escape
expect_pixel keep-reopen 1786 100 "$PURPLE" "Esc opens the pen again"
expect_pixel keep-reopen 600 400 000000 "on the slide without the line"
bare=$(screenshot keep-bare)
press ctrl+b
expect_pixel keep-brought 600 400 "$RED" "Ctrl+B brings the drawing back"
expect_same "$(screenshot keep-brought)" "$drawn" "exactly as it was"
press ctrl+z
expect_pixel keep-undone 600 400 000000 "Ctrl+Z gives the screen of now"
expect_same "$(screenshot keep-undone)" "$bare" "exactly"

# The wheel zooms around the pointer, each notch one step; drawing goes on; the wheel back
# or Ctrl+Z for each step give the picture back.
press ctrl+y
expect_pixel keep-brought-again 600 400 "$RED" "Ctrl+Y brings the drawing back again"
before=$(screenshot keep-before-zoom)
move_pointer 700 420
zoom_in_and_draw() {
  move_pointer 700 420
  xdotool click 4
  xdotool click 4
  expect_no_pixel keep-zoomed 1000 395 "$BLUE" "two wheel notches zoom in around the pointer"
  expect_pixel keep-zoomed 1000 380 "$BLUE" "and the blue block grew towards it"
  drag 400 700 900 700
  expect_pixel keep-zoom-drawn 650 700 "$RED" "drawing goes on on the zoomed picture"
}
zoom_in_and_draw
press ctrl+z ctrl+z ctrl+z
expect_pixel keep-unzoomed 1000 395 "$BLUE" "Ctrl+Z takes the drawing and each zoom step back"
expect_same "$(screenshot keep-unzoomed)" "$before" "to the drawing before the zoom, exactly"
zoom_in_and_draw
move_pointer 700 420
xdotool click 5
xdotool click 5
expect_pixel keep-wheeled-out 1000 395 "$BLUE" "two notches back zoom out"
# Each notch scaled the picture 1.25 times around the pointer: the line drawn at 650,700
# while zoomed stands at 252 + 0.64 x, 84 + 0.8 (84 + 0.8 y) on the picture zoomed out.
expect_pixel keep-wheeled-out 668 599 "$RED" "with the line drawn while zoomed in, scaled with it"
press ctrl+z ctrl+z
expect_pixel keep-wheeled-undone 650 700 "$RED" "Ctrl+Z twice: zoomed in again, with the line"
expect_no_pixel keep-wheeled-undone 1000 395 "$BLUE" "and the blue block as large as when drawn"
press ctrl+z ctrl+z ctrl+z
expect_same "$(screenshot keep-wheeled-back)" "$before" "three more: the drawing before the zoom, exactly"

# Twelve boards, twelve Ctrl+Z: the drawing is back. Each press changes the slide's grey
# corner (white, black, the screen of now, again); the screen of now steps the pen aside
# for a moment, and a click in that moment would reach the slide, so each press waits
# until the palette is back.
next_board() {
  local was
  was=$(shot_pixel keep-board 210 890)
  click_at 1819 128
  wait_for 10 pixel_is_not keep-board 210 890 "$was" || fail "a board press changed nothing"
  wait_for 10 pixel_is keep-board 1786 100 "$PURPLE" || fail "the palette did not come back"
}
for _ in $(seq 12); do next_board; done
expect_no_pixel keep-boards 600 400 "$RED" "the boards cover the drawing"
focus_under_pointer
for _ in $(seq 12); do timeout 5 xdotool key ctrl+z; sleep 0.1; done
expect_pixel keep-boards-undone 600 400 "$RED" "twelve Ctrl+Z bring the drawing back"
expect_same "$(screenshot keep-boards-undone)" "$before" "exactly"

# A Pictures\Vellora that cannot be written: one message, the drawing stays.
chmod a-w "$PICTURES/Vellora"
chattr +i "$PICTURES/Vellora" 2>/dev/null || true
press ctrl+s
wait_for 10 one_message && pass "a folder that cannot be written gives one message" \
  || fail "no single message for the read-only folder ($(message_boxes) boxes); see $(screenshot keep-readonly)"
screenshot keep-readonly-message > /dev/null
dismiss_message
chattr -i "$PICTURES/Vellora" 2>/dev/null || true
chmod u+w "$PICTURES/Vellora"
expect_pixel keep-after-readonly 600 400 "$RED" "and the drawing stays on the pen"

# A clipboard another program holds: one message, the drawing stays.
rm -f "$E2E_OUT/keep-release"
probe hold keep-release > "$E2E_OUT/keep-hold.log" 2>&1 &
wait_for 20 grep -q holding "$E2E_OUT/keep-hold.log" || fail "the probe did not take the clipboard"
press ctrl+c
wait_for 10 one_message && pass "a held clipboard gives one message" \
  || fail "no single message for the held clipboard ($(message_boxes) boxes)"
screenshot keep-held-message > /dev/null
dismiss_message
touch "$E2E_OUT/keep-release"
wait
expect_pixel keep-after-held 600 400 "$RED" "and the drawing stays on the pen"

# Looking back costs no kept drawing: a drawing brought back and left as it was is not
# kept again as the pen closes, and none is deleted to make room for it. (Ctrl+B waits
# for the keeping of the closing before, so each listing sees what that closing did.)
press Escape
expect_no_pixel keep-browse-closed 1786 100 "$PURPLE" "Esc closes the pen with the drawing"
look_back() {
  press Escape
  expect_pixel "keep-browse-$1" 1786 100 "$PURPLE" "Esc opens the pen ($1)"
  press ctrl+b
  expect_pixel "keep-browse-$1" 600 400 "$RED" "Ctrl+B shows the newest kept drawing ($1)"
}
look_back first
kept_before=$(ls "$KEPT")
press Escape
for round in 1 2 3; do
  look_back "round $round"
  press Escape
done
look_back last
if [ "$(ls "$KEPT")" = "$kept_before" ]; then
  pass "three rounds of looking back leave the kept drawings as they were"
else
  fail "the kept drawings changed: $(echo $kept_before) became $(ls "$KEPT" | tr '\n' ' ')"
fi

press Escape
finish
