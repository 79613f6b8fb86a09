#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test: a build with warnings as errors, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the core tests and the GUI tests
# that connect a view to the emulated processor (where the UI thread meets the link worker)
# under ThreadSanitizer, then the fuzz targets within their time budget. GUI tests run under
# Xvfb. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=$(nproc)
FUZZ_BUDGET_SECONDS=${FUZZ_BUDGET_SECONDS:-120}

bash scripts/setup.sh

# GUI tests take turns on X servers that each ctest run starts once (tests/support/with-display.sh).
run_tests() {
  ctest --test-dir "$1" --output-on-failure -j "$JOBS" --timeout 300
}

# Warnings are errors here (the default leaves them warnings, for anyone building the program).
echo "== build (warnings are errors)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DTARVI_WERROR=ON
cmake --build build -j "$JOBS"
run_tests build

echo "== build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTARVI_WERROR=ON -DTARVI_SANITIZE=ON -DTARVI_BENCH=OFF
cmake --build build-asan -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_init_order=1 \
LSAN_OPTIONS=suppressions=$ROOT/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run_tests build-asan

# The toolkit's libraries are not built with the sanitizer; tests/tsan.supp silences calls made
# from inside them, never the editor's own code.
echo "== core tests and the GUI tests on the emulated link under ThreadSanitizer"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DTARVI_WERROR=ON -DTARVI_TSAN=ON -DTARVI_BENCH=OFF
cmake --build build-tsan -j "$JOBS"
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$ROOT/tests/tsan.supp run_tests build-tsan

echo "== fuzz targets (budget ${FUZZ_BUDGET_SECONDS} s)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DTARVI_WERROR=ON -DTARVI_FUZZ=ON
cmake --build build-fuzz -j "$JOBS"
bash scripts/fuzz.sh build-fuzz "$FUZZ_BUDGET_SECONDS"

echo "== all tests passed"
