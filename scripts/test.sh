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
ctest --output-on-failure --timeout 600 -j "$(nproc 2>/dev/null || echo 2)" "$@"
