# shellcheck shell=bash
# Sourced by the scripts that set up printer queues. raw_queue NAME URI POLICY makes sure the
# raw queue NAME (no driver: bytes go through unchanged) prints to URI, and is enabled and
# accepting jobs. The printer-error-policy is set whenever the queue is (re)made: a queue that
# already prints to URI is taken as made here. Changes only what differs, so a second run is
# quick and silent.
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

raw_queue() {
  local name="$1" uri="$2" policy="$3" out
  if [ "$(LC_ALL=C lpstat -v "$name" 2>/dev/null)" != "device for $name: $uri" ]; then
    if ! out="$($SUDO lpadmin -p "$name" -v "$uri" -E -o "printer-error-policy=$policy" 2>&1)"; then
      echo "Could not set up the printer queue $name: $out" >&2
      return 1
    fi
  fi
  if LC_ALL=C lpstat -p "$name" 2>/dev/null | grep -q disabled; then
    $SUDO cupsenable "$name"
  fi
  if LC_ALL=C lpstat -a "$name" 2>/dev/null | grep -q 'not accepting'; then
    $SUDO cupsaccept "$name"
  fi
}
