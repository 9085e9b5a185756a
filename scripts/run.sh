#!/usr/bin/env bash
# Sets everything up, builds, starts the local test servers and runs the client against them.
# With no X display a private Xvfb is used and a screenshot is saved in build/screenshots/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
export ZEL_BUILD="$BUILD"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/build.sh"

[ -n "${DISPLAY:-}" ] && export ZEL_USE_DISPLAY=1
# shellcheck source=wine-env.sh
. "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start

cd "$BUILD/bin"
echo "run: starting ZEL (close its window to end)"
"$WINE64" ZEL.exe &
pid=$!
if [ -z "${ZEL_USE_DISPLAY:-}" ]; then
    sleep "${ZEL_SCREENSHOT_DELAY:-8}"
    mkdir -p "$BUILD/screenshots"
    xwd -root -silent -display "$DISPLAY" | /usr/bin/convert xwd:- "$BUILD/screenshots/zel.png" 2>/dev/null \
        && echo "run: screenshot saved to $BUILD/screenshots/zel.png"
    kill "$pid" 2>/dev/null || true
fi
wait "$pid" 2>/dev/null || true
