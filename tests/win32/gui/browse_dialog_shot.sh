#!/usr/bin/env bash
# Runs the Browse dialog program on the X server of an enclosing xvfb-run, screenshots the
# dialog's first look, lets the program type its keys, and checks that it ended well and that
# the picture is not one flat colour:
#   browse_dialog_shot.sh WINE_RUN PROGRAM SHOT PREFIX
set -uo pipefail

wine_run=$1 program=$2 shot=$3 prefix=$4
if [[ -z ${DISPLAY-} ]]; then
    echo "no X display: run the gui tests inside xvfb-run" >&2
    exit 1
fi

work=$(dirname "$shot")
name=$(basename "$shot" .png)
shown=$work/$name.shown
ended=$work/$name.ended
log=$work/$name.log
project=$work/$name.files
mkdir -p "$work"
rm -rf "$shot" "$shown" "$shown.release" "$ended" "$project"

windows_path() { local path=$1; printf 'Z:%s' "${path//\//\\}"; }

wait_for() {
    local tries
    for ((tries = 0; tries < $2; ++tries)); do
        [[ -e $1 ]] && return 0
        kill -0 "$pid" 2>/dev/null || { [[ -e $1 ]]; return; }
        sleep 0.1
    done
    [[ -e $1 ]]
}

stop_prefix() {
    kill "$pid" 2>/dev/null
    WINEPREFIX=$prefix wineserver -k </dev/null >/dev/null 2>&1
}

bash "$wine_run" --prefix="$prefix" explorer /desktop="$name,800x600" \
    "$(windows_path "$program")" "$(windows_path "$project")" "$(windows_path "$shown")" \
    "$(windows_path "$ended")" </dev/null >"$log" 2>&1 &
pid=$!

if ! wait_for "$shown" 900; then
    echo "the dialog was not shown; program said: $(cat "$ended" 2>/dev/null)" >&2
    cat "$log" >&2
    stop_prefix
    exit 1
fi
xwd -root -silent | convert xwd:- -crop 800x600+0+0 +repage "$shot"
touch "$shown.release"

status=0
if ! wait_for "$ended" 300; then
    echo "the program did not end by itself" >&2
    status=1
elif [[ $(cat "$ended") != ok ]]; then
    echo "the program failed: $(cat "$ended")" >&2
    status=1
fi
stop_prefix
wait "$pid" 2>/dev/null

if [[ ! -s $shot ]]; then
    echo "no screenshot" >&2
    exit 1
fi
colours=$(convert "$shot" -format %k info:)
echo "screenshot $shot: $colours colours"
if ((colours < 2)); then
    echo "the screenshot is flat" >&2
    status=1
fi
exit $status
