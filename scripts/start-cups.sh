#!/usr/bin/env bash
# Starts the CUPS spooler unless it runs, then makes sure the tests' raw queue pelora-test is
# there, prints to 127.0.0.1:19100 (where the tests listen) and holds no job left from an
# earlier run. Quick and silent when all is in place.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/cups-queue.sh
running() { [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

if ! running; then
  $SUDO /usr/sbin/cupsd   # it daemonises
  for _ in $(seq 1 100); do
    running && break
    sleep 0.1
  done
  if ! running; then
    echo "The CUPS spooler did not start; see /var/log/cups/error_log." >&2
    exit 1
  fi
  echo "CUPS spooler started."
fi

raw_queue pelora-test socket://127.0.0.1:19100 abort-job
if [ -n "$(lpstat -o pelora-test 2>/dev/null)" ]; then
  $SUDO cancel -a pelora-test 2>/dev/null || true
fi
