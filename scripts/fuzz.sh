#!/usr/bin/env bash
# Sets up, builds and runs every parser fuzz target for the given seconds each (default 600):
# first the coverage-guided libFuzzer runs of those that build for Linux (scripts/fuzz-linux.sh),
# then the seeded mutation runs of all of them under Wine. An input that crashes, hangs or blows
# up memory is saved under tests/fuzz/found/; move it to tests/fuzz/regressions/<target>/ once
# mended, so every test run replays it.
#   scripts/fuzz.sh [seconds] [target]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
export ZEL_BUILD="$BUILD"
SECONDS_PER_TARGET="${1:-600}"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/build.sh"
linux_status=0
bash "$ROOT/scripts/fuzz-linux.sh" run "$SECONDS_PER_TARGET" "${2:-}" || linux_status=$?
# shellcheck source=wine-env.sh
. "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start
args=(--seconds "$SECONDS_PER_TARGET" --seed "${ZEL_FUZZ_SEED:-$(date +%s)}")
[ -n "${2:-}" ] && args+=(--target "$2")
ZEL_SOURCE_DIR="$ROOT" ZEL_BINARY_DIR="$BUILD" "$WINE64" "$BUILD/tests/zel_fuzz.exe" "${args[@]}"
exit "$linux_status"
