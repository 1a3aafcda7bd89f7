#!/usr/bin/env bash
# Runs a Windows program under 32-bit Wine in a prefix private to one build tree:
#   wine-run.sh [--prefix=DIR] PROGRAM [ARGS...]
# The prefix is created once under a lock. Wine's server and service processes inherit the
# descriptors of the wine process that starts them, and CTest waits for whatever holds its
# pipes, so they are started here detached from every descriptor before the program runs.
set -euo pipefail

prefix=""
if [[ ${1-} == --prefix=* ]]; then
    prefix=${1#--prefix=}
    shift
fi
prefix=${prefix:-${ZENTREL_WINEPREFIX:-$PWD/wineprefix}}

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"

{
    flock 9
    if [[ ! -e $prefix/.initialised ]]; then
        wineboot --init </dev/null >/dev/null 2>&1 9>&-
        wineserver -w </dev/null >/dev/null 2>&1 9>&-
        touch "$prefix/.initialised"
    fi
    # Harmless when a server already runs for this prefix.
    setsid wineserver -p30 </dev/null >/dev/null 2>&1 9>&- || true
    setsid wine cmd /c exit 0 </dev/null >/dev/null 2>&1 9>&- || true
} 9>"$prefix.lock"

# Wine 8 on a loaded machine now and then dies of SIGSEGV itself while a program exits (seen
# after a test had printed its whole result). A fault in the program's own code ends it with
# an exception status instead, so only a death by that signal is run once more, and said.
status=0
wine "$@" || status=$?
if [[ $status -eq 139 ]]; then
    echo "wine-run.sh: wine died of SIGSEGV; running $1 once more" >&2
    exec wine "$@"
fi
exit "$status"
