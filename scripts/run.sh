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

# The local test servers on their fixed demo ports (application 16302, push 16301, ...).
mkdir -p "$BUILD/demo"
rm -f "$BUILD/demo/servers.ready"
python3 "$ROOT/tests/servers/run_servers.py" --ready-file "$BUILD/demo/servers.ready" \
    --tas-port 16302 --push-port 16301 --http-port 16304 --tds-port 16305 --voice-port 16306 \
    --voice-udp-send-port 16307 --voice-udp-receive-port 16308 --control-port 16309 \
    >"$BUILD/logs/servers.log" 2>&1 &
servers_pid=$!
stop_all() { rm -f "$BUILD/demo/servers.ready"; kill "$servers_pid" 2>/dev/null || true; wine_env_stop; }
trap stop_all EXIT
for _ in $(seq 1 100); do [ -s "$BUILD/demo/servers.ready" ] && break; sleep 0.1; done
[ -s "$BUILD/demo/servers.ready" ] || { tail -n 20 "$BUILD/logs/servers.log" >&2; echo "run: the test servers did not start" >&2; exit 1; }
echo "run: test servers listening (ports: $(cat "$BUILD/demo/servers.ready"))"

cd "$BUILD/bin"
echo "run: starting ZEL (close its window to end)"
# The client in the user interface language of a Korean office (ZEL_LANG overrides it).
LC_ALL="${ZEL_LANG:-ko_KR.UTF-8}" "$WINE64" ZEL.exe &
pid=$!
if [ -z "${ZEL_USE_DISPLAY:-}" ]; then
    # Nobody at this screen: the demo's user logs in with the demo account by mouse and keyboard
    # and saves two pictures of each screen it reaches: as the client paints it (<name>.png) and
    # as the display shows it (<name>_display.png).
    mkdir -p "$BUILD/screenshots"
    "$WINE64" "$BUILD/tests/zel_demo_user.exe" --id "${ZEL_DEMO_ID:-kim}" --password "${ZEL_DEMO_PASSWORD:-1234}" \
        --screenshots "$(winepath_w "$BUILD/screenshots")" || case $? in
            2) echo "run: a window on the display is not what the client paints (see above)" ;;
            *) echo "run: the demo's log-in did not finish" ;;
        esac
    display_png "$BUILD/screenshots/zel.png" 2>/dev/null \
        && echo "run: screenshot saved to $BUILD/screenshots/zel.png"
    kill "$pid" 2>/dev/null || true
fi
wait "$pid" 2>/dev/null || true
