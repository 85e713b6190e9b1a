#!/usr/bin/env bash
# Start-up benchmark: starts the program N times under Xvfb, each time from a fresh copy of
# the program folder (so every run is a first run of its own), and reports the median time
# from launch to the main window mapped on the screen, and the resident memory once it is up.
#
#   bench/startup.sh [PROGRAM_FOLDER [RUNS]]     (defaults: build/program, 15)
#
# Needs Xvfb and xdotool (apt-get install xvfb xdotool). A benchmark, not a test: the budget
# on the reference machine is a median of 110 ms and 50 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build/program}
runs=${2:-15}
[ -x "$folder/corvanet-solitaire" ] || { echo "no program in $folder: build it first" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: apt-get install xvfb xdotool" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

now_ms() { date +%s%3N; }
times=()
memory=()
for run in $(seq "$runs"); do
  copy="$work/run$run"
  mkdir -p "$copy"
  cp -r "$folder/corvanet-solitaire" "$folder/GAMES.DAT" "$folder/QND.RGF" "$folder/quendrix.hlp" "$copy/"
  start=$(now_ms)
  "$copy/corvanet-solitaire" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" --name "^Corvanet Solitaire" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then echo "run $run: the program ended early" >&2; exit 1; fi
    # Each search is a client of the X server: asking without a pause can crowd the
    # program's own connection out.
    sleep 0.005
  done
  times+=($(( $(now_ms) - start )))
  sleep 0.5
  memory+=($(awk '/VmRSS/ { print $2 }' "/proc/$pid/status"))
  kill "$pid"; wait "$pid" 2>/dev/null || true
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "runs: $runs"
echo "launch to main window mapped: median $(median "${times[@]}") ms (all: ${times[*]})"
echo "resident memory with the window up: median $(median "${memory[@]}") kB ($(awk -v k="$(median "${memory[@]}")" 'BEGIN { printf "%.1f", k / 1024 }') MB)"
