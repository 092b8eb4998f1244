#!/usr/bin/env bash
# Installs what is missing, checks that every tracked C++ file is formatted as
# .clang-format says, builds everything with -Wall -Wextra -Werror and runs
# the whole test suite twice: a normal (Release) build, then an
# AddressSanitizer + UndefinedBehaviorSanitizer build, with the fuzz targets
# run repeatably for a bounded time in between. The normal build is also
# installed into a staging prefix, started from there and packaged
# (scripts/install-check.sh). Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1

echo "== format (.clang-format) =="
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== configure without tests and benchmarks (no GoogleTest, no Google Benchmark) =="
cmake -S . -B build/minimal -G Ninja -DOMBRELO_BUILD_TESTS=OFF -DOMBRELO_BUILD_BENCH=OFF \
      -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
rm -rf build/minimal

echo "== normal build =="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DOMBRELO_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release -j "$jobs" --timeout 300

echo "== installed and packaged =="
bash scripts/install-check.sh build/release

if [ -f scripts/fuzz.sh ]; then
  echo "== fuzzing =="
  bash scripts/fuzz.sh
fi

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMBRELO_SANITIZE=ON \
      -DOMBRELO_BUILD_BENCH=OFF -DOMBRELO_WERROR=ON >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan -j "$jobs" --timeout 600

