#!/usr/bin/env bash
# Pointer benchmark: the real program under Xvfb and openbox, Freecell on a maximised
# 1280 x 1024 window, driven by xdotool. It reports the CPU time the program's process
# spends per pointer move while the pointer hovers over the table and while it drags a
# card, and the CPU time of a new game (F2, with its deal and the automatic moves after it).
# Each figure has the process's idle CPU over the same wall time taken off. An empty window
# (build/bin/corvanet-empty-window) is measured the same way: what any program pays for a move.
#
#   bench/pointer_cpu.sh [PROGRAM_FOLDER [MOVES]]     (defaults: build/program, 4000)
#
# Needs Xvfb, openbox and xdotool (tools/install-deps.sh installs them). A benchmark, not a
# test: the budget is 0.05 ms a move hovering, 0.1 ms a move dragging and 0.05 s a new game.
set -euo pipefail
cd "$(dirname "$0")/.."
export CORVANET_PROGRAM_DIR=$(cd "${1:-build/program}" && pwd)
moves=${2:-4000}
E2E_TIMEOUT=60
source tests/e2e/harness.sh
e2e_start

mkdir -p "$E2E_PROGRAM/Data"
printf '[Preference]\r\nMainWindowState_Maximized=Y\r\nAutoPlay=Y\r\n' >"$E2E_PROGRAM/Data/CFG.DAT"
e2e_launch
e2e_wait_window '^Open a game$'
e2e_wait_active "$E2E_WINDOW"
e2e_key Return
e2e_wait_gone "$E2E_WINDOW"
e2e_wait_window '^Corvanet Solitaire \[Freecell\]  \['
main=$E2E_WINDOW
e2e_wait_active "$main"

# The CPU time of the program's process, threads that have ended included, in nanoseconds
# (the kernel counts it in clock ticks: the more moves, the finer the figure).
ticks=$(getconf CLK_TCK)
cpu_ns() { awk -v hz="$ticks" '{ printf "%.0f", ($14 + $15) * 1e9 / hz }' /proc/"$E2E_PID"/stat; }
now_ns() { date +%s%N; }
# The program's own CPU over a stretch of wall time in which nothing is asked of it.
idle_rate() {
  local c0 t0
  c0=$(cpu_ns) t0=$(now_ns)
  sleep 5
  awk -v c="$(($(cpu_ns) - c0))" -v t="$(($(now_ns) - t0))" 'BEGIN { printf "%.9f", c / t }'
}
# Runs the command and prints the CPU it cost the program, idle CPU taken off, in ns.
cost_ns() {
  local rate=$1 c0 t0
  shift
  c0=$(cpu_ns) t0=$(now_ns)
  "$@"
  local c=$(($(cpu_ns) - c0)) t=$(($(now_ns) - t0))
  awk -v c="$c" -v t="$t" -v r="$rate" 'BEGIN { printf "%.0f", c - r * t }'
}

# Moves to and fro by a few pixels around (x, y), a millisecond apart, each one an event
# of its own; one xdotool process sends them all.
wiggle() {
  local x=$1 y=$2 args=() i
  for ((i = 0; i < moves; i++)); do
    args+=(mousemove --window "$main" $((x + (i % 20))) $((y + (i % 7))) sleep 0.001)
  done
  xdotool "${args[@]}"
}
settle() { sleep 1.5; }

# Over the empty lower part of the table, then over the cards of the tableau.
settle
rate=$(idle_rate)
xdotool mousemove --window "$main" 640 900
hover_bare=$(cost_ns "$rate" wiggle 640 900)
hover_cards=$(cost_ns "$rate" wiggle 300 330)

# A card dragged: the top card of the first tableau pile, lifted and moved about the table,
# then let go where no pile takes it.
xdotool mousemove --window "$main" 310 345 mousedown 1 mousemove --window "$main" 400 600
drag=$(cost_ns "$rate" wiggle 400 600)
xdotool mouseup 1
settle

new_game() { e2e_key F2; sleep 4; }
new_games=()
for _ in 1 2 3 4 5; do new_games+=($(cost_ns "$rate" new_game)); done

per_move() { awk -v ns="$1" -v n="$moves" 'BEGIN { printf "%.3f ms", ns / n / 1e6 }'; }
echo "moves per case: $moves; idle CPU: $(awk -v r="$rate" 'BEGIN { printf "%.2f%%", r * 100 }')"
echo "hovering over the bare table: $(per_move "$hover_bare") of CPU a move"
echo "hovering over the cards:      $(per_move "$hover_cards") of CPU a move"
echo "dragging a card:              $(per_move "$drag") of CPU a move"
printf 'new game (F2):                '
for ns in "${new_games[@]}"; do awk -v ns="$ns" 'BEGIN { printf "%.3f s  ", ns / 1e9 }'; done
echo
e2e_key alt+F4
e2e_wait_exit 0

# The floor: a window of the toolkit that does nothing with the moves.
empty=$(dirname "$CORVANET_PROGRAM_DIR")/bin/corvanet-empty-window
if [ -x "$empty" ]; then
  "$empty" >/dev/null 2>&1 &
  E2E_PID=$!
  e2e_wait_window '^Empty window$'
  main=$E2E_WINDOW
  settle
  rate=$(idle_rate)
  floor=$(cost_ns "$rate" wiggle 640 600)
  echo "an empty window:              $(per_move "$floor") of CPU a move"
  kill "$E2E_PID"; wait "$E2E_PID" 2>/dev/null || true
  E2E_PID=
fi
