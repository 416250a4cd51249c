# Makes the release zip that teachers download: one folder with Vellora.exe, its data, a
# README and the notices of the libraries linked into the program. Sourced by
# scripts/package and by the package check; needs a built Vellora.exe and scripts/setup's
# tools and sources, nothing else.
release_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$release_root/scripts/lib/paths.sh"

# The version of the CMake project, the one place where it is written.
project_version() {
  sed -n 's/^project(Vellora VERSION \([0-9][0-9.]*\) .*/\1/p' "$release_root/CMakeLists.txt"
}

# DLLs every Windows has; Vellora.exe may import nothing else.
release_system_dlls='advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msimg32 msvcrt ole32 oleaut32 psapi shell32 shlwapi user32 uxtheme version winmm'

# check_imports EXE: fails, naming it, if the executable needs a DLL that is not a system one
check_imports() {
  local dll ok=0
  for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: \(.*\)\.[dD][lL][lL]$/\1/p' | tr A-Z a-z); do
    if [[ " $release_system_dlls " != *" $dll "* ]]; then
      echo "release: $1 needs $dll.dll, which Windows does not have" >&2
      ok=1
    fi
  done
  return $ok
}

# for_notepad [bom]: UTF-8 text with CRLF line ends, with a byte-order mark if asked
for_notepad() {
  [ "${1:-}" = bom ] && printf '\xEF\xBB\xBF'
  sed 's/\r*$/\r/'
}

# upstream_version PACKAGE_FILE_NAME: "1.6.39" from "libpng1.6_1.6.39-2+deb12u5.dsc"
upstream_version() { basename "$1" | sed 's/^[^_]*_//; s/\.dsc$//; s/-[^-]*$//; s/+dfsg.*//'; }
installed_upstream_version() { dpkg-query -W -f='${Version}' "$1" | sed 's/-[^-]*$//; s/+dfsg.*//'; }

# A heading between two rules of stars, unlike the underlines inside the licence texts.
notice_heading() {
  local rule; rule=$(printf '%72s' '' | tr ' ' '*')
  printf '\n\n%s\n%s\n%s\n\n' "$rule" "$1" "$rule"
}

# The notices the libraries inside Vellora.exe ask a binary distribution to carry, in their
# own words, from the Debian sources the Windows build was made from.
release_notices() {
  local src=$VELLORA_CACHE/src mingw_copyright=/usr/share/doc/mingw-w64-x86-64-dev/copyright
  printf 'Vellora %s: notices of the libraries inside Vellora.exe\n\n' "$1"
  printf 'Vellora.exe contains the libraries below, linked into the program. Here are their\n'
  printf 'licences and notices, as their authors wrote them.\n\n'
  printf 'This software is based in part on the work of the Independent JPEG Group.\n'

  notice_heading "SQLite $(cat "$src/sqlite/VERSION") (public domain)"
  cat "$src/sqlite/LICENSE.md"

  notice_heading "libpng $(upstream_version "$src"/libpng1.6_*.dsc)"
  cat "$src/libpng/LICENSE"

  notice_heading "zlib $(installed_upstream_version libz-mingw-w64-dev)"
  python3 "$release_root/scripts/lib/dep5.py" /usr/share/doc/libz-mingw-w64-dev/copyright '*'

  notice_heading "libjpeg-turbo $(upstream_version "$src"/libjpeg-turbo_*.dsc)"
  cat "$src/libjpeg/LICENSE.md"
  notice_heading "libjpeg-turbo: the Independent JPEG Group's README"
  cat "$src/libjpeg/README.ijg"

  notice_heading "winpthreads (MinGW-w64 $(installed_upstream_version mingw-w64-x86-64-dev))"
  python3 "$release_root/scripts/lib/dep5.py" "$mingw_copyright" 'mingw-w64-libraries/winpthreads/*'
  echo
  python3 "$release_root/scripts/lib/dep5.py" "$mingw_copyright" 'mingw-w64-libraries/winpthreads/include/pthread.h'
}

# The release's folder name and its zip's file name
release_name() { echo "Vellora-$(project_version)"; }
release_zip_name() { echo "$(release_name)-win64.zip"; }

# make_release BIN_DIR OUT_DIR: OUT_DIR/$(release_zip_name) from the Vellora.exe in BIN_DIR.
# The data is made afresh from data/, so settings changed while trying the program in
# BIN_DIR stay out of the release. Call it as a command of its own, not inside $(...) or a
# condition, so that any failing step stops it.
make_release() {
  local bin=$1 out=$2 version name stage zip
  version=$(project_version)
  [ -n "$version" ] || { echo "release: no version in CMakeLists.txt" >&2; return 1; }
  [ -d "$VELLORA_CACHE/src/libjpeg" ] || { echo "release: no library sources in $VELLORA_CACHE/src; run scripts/build-windows-deps" >&2; return 1; }
  mkdir -p "$out"
  out=$(cd "$out" && pwd)
  name=$(release_name)
  stage=$out/release-stage
  zip=$out/$(release_zip_name)
  rm -rf "$stage" "$zip"
  mkdir -p "$stage/$name"

  x86_64-w64-mingw32-strip -o "$stage/$name/Vellora.exe" "$bin/Vellora.exe"
  check_imports "$stage/$name/Vellora.exe"
  python3 "$release_root/data/make_database.py" "$release_root/data/GBTest.sql" "$stage/$name/GBTest.db"
  python3 "$release_root/data/make_pictures.py" "$stage/$name"
  rm "$stage/$name/vellora.ico"  # already inside the executable
  sed "s/@VERSION@/$version/g" "$release_root/scripts/lib/user-readme.txt" | for_notepad bom > "$stage/$name/README.txt"
  release_notices "$version" | for_notepad bom > "$stage/$name/NOTICES.txt"

  (cd "$stage" && LC_ALL=C.UTF-8 zip -q -r -X "$zip" "$name")
  rm -rf "$stage"
}
