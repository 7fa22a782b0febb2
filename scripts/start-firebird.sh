#!/usr/bin/env bash
# Starts the local Firebird server unless one already answers on 127.0.0.1:3050.
set -euo pipefail
listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }
listening && exit 0

log="${TMPDIR:-/tmp}/pelora-firebird.log"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO setsid /usr/sbin/firebird >>"$log" 2>&1 </dev/null &
for _ in $(seq 1 100); do
  listening && { echo "Firebird server started (log: $log)."; exit 0; }
  sleep 0.1
done
echo "The Firebird server did not start; see $log." >&2
exit 1
