#!/usr/bin/env bash
# A second user of the client on this machine: his own Wine prefix (his own profile, settings and
# log service) and his own X display, so that his windows and pictures never mix with the first
# user's. Runs the stand-in user program there with the other arguments, until it ends.
#   second_user.sh --build <build folder> <program arguments...>
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD=""
args=()
while [ $# -gt 0 ]; do
    if [ "$1" = "--build" ]; then BUILD="$2"; shift 2; else args+=("$1"); shift; fi
done
[ -n "$BUILD" ] || { echo "second_user.sh: --build is missing" >&2; exit 2; }
# Started from a program of the first user's prefix: nothing of his Wine session carries over.
unset ZEL_USE_DISPLAY WINELOADERNOEXEC WINESERVERSOCKET WINELOADER WINEDLLPATH WINEUSERNAME
export ZEL_WINEPREFIX="$BUILD/wineprefix-second"
# shellcheck source=../../scripts/wine-env.sh
. "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
# A server left from an interrupted run would refuse to start again.
"$WINESERVER" -k >/dev/null 2>&1 || true
wine_env_start || exit 1
"$WINE64" "$BUILD/tests/zel_second_user.exe" "${args[@]}"
