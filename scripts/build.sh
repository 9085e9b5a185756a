#!/usr/bin/env bash
# Configures and builds every target into the build folder (after scripts/setup.sh).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
JOBS="${ZEL_JOBS:-$(nproc 2>/dev/null || echo 2)}"
# Configure every time (a few seconds): a folder that gained its CMakeLists.txt joins the build.
mkdir -p "$BUILD/logs"
# Where ccache is installed, compiles go through it; paths below the source folder are hashed
# relative to it, so checkouts in other folders share the cached objects.
LAUNCH=()
if command -v ccache >/dev/null 2>&1; then
    LAUNCH=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}" CCACHE_NOHASHDIR=1
fi
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" "${LAUNCH[@]}" \
    -DZEL_DEPS_PREFIX="${ZEL_DEPS:-$BUILD/deps}/prefix" >"$BUILD/logs/configure.log" 2>&1 \
    || { tail -n 40 "$BUILD/logs/configure.log" >&2; echo "build: FAILED: cmake configure" >&2; exit 1; }
cmake --build "$BUILD" -j "$JOBS" 2>&1 | grep -vE '^\[ *[0-9]+%\] (Building|Linking|Built)' || true
# grep swallows the build's status: ask cmake once more (a no-op when everything is built).
cmake --build "$BUILD" -j "$JOBS" >/dev/null 2>&1 || { cmake --build "$BUILD" 2>&1 | tail -n 40; echo "build: FAILED" >&2; exit 1; }
