#!/usr/bin/env bash
# Runs dal-bench under callgrind, one dump per case, and prints the
# instruction count of every case with its ratio to the floor and to size N.
#   bench/callgrind-summary.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
bin="$1/bench/dal-bench"
out=${2:-$(mktemp -d)}
mkdir -p "$out"
if [ "${DAL_BENCH_SUMMARY_ONLY:-}" != 1 ]; then
rm -f "$out"/cg.out*
valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out/cg.out" "$bin" --callgrind >"$out/log" 2>&1
fi
summarize() {
    for f in $(ls -v "$out"/cg.out.*); do
        name=$(sed -n 's/^desc: Trigger: Client Request: //p' "$f")
        total=$(sed -n 's/^totals: //p' "$f" | cut -d' ' -f1)
        [ -n "$name" ] && echo "$name $total"
    done
}
summarize | awk '
    { ir[$1] = $2; order[n++] = $1 }
    END {
        floor = ir["floor/parse"]
        for (i = 0; i < n; i++) {
            k = order[i]; extra = ""
            if (k ~ /^(device|reader)\//) extra = sprintf("  %.2f x floor", ir[k] / floor)
            if (k ~ /\/2N$/) { base = k; sub(/\/2N$/, "/N", base); extra = sprintf("  2N/N %.2f", ir[k] / ir[base]) }
            if (k == "case/settings-miscased" && ("case/settings-exact" in ir))
                extra = sprintf("  resolution %.0f = %.3f x case/floor", ir[k] - ir["case/settings-exact"],
                                (ir[k] - ir["case/settings-exact"]) / ir["case/floor"])
            printf "%-40s %14.0f%s\n", k, ir[k], extra
        }
    }'
