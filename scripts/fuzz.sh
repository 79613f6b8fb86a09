#!/usr/bin/env bash
# Runs every fuzz target of a TARVI_FUZZ build for an equal share of the time budget, each from
# a copy of its seed corpus (tests/fuzz/<target>_corpus). Usage: fuzz.sh BUILD_DIR BUDGET_SECONDS
set -euo pipefail
BUILD=$1
BUDGET=$2
ROOT=$(cd "$(dirname "$0")/.." && pwd)

mapfile -t targets < <(find "$BUILD/tests/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -executable | sort)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets"
  exit 0
fi
share=$(( BUDGET / ${#targets[@]} ))
[ "$share" -lt 1 ] && share=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for t in "${targets[@]}"; do
  name=$(basename "$t")
  corpus="$work/$name"
  mkdir -p "$corpus"
  seeds="$ROOT/tests/fuzz/${name#fuzz_}_corpus"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  echo "-- $name for ${share} s"
  ASAN_OPTIONS=detect_leaks=1 "$t" -max_total_time="$share" -print_final_stats=1 \
    -artifact_prefix="$work/" "$corpus" 2>&1 | tail -n 12
  status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    echo "fuzz target $name failed"
    ls "$work"
    exit "$status"
  fi
done
