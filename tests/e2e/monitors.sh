#!/usr/bin/env bash
# A laptop at 150 % with a projector beside it: the control bar at the laptop's right edge
# at its scaled size, the picture following the pointer onto the projector, and Esc there
# opening the pen (and live ink) over exactly the projector with its palette at the
# projector's top-right.
# Wine sees two monitors on one wide Xvfb screen through a stand-in libXinerama.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
stand_in=$root/build/e2e/xinerama
mkdir -p "$stand_in"
cc -shared -fPIC -o "$stand_in/libXinerama.so.1" "$here/fake_xinerama.c"

# A display and a Wine prefix of this check's own: RandR off, so that Wine asks Xinerama.
unset DISPLAY
export VELLORA_XVFB=monitors VELLORA_SCREEN=2304x800x24 VELLORA_XVFB_ARGS="-extension RANDR"
export LD_LIBRARY_PATH=$stand_in${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export VELLORA_WINE_DPI=144 WINEPREFIX=$root/build/wineprefix-monitors
source "$here/lib.sh"

# use_heads "X,Y,W,H;X,Y,W,H": the monitors Wine sees from the next start on. Wine keeps
# the monitors it found for as long as its wineserver runs, and that one is persistent (an
# earlier run's may still be up), so it goes too.
use_heads() {
  stop_program
  wineserver -k 2>/dev/null || true
  # Gone before the next one starts: a new server beside a dying one finds its socket taken.
  timeout 30 wineserver -w 2>/dev/null || true
  export VELLORA_HEADS=$1
}

# The geometry of the program's window of this size: "x y", or nothing.
window_at_size() {
  local w
  for w in $(program_windows); do
    xdotool getwindowgeometry --shell "$w" | awk -F= -v size="$1" '
      /^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{if (w "x" h == size) print x, y}'
  done
}
window_is() { [ "$(window_at_size "$1")" = "$2" ]; }

use_heads "0,0,1280,800;1280,0,1024,768"
# The prefix is made first, so that the first start's wait does not hold its making (this
# check may be the first of its lane, on a busy machine).
"$E2E_ROOT/scripts/wine-run"
start_program
move_pointer 640 100
if wait_for 10 window_is 98x297 "1272 400"; then
  pass "control bar at the laptop's right edge, 98 x 297, pulled back to its 8-pixel strip"
else
  fail "control bar: expected 98x297 at 1272,400, saw $(window_at_size 98x297)"
fi

expect_pixel monitors-bar 1300 450 000000 "the pulled-back bar shows nothing on the projector"

move_pointer 1800 400
if wait_for 10 window_is 128x128 "1735 335"; then
  pass "the picture follows the pointer onto the projector, at its stored size"
else
  fail "picture on the projector: expected 1735,335, saw $(window_at_size 128x128)"
fi

# The spotlight covers the monitor that holds the pointer, the projector, and no other.
press ctrl+alt+shift+1
if wait_for 10 window_is 1024x768 "1280 0"; then
  pass "the spotlight covers exactly the projector"
else
  fail "spotlight: expected 1024x768 at 1280,0"
fi
move_pointer 640 400
if wait_for 10 window_is 1280x800 "0 0"; then
  pass "and moves to the laptop with the pointer"
else
  fail "spotlight: expected 1280x800 at 0,0"
fi
press ctrl+alt+shift+1
move_pointer 1800 400

press Escape
if wait_for 10 window_is 1024x768 "1280 0"; then
  pass "Esc on the projector opens the pen over exactly the projector"
else
  fail "pen: expected 1024x768 at 1280,0"
fi
# The palette's purple frame: 209 pixels from the projector's right edge, 8 from its top.
expect_pixel monitors-pen 2098 12 800080 "the palette stands at the projector's top-right, scaled"
expect_no_pixel monitors-pen-edge 2093 12 800080 "the palette's frame starts no further left"
press Escape
# Live ink likewise, over the live projector.
press ctrl+alt+shift+5
if wait_for 10 window_is 1024x768 "1280 0"; then
  pass "live ink on the projector covers exactly the projector"
else
  fail "live ink: expected 1024x768 at 1280,0"
fi
expect_pixel monitors-ink 2098 12 800080 "its palette stands at the projector's top-right, scaled"
press Escape

# The projector left of the laptop and lower: at negative coordinates for the program
# (-1024,32 to 0,800), X's 0,32 to 1024,800 here.
use_heads "1024,0,1280,800;0,32,1024,768"
start_program
move_pointer 1500 100
if wait_for 10 window_is 98x297 "2296 400"; then
  pass "with the projector on the left, the bar stays at the laptop's right edge"
else
  fail "control bar: expected 98x297 at 2296,400, saw $(window_at_size 98x297)"
fi
move_pointer 500 400
if wait_for 10 window_is 128x128 "435 335"; then
  pass "the picture follows the pointer at negative coordinates"
else
  fail "picture left of the laptop: expected 435,335, saw $(window_at_size 128x128)"
fi
press F7
if wait_for 10 window_is 100x100 "450 350"; then
  pass "the halo follows the pointer at negative coordinates"
else
  fail "halo left of the laptop: expected 100x100 at 450,350, saw $(window_at_size 100x100)"
fi
press F7
press F6
press Left Left Up
if wait_for 5 test "$(pointer)" = "480 390"; then
  pass "the arrow keys move the pointer at negative coordinates"
else
  fail "keyboard mouse: expected the pointer at 480,390, saw $(pointer)"
fi
press F6
press Escape
if wait_for 10 window_is 1024x768 "0 32"; then
  pass "Esc on the left projector opens the pen over exactly it"
else
  fail "pen: expected 1024x768 at 0,32"
fi
expect_pixel monitors-left-pen 818 44 800080 "its palette stands at that projector's top-right"
press Escape
finish
