#!/usr/bin/env bash
# Coverage-guided runs of the parsers that build for Linux: libFuzzer with AddressSanitizer
# (clang-14), built from tests/fuzz/linux into $ZEL_BUILD/fuzz-linux apart from the mingw build.
#   scripts/fuzz-linux.sh run [seconds per target, default 600] [target]
#   scripts/fuzz-linux.sh short     what the test run does: the regressions, then 5 s per target
#   scripts/fuzz-linux.sh coverage  line and branch coverage of each target's parser files reached
#                                   by its kept corpus (a build with source-based coverage)
# Each target starts from its seeds (FuzzTargets.cpp), the protocol files and its regressions
# (tests/fuzz/regressions/<target>/); the corpus it grows is kept in fuzz-linux/corpus/ for the
# next long run. An input that crashes, leaks, hangs (-timeout) or blows up memory (-rss_limit_mb)
# is saved under tests/fuzz/found/ and the run fails; move it to the regressions once mended.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
DEPS="${ZEL_DEPS:-$BUILD/deps}"
OUT="$BUILD/fuzz-linux"
MODE="${1:-run}"
SECONDS_PER_TARGET="${2:-600}"
ONLY="${3:-}"
SHORT_SECONDS=5

for tool in clang-14 clang++-14; do
    command -v "$tool" >/dev/null || { echo "fuzz-linux: missing $tool (packages clang-14 libclang-rt-14-dev: scripts/setup.sh)" >&2; exit 1; }
done

build_in() {   # build_in <folder> [cmake options...]
    local dir="$1"; shift
    mkdir -p "$dir"
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        CC=clang-14 CXX=clang++-14 cmake -S "$ROOT/tests/fuzz/linux" -B "$dir" -DZEL_DEPS_SRC="$DEPS/src" "$@" \
            >"$dir/configure.log" 2>&1 || { tail -n 20 "$dir/configure.log" >&2; exit 1; }
    fi
    cmake --build "$dir" -j "${ZEL_JOBS:-3}" >"$dir/build.log" 2>&1 || { grep -E 'error|Error' "$dir/build.log" | head -n 20 >&2; exit 1; }
}
build_in "$OUT"

read -r -a TARGETS <"$OUT/targets.txt"
FOUND="$ROOT/tests/fuzz/found"
mkdir -p "$FOUND"
export ZEL_SOURCE_DIR="$ROOT"

if [ "$MODE" = coverage ]; then
    COV="$BUILD/fuzz-linux-coverage"
    build_in "$COV" -DZEL_FUZZ_COVERAGE=ON
    for t in "${TARGETS[@]}"; do
        [ -n "$ONLY" ] && [ "$ONLY" != "$t" ] && continue
        case "$t" in
            frame) files="net/protocol/TasFrameReader.cpp net/protocol/TasResponse.cpp net/protocol/PlatformHeader.cpp" ;;
            protocol_definition) files="net/protocol/ProtocolDef.cpp" ;;
            svg_figures) files="whiteboard/SvgFigureReader.cpp whiteboard/SvgStyle.cpp" ;;
            line_events) files="whiteboard/LineEventReader.cpp whiteboard/MMPage.cpp" ;;
            memo_items) files="whiteboard/MemoItemReader.cpp whiteboard/MMMemo.cpp" ;;
            *) files="tools/logviewer/DecodeHexLogLine.cpp" ;;
        esac
        mkdir -p "$OUT/corpus/$t" "$COV/seeds/$t"
        LLVM_PROFILE_FILE=/dev/null ZEL_FUZZ_WRITE_SEEDS="$COV/seeds/$t" "$COV/fuzz_$t"
        rm -f "$COV/$t.profraw"
        LLVM_PROFILE_FILE="$COV/$t.profraw" "$COV/fuzz_$t" -runs=0 "$OUT/corpus/$t" "$COV/seeds/$t" \
            "$ROOT/tests/fuzz/regressions/$t" >"$COV/$t.log" 2>&1 || true
        llvm-profdata-14 merge -o "$COV/$t.profdata" "$COV/$t.profraw"
        echo "fuzz-linux: $t: $(find "$OUT/corpus/$t" -type f | wc -l) corpus inputs"
        # shellcheck disable=SC2086
        (cd "$ROOT" && llvm-cov-14 report "$COV/fuzz_$t" -instr-profile="$COV/$t.profdata" $files) |
            awk '/^[a-zA-Z]/ && $1 != "Filename" { print "    " $1 ": lines", $10 ", branches", $13 }'
    done
    exit 0
fi

# The last status line of a libFuzzer log, in short: coverage, features, execs/s, corpus.
summary() {
    grep -aE '^#[0-9]+.*(DONE|pulse|NEW|REDUCE|INITED)' "$1" | tail -n 1 |
        sed -E 's/^#([0-9]+)[[:space:]]+[A-Z]+[[:space:]]+/\1 runs, /'
}

status=0
for t in "${TARGETS[@]}"; do
    [ -n "$ONLY" ] && [ "$ONLY" != "$t" ] && continue
    bin="$OUT/fuzz_$t"
    # Per mode, so that a short pass may run beside a long one.
    seeds="$OUT/seeds-$MODE/$t"
    regressions="$ROOT/tests/fuzz/regressions/$t"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$regressions"
    ZEL_FUZZ_WRITE_SEEDS="$seeds" "$bin"
    if [ "$t" = protocol_definition ]; then cp "$ROOT"/protocols/*.xml "$seeds/"; fi
    common=(-rss_limit_mb=2048 -timeout=10 -dict="$seeds.dict" -artifact_prefix="$FOUND/$t-" -print_final_stats=1)
    log="$OUT/$t.$MODE.log"

    # Every input that once broke the parser, each on its own first.
    if ! "$bin" "${common[@]}" -runs=0 "$regressions" >"$log" 2>&1; then
        echo "fuzz-linux: $t: a regression input fails again"; grep -aE 'ERROR|SUMMARY|Test unit written' "$log" | head -n 5
        status=1
        continue
    fi
    if [ "$MODE" = short ]; then
        corpus="$OUT/short-corpus/$t"
        rm -rf "$corpus"
        seconds=$SHORT_SECONDS
        extra=(-seed=1)
    else
        corpus="$OUT/corpus/$t"
        seconds=$SECONDS_PER_TARGET
        extra=()
    fi
    mkdir -p "$corpus"
    if "$bin" "${common[@]}" "${extra[@]}" -max_total_time="$seconds" "$corpus" "$seeds" "$regressions" >"$log" 2>&1; then
        echo "fuzz-linux: $t: $(summary "$log"), no finding in $seconds s"
    else
        echo "fuzz-linux: $t: finding (log: $log)"
        grep -aE 'ERROR|SUMMARY|Test unit written|leaked' "$log" | head -n 5
        status=1
    fi
done
exit "$status"
