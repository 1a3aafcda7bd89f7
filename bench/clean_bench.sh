#!/usr/bin/env bash
# The clean search beside find: 100,000 files in 200 folders, the eleven default patterns.
#   clean_bench.sh ZENTREL [WORK_DIR]
# Both list the same files (checked); the times are the best of three runs each.
set -euo pipefail
zentrel=$1
work=${2:-$(mktemp -d)}
tree=$work/tree
extensions=(bsc exp idb ilk ncb obj pch pdb res sbr cpp h txt)
if [[ ! -d $tree ]]; then
    for ((d = 0; d < 200; ++d)); do
        dir=$tree/d$((d / 20))/p$d
        mkdir -p "$dir"
        (cd "$dir" && for ((f = 0; f < 500; ++f)); do
            : >"f$f.${extensions[f % ${#extensions[@]}]}"
        done && : >BuildLog.htm)
    done
fi
patterns=(-iname '*.bsc' -o -iname '*.exp' -o -iname '*.idb' -o -iname '*.ilk' -o -iname '*.ncb'
          -o -iname '*.obj' -o -iname '*.pch' -o -iname '*.pdb' -o -iname '*.res' -o -iname '*.sbr'
          -o -iname 'BuildLog.htm')
best() {
    local best=999999 start end ms
    for _ in 1 2 3; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>/dev/null </dev/null
        end=$(date +%s%N)
        ms=$(((end - start) / 1000000))
        ((ms < best)) && best=$ms
    done
    echo "$best"
}
ours=$("$zentrel" clean "$tree" </dev/null 2>/dev/null | grep -c "^$tree/")
theirs=$(find "$tree" -type f \( "${patterns[@]}" \) | wc -l)
echo "files listed: zentrel clean $ours, find $theirs"
clean_ms=$(best "$zentrel" clean "$tree")
find_ms=$(best find "$tree" -type f \( "${patterns[@]}" \))
echo "zentrel clean search: ${clean_ms} ms, find: ${find_ms} ms, ratio $(awk "BEGIN {printf \"%.2f\", $clean_ms / ($find_ms ? $find_ms : 1)}")"
