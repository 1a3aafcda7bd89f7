#!/usr/bin/env bash
# The installed program: its files where a POSIX user expects them, found relative to the
# program after the tree moves; and the .deb holding and installing the same files.
#   install_test.sh SOURCE_DIR BUILD_DIR CMAKE CPACK
set -uo pipefail
sources=$1
build=$2
cmake=$3
cpack=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program without a desktop and outside the user's own folders:
#   run NAME PROGRAM ARGS... ; sets out, err and status.
run() {
    local name=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u ZENTREL_PROFILE HOME="$work/home" \
        XDG_CONFIG_HOME="$work/home/config" "$@" >"$work/$name.out" 2>"$work/$name.err" </dev/null
    status=$?
    out=$(cat "$work/$name.out")
    err=$(cat "$work/$name.err")
}

expect() {  # expect WHAT ACTUAL EXPECTED
    [[ $2 == "$3" ]] || fail "$1: got [$2], expected [$3]"
}

# The program's files as an installed tree under ROOT must hold them, and the program there
# must find each of them.
check_installed() {
    local label=$1 root=$2 files=$2/share/zentrel2 program=$2/bin/zentrel
    for file in bin/zentrel share/zentrel2/Zentrel.txt share/zentrel2/Def.vsk \
        share/zentrel2/ReadMe.html share/zentrel2/Zentrel2.rgs; do
        [[ -f $root/$file ]] || fail "$label: $file not installed"
    done
    cmp -s "$files/Zentrel.txt" "$sources/resources/Zentrel.txt" ||
        fail "$label: Zentrel.txt differs from the source's"

    run help "$program" help
    expect "$label help" "$status:$out" "0:$files/ReadMe.html"
    run about "$program" about
    [[ $status == 0 && $out == " Zentrel Developer Studio Add-In 2."* ]] ||
        fail "$label about: $status [$out]"

    # The template file read is the installed one: a template added there is listed.
    printf '##+ InstalledOnly\nx\n##-\n' >>"$files/Zentrel.txt"
    run templates "$program" templates
    [[ $status == 0 && $out == *InstalledOnly* ]] || fail "$label templates: $status [$out] $err"

    # The registration script, and the key scheme copied on the first run, come from there too.
    mkdir -p "$work/home/$label"
    run register "$program" register --profile "$work/home/$label/p.reg"
    [[ $status == 0 ]] || fail "$label register: $status $err"
    run setup "$program" run --profile "$work/home/$label/p.reg" '#32808'
    local scheme
    scheme=$(find "$work/home/$label/p.ide" -name '*.vsk' 2>/dev/null | head -1)
    if [[ -z $scheme ]] || ! cmp -s "$scheme" "$files/Def.vsk"; then
        fail "$label setup: no copy of the installed Def.vsk (status $status) $err"
    fi

    rm "$files/ReadMe.html"
    run missing "$program" help
    expect "$label help without its file" "$status:$out:$err" "1::Zentrel: Help file not found."
}

# Installed under a prefix, then moved: nothing may depend on where it was installed.
"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
mv "$work/prefix" "$work/moved"
check_installed prefix "$work/moved"

# The package: its listing, its fields, and the program it installs.
if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "no dpkg-shlibdeps (package dpkg-dev): the .deb is not checked"
else
    "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
        fail "cpack: $(cat "$work/cpack.log")"
    deb=$(ls "$work"/package/*.deb 2>/dev/null | head -1)
    if [[ -n $deb ]]; then
        listing=$(dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v '/$' | sort)
        expect "package listing" "$listing" "$(printf '%s\n' ./usr/bin/zentrel \
            ./usr/share/zentrel2/Def.vsk ./usr/share/zentrel2/ReadMe.html \
            ./usr/share/zentrel2/Zentrel.txt ./usr/share/zentrel2/Zentrel2.rgs)"
        expect "package name" "$(dpkg-deb -f "$deb" Package)" zentrel2
        expect "maintainer" "$(dpkg-deb -f "$deb" Maintainer)" "Tarn Software <zentrel@tarn.example>"
        [[ $(dpkg-deb -f "$deb" Depends) == *libc6* ]] || fail "no libc6 in Depends"
        dpkg-deb -x "$deb" "$work/root"
        check_installed package "$work/root/usr"
    else
        fail "cpack made no .deb"
    fi
fi

exit $((failures > 0))
