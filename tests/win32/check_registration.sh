#!/usr/bin/env bash
# Registers or unregisters the library with regsvr32 under Wine and checks the registry with
# reg query:
#   check_registration.sh register|unregister DLL EXPECTED EMULATOR...
# register: starts from an unregistered library, registers, leaves a setup marker, registers
# again, and compares every key the script writes with EXPECTED (@MODULEDIR@ stands for the
# library's directory). unregister: unregisters and checks that every such key is gone.
set -euo pipefail
mode=$1 dll=$2 expected=$3
shift 3
emulator=("$@")

clsid='{5A3C9E10-7B42-4D8F-9C61-2E8B4F7A0D35}'
libid='{8D17F4C2-3E95-4A6B-B0D8-71C2E9A45F03}'
owned=(
    'HKCR\Zentrel2.1'
    'HKCR\Zentrel2'
    "HKCR\\CLSID\\$clsid"
    "HKCR\\TypeLib\\$libid"
    'HKLM\Software\Microsoft\VisualStudio'
    'HKCU\Software\Microsoft\VisualStudio'
)
setup='HKCU\Software\Tarn\Zentrel2\Setup'
# The IDE's own interfaces: registering the type library must not claim them.
foreign=(
    'HKCR\Interface\{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}'
    'HKCR\Interface\{7EF39A3E-590D-4879-88D4-C9BE5BCFD92E}'
)

wine_run() { "${emulator[@]}" "$@"; }
query() { wine_run reg query "$1" /s | tr -d '\r'; }
exists() { wine_run reg query "$1" >/dev/null 2>&1; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

case $mode in
register)
    wine_run regsvr32 /u /s "$dll" || true
    wine_run regsvr32 /s "$dll" || fail "first regsvr32"
    wine_run reg add "$setup" /v 8.0 /t REG_DWORD /d 1 /f >/dev/null
    wine_run regsvr32 /s "$dll" || fail "second regsvr32"

    moduledir=$(wine_run winepath -w "$(dirname "$dll")" | tr -d '\r')
    actual=$(for key in "${owned[@]}"; do query "$key"; done)
    want=$(sed "s|@MODULEDIR@|${moduledir//\\/\\\\}|g" "$expected")
    if [[ $actual != "$want" ]]; then
        diff <(echo "$want") <(echo "$actual") >&2 || true
        fail "the registry differs from $expected (- expected, + actual)"
    fi
    # Registering clears the setup markers of every IDE version.
    exists "$setup" || fail "$setup is missing"
    [[ -z $(query "$setup" | tr -d '\n') ]] || fail "$setup is not empty"
    for key in "${foreign[@]}"; do
        ! exists "$key" || fail "$key was written"
    done
    ;;
unregister)
    wine_run regsvr32 /u /s "$dll" || fail "regsvr32 /u"
    for key in "${owned[@]:0:4}" 'HKLM\Software\Microsoft\VisualStudio\7.0\Addins\Zentrel2' \
        'HKLM\Software\Microsoft\VisualStudio\7.1\Addins\Zentrel2' \
        'HKLM\Software\Microsoft\VisualStudio\8.0\Addins\Zentrel2' \
        'HKCU\Software\Microsoft\VisualStudio\7.0\Addins\Zentrel2' \
        'HKCU\Software\Microsoft\VisualStudio\7.1\Addins\Zentrel2' \
        'HKCU\Software\Microsoft\VisualStudio\8.0\Addins\Zentrel2' \
        "$setup"; do
        ! exists "$key" || fail "$key is still there"
    done
    # The profile itself belongs to the user.
    exists 'HKCU\Software\Tarn\Zentrel2' || fail "the profile key was removed"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "ok: $mode"
