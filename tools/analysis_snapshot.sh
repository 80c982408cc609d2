#!/usr/bin/env bash
# analysis_snapshot.sh BUILD_DIR OUT_DIR [SEED ...]: runs the road and then every race through every
# analysis action (the benchmark's whole-meeting script) on the sample and on generated meetings, and
# writes what the program shows into OUT_DIR: the window acted on after every action, every window
# after each race, the printed documents, the graph frame files and every registered table at the end.
# Two snapshots compare with `diff -r`.
set -euo pipefail
build=$(cd "${1:?BUILD_DIR}" && pwd)
out=${2:?OUT_DIR}
shift 2
seeds=("$@")
[[ ${#seeds[@]} -gt 0 ]] || seeds=(2 3 4)
here=$(cd "$(dirname "$0")/.." && pwd)
script=$build/tarvelo-script
tables=$build/tarvelo-table-names
forms=(frmAg0 frmAg3 frmAg7 frmAg8 frmAg9 frmAg10 frmAg12 frmAg13 frmAg14 frmAg15)
export QT_QPA_PLATFORM=offscreen
mkdir -p "$out"
"$tables" >"$out/table_names.txt"

all_forms() {
  echo "dump forms"
  for form in "${forms[@]}"; do echo "dump $form"; done
}

# The benchmark's script with its folder replaced, a dump of the window acted on after each action,
# and every window and the printed documents before each race's NEXT.
analysis() {  # analysis MEETING_DIR
  local dir=$1
  while IFS= read -r line; do
    case $line in
      "folder "*) echo "folder $dir" ;;
      "click frmAg3.Command12")
        all_forms
        echo "dump printed"
        echo "$line"
        echo "dump frmAg3"
        ;;
      "click "* | "mousedown "* | "select "*)
        echo "$line"
        target=${line#* }
        target=${target%% *}
        echo "dump ${target%%.*}"
        ;;
      *) echo "$line" ;;
    esac
  done <"$here/bench/whole_meeting.script"
  all_forms
  echo "dump messages"
  while read -r name; do echo "dump table $name"; done <"$out/table_names.txt"
}

run_one() {  # run_one LABEL MEETING_DIR
  local label=$1 dir=$2
  analysis "$dir" >"$out/$label.script"
  # The graph frames are written beside the program.
  rm -f "$build"/GRAPTH*.bmp
  "$script" "$out/$label.script" >"$out/$label.out" 2>"$out/$label.err" || echo "exit $?" >>"$out/$label.err"
  for frame in "$build"/GRAPTH*.bmp; do [[ -e $frame ]] && md5sum <"$frame" >"$out/$label.$(basename "$frame").md5"; done
  sed -i "s#$dir#MEETING#g; s#$build#BUILD#g; s#$out#OUT#g" "$out/$label.out" "$out/$label.err" "$out/$label.script"
}
run_one sample "$here/sample"
for seed in "${seeds[@]}"; do
  # A path of the same length every time, so that several snapshots can run at once.
  meeting=$(mktemp -d /tmp/tarvelo-analysis-XXXXXX)
  "$build/make-meeting" "$meeting" --seed "$seed" >/dev/null
  run_one "seed$seed" "$meeting"
  rm -rf "$meeting"
done
du -sh "$out" | cut -f1
