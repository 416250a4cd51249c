#!/usr/bin/env bash
# Live ink as a teacher uses it over a running program: its key opens it over Notepad, a
# red stroke is drawn, the desktop beneath changes and shows around the unchanged stroke;
# the key lets clicks and typing through to Notepad while the stroke stays; back to drawing,
# Ctrl+Z takes the stroke away; Esc closes live ink and Ctrl+B in a new one brings it back;
# Ctrl+S and Ctrl+C take the screen with the ink on it.
# On a desktop with a window manager, as on a presenter's PC: without one, Wine raises a
# clicked window above the top-most ones on the X display, the ink's included.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
unset DISPLAY
export VELLORA_XVFB=desktop VELLORA_WM=openbox WINEPREFIX=$root/build/wineprefix-desktop
source "$here/lib.sh"

RED=FF0000
WHITE=FFFFFF
ink_window() { xdotool search --onlyvisible --name '^实时画笔$' 2> /dev/null | head -n1; }
ink_shown() { [ -n "$(ink_window)" ]; }
ink_gone() { ! ink_shown; }
notepad_window() { xdotool search --onlyvisible --name 'live' 2> /dev/null | head -n1; }
has_notepad() { [ -n "$(notepad_window)" ]; }
# The stroke, drawn from (300, 400) to (700, 400) through a few points on the way.
stroke() {
  move_pointer 300 400
  xdotool mousedown 1
  local x
  for x in 350 450 550 650 700; do move_pointer "$x" 400; done
  xdotool mouseup 1
  sleep 0.3
}

stop_notepad() {
  local p
  for p in $(prefix_processes); do grep -qa notepad "/proc/$p/cmdline" && kill "$p" 2> /dev/null; done
  return 0
}
trap 'stop_notepad; stop_program' EXIT

