#!/usr/bin/env bash
# Times `forecast batch` on a demo region of 499 zones, six periods, 8
# employment and 8 household categories: start-up, file check, cards, the
# forecast of every period with the real model programs, and the result
# database. Prints each round's total and the median.
#   scripts/bench_batch.sh [build folder] [rounds]
set -euo pipefail

build=${1:-build}
rounds=${2:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/$build/bin"
cmake --build "$root/$build" --target forecast >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/forecast" make-demo "$work/template" --zones 499 --employment-categories 8 --household-categories 8 >/dev/null

totals=()
for ((round = 1; round <= rounds; round++)); do
  rm -rf "$work/region"
  cp -r "$work/template" "$work/region"
  output=$("$bin/forecast" batch --project "$work/region")
  total=$(sed -n 's/^Total time: \([0-9.]*\) s$/\1/p' <<<"$output")
  totals+=("$total")
  echo "round $round: $total s"
  if ((round == 1)); then sed 's/^/  /' <<<"$output"; fi
done
median=$(printf '%s\n' "${totals[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "forecast batch, 499 zones, 6 periods, 8 x 8 categories: median $median s over $rounds rounds (target: under 3 s)"
