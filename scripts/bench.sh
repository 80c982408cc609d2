#!/usr/bin/env bash
# Builds and runs the benchmarks of the road and of the whole meeting analysed after it; arguments go
# to Google Benchmark
# (for example --benchmark_filter=road or --benchmark_min_time=0.01).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --for "bash scripts/bench.sh" build
cmake --preset default >/dev/null
cmake --build --preset default --target tarvelo-bench
exec build/default/bench/tarvelo-bench "$@"
