#!/usr/bin/env bash
# Stops what `make demo` left running: the till (it closes as "Close" does, without the
# question) and the stand-in printer. With --services also the Firebird server and the CUPS
# spooler, for a machine that runs them only for Pelora.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if pkill -TERM -x pelora; then echo "The till is closing."; fi
if pkill -TERM -f "pelora-printsim serve"; then echo "The stand-in printer has stopped."; fi
if [ "${1:-}" = "--services" ]; then
  if $SUDO pkill -TERM -x firebird; then echo "The Firebird server is stopping."; fi
  if $SUDO pkill -TERM -x cupsd; then echo "The CUPS spooler is stopping."; fi
fi
exit 0
