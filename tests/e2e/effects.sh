#!/usr/bin/env bash
# The pointer effects as a presenter uses them: the picture follows the pointer, F7 swaps
# it for the halo in the stored colour, F8 brings the picture back, F6 and the arrow keys
# move the pointer.
source "$(dirname "$0")/lib.sh"

start_program

# Default settings: pic\arrow.png at offset 65 (the arrow's tip sits on the pointer), a
# yellow halo 100 pixels across.
move_pointer 600 400
# A point inside the arrow's white body, 6 right of and 30 below its tip.
expect_pixel follower-at-pointer 606 430 FFFFFF "the picture follows the pointer"
move_pointer 900 500
expect_pixel follower-moved 906 530 FFFFFF "the picture goes where the pointer goes"
expect_no_pixel follower-left-behind 606 430 FFFFFF "nothing of the picture stays behind"

press F7
expect_pixel halo-shown 910 510 FFFF00 "F7 shows the halo in the stored colour at the pointer"
expect_no_pixel halo-no-picture 906 530 FFFFFF "F7 hides the picture"
if pixel_is halo-edge 945 545 FFFF00; then fail "the halo is a disc: its square corner stays clear"; else pass "the halo is clipped to a disc"; fi

press F8
expect_pixel back-to-picture 906 530 FFFFFF "F8 brings the picture back"
expect_no_pixel halo-gone 910 510 FFFF00 "F8 hides the halo"

press F6
press Left Left Left Up
read -r x y < <(pointer)
if [ "$x" = 870 ] && [ "$y" = 490 ]; then pass "F6 and the arrows move the pointer 10 pixels a press"; else fail "pointer at $x,$y, expected 870,490"; fi
press F6
press Left
read -r x y < <(pointer)
if [ "$x" = 870 ]; then pass "F6 again gives the arrow keys back"; else fail "pointer moved to $x,$y after keyboard mouse was switched off"; fi

finish
