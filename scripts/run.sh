#!/usr/bin/env bash
# Installs what is missing, builds the program (the designer, its two control
# libraries and ombrelo-render; no tests, no benchmarks) in build/run and
# starts it. Without a display it runs under Xvfb, saves a screenshot and
# says where.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DOMBRELO_BUILD_TESTS=OFF -DOMBRELO_BUILD_BENCH=OFF >/dev/null
cmake --build build/run -j "$(nproc)"

bin=build/run/bin
if [ ! -x "$bin/ombrelo" ]; then
  # The window is not there yet: show what the drawing engine paints.
  out="$PWD/build/sample-gradient.png"
  "$bin/ombrelo-render" --size 800x600 -o "$out" 0 0 255 0 50 0 h 1 -1 1 1 1
  echo "Sample gradient written to $out"
  exit 0
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/ombrelo" "$@"
fi

shot="$PWD/build/ombrelo-screenshot.png"
echo "No display: starting the designer under Xvfb to take a screenshot."
# A headless session has no runtime folder of its own: give the run one.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/ombrelo-run.XXXXXX")
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  "$bin/ombrelo-screenshot" --delay 1500 -o "$shot" -- "$bin/ombrelo"
echo "Screenshot of the designer written to $shot"
