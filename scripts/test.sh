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
# The screenshots that failing display tests leave go here (see tests/support).
mkdir -p "$BUILD/screenshots"
status=0
ctest --output-on-failure --timeout 600 -j "${ZEL_JOBS:-$(nproc 2>/dev/null || echo 2)}" "$@" || status=$?
[ "$status" -eq 0 ] && exit 0

# A test executable that Wine failed to start (seen rarely: no output at all) gets one more run.
# A test that failed on its own assertions is not repeated: a second run would hide a flake.
silent=$(python3 - "$BUILD/Testing/Temporary/LastTest.log" "$BUILD/Testing/Temporary/LastTestsFailed.log" <<'PY'
import re, sys
log, failed = sys.argv[1], sys.argv[2]
try:
    names = [line.split(":", 1)[1].strip() for line in open(failed) if ":" in line]
    text = open(log, errors="replace").read()
except OSError:
    sys.exit(0)
for name in names:
    # Each test's block: "<n>/<m> Test: <name>" ... "Output:" rule, output, "<end of output>".
    m = re.search(r"Test: %s\n.*?Output:\n-+\n(.*?)<end of output>" % re.escape(name), text, re.S)
    if m and not m.group(1).strip():
        print(name)
PY
)
[ -z "$silent" ] && exit "$status"
echo "test: repeating what Wine failed to start: $(echo $silent)"
failed_count=$(grep -c . Testing/Temporary/LastTestsFailed.log || true)
silent_count=$(echo "$silent" | grep -c .)
regex=$(echo "$silent" | sed 's/.*/^&$/' | paste -sd '|')
ctest --output-on-failure --timeout 600 -R "$regex" || exit 1
[ "$failed_count" -gt "$silent_count" ] && exit "$status"
exit 0
