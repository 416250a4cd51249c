#!/usr/bin/env bash
# The control bar as a presenter uses it on a 1920 x 1080 screen: it waits pulled back at
# the right edge and comes out when the pointer touches that edge at its height; its
# buttons switch between the halo and the picture and open the settings window, where a
# new halo size, saved and started, shows at once.
source "$(dirname "$0")/lib.sh"

# The bar's top is at 540; extended its left edge is at 1855, pulled back at 1915. Its
# buttons (grey 808080) are 25 high: settings at 580, picture at 612, halo at 644, help
# at 708. The bar is looked at left of the help button's caption, away from the pointer
# and whatever shows there.
YELLOW=FFFF00    # the default halo colour

start_program

# Pointer in the middle of the screen: only a 5-pixel strip of the bar is left.
move_pointer 960 100
expect_no_pixel cb-bar-in 1859 720 "$BAR_GREY" "the bar pulls back while the pointer is elsewhere"
expect_pixel cb-bar-strip 1917 650 "$BAR_GREY" "a strip of the bar stays at the edge"

move_pointer 1919 640
expect_pixel cb-bar-out 1859 720 "$BAR_GREY" "the pointer at the right edge brings the bar out"
move_pointer 1919 500
expect_no_pixel cb-bar-above 1859 720 "$BAR_GREY" "above the bar's height it pulls back again"

# Halo button: the halo replaces the picture.
bring_out_bar cb-bar-out
click_at 1885 656
move_pointer 600 400
expect_pixel cb-halo-on 640 400 "$YELLOW" "the halo button shows the halo at the pointer"
expect_no_pixel cb-halo-no-picture 606 430 FFFFFF "and hides the picture"

# Picture button: the picture replaces the halo.
bring_out_bar cb-bar-out
click_at 1885 624
move_pointer 600 400
expect_pixel cb-picture-on 606 430 FFFFFF "the picture button shows the picture at the pointer"
expect_no_pixel cb-picture-no-halo 640 400 "$YELLOW" "and hides the halo"

# Settings button. The window stands at (325, 197); its client area starts 4 pixels right
# of and 23 below that. The colour box's inside spans (379, 270) to (431, 286), its caption
# below row 272; the other points are the middles of the size box and the two buttons.
expect_no_pixel cb-settings-hidden 400 271 "$YELLOW" "the settings window is hidden at start"
bring_out_bar cb-bar-out
click_at 1885 592
expect_pixel cb-settings-open 400 271 "$YELLOW" "the settings button opens the window; its colour box shows the halo colour"

# A diameter of 300 instead of 100: typed, saved, started.
settings=$(xdotool search --onlyvisible --name 'Vellora设置' | head -n1)
click_at 473 310
xdotool windowfocus "$settings" 2>/dev/null || true
xdotool key --delay 30 End BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 30 300
click_at 506 368   # save
click_at 586 368   # start
move_pointer 1000 500
expect_pixel cb-big-halo-right 1140 500 "$YELLOW" "the started halo reaches 140 pixels from the pointer"
expect_pixel cb-big-halo-below 1000 640 "$YELLOW" "in every direction"
expect_no_pixel cb-big-halo-edge 1160 500 "$YELLOW" "and ends at its radius of 150"

finish
