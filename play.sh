#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvanet Solitaire.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
game=build/program/corvanet-solitaire
if [ ! -x "$game" ]; then
  echo "The program's windows are not built yet: this version has the engine, the card table and the maintainers' tools (see README.md)."
  exit 0
fi
exec "$game" "$@"
