#!/bin/sh
# Checks the generator's performance targets on one core, with the programs of
# an existing Release build:
#   bench/check_targets.sh <build dir>
# (a) a 1 000 000-row generation in under one second;
# (b) no slower than twice `iconv -f UTF-8 -t UTF-16LE` over the same script text;
# (c) peak resident memory of one run below 2.5 times the script file written.
# Exits 1 when a target is missed.
set -eu

build=${1:?usage: check_targets.sh <build dir>}
build=$(cd "$build" && pwd)
bench="$build/bench/bench_generation"
peak="$build/bench/bench_peak_memory"
for program in "$bench" "$peak"; do
  [ -e "$program" ] || { echo "missing $program: build with -DYORVANE_BENCH=ON" >&2; exit 2; }
done
for tool in jq iconv; do
  command -v "$tool" >/dev/null 2>&1 || { echo "needs $tool (apt-get install $tool)" >&2; exit 2; }
done
rows=1000000
repetitions=${REPETITIONS:-3}

one_core=""
if command -v taskset >/dev/null 2>&1; then one_core="taskset -c 0"; fi

work=$(mktemp -d "${TMPDIR:-/tmp}/yorvane-targets.XXXXXX")
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
# The median of the real times, in seconds, of the runs in a benchmark JSON file.
median_seconds() {
  jq -r '[.benchmarks[] | select(.run_type == "iteration") | .real_time] | sort
         | .[(length / 2 | floor)] / 1000' "$1"
}
generation_seconds() {
  $one_core "$bench" \
    --benchmark_filter="^BM_Generation/$rows\$" --benchmark_repetitions="$repetitions" \
    --benchmark_format=json >"$work/bench.json" 2>"$work/bench.err" \
    || { cat "$work/bench.err" >&2; exit 2; }
  printf "%.3f" "$(median_seconds "$work/bench.json")"
}

failed=0
verdict() {  # verdict <passed 0/1> <text>
  if [ "$1" = 1 ]; then echo "PASS $2"; else echo "FAIL $2"; failed=1; fi
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }' && echo 1 || echo 0; }

echo "one core: ${one_core:-not pinned (no taskset)}; median of $repetitions runs"

# (a) The whole generation.
generation=$(generation_seconds)
verdict "$(below "$generation" 1)" "(a) $rows rows generated in $generation s (target < 1 s)"

# (c) One run in a process of its own, the list made by another process.
"$peak" make "$rows" "$work" >"$work/list.out"
$one_core "$peak" run "$work" >"$work/peak.out"
script_bytes=$(sed -n 's/^script_bytes=//p' "$work/peak.out")
peak_kb=$(sed -n 's/^peak_rss_kb=//p' "$work/peak.out")
growth_kb=$(sed -n 's/^run_growth_kb=//p' "$work/peak.out")
ratio=$(awk -v p="$peak_kb" -v s="$script_bytes" 'BEGIN { printf "%.2f", p * 1024 / s }')
growth_ratio=$(awk -v p="$growth_kb" -v s="$script_bytes" 'BEGIN { printf "%.2f", p * 1024 / s }')
verdict "$(below "$ratio" 2.5)" \
  "(c) peak RSS $peak_kb kB = $ratio x the script file of $script_bytes bytes (target < 2.5)"
echo "info: the run itself grew the peak by $growth_kb kB = $growth_ratio x the file"

# (b) iconv over the UTF-8 text of the same script, made once before timing.
tail -c +3 "$work/makebookmark.jsx" | iconv -f UTF-16LE -t UTF-8 >"$work/script.utf8"
best=""
i=0
while [ "$i" -lt "$repetitions" ]; do
  start=$(now)
  $one_core iconv -f UTF-8 -t UTF-16LE "$work/script.utf8" >"$work/script.utf16"
  end=$(now)
  t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
  echo "$t" >>"$work/iconv.times"
  i=$((i + 1))
done
iconv_seconds=$(sort -n "$work/iconv.times" | sed -n "$(( (repetitions / 2) + 1 ))p")
limit=$(awk -v t="$iconv_seconds" 'BEGIN { printf "%.3f", 2 * t }')
verdict "$(below "$generation" "$limit")" \
  "(b) generation $generation s vs iconv $iconv_seconds s over the same $(wc -c <"$work/script.utf8") bytes of text (target < $limit s)"

exit "$failed"
