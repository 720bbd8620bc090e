# Shell functions shared by the scripts that cross-build the decoder
# libraries from Debian bookworm's source packages (Debian patches applied):
# tools/build-mingw-deps.sh and tools/build-jxl-deps.sh (static ones) and
# tools/build-heif-dlls.sh (the LGPL ones, as DLLs). Sourced, not run; the
# caller sets SOURCE_PACKAGES, EXTRA_TOOLS (command:package pairs) and
# BUILD_INPUTS (further files the build reads, such as patches), then calls
#
#   deps_begin "$@"     with ARCH PREFIX, or --key
#
# ARCH is x86_64 or i686; PREFIX the output directory, which receives
# include/, lib/ (and bin/). Next to PREFIX (shared by both architectures
# when PREFIX is e.g. build/deps/x86_64 and build/deps/i686):
#   PREFIX/../src-cache     downloaded Debian source packages (.dsc + tarballs)
#   PREFIX/../build-ARCH    unpacked sources, build trees, toolchain file, logs
#
# The result is cached: when PREFIX/.complete records the hash of the
# calling script, this file and the build inputs, and the same ARCH,
# deps_begin exits at once. --key prints what a build depends on, as one
# hash: those files and the versions of the source packages apt offers. tools/build-lib.sh keeps the
# builds of each key in a cache outside the work tree.
#
# Runs as root on a plain Debian 12 machine: adds a deb-src entry if there is
# none, and installs the build tools it needs if they are missing (through
# tools/install-packages.sh, like every other script).

SUITE=bookworm
export DEBIAN_FRONTEND=noninteractive
export LC_ALL=C

deps_usage() {
    echo "usage: $0 x86_64|i686 PREFIX | --key" >&2
    exit 2
}

say() { echo "[$DEPS_NAME $ARCH] $*"; }
die() { echo "[$DEPS_NAME $ARCH] error: $*" >&2; exit 1; }

deps_begin() {
    KEY_ONLY=0
    if [[ $# -eq 1 && $1 == --key ]]; then
        KEY_ONLY=1
        exec 3>&1 >&2  # only the key goes to the standard output
        set -- x86_64 /nonexistent/x86_64
    fi
    [[ $# -eq 2 ]] || deps_usage
    ARCH=$1
    case "$ARCH" in
        x86_64|i686) ;;
        *) deps_usage ;;
    esac
    [[ -n $2 ]] || deps_usage

    TOOLS_DIR=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
    SCRIPT_HASH=$(cat "$(readlink -f "$0")" "$TOOLS_DIR/deps-lib.sh" ${BUILD_INPUTS[@]+"${BUILD_INPUTS[@]}"} |
                  sha256sum | cut -d' ' -f1)
    STAMP_TEXT="$SCRIPT_HASH $ARCH"

    if [[ $KEY_ONLY -eq 0 ]]; then
        mkdir -p "$2"
        PREFIX=$(cd "$2" && pwd)
        if [[ -f $PREFIX/.complete ]] && [[ $(cat "$PREFIX/.complete") == "$STAMP_TEXT" ]]; then
            echo "[$DEPS_NAME $ARCH] up to date in $PREFIX"
            exit 0
        fi
    else
        PREFIX=$2
    fi

    TOP=$(dirname "$PREFIX")
    SRC_CACHE=$TOP/src-cache
    WORK=$TOP/build-$ARCH
    LOGS=$WORK/logs
    HOST=$ARCH-w64-mingw32

    if [[ $KEY_ONLY -eq 0 ]]; then
        exec 8>"$TOP/.lock-$ARCH"  # one run per PREFIX at a time
        flock 8
    fi
    ensure_tools
    have_deb_src || add_deb_src
    if [[ $KEY_ONLY -eq 1 ]]; then
        print_key >&3
        exit 0
    fi
    fetch_sources
    setup_build
    T0=$SECONDS
    say "building into $PREFIX"
}

# Writes the stamp that makes the next run a no-op.
deps_end() {
    echo "$STAMP_TEXT" >"$PREFIX/.complete"
    say "done in $((SECONDS - T0))s"
}

# ---------------------------------------------------------------- tools

APT_UPDATED=0
apt_update_once() {
    if [[ $APT_UPDATED -eq 0 ]]; then
        apt-get update -qq >/dev/null || die "apt-get update failed"
        APT_UPDATED=1
    fi
}

ensure_tools() {
    local -a missing=()
    local pair
    for pair in "$HOST-gcc-posix:mingw-w64" "$HOST-g++-posix:mingw-w64" nasm:nasm cmake:cmake ninja:ninja-build \
                dpkg-source:dpkg-dev make:make ${EXTRA_TOOLS[@]+"${EXTRA_TOOLS[@]}"}; do
        command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
    done
    if [[ ${#missing[@]} -gt 0 ]]; then
        say "installing ${missing[*]}"
        "$TOOLS_DIR/install-packages.sh" "${missing[@]}" || die "installing ${missing[*]} failed"
    fi
}

have_deb_src() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $f ]] && grep -Eq '^[[:space:]]*deb-src[[:space:]]' "$f" && return 0
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f $f ]] && grep -Eiq '^Types:.*\bdeb-src\b' "$f" && return 0
    done
    return 1
}

