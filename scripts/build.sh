#!/usr/bin/env bash
# Configures the build folder once, then builds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
werror="${PELORA_WERROR:-OFF}"
if [ ! -f "$build/build.ninja" ] || ! grep -q "PELORA_WERROR:BOOL=$werror" "$build/CMakeCache.txt"; then
  cmake -S . -B "$build" -G Ninja -DPELORA_WERROR="$werror" >/dev/null
fi
cmake --build "$build"
