#!/usr/bin/env bash
# The program on a desktop with a window manager (openbox) that Wine lets handle its
# windows, as on a presenter's PC: the full-screen spotlight is then a window the manager
# stacks above others and gives the focus to. The control bar's right-click menu must still
# open over it, show, and work: its 电子笔 opens the pen on the undimmed screen, and Esc
# brings the spotlight back.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
unset DISPLAY
export VELLORA_XVFB=desktop VELLORA_WM=openbox WINEPREFIX=$root/build/wineprefix-desktop
source "$here/lib.sh"

PURPLE=800080  # the pen's palette frame, at (1786, 100)

start_program
spotlight_over_settings dt

# The menu opens where the bar was right-clicked, left of the pointer at the screen edge;
# its fifth item, 电子笔, stands 84 pixels below the click.
bring_out_bar dt-bar-out
move_pointer 1900 700
windows_before=$(program_windows | wc -l)
xdotool click 3
if wait_for 5 menu_open; then pass "the bar's right-click menu opens over the spotlight"; else fail "no menu opened on a right click of the bar"; fi
expect_no_pixel dt-menu 1870 786 "$BLACK" "and shows above it"
click_at 1870 786
expect_pixel dt-pen-open 1786 100 "$PURPLE" "its 电子笔 opens the pen"
expect_pixel dt-pen-undimmed 660 450 "$far" "on the screen without the spotlight"

press Escape
expect_no_pixel dt-pen-closed 1786 100 "$PURPLE" "Esc closes the pen"
move_pointer 500 450
expect_pixel dt-spotlight-back 660 450 "$BLACK" "and the spotlight comes back"
finish
