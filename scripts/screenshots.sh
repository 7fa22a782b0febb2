#!/usr/bin/env bash
# Retakes the user guide's pictures in docs/images/: a fresh demo venue, the till on it on a
# virtual screen (1024x768 unless SCREEN says otherwise), a waiter's first sale through every
# main screen. Needs the build and the Firebird server (make build services).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/firebird-env.sh
build="$(pwd)/${BUILD_DIR:-build}"
site="$build/screens-site"
pictures="$(pwd)/docs/images"
rm -rf "$site"
mkdir -p "$site/data" "$site/images" "$pictures"
chmod 1777 "$site/data"
cp db/demo/images/* "$site/images/"
"$build/tools/dbinit/pelora-dbinit" --no-forced-writes --demo --image-path "$site/images/" \
  "localhost:$site/data/pelora.gdb" >/dev/null
"$build/tools/ini/pelora-ini" --password pelora-demo1 --pcref Bar --dbpath "localhost:$site/data/" \
  "$site/pelora.ini" >/dev/null
cd "$site"
xvfb-run -a -s "-screen 0 ${SCREEN:-1024x768}x24" "$build/tools/screenshots/pelora-screenshots" "$pictures"
