#!/usr/bin/env bash
# Installs the tools, cross-builds the third-party libraries for the mingw target and prepares a
# Wine prefix. Safe to run again: finished steps are skipped (stamp files under the deps folder).
#
#   scripts/setup.sh            everything
#   ZEL_SKIP_APT=1 scripts/...  skip the package installation (tools already there)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEL_BUILD:-$ROOT/build}"
# ZEL_DEPS lets several build folders share one set of cross-built libraries.
DEPS="${ZEL_DEPS:-$BUILD/deps}"
PREFIX="$DEPS/prefix"
SRC="$DEPS/src"
JOBS="${ZEL_JOBS:-$(nproc 2>/dev/null || echo 2)}"
HOST=x86_64-w64-mingw32

die() { echo "setup: FAILED: $*" >&2; exit 1; }
step() { echo "setup: $*"; }

mkdir -p "$DEPS" "$PREFIX" "$SRC" "$BUILD/logs"

# Runs a build step with its output in a log file; on failure prints one clear line and the tail.
logged() {
    local name="$1"; shift
    local log="$BUILD/logs/$name.log"
    if ! "$@" >"$log" 2>&1; then
        tail -n 30 "$log" >&2 || true
        die "$name (full log: $log)"
    fi
}

# ---------------------------------------------------------------------------------------------
# 1. Debian packages
PACKAGES=(
    ca-certificates git cmake make python3 pkg-config dpkg-dev xz-utils patch
    g++-mingw-w64-x86-64 gcc-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine64 xvfb xauth x11-apps x11-utils imagemagick fonts-nanum openssl
    googletest
    clang-14 libclang-rt-14-dev ccache
)

enable_source_entries() {
    # deb-src entries are derived from the machine's own apt configuration, never written by hand.
    local out=/etc/apt/sources.list.d/zel-deb-src.sources changed=0
    if [ ! -f "$out" ]; then
        local tmp; tmp="$(mktemp)"
        local f
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] || continue
            case "$f" in "$out") continue ;; esac
            # Copy every stanza whose types include "deb", as a deb-src stanza.
            awk 'BEGIN{RS=""; ORS="\n\n"}
                 /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|$|\n)/ {
                     gsub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" >>"$tmp"
        done
        if [ -f /etc/apt/sources.list ]; then
            # One-line format: turn each "deb" line into a "deb-src" stanza in one-line form.
            grep -E '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list \
                | sed -E 's/^[[:space:]]*deb[[:space:]]/deb-src /' \
                >/etc/apt/sources.list.d/zel-deb-src.list || true
            [ -s /etc/apt/sources.list.d/zel-deb-src.list ] || rm -f /etc/apt/sources.list.d/zel-deb-src.list
        fi
        if [ -s "$tmp" ]; then cp "$tmp" "$out"; fi
        rm -f "$tmp"
        changed=1
    fi
    echo "$changed"
}

if [ -z "${ZEL_SKIP_APT:-}" ]; then
    command -v apt-get >/dev/null || die "apt-get not found: this script needs Debian 12"
    [ "$(id -u)" = 0 ] || die "run as root (package installation)"
    missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    changed="$(enable_source_entries)"
    if [ "${#missing[@]}" -gt 0 ] || [ "$changed" = 1 ] || [ ! -f "$DEPS/.apt-updated" ]; then
        step "apt-get update"
        logged apt-update apt-get update
        touch "$DEPS/.apt-updated"
    fi
    if [ "${#missing[@]}" -gt 0 ]; then
        step "installing ${missing[*]}"
        logged apt-install env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
fi

for tool in $HOST-g++-posix $HOST-gcc-posix $HOST-windres cmake python3 Xvfb openssl; do
    command -v "$tool" >/dev/null || die "missing tool: $tool"
done
[ -x /usr/lib/wine/wine64 ] || die "missing tool: /usr/lib/wine/wine64 (package wine64)"
[ -d /usr/src/googletest ] || die "missing GoogleTest sources in /usr/src/googletest (package googletest)"

# ---------------------------------------------------------------------------------------------
# 2. Third-party sources from Debian source packages, cross-built for mingw
export CC=$HOST-gcc-posix CXX=$HOST-g++-posix AR=$HOST-ar RANLIB=$HOST-ranlib

fetch_source() {   # fetch_source <source package> -> prints the unpacked folder
    local pkg="$1" dir
    dir="$(find "$SRC" -maxdepth 1 -mindepth 1 -type d -name "$pkg-*" | head -n 1)"
    if [ -z "$dir" ]; then
        (cd "$SRC" && { apt-get source -q "$pkg" >"$BUILD/logs/source-$pkg.log" 2>&1 \
            || apt-get source -q "$pkg/bookworm" >>"$BUILD/logs/source-$pkg.log" 2>&1; }) \
            || { tail -n 5 "$BUILD/logs/source-$pkg.log" >&2; die "apt-get source $pkg"; }
        dir="$(find "$SRC" -maxdepth 1 -mindepth 1 -type d -name "$pkg-*" | head -n 1)"
    fi
    [ -n "$dir" ] || die "source of $pkg not unpacked"
    echo "$dir"
}

TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"

