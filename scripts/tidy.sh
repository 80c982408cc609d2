#!/usr/bin/env bash
# Holds the one naming dialect (.clang-tidy) over every source file of the default build; fails on
# any name out of the dialect.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --for "bash scripts/tidy.sh" lint
[[ -f build/default/compile_commands.json ]] || { echo "tidy: build the default preset first (scripts/test.sh)" >&2; exit 2; }
out=$(run-clang-tidy -quiet -extra-arg=-Wno-error -p build/default -j "$(nproc)" "$PWD/(src|tools|bench|fuzz|tests)/.*\\.cpp" 2>&1) || {
  grep -E "error:|warning:" <<<"$out" | sed 's/\x1b\[[0-9;]*m//g' | sort -u | head -50
  echo "tidy: names out of the dialect (see above)" >&2
  exit 1
}
echo "tidy: every name in the dialect"
