#!/usr/bin/env bash
# Runs the benchmarks on a scratch database made for the run: every program to its end, then
# non-zero when any of them failed.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/firebird-env.sh
build="$(pwd)/${BUILD_DIR:-build}"
scratch="$build/bench-db"
mkdir -p "$scratch" && chmod 1777 "$scratch"
rm -f "$scratch/bench.gdb"
"$build/tools/dbinit/pelora-dbinit" --no-forced-writes --demo "localhost:$scratch/bench.gdb" >/dev/null
failed=()
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  "$b" "localhost:$scratch/bench.gdb" || failed+=("$(basename "$b")")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Did not run to the end: ${failed[*]}" >&2
  exit 1
fi
