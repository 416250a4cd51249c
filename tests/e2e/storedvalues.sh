#!/usr/bin/env bash
# Stored values the settings window would refuse: the program still starts at once, says
# in one message what it did not use, and runs on a new database's values. Message boxes
# quoting a long path fit a 1280-pixel screen. A save waits out a short lock of the
# database held by another process.
source "$(dirname "$0")/lib.sh"

YELLOW=FFFF00  # the default halo colour
NARROW=1280    # the narrowest classroom screen

# A fresh run folder whose database holds one changed value; the program that ran in the
# last one has ended first.
prepare() {
  stop_program
  rm -rf "$E2E_RUN"
  mkdir -p "$E2E_RUN"
  cp -r "$E2E_BIN/Vellora.exe" "$E2E_BIN/GBTest.db" "$E2E_BIN/pic" "$E2E_RUN/"
  sqlite3 "$E2E_RUN/GBTest.db" "$1"
}
# Starts the program in the run folder without waiting for its windows: a box at start
# holds back the windows that start_program waits for.
launch() {
  (cd "$E2E_RUN" && setsid "$E2E_ROOT/scripts/wine-run" ./Vellora.exe > "$E2E_RUN/wine.log" 2>&1 < /dev/null &)
}
stored() { sqlite3 -cmd ".timeout 10000" "$E2E_RUN/GBTest.db" "$1"; }

box_width() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'; }

# Each box that comes within a few seconds of the last one is measured and closed.
# Prints how many came.
count_boxes() {
  local count=0 w width
  while wait_for 4 a_box; do
    w=$(boxes | head -n1)
    width=$(box_width "$w")
    if [ "$width" -gt "$NARROW" ]; then fail "a box $width pixels wide"; fi
    close_box "$w"
    wait_for 5 box_gone "$w" || true
    count=$((count + 1))
    [ $count -ge 5 ] && break
  done
  echo $count
}

hostile() {
  local what=$1 sql=$2 began
  prepare "$sql"
  began=$SECONDS
  launch
  # The time includes Wine's own start, some seconds on a busy machine.
  if wait_for 30 a_box; then
    pass "$what: a message $((SECONDS - began)) s after the launch"
  else
    fail "$what: no message within 30 s"
    return
  fi
  local count
  count=$(count_boxes)
  if [ "$count" = 1 ]; then pass "$what: one message"; else fail "$what: $count messages"; fi
  # The defaults at work: the arrow at offset 65 and a yellow disc 100 pixels across.
  move_pointer 600 400
  expect_pixel "sv-picture" 606 430 FFFFFF "$what: the picture at the default offset"
  press F7
  expect_pixel "sv-halo" 645 400 "$YELLOW" "$what: the halo in the default colour and size"
  if pixel_is sv-halo-edge 655 400 "$YELLOW"; then fail "$what: the halo is wider than 100"; fi
  press F7
}

hostile "diameter 32767" "update GBtx set Ghdx='32767'"
hostile "diameter 100000" "update GBtx set Ghdx='100000'"
hostile "a diameter of a million digits" "update GBtx set Ghdx=replace(hex(zeroblob(500000)), '0', '9')"
hostile "opacity 300" "update GBtx set TouM='300'"
hostile "colour -1" "update GBtx set ColoeN='-1'"
hostile "offset 100000" "update GBgs set SHu='100000'"
if [ "$(stored 'select Ghdx from GBtx')" = 100 ] && [ "$(stored 'select SHu from GBgs')" = 100000 ]; then
  pass "the database is not changed until a save"
else
  fail "the database changed without a save"
fi

# A picture path of 300 characters: each box that reports it fits the screen.
long="pic\\$(printf 'd%.0s' $(seq 300)).png"
prepare "update GBgs set FileN='$long'"
launch
wait_for 60 a_box || fail "no box for the missing picture"
count=$(count_boxes)
if [ "$count" -ge 1 ]; then pass "a 300-character path: $count box(es), none wider than $NARROW"; else fail "no box for the missing picture"; fi

# A save while another process holds the database for one second: it waits and succeeds.
# The settings window stands at (325, 197), its client area 4 right of and 23 below that;
# the size box's middle is at (473, 310), the halo's save button at (506, 368).
# hold_lock SECONDS: an exclusive lock on the run folder's database, from a Linux process
hold_lock() {
  (printf 'BEGIN EXCLUSIVE;\n'; sleep "$1"; printf 'COMMIT;\n') | sqlite3 "$E2E_RUN/GBTest.db" &
  sleep 0.3
}
type_size() {
  click_at 473 310
  xdotool windowfocus "$(xdotool search --onlyvisible --name 'Vellora设置' | head -n1)" 2>/dev/null || true
  xdotool key --delay 30 End BackSpace BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 30 "$1"
}
save_halo() { click_at 506 368; }
stored_size_is() { [ "$(stored 'select Ghdx from GBtx')" = "$1" ]; }
prepare "select 1" > /dev/null
launch
wait_for 60 started || fail "the program did not start"
move_pointer 1919 640
wait_for 5 pixel_is sv-bar-out 1859 720 808080 || fail "the control bar did not come out"
click_at 1885 592
wait_for 10 bash -c "xdotool search --onlyvisible --name 'Vellora设置' >/dev/null" || fail "no settings window"
# Typed first, so that the save itself meets the lock (typing takes longer than it).
type_size 120
hold_lock 1
save_halo
wait
if wait_for 5 stored_size_is 120 && ! wait_for 2 a_box; then
  pass "a save under a one-second lock waits and succeeds"
else
  fail "the save under a one-second lock: stored $(stored 'select Ghdx from GBtx')"
fi
# The lock reaches the program: held longer than the wait, the save fails with a message.
type_size 130
hold_lock 5
save_halo
if wait_for 8 a_box && stored_size_is 120; then
  pass "a lock held longer than the wait fails the save with a message"
else
  fail "a five-second lock did not fail the save"
fi
wait
finish
