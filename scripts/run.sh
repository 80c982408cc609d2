#!/usr/bin/env bash
# Builds the desktop program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --for "bash scripts/run.sh" build desktop
cmake --preset default >/dev/null
cmake --build --preset default --target tarvelo
# From the repository's folder, so that the data-read window lists sample/ at once. Without a
# display the program says so and exits 1.
exec build/default/tarvelo "$@"
