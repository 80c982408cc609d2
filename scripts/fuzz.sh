#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UBSan) and runs every one of them for
# SECONDS (default 60), all at once. Fails on any finding; the input that caused it is kept in
# build/fuzz/findings/. The corpora grow in build/fuzz/corpus/ from run to run, and after a run
# without finding each is merged down to the inputs that add coverage, so that a replay stays short.
# A target takes inputs up to the size of its largest seed (the road: a meeting of 12 races of 28
# runners), which libFuzzer would otherwise cap at 1 MB.
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
# The size of the largest seed of a target, at least libFuzzer's usual 4096.
max_len() {
  local largest
  largest=$(find "$out/seeds/$1" -type f -printf '%s\n' | sort -n | tail -n 1)
  echo $((${largest:-0} > 4096 ? largest : 4096))
}
names=() pids=()
for target in "$out"/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  mkdir -p "$out/corpus/$name"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -max_len="$(max_len "$name")" \
    -artifact_prefix="$out/findings/$name-" "$out/corpus/$name" "$out/seeds/$name" >"$out/$name.log" 2>&1 &
  names+=("$name") pids+=($!)
done
# Keeps of a corpus only the inputs that add coverage.
merge_corpus() {
  local name=$1 merged="$out/corpus/$1.merged"
  rm -rf "$merged" && mkdir -p "$merged"
  if "$out/fuzz/${name}_fuzz" -merge=1 -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$name")" \
    "$merged" "$out/corpus/$name" >"$out/$name.merge.log" 2>&1; then
    echo "fuzz $name: corpus merged from $(find "$out/corpus/$name" -type f | wc -l) to $(find "$merged" -type f | wc -l) inputs"
    rm -rf "$out/corpus/$name" && mv "$merged" "$out/corpus/$name"
  else
    echo "fuzz $name: corpus kept unmerged (log: $out/$name.merge.log)"
    rm -rf "$merged"
  fi
}
status=0
for i in "${!pids[@]}"; do
  name=${names[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz $name: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$out/$name.log" | cut -d' ' -f2) runs, no finding"
    merge_corpus "$name"
  else
    echo "fuzz $name: FINDING (log: $out/$name.log)"
    tail -n 60 "$out/$name.log"
    status=1
  fi
done
exit $status
