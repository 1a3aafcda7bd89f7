#!/usr/bin/env bash
# The clean search beside find: 100,000 files in 200 folders, the eleven default patterns.
# The search reads each match's size for its total, which plain find never does: find
# printing the sizes too does the same work.
#   clean_bench.sh ZENTREL [WORK_DIR [RUNS]]
# Both list the same files (checked). The two take turns, RUNS times each (default 9) after
# one warm-up run each, so a load that comes and goes weighs on both; the times are medians.
set -euo pipefail
zentrel=$1
work=${2:-$(mktemp -d)}
runs=${3:-9}
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
# Prints the run's wall and processor (user + system) times in milliseconds.
times_ms() {
    local TIMEFORMAT='%3R %3U %3S' took
    took=$({ time "$@" >/dev/null 2>/dev/null </dev/null; } 2>&1)
    awk -v t="$took" 'BEGIN {split(t, v, " "); printf "%d %d\n", v[1] * 1000, (v[2] + v[3]) * 1000}'
}
median() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
ratio() {
    awk "BEGIN {printf \"%.2f\", $1 / ($2 ? $2 : 1)}"
}
ours=$("$zentrel" clean "$tree" </dev/null 2>/dev/null | grep -c "^$tree/")
theirs=$(find "$tree" -type f \( "${patterns[@]}" \) | wc -l)
echo "files listed: zentrel clean $ours, find $theirs"
if ((ours != theirs)); then
    echo "the two list different files" >&2
    exit 1
fi
clean_wall=() clean_cpu=() find_wall=() find_cpu=() sized_wall=() sized_cpu=()
for ((run = 0; run <= runs; ++run)); do
    read -r clean_w clean_c < <(times_ms "$zentrel" clean "$tree")
    read -r find_w find_c < <(times_ms find "$tree" -type f \( "${patterns[@]}" \))
    read -r sized_w sized_c < <(times_ms find "$tree" -type f \( "${patterns[@]}" \) -printf '%s %p\n')
    if ((run > 0)); then
        clean_wall+=("$clean_w") clean_cpu+=("$clean_c")
        find_wall+=("$find_w") find_cpu+=("$find_c")
        sized_wall+=("$sized_w") sized_cpu+=("$sized_c")
    fi
done
report() {  # NAME WALL... / CPU...: the medians and their ratios to zentrel's
    local w c
    w=$(median $2) c=$(median $3)
    echo "$1: ${w} ms wall, ${c} ms processor;" \
        "zentrel/it $(ratio "$cw" "$w") wall, $(ratio "$cc" "$c") processor"
}
cw=$(median "${clean_wall[@]}") cc=$(median "${clean_cpu[@]}")
# Under load the wall times mostly measure the others; the processor times stay comparable.
echo "medians of $runs runs; zentrel clean: ${cw} ms wall, ${cc} ms processor"
report "find" "${find_wall[*]}" "${find_cpu[*]}"
report "find -printf '%s %p'" "${sized_wall[*]}" "${sized_cpu[*]}"
