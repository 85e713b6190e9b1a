#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvanet Solitaire.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/program/corvanet-solitaire "$@"
