#!/usr/bin/env bash
# Times GO on the forecast page (P7_8): EMPALT.EXE, DRAMT.EXE and FCSTCNVT.EXE
# for every period with the filing and chaining between them, on a demo region
# of 499 zones, six periods, 8 employment and 8 household categories. The file
# check and the cards are done once beforehand and are not timed.
#   scripts/bench_forecast_run.sh [build folder] [rounds]
# Prints each round's time with its periods, then the median and the fastest.
set -euo pipefail

build=${1:-build}
rounds=${2:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ ! -f "$root/$build/build.ninja" && ! -f "$root/$build/Makefile" ]]; then
  cmake -S "$root" -B "$root/$build" -G Ninja >/dev/null
fi
cmake --build "$root/$build" --target forecast_run_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/$build/bin/forecast_run_bench" "$work/region" 499 8 8 "$rounds"
