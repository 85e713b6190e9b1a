#!/usr/bin/env bash
# Configures (once) and builds the project in the given folder; extra arguments go to CMake's configure step.
set -euo pipefail
dir=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/$dir/build.ninja" ]; then
  cmake -S "$root" -B "$root/$dir" -G Ninja "$@"
fi
# Qt's moc step under Ninja does not notice a header added since the last build; forgetting
# its stamps makes it look again, which takes a moment and rebuilds only what changed.
find "$root/$dir" -path '*_autogen/timestamp' -delete 2>/dev/null || true
cmake --build "$root/$dir" --parallel "$(nproc)"
