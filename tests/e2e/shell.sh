#!/usr/bin/env bash
# The program as a tray utility: started from the system folder (as the log-in start does)
# out of a folder whose name has Chinese characters and spaces, it uses its own files; a
# second start brings the running copy's bar out and leaves one copy; the start-with-
# Windows box writes and removes the Run entry; the effect on at the end comes back.
source "$(dirname "$0")/lib.sh"

YELLOW=FFFF00
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
wine_run() { "$E2E_ROOT/scripts/wine-run" "$@" 2> /dev/null | tr -d '\r'; }
# reg writes in the console's code page, GBK under the classroom locale.
run_entry() { wine_run reg query "$RUN_KEY" /v Vellora | iconv -f GBK -t UTF-8 | sed -n 's/.*REG_SZ *//p'; }
last_effect() { sqlite3 "$folder/GBTest.db" "select Effect from LastEffect" 2> /dev/null; }
copies() { own_program | wc -l; }
one_copy() { [ "$(copies)" -eq 1 ]; }
entry_is() { [ "$(run_entry)" = "$1" ]; }
effect_is() { [ "$(last_effect)" = "$1" ]; }

folder="$E2E_OUT/课件 工具/Vellora 1.0"
rm -rf "$E2E_OUT/课件 工具"
mkdir -p "$folder"
cp -r "$E2E_BIN/Vellora.exe" "$E2E_BIN/GBTest.db" "$E2E_BIN/pic" "$folder/"
wine_run reg delete "$RUN_KEY" /v Vellora /f > /dev/null || true
export E2E_CWD="$E2E_PREFIX/drive_c/windows/system32"
rm -f "$E2E_CWD/GBTest.db"

start_program "$folder"
move_pointer 600 400
expect_pixel sh-own-picture 606 430 FFFFFF "started in the system folder, it shows the picture named in its own GBTest.db"
if [ -e "$E2E_CWD/GBTest.db" ]; then fail "a GBTest.db was left in the working directory"; else pass "nothing is made in the working directory"; fi

# A second start: the bar, pulled back, comes out; the second copy leaves; keys still work.
move_pointer 960 100
expect_no_pixel sh-bar-in 1859 720 "$BAR_GREY" "the bar is pulled back"
launch_program
# A Wine start can take several seconds on a busy machine; the bar then stays out five.
if wait_for 30 pixel_is sh-bar-brought-out 1859 720 "$BAR_GREY"; then
  pass "a second start brings the running copy's bar out"
else
  fail "the bar did not come out at a second start (see $E2E_OUT/sh-bar-brought-out.png)"
fi
if wait_for 20 one_copy; then pass "the second copy left"; else fail "$(copies) copies run"; fi
sleep 1
one_copy && pass "one copy stays" || fail "$(copies) copies run"
move_pointer 600 400
press F7
expect_pixel sh-halo 640 400 "$YELLOW" "the hot keys still reach the first copy"
if wait_for 5 effect_is halo; then pass "the halo is remembered beside Vellora.exe"; else fail "stored effect: '$(last_effect)'"; fi

# The pen hides the halo; closing it brings the halo back.
press Escape
expect_no_pixel sh-pen-open 640 400 "$YELLOW" "Esc opens the pen"
press Escape
expect_pixel sh-halo-after-pen 640 400 "$YELLOW" "closing the pen brings back the halo"

# Start with Windows: the settings window's box, at the bottom left of the picture group.
program_path=$(wine_run winepath -w "$folder/Vellora.exe")
move_pointer 1919 640
wait_for 5 pixel_is sh-bar-out 1859 720 "$BAR_GREY" || fail "the bar did not come out"
click_at 1885 592
sleep 1
click_at 345 576
if wait_for 10 entry_is "\"$program_path\""; then pass "ticking writes the quoted Run entry"; else fail "Run entry: '$(run_entry)', expected \"$program_path\""; fi
screenshot sh-start-with-windows > /dev/null
click_at 345 576
if wait_for 10 entry_is ""; then pass "unticking removes it"; else fail "Run entry still '$(run_entry)'"; fi

# Killed with the halo on, started again from another folder: the halo comes back.
stop_program
export E2E_CWD="$E2E_OUT"
start_program "$folder"
move_pointer 600 400
expect_pixel sh-halo-again 640 400 "$YELLOW" "after a restart the halo that was on comes back"
expect_no_pixel sh-no-picture-again 606 430 FFFFFF "and the picture stays off"

finish
