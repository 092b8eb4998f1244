#!/usr/bin/env bash
# Installs what is missing, builds everything with -Wall -Wextra -Werror and
# runs the whole test suite twice: a normal build, then an AddressSanitizer +
# UndefinedBehaviorSanitizer build, with the fuzz targets run repeatably for a bounded
# time in between. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1

echo "== normal build =="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release -j "$jobs" --timeout 300

if [ -f scripts/fuzz.sh ]; then
  echo "== fuzzing =="
  bash scripts/fuzz.sh
fi

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMBRELO_SANITIZE=ON \
      -DOMBRELO_BUILD_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan -j "$jobs" --timeout 600

