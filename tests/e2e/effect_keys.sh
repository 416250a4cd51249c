#!/usr/bin/env bash
# Effect keys pressed in quick succession, as a presenter hammering them: each is handled
# in order and the last one wins. The keys go 10 ms apart, in a random order the log
# names by a number that repeats it; the effect left on screen and the one remembered
# must be what the last key leaves.
source "$(dirname "$0")/lib.sh"

start_program
move_pointer 900 500
expect_pixel keys-start 906 530 FFFFFF "the picture is on at start"

order=${EFFECT_KEYS_ORDER:-$(date +%s)}
RANDOM=$order
keys=(F8 F7 ctrl+alt+shift+1 ctrl+alt+shift+2)
names=(picture halo spotlight laser)
shown=picture
sequence=()
for _ in $(seq 300); do
  i=$((RANDOM % 4))
  sequence+=("${keys[$i]}")
  if [ "$shown" = "${names[$i]}" ]; then shown=none; else shown=${names[$i]}; fi
done
log "order $order: 300 keys, the last leaves $shown"
focus_program
timeout 60 xdotool key --delay 10 "${sequence[@]}"

remembered() { sqlite3 "$E2E_RUN/GBTest.db" "select Effect from LastEffect where LastEffectID=1" 2>/dev/null; }
remembered_is() { [ "$(remembered)" = "$1" ]; }
if wait_for 20 remembered_is "$shown"; then
  pass "the last key's effect is the one remembered"
else
  fail "remembered $(remembered), expected $shown (order $order)"
fi
# What is on screen: the picture's white body, the halo's yellow, the spotlight's dimmed
# surroundings, or the laser's red dot at the pointer.
case $shown in
  picture) expect_pixel keys-end 906 530 FFFFFF "and the picture is on screen" ;;
  halo) expect_pixel keys-end 910 510 FFFF00 "and the halo is on screen" ;;
  none) expect_no_pixel keys-end 906 530 FFFFFF "and no picture is on screen" ;;
  *) pass "($shown is not looked at on screen)" ;;
esac
finish
