#!/usr/bin/env bash
# The release as a teacher gets it: the zip holds one folder with exactly the program, its
# data, our licence and two Notepad-ready texts, whose notices cover every library the link
# map says went into the program; the program tells Explorer its version, maker and icon;
# unpacked into a folder whose path has a space, Chinese characters and a quote, it starts
# from there with its settings and pictures.
source "$(dirname "$0")/lib.sh"
source "$E2E_ROOT/scripts/lib/release.sh"

version=$(project_version)
name=Vellora-$version
out=$E2E_OUT/package
zip=$out/$name-win64.zip
rm -rf "$out"
make_release "$E2E_BIN" "$out"

if [ -f "$zip" ]; then pass "the zip is named with the version"; else fail "no $zip: $(ls "$out")"; fi
vcpkg_version=$(sed -n 's/.*"version-string": *"\([^"]*\)".*/\1/p' "$E2E_ROOT/vcpkg.json")
if [ "$vcpkg_version" = "$version" ]; then pass "vcpkg.json has the same version"; else fail "vcpkg.json says $vcpkg_version, CMake $version"; fi

expected=$(for f in '' GBTest.db LICENSE NOTICES.txt README.txt Vellora.exe pic/ pic/arrow.png pic/hand.png pic/ring.png \
  pic/star.png pic/gang/ pic/gang/beam_l.cur pic/gang/ga.cur pic/gang/gb.cur; do echo "$name/$f"; done)
listing=$(unzip -Z1 "$zip" | LC_ALL=C sort)
if [ "$listing" = "$(LC_ALL=C sort <<< "$expected")" ]; then
  pass "the zip holds exactly the program's folder"
else
  fail "the zip's files differ from the expected ones: $(diff <(LC_ALL=C sort <<< "$expected") <(echo "$listing") | tr '\n' ' ')"
fi

folder="$out/教室 Teacher's USB"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
dir=$folder/$name

# Explorer's Details tab: the fixed numbers and the strings.
resource=$(python3 "$(dirname "$0")/pe_resources.py" "$dir/Vellora.exe" 2>&1 || true)
for row in "FILEVERSION=$version.0" "PRODUCTVERSION=$version.0" "080404b0/FileVersion=$version" \
  "080404b0/ProductVersion=$version" "080404b0/ProductName=Vellora" "080404b0/OriginalFilename=Vellora.exe" \
  "080404b0/CompanyName=Vellora" "080404b0/LegalCopyright=Copyright (c) 2026 The Vellora developers"; do
  if grep -qxF "$row" <<< "$resource"; then pass "version resource: $row"; else fail "version resource lacks $row: $resource"; fi
done
# The icon in every size Windows asks for, from the tray at 100 % to Explorer's largest view.
icons=$(grep '^ICON=' <<< "$resource" | tr '\n' ' ' || true)
if [ "$icons" = "ICON=16x16 ICON=20x20 ICON=24x24 ICON=32x32 ICON=40x40 ICON=48x48 ICON=64x64 ICON=256x256 " ]; then
  pass "the icon has its eight sizes"
else
  fail "the icon's pictures are $icons: $resource"
fi

# Our licence, as in the repository, with Notepad's line ends.
if [ "$(tr -d '\r' < "$dir/LICENSE")" = "$(cat "$E2E_ROOT/LICENSE")" ] && ! grep -q -v $'\r$' "$dir/LICENSE"; then
  pass "LICENSE is the repository's, with CRLF line ends"
else
  fail "LICENSE differs from the repository's or lacks CRLF line ends"
fi

# Notepad: UTF-8 with a byte-order mark and CRLF on every line; the README tells the version.
for text in README.txt NOTICES.txt; do
  if [ "$(head -c 3 "$dir/$text" | od -An -tx1 | tr -d ' ')" = efbbbf ] && ! grep -q -v $'\r$' "$dir/$text"; then
    pass "$text is UTF-8 with a BOM and CRLF line ends"
  else
    fail "$text is not UTF-8 with a BOM and CRLF on every line"
  fi
done
if grep -q "Vellora $version" "$dir/README.txt"; then pass "README.txt tells the version"; else fail "README.txt does not mention $version"; fi
# One line of each library's own licence text.
for phrase in 'May you do good and not evil' 'PNG Reference Library License version 2' \
  'Jean-loup Gailly and Mark Adler' 'The Modified (3-clause) BSD License' \
  'LEGAL ISSUES' 'This software is based in part on the work of the Independent JPEG Group.' \
  'The above copyright notice and this permission notice' 'Names of the copyright holders must not be used' \
  'LUCENT DISCLAIMS ALL WARRANTIES' 'Copyright: 2004, 2005 David M. Gay' 'Copyright: Keith Marshall' \
  'GCC RUNTIME LIBRARY EXCEPTION'; do
  if grep -qF "$phrase" "$dir/NOTICES.txt"; then pass "NOTICES.txt: $phrase"; else fail "NOTICES.txt lacks \"$phrase\""; fi
done

# Every library and object file the link map says went into the program is listed in
# NOTICES.txt with the notice that covers it, and that notice is there under its heading.
notices=$(tr -d '\r' < "$dir/NOTICES.txt")
linked=$(linked_files "$E2E_BIN/Vellora.map")
for library in libsqlite3.a libpng.a libz.a libjpeg.a libmingwex.a libstdc++.a; do
  grep -q "/$library$" <<< "$linked" || fail "the link map does not show $library, which the program links: $linked"
done
uncovered=
while read -r file; do
  title=$(awk -v name="${file##*/}" '/^  / && $1 == name { sub(/^ +[^ ]+ +/, ""); print; exit }' <<< "$notices")
  if [ -z "$title" ] || ! grep -qxF "$title" <<< "$notices"; then uncovered+=" ${file##*/}"; fi
done <<< "$linked"
if [ -z "$uncovered" ]; then
  pass "NOTICES.txt covers all $(wc -l <<< "$linked") files linked into the program"
else
  fail "NOTICES.txt has no notice for:$uncovered"
fi
# A library without a notice stops the release, named.
printf '%s\n' 'Archive member included to satisfy reference by file (symbol)' '' \
  '/usr/x86_64-w64-mingw32/lib/libmingwex.a(strtodg.o)' '                              main.o (strtod)' \
  '/opt/vendor/lib/libunlicensed.a(part.o)' '                              main.o (part)' '' \
  'Discarded input sections' > "$out/unlicensed.map"
if refusal=$(linked_notices "$out/unlicensed.map" 2>&1 > /dev/null); then
  fail "a library without a notice passed the release's check"
elif grep -q 'libunlicensed.a' <<< "$refusal" && ! grep -q 'libmingwex.a' <<< "$refusal"; then
  pass "a library without a notice stops the release: $refusal"
else
  fail "the release's refusal names the wrong libraries: $refusal"
fi

# Started from the unpacked folder: the control bar's strip at the right edge, and the
# picture from pic\arrow.png at the pointer, as GBTest.db there says.
start_program "$dir"
expect_pixel pkg-bar-strip 1917 650 808080 "started from the unpacked folder, the control bar waits at the right edge"
move_pointer 600 400
expect_pixel pkg-follower 606 430 FFFFFF "the picture named in its GBTest.db follows the pointer"

finish
