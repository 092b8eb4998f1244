#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one for
# about a minute over a copy of its corpus kept in the repository (so that
# the run does not grow the repository). Exits non-zero on a crash, a hang or
# a broken check; the input that did it is kept in build/fuzz/artifacts/.
#
#   OMBRELO_FUZZ_SECONDS   time per target (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${OMBRELO_FUZZ_SECONDS:-60}

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
  echo "fuzzing $target for ${seconds}s"
  build/fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/"$target"- "$work"
  rm -rf "$work"
  trap - EXIT
done
