#!/usr/bin/env bash
# Sets up, builds and runs every parser fuzz target under Wine for the given seconds each
# (default 600). An input that crashes, hangs or blows up memory is saved under tests/fuzz/found/;
# move it to tests/fuzz/regressions/<target>/ once mended, so every test run replays it.
#   scripts/fuzz.sh [seconds] [target]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
export ZEL_BUILD="$BUILD"
SECONDS_PER_TARGET="${1:-600}"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/build.sh"
# shellcheck source=wine-env.sh
. "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start
args=(--seconds "$SECONDS_PER_TARGET" --seed "${ZEL_FUZZ_SEED:-$(date +%s)}")
[ -n "${2:-}" ] && args+=(--target "$2")
ZEL_SOURCE_DIR="$ROOT" ZEL_BINARY_DIR="$BUILD" "$WINE64" "$BUILD/tests/zel_fuzz.exe" "${args[@]}"
