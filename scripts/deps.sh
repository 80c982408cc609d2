#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the desktop program need and is missing.
set -euo pipefail
# clang and libclang-rt build the fuzz targets; llvm brings llvm-symbolizer for the sanitizers' stacks.
packages=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-qpa-plugins libgl-dev fonts-noto-cjk poppler-utils
          clang libclang-rt-14-dev llvm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
