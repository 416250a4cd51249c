# Shared locations for the scripts. Sourced, not run.
# Built third-party libraries live outside the clone, so a fresh clone on the same
# machine reuses them; scripts/setup fills the folder when it is missing.
VELLORA_CACHE=${VELLORA_CACHE:-/var/cache/vellora}
MINGW_PREFIX=$VELLORA_CACHE/mingw-v1

# The compiler cache, shared by every clone on the machine: paths below the clone are
# hashed relative to it, so another clone of the same code finds its objects. Where the
# machine's cache cannot be written, the compilers run without it.
export CCACHE_DIR=${CCACHE_DIR:-$VELLORA_CACHE/ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-3G}
# The precompiled headers are made from the same sources each time.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
if ! mkdir -p "$CCACHE_DIR" 2> /dev/null || [ ! -w "$CCACHE_DIR" ]; then export CCACHE_DISABLE=1; fi
