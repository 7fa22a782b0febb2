#!/usr/bin/env bash
# Installs the Debian packages the till needs to build, run and test, when any is missing.
# Quick and silent when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config make
  qt6-base-dev libjpeg62-turbo
  firebird3.0-server firebird3.0-utils firebird-dev
  cups libcups2-dev libxlsxwriter-dev poppler-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
