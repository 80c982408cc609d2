#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UBSan) and runs every one of them for
# SECONDS (default 60), all at once. Fails on any finding; the input that caused it is kept in
# build/fuzz/findings/. The corpora grow in build/fuzz/corpus/ from run to run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/deps.sh --for "bash scripts/fuzz.sh" fuzz
cmake --preset fuzz -DTARVELO_WERROR=ON >/dev/null
cmake --build --preset fuzz
out=build/fuzz
rm -rf "$out/seeds"
sample=()
[[ -d sample ]] && sample=(sample)
"$out/fuzz/make-fuzz-seeds" "$out/seeds" "${sample[@]}"
mkdir -p "$out/findings"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
names=() pids=()
for target in "$out"/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  mkdir -p "$out/corpus/$name"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/findings/$name-" "$out/corpus/$name" "$out/seeds/$name" >"$out/$name.log" 2>&1 &
  names+=("$name") pids+=($!)
done
status=0
for i in "${!pids[@]}"; do
  name=${names[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz $name: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$out/$name.log" | cut -d' ' -f2) runs, no finding"
  else
    echo "fuzz $name: FINDING (log: $out/$name.log)"
    tail -n 60 "$out/$name.log"
    status=1
  fi
done
exit $status
