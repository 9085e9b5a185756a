#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine and prints each one's ratio to its floor, the
# measurement of the same run it is compared with (bench/floors.txt).
#   scripts/bench.sh [filter]     filter: a regex of benchmark programs or names, e.g. "protocol"
#                                 or "RoundTrip"; all benchmarks without one
#   ZEL_BENCH_CORES=N              runs the benchmarks (and the display, Wine and the test servers
#                                 they start) on the first N cores only, as on a small machine
# Besides the time and ratio, each benchmark's own counters are printed under it: percentiles
# (p50/p95/p99), the user-interface thread's longest stall and how many stalls passed a frame
# budget of 33 ms, and the ratios the benchmark worked out itself against its floor.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
export ZEL_BUILD="$BUILD"
FILTER="${1:-}"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/build.sh"

CORES="${ZEL_BENCH_CORES:-}"
if [ -n "$CORES" ]; then
    # Everything started from here on inherits the affinity: Xvfb, the wineserver, the programs.
    taskset -p -c "0-$((CORES - 1))" $$ >/dev/null
fi
# The load is part of every number: the machine is shared.
echo "bench: $(nproc) cores available to the run${CORES:+ (pinned to $CORES)}; load:$(uptime | sed 's/.*load average://')"

# shellcheck source=wine-env.sh
. "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start

# What the benchmarks need of the trees (the test servers, the shipped skin and protocols).
export ZEL_SOURCE_DIR="$ROOT" ZEL_BINARY_DIR="$BUILD"
OUT="$BUILD/bench-results"
rm -rf "$OUT"
mkdir -p "$OUT"
ran=0
for exe in "$BUILD"/bench/*_bench.exe; do
    [ -e "$exe" ] || continue
    name=$(basename "$exe" .exe)
    args=()
    if [ -n "$FILTER" ] && ! echo "$name" | grep -Eq "$FILTER"; then
        # Not the program: the filter may name benchmarks inside it. Floors run along.
        names=$("$WINE64" "$exe" --benchmark_list_tests 2>/dev/null | tr -d '\r' || true)
        echo "$names" | grep -Eq "$FILTER" || continue
        floors=$(awk -v p="$name" '$1 == p {print $3}' "$ROOT/bench/floors.txt" | sed 's/[][(){}.*+?^$|\\]/\\&/g' | paste -sd '|')
        args=(--benchmark_filter="($FILTER)${floors:+|^($floors)\$}")
    fi
    echo "bench: $name"
    "$WINE64" "$exe" "${args[@]}" --benchmark_out="$(winepath_w "$OUT/$name.json")" --benchmark_out_format=json \
        | tr -d '\r'
    ran=$((ran + 1))
done
[ "$ran" -gt 0 ] || { echo "bench: nothing matches '$FILTER'" >&2; exit 1; }

python3 - "$ROOT/bench/floors.txt" "$OUT" <<'PY'
import json, os, re, sys
floors_file, out = sys.argv[1], sys.argv[2]
pairs = []
for line in open(floors_file):
    line = line.split("#", 1)[0].split()
    if len(line) == 3:
        pairs.append((line[0], re.compile(line[1]), line[2]))
scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
print("\n%-22s %-58s %14s  %s" % ("program", "benchmark", "time/iter", "ratio to floor"))
for name in sorted(os.listdir(out)):
    program = name[:-5]
    try:
        runs = [b for b in json.load(open(os.path.join(out, name))).get("benchmarks", [])
                if b.get("run_type", "iteration") == "iteration"]
    except ValueError:
        print("%-22s (no results)" % program)
        continue
    times = {b["name"]: b["real_time"] * scale.get(b.get("time_unit", "ns"), 1.0) for b in runs}
    for b in runs:
        t = times[b["name"]]
        # A benchmark may have more than one floor (the whole path, and the part that is ours).
        ratios = ["%.2fx  (floor %s)" % (t / times[floor], floor) for p, pattern, floor in pairs
                  if p == program and pattern.search(b["name"]) and floor in times and times[floor] > 0]
        print("%-22s %-58s %11.1f us  %s" % (program, b["name"], t / 1e3, "; ".join(ratios)))
        # The benchmark's own counters: percentiles, stalls and the ratios it took in the run.
        skip = {"name", "run_name", "run_type", "repetitions", "repetition_index", "threads",
                "iterations", "real_time", "cpu_time", "time_unit", "family_index",
                "per_family_instance_index", "aggregate_name", "aggregate_unit", "label",
                "error_occurred", "error_message"}
        counters = [(k, v) for k, v in b.items() if k not in skip and isinstance(v, (int, float))]
        if counters:
            print("%-22s   %s" % ("", "  ".join("%s=%.4g" % (k, v) for k, v in counters)))
        if b.get("error_occurred"):
            print("%-22s   skipped: %s" % ("", b.get("error_message", "")))
PY
echo "bench: load after the run:$(uptime | sed 's/.*load average://')"
