#!/usr/bin/env bash
# Sets up the machine, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVI_TESTS=OFF -DTARVI_BENCH=OFF
cmake --build build-run -j "$(nproc)" --target tarvi
exec ./build-run/tarvi "$@"
