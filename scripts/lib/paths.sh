# Shared locations for the scripts. Sourced, not run.
# Built third-party libraries live outside the clone, so a fresh clone on the same
# machine reuses them; scripts/setup fills the folder when it is missing.
VELLORA_CACHE=${VELLORA_CACHE:-/var/cache/vellora}
MINGW_PREFIX=$VELLORA_CACHE/mingw-v1