build_cmake_dep() {   # name srcdir extra-args...
    local name="$1" src="$2"; shift 2
    local bdir="$DEPS/build-$name"
    rm -rf "$bdir"
    logged "$name-configure" cmake -S "$src" -B "$bdir" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" -DBUILD_SHARED_LIBS=OFF "$@"
    logged "$name-build" cmake --build "$bdir" -j "$JOBS"
    logged "$name-install" cmake --install "$bdir"
}

if [ ! -f "$DEPS/.jsoncpp" ]; then
    step "jsoncpp"
    d="$(fetch_source libjsoncpp)"
    build_cmake_dep jsoncpp "$d" -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF \
        -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_CMAKE_PACKAGE=OFF \
        -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF
    touch "$DEPS/.jsoncpp"
fi

if [ ! -f "$DEPS/.tinyxml" ]; then
    step "TinyXML (without STL)"
    d="$(fetch_source tinyxml)"
    # Debian forces the STL option into the header; this project uses the library without it.
    if [ -f "$d/debian/patches/enforce-use-stl.patch" ] && grep -q 'define TIXML_USE_STL' "$d/tinyxml.h"; then
        (cd "$d" && patch -R -p1 <debian/patches/enforce-use-stl.patch >/dev/null) || die "reverting the STL patch of TinyXML"
    fi
    grep -q '^#define TIXML_USE_STL' "$d/tinyxml.h" && die "TinyXML header still forces STL"
    mkdir -p "$DEPS/build-tinyxml" "$PREFIX/include" "$PREFIX/lib"
    (
        cd "$DEPS/build-tinyxml"
        for f in tinyxml tinystr tinyxmlerror tinyxmlparser; do
            $CXX -O2 -c "$d/$f.cpp" -o "$f.o"
        done
        rm -f libtinyxml.a
        $AR rcs libtinyxml.a tinyxml.o tinystr.o tinyxmlerror.o tinyxmlparser.o
    ) >"$BUILD/logs/tinyxml.log" 2>&1 || { tail -n 20 "$BUILD/logs/tinyxml.log" >&2; die tinyxml; }
    cp "$DEPS/build-tinyxml/libtinyxml.a" "$PREFIX/lib/"
    cp "$d/tinyxml.h" "$d/tinystr.h" "$PREFIX/include/"
    touch "$DEPS/.tinyxml"
fi

if [ ! -f "$DEPS/.tinyxml2" ]; then
    step "TinyXML-2"
    d="$(fetch_source tinyxml2)"
    build_cmake_dep tinyxml2 "$d" -Dtinyxml2_BUILD_TESTING=OFF -DBUILD_TESTING=OFF
    touch "$DEPS/.tinyxml2"
fi

# With its assembly (AES-NI, SHA extensions, vectorised GHASH and ChaCha): without it TLS through the
# socket library ran at a few per cent of plain TCP. The perl-generated code is GNU as for the mingw
# assembler; no other tool is needed. The stamp names the build, so a deps folder holding the older
# portable-C build rebuilds it. The old stamp stays: a checkout from before this change, sharing the
# folder, must not take it back to portable C.
if [ ! -f "$DEPS/.openssl-asm" ]; then
    step "OpenSSL (static, with assembly)"
    d="$(fetch_source openssl)"
    (
        cd "$d"
        make distclean >/dev/null 2>&1 || true
        CC=gcc CXX=g++ AR=ar RANLIB=ranlib ./Configure mingw64 no-shared no-tests \
            --cross-compile-prefix=$HOST- --prefix="$PREFIX" --libdir=lib
        CC=gcc CXX=g++ AR=ar RANLIB=ranlib make -j "$JOBS" build_libs
        CC=gcc CXX=g++ AR=ar RANLIB=ranlib make install_dev
    ) >"$BUILD/logs/openssl.log" 2>&1 || { tail -n 30 "$BUILD/logs/openssl.log" >&2; die openssl; }
    touch "$DEPS/.openssl-asm"
fi

if [ ! -f "$DEPS/.opus" ]; then
    step "libopus"
    d="$(fetch_source opus)"
    mkdir -p "$DEPS/build-opus"
    (
        cd "$DEPS/build-opus"
        CPPFLAGS=-D_FORTIFY_SOURCE=0 "$d/configure" --host=$HOST --prefix="$PREFIX" \
            --disable-shared --enable-static --disable-doc --disable-extra-programs
        make -j "$JOBS"
        make install
    ) >"$BUILD/logs/opus.log" 2>&1 || { tail -n 30 "$BUILD/logs/opus.log" >&2; die opus; }
    touch "$DEPS/.opus"
fi

if [ ! -f "$DEPS/.gtest" ]; then
    step "GoogleTest/GoogleMock"
    build_cmake_dep gtest /usr/src/googletest -Dgtest_disable_pthreads=OFF -DINSTALL_GTEST=ON
    touch "$DEPS/.gtest"
fi

if [ ! -f "$DEPS/.benchmark" ]; then
    step "Google Benchmark"
    d="$(fetch_source benchmark)"
    build_cmake_dep benchmark "$d" -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
        -DGIT_VERSION=0.0.0 -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_LTO=OFF -DBENCHMARK_ENABLE_INSTALL=ON -DHAVE_STD_REGEX=ON \
        -DRUN_HAVE_STD_REGEX=1 -DRUN_HAVE_POSIX_REGEX=0 -DRUN_HAVE_STEADY_CLOCK=1 -DRUN_HAVE_PTHREAD_AFFINITY=0
    touch "$DEPS/.benchmark"
fi

step "dependencies ready in $PREFIX"
