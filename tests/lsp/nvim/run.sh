#!/usr/bin/env bash
# Runs one Neovim scenario headless against the server: run.sh SCENARIO [ZENTREL].
# Neovim's messages and the client's log (where the server's standard error goes) are
# printed when it fails.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
scenario="$1"
export ZENTREL_SOURCE_DIR="$(cd "$here/../../.." && pwd)"
export ZENTREL_EXE="$(realpath "${2:-$ZENTREL_SOURCE_DIR/build/zentrel}")"
if ! command -v nvim >/dev/null; then
    echo "nvim is not installed: scenario $scenario skipped"
    exit 77
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# Nothing of the user's: no configuration, shada, swap files or log outside the scratch folder.
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    XDG_CACHE_HOME="$scratch/cache" XDG_STATE_HOME="$scratch/state" HOME="$scratch"
export PATH="$(dirname "$ZENTREL_EXE"):$PATH"
unset ZENTREL_PROFILE

# The setup_ scenarios start from the README's Neovim configuration, the others from nothing.
# A scenario quits by itself; returning to the "cquit 3" means the script failed to load.
init=NONE
case "$scenario" in setup_*) init="$ZENTREL_SOURCE_DIR/examples/nvim/zentrel.lua" ;; esac
timeout 120 nvim --headless --clean -n -i NONE -u "$init" \
    -c "luafile $here/$scenario.lua" -c "cquit 3" >"$scratch/out" 2>&1 </dev/null
status=$?
if [ $status -ne 0 ]; then
    [ $status -eq 124 ] && echo "scenario $scenario timed out"
    cat "$scratch/out"
    if [ -f "$scratch/cache/nvim/lsp.log" ]; then
        echo "--- client log"
        tail -n 60 "$scratch/cache/nvim/lsp.log"
    fi
    [ $status -eq 77 ] && exit 77
    exit 1
fi
echo "scenario $scenario passed"
