# Makes the release zip that teachers download: one folder with Vellora.exe, its data, a
# README, our licence and the notices of the libraries linked into the program. Sourced by
# scripts/package and by the package check; needs a built Vellora.exe and scripts/setup's
# tools and sources, nothing else.
release_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$release_root/scripts/lib/paths.sh"

# The version of the CMake project, the one place where it is written.
project_version() {
  sed -n 's/^project(Vellora VERSION \([0-9][0-9.]*\) .*/\1/p' "$release_root/CMakeLists.txt"
}

# DLLs every Windows has; Vellora.exe may import nothing else.
release_system_dlls='advapi32 comctl32 comdlg32 dwmapi gdi32 imm32 kernel32 msimg32 msvcrt ole32 oleaut32 psapi shell32 shlwapi user32 uxtheme version winmm'

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

# The linker writes its map in the language of its locale; the headings read below are
# those of the C locale, which the map's first line shows.
release_map_heading='Archive member included to satisfy reference by file (symbol)'
map_in_c_locale() { [ "$(head -n1 "$1")" = "$release_map_heading" ]; }

# The link map's files that the program took code from, one path a line: every archive
# a member was taken from and every object file loaded, less our own ones from the build
# tree (relative paths there, or paths inside the project).
linked_files() {
  awk '
    /^Archive member included/ { members = 1; next }
    /^(Discarded input sections|Allocating common symbols|Memory Configuration)/ { members = 0 }
    members && /^[^ ]/ { sub(/\(.*/, ""); print; next }
    /^LOAD .*\.o$/ { print $2 }
  ' "$1" | while read -r file; do
    case $file in
      /*) file=$(realpath -m -s "$file"); [[ $file == "$release_root/"* ]] || echo "$file" ;;
    esac
  done | sort -u
}

# notice_of FILE: the notice that covers a linked file, by its name. Empty when none does.
notice_of() {
  local name=${1##*/}
  case $name in
    libsqlite3.a) echo sqlite ;;
    libpng.a | libpng16.a) echo libpng ;;
    libz.a) echo zlib ;;
    libjpeg.a) echo libjpeg-turbo ;;
    libpthread.a | libwinpthread.a) echo winpthreads ;;
    libstdc++.a | libgcc.a | libgcc_eh.a | crtbegin.o | crtend.o) echo gcc ;;
    libmingw32.a | libmingwex.a | libmoldname.a | libmsvcrt.a | libuuid.a | crt2*.o) echo mingw-w64 ;;
    lib*.a)
      # MinGW-w64's import libraries of the system DLLs the program may use
      local dll=${name#lib}
      dll=${dll%.a}
      if [[ " $release_system_dlls " == *" $dll "* ]]; then echo mingw-w64; fi
      ;;
  esac
}

# linked_notices MAP: "NOTICE FILE" for every file linked in, as the link map tells; fails,
# naming each one, if a file has no notice to go with it.
linked_notices() {
  local file notice count=0 ok=0
  [ -f "$1" ] || { echo "release: no link map $1; build Vellora with the windows preset" >&2; return 1; }
  map_in_c_locale "$1" || {
    echo "release: $1 is not in the C locale's words; link Vellora again with LC_ALL=C (scripts/package does)" >&2
    return 1
  }
  while read -r file; do
    count=$((count + 1))
    notice=$(notice_of "$file")
    if [ -n "$notice" ]; then
      echo "$notice $file"
    else
      echo "release: $file is linked into Vellora.exe, but no notice in scripts/lib/release.sh covers it" >&2
      ok=1
    fi
  done < <(linked_files "$1")
  [ $count -gt 0 ] || { echo "release: $1 names no library" >&2; return 1; }
  return $ok
}

# copyright_excerpt FILE START END: the lines of a free-form copyright file from the first
# one matching START up to the next one matching END; fails if START is not there.
copyright_excerpt() {
  awk -v start="$2" -v end="$3" '
    !on && $0 ~ start { on = 1; found = 1; print; next }
    on && $0 ~ end { exit }
    on { print }
    END { exit !found }
  ' "$1"
}

# The heading of a notice: the library and the version that was linked.
notice_title() {
  local src=$VELLORA_CACHE/src
  case $1 in
    sqlite) echo "SQLite $(cat "$src/sqlite/VERSION") (public domain)" ;;
    libpng) echo "libpng $(upstream_version "$src"/libpng1.6_*.dsc)" ;;
    zlib) echo "zlib $(installed_upstream_version libz-mingw-w64-dev)" ;;
    libjpeg-turbo) echo "libjpeg-turbo $(upstream_version "$src"/libjpeg-turbo_*.dsc)" ;;
    mingw-w64) echo "MinGW-w64 $(installed_upstream_version mingw-w64-x86-64-dev) run-time" ;;
    winpthreads) echo "winpthreads (MinGW-w64 $(installed_upstream_version mingw-w64-x86-64-dev))" ;;
    gcc) echo "GCC $(installed_upstream_version g++-mingw-w64-x86-64-posix) run-time (libstdc++, libgcc)" ;;
  esac
}

