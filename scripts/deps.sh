#!/usr/bin/env bash
# deps.sh [--for COMMAND] GROUP...: installs, with apt-get, the packages of each group that are
# missing, one line per step; apt's own output goes to a log that is shown only when a step fails.
#   build    the compiler, CMake, Ninja, GoogleTest, Google Benchmark and Qt 6 (the default build)
#   desktop  what the desktop program needs to show its windows and print: Qt's Wayland platform (X11's
#            comes with Qt), the IPA Gothic and Mincho faces the windows and printouts are drawn with,
#            and the Noto CJK font as their fallback
#   tests    what the tests need beyond the build: the faces of the drawn windows and printouts (the
#            fit check measures with them) and poppler-utils (pdftotext)
#   lint     clang-tidy, which holds the naming dialect (scripts/tidy.sh)
#   fuzz     clang and libFuzzer for the fuzz targets, llvm-symbolizer for their stacks, and what
#            configuring their build needs
#   xvfb     a virtual X server, for timing the desktop program's windows without a display
# COMMAND is what to tell a user who is not root to run again with sudo.
set -euo pipefail

declare -A packages=(
  [build]="g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev"
  [desktop]="qt6-wayland fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk"
  [tests]="fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk poppler-utils"
  [lint]="clang-tidy"
  [fuzz]="clang libclang-rt-14-dev llvm cmake ninja-build libgtest-dev libgmock-dev"
  [xvfb]="xvfb xauth fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk"
)
declare -A why=(
  [build]="to build the program and its tests"
  [desktop]="for the desktop program's windows and printouts (Wayland platform, Japanese faces)"
  [tests]="for the tests (Japanese faces for the drawn windows and the printouts, pdftotext for the printed PDFs)"
  [lint]="to check the names in the code (clang-tidy)"
  [fuzz]="for the fuzz targets (clang, libFuzzer, llvm-symbolizer)"
  [xvfb]="to time the desktop windows on a virtual X server (Xvfb)"
)

command_hint="the same command"
if [[ "${1:-}" == "--for" ]]; then
  command_hint=$2
  shift 2
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# The missing packages of each group, each package counted once.
declare -A seen=()
steps=() all_missing=()
for group in "$@"; do
  [[ -n "${packages[$group]:-}" ]] || { echo "deps: unknown group \"$group\"" >&2; exit 2; }
  missing=()
  for p in ${packages[$group]}; do
    [[ -n "${seen[$p]:-}" ]] && continue
    seen[$p]=1
    installed "$p" || missing+=("$p")
  done
  ((${#missing[@]})) || continue
  steps+=("$group:${missing[*]}")
  all_missing+=("${missing[@]}")
done
((${#steps[@]})) || exit 0

if ((EUID != 0)); then
  echo "deps: these packages are missing: ${all_missing[*]}" >&2
  echo "deps: installing them needs root; run $command_hint again with sudo (sudo $command_hint)," \
       "or install them first: sudo apt-get install --no-install-recommends ${all_missing[*]}" >&2
  exit 1
fi

log=${TMPDIR:-/tmp}/tarvelo-apt.log
: >"$log"
run_step() {  # run_step MESSAGE COMMAND...
  echo "deps: $1"
  if ! "${@:2}" >>"$log" 2>&1; then
    echo "deps: failed; the last lines of $log:" >&2
    tail -n 20 "$log" >&2
    exit 1
  fi
}
export DEBIAN_FRONTEND=noninteractive
run_step "updating the package lists (apt-get update)" apt-get update -q
for step in "${steps[@]}"; do
  group=${step%%:*} list=${step#*:}
  # shellcheck disable=SC2086
  run_step "installing $list ${why[$group]}" \
    apt-get install -y -q --no-install-recommends -o Dpkg::Use-Pty=0 $list
done
