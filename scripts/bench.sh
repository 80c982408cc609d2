#!/usr/bin/env bash
# Builds and runs the benchmarks of the road and of the whole meeting analysed after it; arguments go
# to Google Benchmark (for example --benchmark_filter=road or --benchmark_min_time=0.01).
#
# bench.sh --desktop [ROUNDS] [MEETING_FOLDER]: times the same user actions through the desktop
# frontend, windows refreshed and painted, on a virtual X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ "${1:-}" == "--desktop" ]]; then
  shift
  bash scripts/deps.sh --for "bash scripts/bench.sh --desktop" build xvfb
  cmake --preset default >/dev/null
  cmake --build --preset default --target tarvelo-frontend-bench
  exec xvfb-run -a env QT_QPA_PLATFORM=xcb build/default/bench/tarvelo-frontend-bench "$@"
fi
bash scripts/deps.sh --for "bash scripts/bench.sh" build
cmake --preset default >/dev/null
cmake --build --preset default --target tarvelo-bench
exec build/default/bench/tarvelo-bench "$@"
