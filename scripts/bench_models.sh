#!/usr/bin/env bash
# Times one forecast period of EMPALT.EXE and DRAMT.EXE, run as the wizard runs
# them (a process each, in the working folder), on a synthetic region.
#   scripts/bench_models.sh [build folder] [zones] [employment categories] [household categories] [rounds]
# Defaults: build-models, 499 zones, 8 and 8 categories, 15 rounds. Prints the
# median and fastest wall time of each program and of both together, and the
# processor time they used (less disturbed by other work on the machine).
set -euo pipefail

build=${1:-build-models}
zones=${2:-499}
employment=${3:-8}
households=${4:-8}
rounds=${5:-15}

root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/$build/bin"
ninja -C "$root/$build" -j1 forecast_empalt forecast_dramt model_bench_region_setup >/dev/null

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$bin/model_bench_region_setup" "$folder" "$zones" "$employment" "$households"
cd "$folder"

microseconds() { local t=${EPOCHREALTIME/./}; echo $((10#$t)); }
# Processor time (user + system) of all finished children, in microseconds,
# from the second line of the shell's `times`, written to a file.
children_cpu() {
  local line total=0 minutes seconds
  line=$(sed -n 2p "$1")
  while [[ $line =~ ([0-9]+)m([0-9]+)\.([0-9]+)s(.*) ]]; do
    minutes=${BASH_REMATCH[1]}
    seconds=${BASH_REMATCH[2]}${BASH_REMATCH[3]}000000
    seconds=${seconds:0:$((${#BASH_REMATCH[2]} + 6))}
    total=$((total + minutes * 60000000 + 10#$seconds))
    line=${BASH_REMATCH[4]}
  done
  echo "$total"
}

empal=()
dram=()
both=()
for ((round = 0; round < rounds; round++)); do
  start=$(microseconds)
  "$bin/EMPALT.EXE"
  middle=$(microseconds)
  "$bin/DRAMT.EXE"
  end=$(microseconds)
  empal+=($((middle - start)))
  dram+=($((end - middle)))
  both+=($((end - start)))
done
times > times0
for ((round = 0; round < rounds; round++)); do "$bin/EMPALT.EXE"; done
times > times1
for ((round = 0; round < rounds; round++)); do "$bin/DRAMT.EXE"; done
times > times2
empal_cpu=$(($(children_cpu times1) - $(children_cpu times0)))
dram_cpu=$(($(children_cpu times2) - $(children_cpu times1)))

summary() {
  local sorted count
  sorted=($(printf '%s\n' "$@" | sort -n))
  count=${#sorted[@]}
  printf 'median %6.1f ms   fastest %6.1f ms' "$(bc -l <<< "${sorted[$((count / 2))]} / 1000")" "$(bc -l <<< "${sorted[0]} / 1000")"
}
cpu() { printf 'processor %6.1f ms' "$(bc -l <<< "$1 / $rounds / 1000")"; }

echo "One period, $zones zones, $employment employment and $households household categories, $rounds rounds:"
echo "  EMPALT.EXE       $(summary "${empal[@]}")   $(cpu "$empal_cpu")"
echo "  DRAMT.EXE        $(summary "${dram[@]}")   $(cpu "$dram_cpu")"
echo "  EMPALT + DRAMT   $(summary "${both[@]}")   $(cpu $((empal_cpu + dram_cpu)))   (target: under 100 ms)"