# Pictures of this check's own, not the home folder Wine links the prefix's Pictures to.
"$E2E_ROOT/scripts/wine-run"
USERDIR=$(find "$E2E_PREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
PICTURES=$E2E_OUT/ink-pictures
rm -rf "$PICTURES" && mkdir -p "$PICTURES"
rm -rf "$USERDIR/Pictures" && ln -s "$PICTURES" "$USERDIR/Pictures"
probe() { (cd "$E2E_OUT" && "$E2E_ROOT/scripts/wine-run" "$E2E_BIN/clipboard_probe.exe" "$@"); }

start_program
note=$E2E_RUN/live.txt
: > "$note"
(cd "$E2E_RUN" && setsid "$E2E_ROOT/scripts/wine-run" notepad "$(basename "$note")" > /dev/null 2>&1 < /dev/null &)
wait_for 30 has_notepad || { fail "Notepad did not start"; finish; }
xdotool windowmove "$(notepad_window)" 100 200 windowsize "$(notepad_window)" 900 500
sleep 1
expect_pixel ink-notepad 500 450 "$WHITE" "Notepad stands beneath, white where its text goes"

# The picture goes: under Wine its window at the pointer takes the X click that the
# program passes on, and the window manager then gives Notepad no keyboard.
move_pointer 900 500
press F8
press ctrl+alt+shift+5
wait_for 10 ink_shown || fail "Ctrl+Alt+Shift+5 opened no live ink (see $(screenshot ink-open))"
expect_pixel ink-opened 500 450 "$WHITE" "live ink opens see-through: Notepad shows beneath it"
stroke
expect_pixel ink-stroke 500 400 "$RED" "a red stroke is drawn over Notepad"
expect_pixel ink-stroke 500 450 "$WHITE" "and Notepad shows around it"

# The desktop beneath changes: Notepad moves down, the root's black shows where it was.
xdotool windowmove "$(notepad_window)" 100 500
expect_pixel ink-desktop 500 450 "$BLACK" "the desktop beneath shows as it is now"
expect_pixel ink-desktop 500 400 "$RED" "around the unchanged stroke"
expect_pixel ink-desktop 500 600 "$WHITE" "and Notepad where it moved to"
xdotool windowmove "$(notepad_window)" 100 200
sleep 0.5

# Clicks and typing pass through to Notepad; the stroke stays.
press ctrl+alt+shift+5
expect_pixel ink-passing 1786 100 505050 "the key lets the clicks pass: the palette's frame turns grey"
click_at 500 600
sleep 0.3
timeout 5 xdotool type --delay 60 "live"
timeout 5 xdotool key --delay 100 ctrl+s
note_holds() { grep -q live "$note"; }
if wait_for 10 note_holds; then pass "a click and typed text reach Notepad beneath: $(tr -d '\r\0' < "$note")"
else fail "Notepad got no text (see $(screenshot ink-typed))"; fi
expect_pixel ink-typed 500 400 "$RED" "the stroke stays over Notepad"

# Back to drawing: Ctrl+Z takes the stroke away.
press ctrl+alt+shift+5
expect_pixel ink-drawing 1786 100 800080 "the key brings the drawing back: the frame is purple again"
timeout 5 xdotool windowfocus "$(ink_window)" 2> /dev/null || true
timeout 5 xdotool key ctrl+z
expect_pixel ink-undone 500 400 "$WHITE" "Ctrl+Z takes the stroke away"
timeout 5 xdotool key ctrl+y
expect_pixel ink-redone 500 400 "$RED" "Ctrl+Y brings it back"

# Esc closes live ink, which keeps the stroke; Ctrl+B in a new one brings it back.
press Escape
wait_for 10 ink_gone || fail "Esc left live ink open"
expect_pixel ink-closed 500 400 "$WHITE" "Esc closes live ink: Notepad shows whole"
press ctrl+alt+shift+5
wait_for 10 ink_shown || fail "live ink did not open again"
expect_pixel ink-again 500 400 "$WHITE" "a new live ink opens empty"
timeout 5 xdotool windowfocus "$(ink_window)" 2> /dev/null || true
timeout 5 xdotool key ctrl+b
expect_pixel ink-back 500 400 "$RED" "Ctrl+B brings the kept stroke back"
expect_pixel ink-back 500 450 "$WHITE" "over Notepad as it is now"

# Ctrl+S and Ctrl+C take the screen of now with the ink on it, and not the palette.
timeout 5 xdotool key ctrl+s
saved_png() { ls "$PICTURES"/Vellora/*.png 2>/dev/null | head -n1; }
if wait_for 10 saved_png; then
  sleep 0.5
  if [ "$(pixel "$(saved_png)" 500 400)" = "$RED" ] && [ "$(pixel "$(saved_png)" 500 450)" = "$WHITE" ] &&
    [ "$(pixel "$(saved_png)" 1786 100)" != 800080 ]; then
    pass "Ctrl+S saves the stroke over Notepad, without the palette"
  else
    fail "the saved picture shows $(pixel "$(saved_png)" 500 400) at the stroke, $(pixel "$(saved_png)" 1786 100) at the palette ($(saved_png))"
  fi
else
  fail "Ctrl+S wrote no PNG into $PICTURES/Vellora"
fi
timeout 5 xdotool windowfocus "$(ink_window)" 2> /dev/null || true
timeout 5 xdotool key ctrl+c
sleep 0.5
rm -f "$E2E_OUT/ink-clip.bmp"
probe dump ink-clip.bmp || true
if [ -f "$E2E_OUT/ink-clip.bmp" ] && [ "$(pixel "$E2E_OUT/ink-clip.bmp" 500 400)" = "$RED" ]; then
  pass "Ctrl+C copies it with the ink on it"
else
  fail "the clipboard holds no picture with the stroke ($E2E_OUT/ink-clip.bmp)"
fi
press Escape
wait_for 10 ink_gone || fail "Esc left the second live ink open"
stop_notepad
finish