# Copies each stanza of debian.sources with Types: deb-src, keeping only the
# fields apt needs to locate the sources (continuation lines included).
add_deb_src() {
    local from=/etc/apt/sources.list.d/debian.sources
    local to=/etc/apt/sources.list.d/debian-src.sources
    [[ -f $from ]] || die "no deb-src entry and no $from to derive one from"
    awk '
        function flush() {
            if (body != "") { if (n++) print ""; print "Types: deb-src"; printf "%s", body }
            body = ""; keep = 0
        }
        /^[[:space:]]*$/ { flush(); next }
        /^#/ { next }
        /^[ \t]/ { if (keep) body = body $0 "\n"; next }
        {
            field = tolower($0); sub(/:.*/, "", field)
            keep = (field == "uris" || field == "suites" || field == "components" || field == "signed-by")
            if (keep) body = body $0 "\n"
        }
        END { flush() }
    ' "$from" >"$to.tmp"
    grep -q '^URIs:' "$to.tmp" || { rm -f "$to.tmp"; die "could not derive deb-src entry from $from"; }
    mv "$to.tmp" "$to"
    say "added $to"
    APT_UPDATED=0
    apt_update_once
}

# The versions of every source package apt knows, in all suites: a new
# Debian upload changes the key.
source_versions() {
    local p
    for p in "${SOURCE_PACKAGES[@]}"; do
        apt-cache showsrc --only-source "$p" 2>/dev/null | awk -v p="$p" '/^Version:/ { print p, $2 }'
    done | sort -u
}

