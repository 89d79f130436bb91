#!/usr/bin/env bash
# Runs every test: installs what is missing, builds and runs the suite, then builds and runs it
# again with AddressSanitizer and UndefinedBehaviorSanitizer, then runs each fuzzer briefly.
# Warnings in our own code are errors here, and only here.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --test

jobs=$(nproc)

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_BENCH=ON -DMORVANE_WERROR=ON \
  >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON -DMORVANE_WERROR=ON \
  >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzzers (short fixed run each)"
bash scripts/fuzz.sh 20
