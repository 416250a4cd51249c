#!/usr/bin/env bash
# The keys window as the presenter uses it, with real key presses: a key pressed into a
# box works at once and the old one is the other programs' again (Notepad gets F5), "none"
# releases a key, a key another action has and a plain letter are refused with their
# messages, the defaults come back with one button, and the pause key releases F7 and F8
# and gives them back.
source "$(dirname "$0")/lib.sh"

start_program

# The window's rows, as laid out at 96 DPI: the client area starts 6 and 24 pixels into
# the window Wine draws without a window manager.
keys_window() { xdotool search --onlyvisible --name '^快捷键$' 2> /dev/null | head -n1; }
keys_shown() { [ -n "$(keys_window)" ]; }
keys_gone() { ! keys_shown; }
client_origin() { eval "$(xdotool getwindowgeometry --shell "$(keys_window)")"; CX=$((X + 6)); CY=$((Y + 24)); }
# press_into ROW KEY: the key pressed into the box of row ROW (0 the picture, 1 the halo, ...).
press_into() { client_origin; click_at $((CX + 390)) $((CY + 55 + 30 * $1)); sleep 0.3; timeout 5 xdotool key "$2"; sleep 0.5; }
tick_none() { client_origin; click_at $((CX + 480)) $((CY + 56 + 30 * $1)); sleep 0.5; }
open_keys() {
  bring_out_bar "$1-bar"
  click_at 1885 592
  wait_for 10 settings_shown || fail "no settings window"
  click_at 390 807  # the settings window's keys button
  wait_for 10 keys_shown || fail "the settings window's keys button opened no keys window (see $(screenshot "$1-nokeys"))"
}
close_keys() { timeout 5 xdotool key Escape; wait_for 5 keys_gone || fail "Esc did not close the keys window"; }
remembered() { sqlite3 "$E2E_RUN/GBTest.db" "select Effect from LastEffect where LastEffectID=1" 2> /dev/null; }
remembered_is() { [ "$(remembered)" = "$1" ]; }
# expect_effect KEY EFFECT WHAT: the key leaves EFFECT remembered (the picture is on at start).
expect_effect() {
  move_pointer 900 500
  press "$1"
  if wait_for 5 remembered_is "$2"; then pass "$3"; else fail "$3: after $1 the effect is '$(remembered)', not '$2'"; fi
}

open_keys kw-open
screenshot kw-window > /dev/null
press_into 1 F9
close_keys
expect_effect F9 halo "the halo's new key F9 works at once"
expect_effect F7 halo "and F7 is no longer the halo's"
expect_effect F9 none "F9 takes the halo away again"

open_keys kw-refuse
press_into 0 F5
if wait_for 10 a_box; then
  reads "a key another action has is refused, naming the action" \
    "text Static F5 已是“键盘鼠标单击”的快捷键，请另选一个。“显示或隐藏鼠标跟随”仍用 F8。" Vellora
  close_box "$(boxes | head -n1)"
  wait_for 5 keys_shown
else
  fail "F5 for the picture gave no message (see $(screenshot kw-f5))"
fi
press_into 0 a
if wait_for 10 a_box; then
  screenshot kw-letter > /dev/null
  reads "a plain letter is refused" \
    "text Static A 不能作为快捷键：它会让所有程序都不能再打出这个键。请加上 Ctrl、Alt 或 Win，或选一个功能键。“显示或隐藏鼠标跟随”仍用 F8。" Vellora
  close_box "$(boxes | head -n1)"
  wait_for 5 keys_shown
else
  fail "a plain letter for the picture gave no message (see $(screenshot kw-a))"
fi
tick_none 1
press_into 3 F4
screenshot kw-changed > /dev/null
close_keys
expect_effect F8 picture "the picture kept F8"
expect_effect F9 picture "none released the halo's F9"
stored=$(sqlite3 "$E2E_RUN/GBTest.db" "select Action || '=' || Key || '+' || Modifiers from HotKeys order by Action" | tr '\n' ' ')
if [ "$stored" = "click=115+0 halo=0+0 " ]; then pass "the changes are stored: $stored"; else fail "stored: '$stored'"; fi

# The keyboard mouse on, its click on F4: F5 is Notepad's.
press F6
f5_reaches_notepad "the click's old key F5 reaches Notepad"
press F6

open_keys kw-restore
client_origin
rows=11  # picture, halo, keyboard mouse, click, pen, spotlight, laser, click rings, pause, timer, live ink
click_at $((CX + 390)) $((CY + 64 + 30 * rows))  # restore the defaults, beneath the rows
sleep 0.5
close_keys
expect_effect F7 halo "the defaults are back: F7 shows the halo"

press ctrl+alt+shift+0
expect_effect F8 halo "paused, F8 is no longer the picture's"
expect_effect F7 halo "paused, F7 is no longer the halo's"
press ctrl+alt+shift+0
expect_effect F8 picture "the pause key again gives F8 back"
expect_effect F7 halo "and F7"
finish