print_key() {
    local versions
    versions=$(source_versions)
    if [[ $(wc -l <<<"$versions") -lt ${#SOURCE_PACKAGES[@]} ]]; then
        apt_update_once  # the package lists may predate the deb-src entry
        versions=$(source_versions)
    fi
    [[ $(wc -l <<<"$versions") -ge ${#SOURCE_PACKAGES[@]} ]] || die "apt knows no source versions"
    printf '%s\n%s\n' "$SCRIPT_HASH" "$versions" | sha256sum | cut -c1-16
}

# ---------------------------------------------------------------- sources

newest_dsc() {
    # newest cached .dsc of source package $1, or nothing
    local f
    f=$(cd "$SRC_CACHE" && ls -1 "$1"_*.dsc 2>/dev/null | sort -V | tail -n1) || true
    if [[ -n $f ]]; then echo "$SRC_CACHE/$f"; fi
}

fetch_sources() {
    mkdir -p "$SRC_CACHE"
    (
        flock 9
        local -a want=()
        local p
        for p in "${SOURCE_PACKAGES[@]}"; do
            [[ -n $(newest_dsc "$p") ]] || want+=("$p/$SUITE")
        done
        [[ ${#want[@]} -eq 0 ]] && exit 0
        say "downloading sources: ${want[*]}"
        local log=$SRC_CACHE/download.log
        if ! (cd "$SRC_CACHE" && apt-get source --download-only "${want[@]}") >"$log" 2>&1; then
            # the package lists may predate the deb-src entry
            apt_update_once
            (cd "$SRC_CACHE" && apt-get source --download-only "${want[@]}") >>"$log" 2>&1 \
                || { tail -n 30 "$log" >&2; die "apt-get source failed (log: $log)"; }
        fi
    ) 9>"$SRC_CACHE/.lock"
}

# unpack NAME -> prints the source directory
unpack() {
    local pkg=$1 dsc dir
    dsc=$(newest_dsc "$pkg")
    [[ -n $dsc ]] || die "no source package for $pkg in $SRC_CACHE"
    dir=$WORK/src/$pkg
    rm -rf "$dir"
    mkdir -p "$WORK/src"
    dpkg-source -x "$dsc" "$dir" >>"$LOGS/$pkg.unpack.log" 2>&1 \
        || { tail -n 30 "$LOGS/$pkg.unpack.log" >&2; die "dpkg-source -x $dsc failed"; }
    basename "$dsc" .dsc >>"$PREFIX/SOURCES"
    echo "$dir"
}

# ---------------------------------------------------------------- build setup

setup_build() {
    rm -f "$PREFIX/.complete" "$PREFIX/SOURCES"
    rm -rf "$PREFIX/include" "$PREFIX/lib" "$PREFIX/bin" "$PREFIX/share" "$WORK"
    mkdir -p "$PREFIX/include" "$PREFIX/lib" "$LOGS"

    CC_BIN=$(command -v "$HOST-gcc-posix")
    CXX_BIN=$(command -v "$HOST-g++-posix")
    AR_BIN=$(command -v "$HOST-ar")
    RANLIB_BIN=$(command -v "$HOST-ranlib")
    RC_BIN=$(command -v "$HOST-windres")
    # The optimisation level goes into CMAKE_C_FLAGS, not the Release flags:
    # libjpeg-turbo rewrites -O2 in CMAKE_C_FLAGS_RELEASE to -O3.
    OPT_LEVEL="-O2"
    OPT_FLAGS="$OPT_LEVEL -DNDEBUG"

    TOOLCHAIN=$WORK/toolchain-$ARCH.cmake
    cat >"$TOOLCHAIN" <<EOF
# generated by tools/deps-lib.sh
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $ARCH)
set(CMAKE_C_COMPILER $CC_BIN)
set(CMAKE_CXX_COMPILER $CXX_BIN)
set(CMAKE_RC_COMPILER $RC_BIN)
set(CMAKE_AR $AR_BIN CACHE FILEPATH "")
set(CMAKE_RANLIB $RANLIB_BIN CACHE FILEPATH "")
# Only our own PREFIX is searched: neither host libraries nor the
# DLL import libraries of Debian's mingw packages can be picked up.
set(CMAKE_FIND_ROOT_PATH $PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

    # keep pkg-config (if any) away from the host's .pc files
    export PKG_CONFIG_PATH=
    export PKG_CONFIG_LIBDIR=$PREFIX/lib/pkgconfig
    export PKG_CONFIG_SYSROOT_DIR=
}

# run LOGNAME CMD... with all output in the log; on failure show its tail
run() {
    local name=$1; shift
    echo "+ $*" >>"$LOGS/$name.log"
    if ! "$@" >>"$LOGS/$name.log" 2>&1; then
        echo "---- last lines of $LOGS/$name.log ----" >&2
        tail -n 40 "$LOGS/$name.log" >&2
        die "$name failed"
    fi
}

cmake_configure() {
    local name=$1 src=$2 bld=$3; shift 3
    run "$name" cmake -S "$src" -B "$bld" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS="$OPT_LEVEL" \
        -DCMAKE_C_FLAGS_RELEASE="-DNDEBUG" \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DCMAKE_INSTALL_LIBDIR:PATH=lib \
        -DCMAKE_INSTALL_INCLUDEDIR:PATH=include \
        -DCMAKE_INSTALL_BINDIR:PATH=bin \
        -DCMAKE_PREFIX_PATH="$PREFIX" \
        "$@"
}

step_start() { STEP_T0=$SECONDS; say "$1 ..."; }
step_done() { say "$1 done ($((SECONDS - STEP_T0))s)"; }
