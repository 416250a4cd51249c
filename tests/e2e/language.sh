#!/usr/bin/env bash
# The program in the presenter's language. As on an English Windows, a stored language
# that is none of the three is reported in one box and the texts follow Windows: the
# settings window and the bar's menu are in English, while the pen keeps the caption other
# tools find it by. A stored choice of 中文 gives today's Chinese titles and menu on the
# same Windows.
source "$(dirname "$0")/lib.sh"

# A fresh run folder whose database holds `language` in the program's own table.
prepare() {
  stop_program
  rm -rf "$E2E_RUN"
  mkdir -p "$E2E_RUN"
  cp -r "$E2E_BIN/Vellora.exe" "$E2E_BIN/GBTest.db" "$E2E_BIN/pic" "$E2E_RUN/"
  sqlite3 "$E2E_RUN/GBTest.db" "create table Language (LanguageID INTEGER PRIMARY KEY, Language TEXT NOT NULL);
                                insert into Language values (1, '$1')"
}
open_settings() {
  bring_out_bar "$1-bar"
  click_at 1885 592
}

export VELLORA_WINE_LANG=en_US.UTF-8
prepare klingon
xdotool mousemove 960 100
launch_program
if wait_for 60 a_box; then
  screenshot la-en-report > /dev/null
  pass "a stored language that is none of the three is reported at start"
  reads "the report says so in English" \
    "Language “klingon” is not Automatic, 中文 or English; Automatic is used instead." Vellora
  close_box "$(boxes | head -n1)"
else
  fail "no start-up report of the stored language"
fi
wait_for 60 started || fail "the program did not start"
open_settings la-en
if wait_for 10 titled 'Vellora Settings'; then pass "on an English Windows the settings window is titled in English"
else fail "no window titled 'Vellora Settings' (see $(screenshot la-en-settings))"; fi
screenshot la-en-settings > /dev/null
move_pointer 1919 640
windows_before=$(program_windows | wc -l)
xdotool click 3
if wait_for 5 menu_open; then
  screenshot la-en-menu > /dev/null
  menu_reads "the bar's menu is in English" Exit Settings "Pointer picture" Pen Help Spotlight "Live Ink"
else fail "the bar's menu did not open"; fi
xdotool key Escape
press Escape
if wait_for 10 titled Form8; then pass "the open pen keeps its caption in English"; else fail "no window titled Form8"; fi
screenshot la-en-pen > /dev/null
reads "the palette's tools have English names" "button Line" Form8
reads "the glyph that closes the pen has an English name" "text TImage Close the pen" Form8
press Escape

prepare zh
start_program "$E2E_RUN"
open_settings la-zh
if wait_for 10 titled 'Vellora设置'; then pass "a stored 中文 gives the Chinese titles on an English Windows"
else fail "no window titled 'Vellora设置' (see $(screenshot la-zh-settings))"; fi
screenshot la-zh-settings > /dev/null
move_pointer 1919 640
windows_before=$(program_windows | wc -l)
xdotool click 3
if wait_for 5 menu_open; then menu_reads "the bar's menu keeps its Chinese items" "关    闭" "设    置" "电 子 笔" 实时画笔
else fail "the bar's menu did not open with 中文 chosen"; fi
xdotool key Escape
move_pointer 960 400
press Escape
if wait_for 10 titled Form8; then reads "the palette's tools keep their Chinese names" "button 直线工具" Form8
else fail "the pen did not open"; fi
press Escape
finish
