#!/usr/bin/env bash
# The demo's printers: raw queues Docket, Kitchen and BarPrinter printing to the stand-in
# printer pelora-printsim on 127.0.0.1:9101, 9102 and 9103, which keeps their jobs in
# demo/printer. Starts the stand-in unless something answers on 9101 already. The system's
# default printer is left as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(pwd)/${BUILD_DIR:-build}"
printsim="$build/tools/printsim/pelora-printsim"
jobs="$(pwd)/demo/printer"

scripts/start-cups.sh
. scripts/cups-queue.sh
raw_queue Docket socket://127.0.0.1:9101 retry-job
raw_queue Kitchen socket://127.0.0.1:9102 retry-job
raw_queue BarPrinter socket://127.0.0.1:9103 retry-job

listening() { (exec 3<>/dev/tcp/127.0.0.1/9101) 2>/dev/null; }
listening && exit 0

if [ ! -x "$printsim" ]; then
  echo "$printsim is missing: build first (scripts/build.sh)." >&2
  exit 1
fi
mkdir -p "$jobs"
log="$jobs/printsim.log"
setsid "$printsim" serve --dir "$jobs" Docket=9101 Kitchen=9102 BarPrinter=9103 \
  >>"$log" 2>&1 </dev/null &
for _ in $(seq 1 50); do
  listening && { echo "Stand-in printers listening on 127.0.0.1:9101-9103; jobs go to $jobs."; exit 0; }
  sleep 0.1
done
echo "The stand-in printer did not start; see $log." >&2
exit 1
