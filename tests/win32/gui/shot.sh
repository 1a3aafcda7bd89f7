#!/usr/bin/env bash
# Runs one window of the shot program on the X server of an enclosing xvfb-run, screenshots it
# once the program says it is shown and checked, lets the program answer it, and checks that
# the program ended well and that the picture, and the window's part of it, are not flat:
#   shot.sh WINE_RUN PROGRAM SHOT PREFIX AREA
# The window is the one named like SHOT (without .png); AREA is a geometry in the picture.
# The prefix is the GUI tests' own: one whose server started without a display opens no windows.
set -uo pipefail

wine_run=$1 program=$2 shot=$3 prefix=$4 area=$5
if [[ -z ${DISPLAY-} ]]; then
    echo "no X display: run the gui tests inside xvfb-run" >&2
    exit 1
fi

work=$(dirname "$shot")
name=$(basename "$shot" .png)
shown=$work/$name.shown
ended=$work/$name.ended
log=$work/$name.log
files=$work/$name.files
mkdir -p "$work"
rm -rf "$shot" "$shown" "$shown.release" "$ended" "$files"

windows_path() { local path=$1; printf 'Z:%s' "${path//\//\\}"; }

# Waits up to $2 tenths of a second for the file $1; false when it did not come.
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

# The first run creates the prefix (about 10 s), hence the long first wait.
bash "$wine_run" --prefix="$prefix" explorer /desktop="$name,800x600" \
    "$(windows_path "$program")" "$name" "$(windows_path "$files")" "$(windows_path "$shown")" \
    "$(windows_path "$ended")" </dev/null >"$log" 2>&1 &
pid=$!

if ! wait_for "$shown" 900; then
    echo "$name was not shown; program said: $(cat "$ended" 2>/dev/null)" >&2
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
# Explorer keeps the desktop a while after its last program; nothing else runs in this prefix.
stop_prefix
wait "$pid" 2>/dev/null

if [[ ! -s $shot ]]; then
    echo "no screenshot" >&2
    exit 1
fi
colours=$(convert "$shot" -format %k info:)
area_colours=$(convert "$shot" -crop "$area" +repage -format %k info:)
echo "screenshot $shot: $colours colours, $area_colours in $area"
if ((colours < 2 || area_colours < 2)); then
    echo "the screenshot is flat" >&2
    status=1
fi
exit $status
