#!/usr/bin/env bash
# Sets everything up, builds, and runs every test under Wine (windows on a private Xvfb display).
#   scripts/test.sh [ctest arguments...]     e.g. scripts/test.sh -R platform
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
export ZEL_BUILD="$BUILD"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/build.sh"

# shellcheck source=wine-env.sh
. "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start

cd "$BUILD"
# A test executable that Wine fails to start (seen rarely: no output at all, 0.01 s) gets one more
# run; a test that fails on its own assertions fails the same way twice and stays failed.
ctest --output-on-failure --timeout 600 --repeat until-pass:2 -j "${ZEL_JOBS:-$(nproc 2>/dev/null || echo 2)}" "$@"
