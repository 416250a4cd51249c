#!/usr/bin/env bash
# The pen and the pointer effects together, as a presenter meets them: the pen opened from
# the control bar while the spotlight is on opens on the undimmed screen; effect keys
# pressed while it is open show nothing over it; the palette's close glyph brings the
# spotlight back, and so does the next Esc opening and closing; and the bar's right-click
# menu opens with the spotlight on.
source "$(dirname "$0")/lib.sh"

PURPLE=800080    # the pen's palette frame, at (1781, 5)
RED=FF0000       # the laser's dot
CLOSE_GLYPH="1872 35"
effect_key() { press "ctrl+alt+shift+$1"; }

start_program
spotlight_over_settings pe

# The bar's right-click menu, with the spotlight on.
bring_out_bar pe-bar-out
windows_before=$(program_windows | wc -l)
xdotool click 3
if wait_for 5 menu_open; then pass "the bar's right-click menu opens over the spotlight"; else fail "no menu opened on a right click of the bar"; fi
screenshot pe-menu > /dev/null
xdotool key Escape
sleep 0.5

# The bar's pen button while the spotlight is on: the pen opens on the screen undimmed.
bring_out_bar pe-bar-out
click_at 1885 688
expect_pixel pe-pen-open 1786 100 "$PURPLE" "the bar's pen button opens the pen"
expect_pixel pe-pen-undimmed 660 450 "$far" "on a copy of the screen without the spotlight"

press Escape
expect_no_pixel pe-bar-pen-closed 1786 100 "$PURPLE" "Esc closes it"
move_pointer 500 450
expect_pixel pe-bar-pen-spotlight 660 450 "$BLACK" "and the spotlight comes back"

# Opened with Esc, closed with the close glyph: the spotlight comes back.
press Escape
expect_pixel pe-esc-open 1786 100 "$PURPLE" "Esc opens the pen"
expect_pixel pe-esc-undimmed 660 450 "$far" "on the screen without the spotlight"
click_at $CLOSE_GLYPH
expect_no_pixel pe-closed 1786 100 "$PURPLE" "the close glyph closes the pen"
move_pointer 500 450
expect_pixel pe-closed-spotlight 660 450 "$BLACK" "and the spotlight comes back"

# And the next opening still remembers it.
press Escape
expect_pixel pe-again-open 1786 100 "$PURPLE" "Esc opens the pen again"

# Effect keys while the pen is open show nothing over it.
move_pointer 900 600
effect_key 2
sleep 0.5
expect_no_pixel pe-pen-no-laser 900 600 "$RED" "the laser's key shows no dot over the pen"
effect_key 1
sleep 0.5
expect_pixel pe-pen-no-spotlight 660 450 "$far" "the spotlight's key does not dim the pen"
expect_pixel pe-pen-no-spotlight 1786 100 "$PURPLE" "nor black out the palette"

# Laser, then spotlight, were chosen last: the spotlight comes back at the closing.
press Escape
expect_no_pixel pe-esc-closed 1786 100 "$PURPLE" "Esc closes the pen"
expect_pixel pe-esc-spotlight 660 450 "$BLACK" "and the spotlight, chosen last, comes back"

finish