dep5() { python3 "$release_root/scripts/lib/dep5.py" "$@"; }

# The notice's own words, from the Debian sources and copyright files of what was linked.
notice_text() {
  local src=$VELLORA_CACHE/src
  local mingw=/usr/share/doc/mingw-w64-x86-64-dev/copyright gcc=/usr/share/doc/g++-mingw-w64-x86-64-posix/copyright
  case $1 in
    sqlite) cat "$src/sqlite/LICENSE.md" ;;
    libpng) cat "$src/libpng/LICENSE" ;;
    zlib) dep5 /usr/share/doc/libz-mingw-w64-dev/copyright '*' ;;
    libjpeg-turbo)
      cat "$src/libjpeg/LICENSE.md"
      notice_heading "libjpeg-turbo: the Independent JPEG Group's README"
      cat "$src/libjpeg/README.ijg"
      ;;
    mingw-w64)
      # The start-up code and the C run-time: every licence of MinGW-w64's run-time sources
      # but the profiler's, which only -pg links in; the number conversions (gdtoa) and
      # printf family carry Lucent's, David M. Gay's and Keith Marshall's notices.
      dep5 "$mingw" '*' 'mingw-w64-crt/crt/*' 'mingw-w64-crt/gdtoa/*' 'mingw-w64-crt/gdtoa/qnan.c' \
        'mingw-w64-crt/math/s_erf.c' 'mingw-w64-crt/misc/basename.c' 'mingw-w64-crt/misc/getopt.c' \
        'mingw-w64-crt/stdio/strtok_r.c'
      ;;
    winpthreads) dep5 "$mingw" 'mingw-w64-libraries/winpthreads/*' 'mingw-w64-libraries/winpthreads/include/pthread.h' ;;
    gcc)
      copyright_excerpt "$gcc" '^GCC is Copyright' '^$'
      echo
      copyright_excerpt "$gcc" '^The following runtime libraries are licensed' '^The libbacktrace library'
      copyright_excerpt "$gcc" '^GCC RUNTIME LIBRARY EXCEPTION$' '^libquadmath/'
      ;;
  esac
}

# A heading between two rules of stars, unlike the underlines inside the licence texts.
notice_heading() {
  local rule; rule=$(printf '%72s' '' | tr ' ' '*')
  printf '\n\n%s\n%s\n%s\n\n' "$rule" "$1" "$rule"
}

release_notice_order='sqlite libpng zlib libjpeg-turbo mingw-w64 winpthreads gcc'

# release_notices VERSION LINKED: the notices the libraries inside Vellora.exe ask a binary
# distribution to carry, in their own words, for the files that linked_notices listed in
# LINKED: first which file each notice covers, then each notice once.
release_notices() {
  local notice file
  printf 'Vellora %s: notices of the libraries inside Vellora.exe\n\n' "$1"
  printf 'Vellora.exe contains the libraries below, linked into the program. Here are their\n'
  printf 'licences and notices, as their authors wrote them.\n'
  if grep -q '^libjpeg-turbo ' "$2"; then
    printf '\nThis software is based in part on the work of the Independent JPEG Group.\n'
  fi
  printf '\nLinked into Vellora.exe, and the notice below that covers it:\n\n'
  for notice in $release_notice_order; do
    { grep "^$notice " "$2" || true; } | while read -r _ file; do
      printf '  %-18s %s\n' "${file##*/}" "$(notice_title "$notice")"
    done
  done
  for notice in $release_notice_order; do
    if grep -q "^$notice " "$2"; then
      notice_heading "$(notice_title "$notice")"
      notice_text "$notice"
    fi
  done
}

# The release's folder name and its zip's file name
release_name() { echo "Vellora-$(project_version)"; }
release_zip_name() { echo "$(release_name)-win64.zip"; }

# make_release BIN_DIR OUT_DIR: OUT_DIR/$(release_zip_name) from the Vellora.exe in BIN_DIR
# and the link map its build left there.
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
  linked_notices "$bin/Vellora.map" > "$stage/linked" || return 1

  x86_64-w64-mingw32-strip -o "$stage/$name/Vellora.exe" "$bin/Vellora.exe"
  check_imports "$stage/$name/Vellora.exe"
  python3 "$release_root/data/make_database.py" "$release_root/data/GBTest.sql" "$stage/$name/GBTest.db"
  python3 "$release_root/data/make_pictures.py" "$stage/$name"
  rm "$stage/$name/vellora.ico"  # already inside the executable
  sed "s/@VERSION@/$version/g" "$release_root/scripts/lib/user-readme.txt" | for_notepad bom > "$stage/$name/README.txt"
  release_notices "$version" "$stage/linked" | for_notepad bom > "$stage/$name/NOTICES.txt"
  for_notepad < "$release_root/LICENSE" > "$stage/$name/LICENSE"

  (cd "$stage" && LC_ALL=C.UTF-8 zip -q -r -X "$zip" "$name")
  rm -rf "$stage"
}
