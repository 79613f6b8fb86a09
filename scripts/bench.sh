#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them all (or those whose name matches $1).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTARVI_TESTS=OFF -DTARVI_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" >/dev/null
# The graph benchmarks draw through the toolkit, which needs a display.
RUN=()
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  RUN=(xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp")
fi
for b in build-bench/bench/bench_*; do
  [ -x "$b" ] || continue
  if [ -n "${1:-}" ] && [[ "$(basename "$b")" != *"$1"* ]]; then continue; fi
  echo "== $(basename "$b")"
  "${RUN[@]}" "$b"
done
