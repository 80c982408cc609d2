#!/usr/bin/env bash
# road_snapshot.sh BUILD_DIR OUT_DIR [SEED ...]: runs the whole road headless on the sample meeting
# and on generated meetings (one per seed) and writes everything the program shows into OUT_DIR:
# every control of every loaded window at each step, every registered table, the printed documents
# and pictures of the windows. Two snapshots compare with `diff -r` (pictures by pixels with
# `cmp`, since the PNG encoder is the same).
set -euo pipefail
build=${1:?BUILD_DIR}
out=${2:?OUT_DIR}
shift 2
seeds=("$@")
[[ ${#seeds[@]} -gt 0 ]] || seeds=(2 3 4 5 6)
here=$(cd "$(dirname "$0")/.." && pwd)
script=$build/tarvelo-script
tables=$build/tarvelo-table-names
export QT_QPA_PLATFORM=offscreen
mkdir -p "$out"

road() {  # road MEETING_DIR SHOT_PREFIX
  local dir=$1 shots=$2
  cat <<SCRIPT
dump forms
dump frmAg0
dump frmAg1
shot frmAg0 ${shots}_0_ag0.png
shot frmAg1 ${shots}_0_ag1.png
click frmAg1.Option1
dump frmAg1
click frmAg1.Option2
dump frmAg1
click frmAg1.Option3
dump frmAg1
click frmAg1.Option4
dump frmAg1
click frmAg1.Option2
click frmAg1.Command1
dump forms
dump frmAg2
tick frmAg2.Timer2 3
dump frmAg2.Label37
shot frmAg2 ${shots}_1_ag2.png
folder $dir
dump frmAg2
click frmAg2.Command1
dump frmAg0
dump frmAg2
click frmAg2.Command7
dump frmAg2
shot frmAg2 ${shots}_2_ag2.png
mousedown frmAg2.MSFlexGrid3 1900 100
dump frmAg2
mousedown frmAg2.MSFlexGrid3 5900 300
dump frmAg2
mousedown frmAg2.MSFlexGrid2 1000 500
dump frmAg2
mousedown frmAg2.MSFlexGrid2 3000 1200
dump frmAg2
mousedown frmAg2.MSFlexGrid4 3900 100
dump frmAg2
mousedown frmAg2.MSFlexGrid2 500 2000
dump frmAg2
shot frmAg2 ${shots}_3_ag2.png
click frmAg2.Command8
dump forms
dump frmAg2
dump frmAg7
tick frmAg2.Timer1 2
dump forms
dump frmAg0
dump frmAg3
dump frmAg7
dump frmAg9
shot frmAg0 ${shots}_4_ag0.png
shot frmAg3 ${shots}_4_ag3.png
shot frmAg7 ${shots}_4_ag7.png
click frmAg7.Option2
click frmAg7.Command1
dump frmAg7
click frmAg7.Option1
click frmAg7.Command1
click frmAg7.Command2
dump frmAg7
click frmAg7.Command3
dump frmAg7
click frmAg7.Check1
click frmAg7.Command5
dump printed
click frmAg7.Command4
click frmAg7.Command6
dump frmAg7
shot frmAg7 ${shots}_5_ag7.png
click frmAg0.Check1
click frmAg0.Command4
dump printed
dump frmAg0
dump messages
SCRIPT
  while read -r name; do echo "dump table $name"; done <"$out/table_names.txt"
  echo "click frmAg0.Command5"
  echo "dump forms"
}

"$tables" >"$out/table_names.txt"
run_one() {  # run_one LABEL MEETING_DIR
  local label=$1 dir=$2
  road "$dir" "$out/$label" >"$out/$label.script"
  "$script" "$out/$label.script" >"$out/$label.out" 2>"$out/$label.err" || echo "exit $?" >>"$out/$label.err"
  sed -i "s#$dir#MEETING#g; s#$out#OUT#g" "$out/$label.out" "$out/$label.err" "$out/$label.script"
}
run_one sample "$here/sample"
for seed in "${seeds[@]}"; do
  meeting=/tmp/tarvelo-road-seed$seed  # a fixed path, since the data-read window shows it
  rm -rf "$meeting"
  "$build/make-meeting" "$meeting" --seed "$seed" >/dev/null
  run_one "seed$seed" "$meeting"
  rm -rf "$meeting"
done
wc -l "$out"/*.out | tail -1
