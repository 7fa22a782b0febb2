#!/usr/bin/env bash
# Runs every test through ctest against the local server; non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/firebird-env.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2 "$@"
