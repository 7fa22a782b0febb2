#!/usr/bin/env bash
# Runs the benchmarks on a scratch database made for the run.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/firebird-env.sh
build="$(pwd)/${BUILD_DIR:-build}"
scratch="$build/bench-db"
mkdir -p "$scratch" && chmod 1777 "$scratch"
rm -f "$scratch/bench.gdb"
"$build/tools/dbinit/pelora-dbinit" --no-forced-writes --demo "localhost:$scratch/bench.gdb" >/dev/null
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] && "$b" "localhost:$scratch/bench.gdb"
done
