#!/bin/sh
# Runs a 32-bit Windows program of this build under Wine, for ctest (it is
# the CMAKE_CROSSCOMPILING_EMULATOR of the windows-i686 build):
#     wine-run.sh PROGRAM.exe [ARGS...]
# Exits with the program's own status once it has really run; exits 77
# (ctest: skipped) when Wine could not run it, after one loud line saying why.
#
# Environment (set by tests/CMakeLists.txt):
#   VRX_WINE_PREFIX   the Wine prefix to use (made with wineboot on first use)
#   VRX_WINE_DLL_DIR  where VRXAGAPI.dll and the platform DLLs are
#   VRX_WINE_LOADER   the 32-bit Wine loader (default /usr/lib/wine/wine, or
#                     the `wine` on PATH where that does not exist)
#
# Wine's 32-bit loader is a 32-bit Linux program. On machines whose kernel
# does not execute those itself, scripts/install-deps hands them to
# qemu-i386 (binfmt_misc); this script only needs the loader to start.
set -u

SKIP=77

loud() {
    echo "*** WINDOWS RUN SKIPPED: $* ***"
}

if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
    exit 2
fi
program=$1
shift

prefix=${VRX_WINE_PREFIX:-$(pwd)/wineprefix}
dll_dir=${VRX_WINE_DLL_DIR:-$(dirname "$program")}
loader=${VRX_WINE_LOADER:-/usr/lib/wine/wine}
if [ ! -e "$loader" ]; then
    loader=$(command -v wine || true)
fi
if [ -z "$loader" ]; then
    loud "Wine is not installed (no 32-bit loader found)"
    exit $SKIP
fi

# `--version` tells whether the loader starts at all; whether it can run a
# 32-bit program is only known from the program's own output, below.
if ! "$loader" --version >/dev/null 2>&1; then
    loud "Wine's 32-bit loader $loader cannot run on this machine (no 32-bit execution; run scripts/install-deps)"
    exit $SKIP
fi
server=$(command -v wineserver || true)
[ -x /usr/lib/wine/wineserver ] && server=/usr/lib/wine/wineserver
if [ -z "$server" ]; then
    loud "wineserver not found"
    exit $SKIP
fi

mkdir -p "$prefix" || exit $SKIP
prefix=$(cd "$prefix" && pwd)
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them and the prefix is made offline.
export WINEDLLOVERRIDES="mscoree,mshtml="
log="$prefix/wine-run.log"

# One wineserver of our own, started detached from our output (a server
# that wine starts by itself would inherit the caller's stdout and keep the
# pipe to ctest open), stopped again however this script ends.
stop_server() {
    "$server" -k >/dev/null 2>&1 </dev/null || true
}
trap stop_server EXIT
trap 'exit 130' INT TERM
"$server" -p >/dev/null 2>&1 </dev/null || true

if [ ! -f "$prefix/.vrx-initialised" ]; then
    echo "wine-run: making the Wine prefix $prefix (once)"
    # The 64-bit loader, where there is one, makes the same prefix faster.
    boot=$loader
    [ -x /usr/lib/wine/wine64 ] && boot=/usr/lib/wine/wine64
    "$boot" wineboot -i >"$log" 2>&1 </dev/null
    if [ ! -f "$prefix/system.reg" ]; then
        loud "wineboot could not make the prefix $prefix (see $log)"
        exit $SKIP
    fi
    touch "$prefix/.vrx-initialised"
fi

# The program finds the DLLs through the Windows search path; Wine maps the
# root of the Linux file system to drive Z:.
dll_dir=$(cd "$dll_dir" && pwd)
export WINEPATH="Z:$(printf '%s' "$dll_dir" | tr '/' '\\')"

output="$prefix/last-output.txt"
"$loader" "$program" "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"

# A GoogleTest program announces "[==========] Running N tests ..." when it
# starts and ends with "[==========] N tests from M test suites ran.". No
# start line: Wine never ran the program (wine64 alone, for one, exits 0
# without running a 32-bit program). A start without the end: it died.
if ! grep -q '^\[==========\] Running ' "$output"; then
    loud "Wine did not run $(basename "$program") (exit status $status, loader: $loader)"
    exit $SKIP
fi
if ! grep -q '^\[==========\] [0-9][0-9]* tests\{0,1\} from .* ran\.' "$output"; then
    echo "wine-run: $(basename "$program") stopped before its summary (exit status $status)" >&2
    [ "$status" -ne 0 ] && [ "$status" -ne $SKIP ] && exit "$status"
    exit 1
fi
exit $status
