#!/usr/bin/env bash
# Runs one test program under Wine for ctest. A program still running shortly before its time-out
# has every thread's stack printed first, so a hang seen once in CI shows where it waits.
#   test-watchdog.sh <time-out in seconds> <program.exe> [arguments...]
limit=$1
shift
program=$(basename "$1")
executable=$1
/usr/lib/wine/wine64 "$@" &
child=$!

dump_stacks() {
    echo "test-watchdog: $program still runs after $1 s; the stacks of its threads:" >&2
    # winedbg is switched off for crashes in the test prefix; here it is wanted.
    WINEDLLOVERRIDES="mscoree=d;mshtml=d" WINEDEBUG=-all timeout 60 /usr/lib/wine/wine64 winedbg --command "bt all" 2>&1 |
        awk -v name="$program" '/^Backtracing for thread/ { keep = index($0, name) > 0 } keep' |
        name_frames >&2
}

# winedbg does not read the program's own debug information: name those frames from it.
name_frames() {
    local line offset
    while IFS= read -r line; do
        echo "$line"
        offset=$(echo "$line" | sed -n "s/.* in ${program%.exe} (+\(0x[0-9a-f]*\)).*/\1/p")
        [ -n "$offset" ] || continue
        x86_64-w64-mingw32-addr2line -f -C -i -p -e "$executable" "$(printf '0x%x' $((0x140000000 + offset)))" 2>/dev/null |
            sed 's/^/        /'
    done
}

(
    margin=$((limit > 120 ? 30 : limit / 4))
    for ((i = 0; i < limit - margin; i++)); do
        sleep 1
        kill -0 "$child" 2>/dev/null || exit 0
    done
    dump_stacks $((limit - margin))
) &
watcher=$!
wait "$child"
status=$?
kill "$watcher" 2>/dev/null
exit "$status"
