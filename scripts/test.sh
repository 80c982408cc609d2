#!/usr/bin/env bash
# Builds everything and runs every test. With --asan: the sanitizer build instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=default
[[ "${1:-}" == "--asan" ]] && preset=asan
bash scripts/deps.sh --for "bash scripts/test.sh${1:+ $1}" build tests
cmake --preset "$preset" -DTARVELO_WERROR=ON >/dev/null
cmake --build --preset "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "build/$preset" --output-on-failure -j "$(nproc)" --timeout 600
