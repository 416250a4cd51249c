#!/usr/bin/env bash
# The classroom timer as the presenter uses it: its key opens it with a title that counts
# down, Space pauses it, Up gives a minute more, a stored length of 4 seconds runs into the
# overtime with red digits, it stays over the open pen, and its key closes it.
source "$(dirname "$0")/lib.sh"

timer_window() { xdotool search --onlyvisible --name '^[+]?[0-9]+:[0-9:]+$' 2> /dev/null | head -n1; }
timer_title() { local w; w=$(timer_window); [ -n "$w" ] && xdotool getwindowname "$w" 2> /dev/null; }
timer_shown() { [ -n "$(timer_window)" ]; }
timer_gone() { ! timer_shown; }
title_is() { [ "$(timer_title)" = "$1" ]; }
open_timer() {
  move_pointer 900 500
  press ctrl+alt+shift+4
  wait_for 10 timer_shown || fail "Ctrl+Alt+Shift+4 opened no timer (see $(screenshot "$1"))"
}
# The timer's digits are red where a pixel of the given row is.
red_in_timer() {
  eval "$(xdotool getwindowgeometry --shell "$(timer_window)")"
  local shot; shot=$(screenshot "$1")
  convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -fuzz 10% -fill black +opaque '#FF4040' \
    -format '%[fx:mean>0.001]' info:
}

start_program
open_timer timer-none
first=$(timer_title)
case "$first" in 05:00 | 04:5[0-9]) pass "the timer opens at the length of a new file ($first)" ;;
  *) fail "the first title is '$first', not about 05:00" ;; esac
sleep 2.2
later=$(timer_title)
if [ "$later" \< "$first" ]; then pass "its title counts down ($first, then $later)"; else fail "the title went from $first to $later"; fi
screenshot timer-running > /dev/null

press space
held=$(timer_title)
sleep 2.2
if title_is "$held"; then pass "Space pauses it: the title holds at $held"; else fail "paused at $held, the title became $(timer_title)"; fi
screenshot timer-paused > /dev/null
press Up
minutes=${held%%:*}
expected=$(printf '%02d:%s' $((10#$minutes + 1)) "${held#*:}")
if title_is "$expected"; then pass "Up adds a minute ($held to $expected)"; else fail "Up made $held into $(timer_title), not $expected"; fi
press ctrl+alt+shift+4
wait_for 5 timer_gone || fail "the key did not close the timer"

# A stored length of 4 seconds runs into the overtime.
stop_program
sqlite3 "$E2E_RUN/GBTest.db" "create table TimerSettings (TimerSettingsID INTEGER PRIMARY KEY, Seconds INTEGER NOT NULL,
  Sound INTEGER NOT NULL, PlaceLeft INTEGER, PlaceTop INTEGER, PlaceWidth INTEGER, PlaceHeight INTEGER);
  insert into TimerSettings values (1, 4, 0, null, null, null, null)"
start_program "$E2E_RUN"
open_timer timer-short
if wait_for 10 title_is +00:01; then pass "a 4-second timer reaches +00:01"; else fail "the short timer shows $(timer_title)"; fi
if wait_for 5 title_is +00:02; then pass "and counts the overtime on"; else fail "the overtime stopped at $(timer_title)"; fi
if [ "$(red_in_timer timer-overtime)" = 1 ]; then pass "the overtime's digits are red"; else fail "no red digits in the overtime (see build/e2e/timer-overtime.png)"; fi

# Over the open pen.
press Escape
wait_for 5 pixel_is pen 1786 100 800080 || fail "Esc opened no pen"
sleep 0.5
if timer_shown && [ "$(red_in_timer timer-over-pen)" = 1 ]; then pass "the timer stays visible over the open pen"
else fail "the timer is not seen over the pen (see build/e2e/timer-over-pen.png)"; fi
press Escape
press ctrl+alt+shift+4
if wait_for 5 timer_gone; then pass "the key closes the timer"; else fail "the timer stayed after its key"; fi
finish
