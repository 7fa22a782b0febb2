#!/usr/bin/env bash
# Creates the demo site folder (database, pictures, pelora.ini) when missing, sets up the demo's
# printer queues with the stand-in printer, and starts the till in it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/firebird-env.sh
build="$(pwd)/${BUILD_DIR:-build}"
site="$(pwd)/demo"

mkdir -p "$site/data" "$site/images"
chmod 1777 "$site/data"   # the server may run as its own user
cp -u db/demo/images/* "$site/images/" 2>/dev/null || true
if [ ! -f "$site/data/pelora.gdb" ]; then
  "$build/tools/dbinit/pelora-dbinit" --demo --image-path "$site/images/" \
    "localhost:$site/data/pelora.gdb"
fi
if [ ! -f "$site/pelora.ini" ]; then
  "$build/tools/ini/pelora-ini" --password pelora-demo1 --pcref Bar \
    --dbpath "localhost:$site/data/" "$site/pelora.ini"
fi
scripts/demo-printers.sh
cd "$site"
exec "$build/src/pelora"
