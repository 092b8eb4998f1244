#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one over
# a copy of its corpus kept in the repository (so that the run does not grow
# the repository). Exits non-zero on a crash, a hang or a broken check; the
# input that did it is kept in build/fuzz/artifacts/.
#
# By default the run is repeatable: a fixed seed and a fixed number of
# inputs, so that the test suite gives the same answer on every machine.
# For exploring, give a time and leave the seed to chance:
#
#   OMBRELO_FUZZ_SECONDS   explore for this long per target instead
#   OMBRELO_FUZZ_RUNS      inputs per target in a repeatable run (default 150000)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "${OMBRELO_FUZZ_SECONDS:-}" ]; then
  limits=(-max_total_time="$OMBRELO_FUZZ_SECONDS")
else
  limits=(-seed=1 -runs="${OMBRELO_FUZZ_RUNS:-150000}")
fi

# target name : corpus folder
targets=(
  "profile_fuzz:platform/profile/fuzz/corpus"
)

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DOMBRELO_FUZZ=ON -DOMBRELO_BUILD_TESTS=OFF -DOMBRELO_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$(nproc)" --target "${targets[@]%%:*}"

mkdir -p build/fuzz/artifacts
for entry in "${targets[@]}"; do
  target=${entry%%:*}
  corpus=${entry#*:}
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp -r "$corpus/." "$work/"
  echo "fuzzing $target (${limits[*]})"
  build/fuzz/bin/"$target" "${limits[@]}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/"$target"- "$work"
  rm -rf "$work"
  trap - EXIT
done
