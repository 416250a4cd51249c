#!/usr/bin/env bash
# Keys kept in the settings file, as the sqlite3 tool writes them: the pen on F9 and the
# halo on none are obeyed at start, so Esc and F7 are the other programs' again; a plain
# letter for the picture is reported in the one box and the picture keeps F8.
source "$(dirname "$0")/lib.sh"

run=$E2E_OUT/run-stored-keys
stop_program
rm -rf "$run"
mkdir -p "$run"
cp -r "$E2E_BIN/Vellora.exe" "$E2E_BIN/GBTest.db" "$E2E_BIN/pic" "$run/"
sqlite3 "$run/GBTest.db" "create table HotKeys (Action TEXT PRIMARY KEY, Key INTEGER NOT NULL, Modifiers INTEGER NOT NULL);
                          insert into HotKeys values ('pen', 120, 0), ('halo', 0, 0), ('picture', 65, 0)"

E2E_RUN=$run
xdotool mousemove 960 100
launch_program
if wait_for 60 a_box; then
  reads "a plain letter stored for the picture is reported" \
    "“显示或隐藏鼠标跟随”的快捷键“A”会让所有程序都不能再打出这个键，已改用 F8。" Vellora
  close_box "$(boxes | head -n1)"
else
  fail "no start-up report of the stored keys"
fi
wait_for 60 started || fail "the program did not start"
move_pointer 960 400
press Escape
sleep 1
if titled Form8; then fail "Esc opened the pen, though it is on F9"; else pass "Esc is not the pen's"; fi
press F9
if wait_for 10 titled Form8; then pass "F9 opens the pen"; else fail "F9 did not open the pen (see $(screenshot sk-f9))"; fi
press F9
pen_closed() { ! titled Form8; }
wait_for 10 pen_closed || fail "F9 did not close the pen"
press F7
sleep 1
if titled 特效3; then fail "F7 showed the halo, whose key is none"; else pass "F7 is not the halo's"; fi
finish
