#!/usr/bin/env bash
# Builds the desktop program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tarvelo
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "tarvelo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session." >&2
  exit 1
fi
exec build/default/tarvelo "$@"
