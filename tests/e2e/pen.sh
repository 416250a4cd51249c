#!/usr/bin/env bash
# The electronic pen as a presenter uses it on a 1920 x 1080 screen: Esc opens it on a
# copy of the screen, a rectangle and an arrow are dragged with the mouse, Ctrl+Z and
# Ctrl+Y take the arrow back and bring it again, a refresh clears the drawing and Ctrl+Z
# brings it back, the palette is moved by its frame with the right and then the left
# button, the board button brings a white board, and Esc closes it again.
source "$(dirname "$0")/lib.sh"

# The palette stands at (1781, 5); its purple frame is 16 pixels wide at the left. The
# toolbar's buttons are 25 x 22 from (1807, 51), three to a row: rectangle in the first
# row, refresh at the end of the second, arrow in the third, board in the fourth. The
# brush colour swatch's middle is at (1859, 256).
RED=FF0000
PURPLE=800080
WHITE=FFFFFF
# drag X1 Y1 X2 Y2: press, a few moves past the end and back, release
drag() {
  move_pointer "$1" "$2"
  xdotool mousedown 1
  move_pointer $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 + 30 ))
  move_pointer $(( $3 + 60 )) $(( $4 + 40 ))
  move_pointer "$3" "$4"
  xdotool mouseup 1
}
# drag_frame BUTTON X1 X2: holds the palette's frame at height 150 and moves it to X2
drag_frame() {
  move_pointer "$2" 150
  xdotool mousedown "$1"
  move_pointer $(( ($2 + $3) / 2 )) 152
  move_pointer "$3" 150
  xdotool mouseup "$1"
}

start_program

move_pointer 600 400
expect_pixel pen-before 606 430 "$WHITE" "the picture follows the pointer before the pen opens"
press Escape
expect_pixel pen-open 1786 100 "$PURPLE" "Esc opens the pen with its palette"
expect_pixel pen-open-copy 606 430 "$BLACK" "the copy of the screen is taken with the picture hidden"

# A rectangle from (300, 300) to (500, 420): red outline, filled with the brush colour.
click_at 1868 62
drag 300 300 500 420
brush=$(pixel "$(screenshot pen-rectangle)" 1859 256)
expect_pixel pen-rectangle 300 360 "$RED" "the rectangle's outline is red"
expect_pixel pen-rectangle 400 360 "$brush" "its inside has the brush colour"
expect_pixel pen-rectangle 530 400 "$BLACK" "the rubber band leaves no trace beside it"

# An arrow from (300, 600) to (600, 600): its barbs end at (580, 610) and (580, 590).
click_at 1819 106
drag 300 600 600 600
expect_pixel pen-arrow 450 600 "$RED" "the arrow's shaft"
expect_pixel pen-arrow 580 610 "$RED" "one barb 20 back and 10 below the tip"
expect_pixel pen-arrow 580 590 "$RED" "the other 10 above"
expect_pixel pen-arrow 320 610 "$BLACK" "no head at the tail"

# The keys reach the pen after a press on it: Ctrl+Z takes the arrow back, Ctrl+Y redoes.
xdotool key ctrl+z
expect_pixel pen-undo 450 600 "$BLACK" "Ctrl+Z takes the arrow back"
expect_pixel pen-undo 300 360 "$RED" "and leaves the rectangle"
xdotool key ctrl+y
expect_pixel pen-redo 450 600 "$RED" "Ctrl+Y brings the arrow back"

# A refresh shows the screen without the drawing; Ctrl+Z brings the drawing back.
click_at 1869 84
expect_pixel pen-refresh 300 360 "$BLACK" "a refresh clears the drawing"
expect_pixel pen-refresh 1786 100 "$PURPLE" "with the palette still there"
focus_under_pointer
xdotool key ctrl+z
expect_pixel pen-refresh-undone 300 360 "$RED" "Ctrl+Z brings the rectangle back"
expect_pixel pen-refresh-undone 450 600 "$RED" "and the arrow"

# The frame drags the palette with the right button, 150 pixels to the left; after the
# release it stays where it was left, then the left button drags it 150 further.
drag_frame 3 1786 1636
move_pointer 1200 700
expect_pixel pen-palette-right 1636 100 "$PURPLE" "the right button drags the frame"
expect_no_pixel pen-palette-right 1786 100 "$PURPLE" "and the palette leaves its old place"
expect_no_pixel pen-palette-right 1050 650 "$PURPLE" "the release ends the drag"
drag_frame 1 1641 1491
expect_pixel pen-palette-moved 1486 100 "$PURPLE" "the left button drags it as well"
expect_no_pixel pen-palette-moved 1636 100 "$PURPLE" "and it leaves its old place"

# The board button, now 300 pixels further left: a white board replaces the drawing.
click_at 1519 128
expect_pixel pen-white-board 400 360 "$WHITE" "the board button shows a white board over the rectangle"
expect_pixel pen-white-board 450 600 "$WHITE" "and over the arrow"

press Escape
expect_no_pixel pen-closed 1486 100 "$PURPLE" "Esc closes the pen"
expect_pixel pen-closed 400 360 "$BLACK" "the desktop shows again"
move_pointer 900 500
expect_pixel pen-follower-back 906 530 "$WHITE" "and the picture follows the pointer again"

finish
