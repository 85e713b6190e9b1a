# End-to-end harness: the real program under Xvfb and openbox, driven with xdotool as a
# player drives it. Each case gets a free X display of its own, its own window manager,
# copy of the program folder and HOME; all of them go when the case ends, passed or failed.
#
# Adding a case: put a bash script into tests/e2e/cases/; CMake registers each file there as
# the test e2e.<name> with the label "e2e". The script sources this file, calls e2e_start,
# prepares or damages the program folder "$E2E_PROGRAM" as it needs, calls e2e_launch and
# drives the program with the helpers below. A failed check calls e2e_fail. Every wait polls
# with a timeout (E2E_TIMEOUT seconds, 30 by default); none is a bare sleep.
#
#   e2e_require TOOL...       skips the case when a tool it needs is missing
#   e2e_start                 display, window manager, program folder copy, HOME
#   e2e_launch                starts the program ($E2E_PID); its output goes to $E2E_LOG
#   e2e_wait_window REGEX     waits for a visible window whose title matches; its id is
#                             then $E2E_WINDOW
#   e2e_wait_gone ID          waits until that window is no longer visible
#   e2e_is_hidden ID, e2e_is_shown ID
#                             whether that window is on the screen now (for e2e_poll)
#   e2e_wait_active ID        waits until that window has the keyboard
#   e2e_wait_top ID           waits until that window is the topmost of all the window
#                             manager manages (above the splash, which stays on top)
#   e2e_expect_startup_stop TITLE
#                             the start-up stops: the box of that title comes up on top with
#                             the keyboard, Return answers it and the program ends with status 1
#   e2e_key KEY...            key strokes to the window that has the keyboard
#   e2e_wait_exit STATUS      waits for the program to end with that exit status, and
#                             without a sanitizer report
#   e2e_shot NAME             a screenshot into $E2E_SHOTS, when that is set (ImageMagick)
#   e2e_table_shot ID NAME    the window below its toolbar (whose clock ticks) into
#                             $E2E_DIR/NAME.png (ImageMagick)
#   e2e_same_shots A B        those two pictures are the same, pixel for pixel
#   e2e_settled ID            the table shows the same twice, 0.2 s apart (for e2e_poll)
#   e2e_fail MESSAGE          ends the case as failed
#
# Run one case by hand: CORVANET_PROGRAM_DIR=build/program bash tests/e2e/cases/<case>.sh

set -euo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-30}
e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/corvanet-e2e-XXXXXX")
E2E_PROGRAM=$E2E_DIR/program
E2E_LOG=$E2E_DIR/program.log
E2E_PID=
E2E_WINDOW=
E2E_CASE=$(basename "$0" .sh)
e2e_xvfb=
e2e_wm=

e2e_fail() {
  echo "FAILED ($E2E_CASE): $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    echo "program running: $([ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null && echo yes || echo no)" >&2
    echo "windows on $DISPLAY: $(xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | tr '\n' '|')" >&2
  fi
  e2e_shot failure
  exit 1
}

e2e_cleanup() {
  local status=$?
  if [ "$status" -ne 0 ] && [ -s "$E2E_LOG" ]; then
    echo "--- the program's output ---" >&2
    cat "$E2E_LOG" >&2
  fi
  for pid in $E2E_PID $e2e_wm $e2e_xvfb; do kill "$pid" 2>/dev/null || true; done
  for pid in $E2E_PID $e2e_wm $e2e_xvfb; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$E2E_DIR"
  exit "$status"
}
trap e2e_cleanup EXIT

# e2e_poll COMMAND...: runs the command every 50 ms until it succeeds; false once the time is up.
e2e_poll() {
  local end=$(($(date +%s) + E2E_TIMEOUT))
  until "$@"; do
    [ "$(date +%s)" -lt "$end" ] || return 1
    sleep 0.05
  done
}

# e2e_require TOOL...: the case is skipped when one of the tools is missing.
e2e_require() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (tools/install-deps.sh)"; exit 77; }
  done
}

e2e_start() {
  e2e_require Xvfb openbox xdotool xprop xwininfo
  e2e_copy_program
  export HOME=$E2E_DIR/home XDG_CONFIG_HOME=$E2E_DIR/home/.config XDG_CACHE_HOME=$E2E_DIR/home/.cache
  export XDG_RUNTIME_DIR=$E2E_DIR/runtime QT_QPA_PLATFORM=xcb
  # In a sanitizer build, the desktop's libraries' own leaks are not the program's.
  export LSAN_OPTIONS=suppressions=$e2e_here/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}
  mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
  # A display far above those that servers scanning from :0 take; the server refuses one
  # that another server holds, and then another number is drawn.
  for attempt in 1 2 3 4 5; do
    e2e_start_display && return 0
    echo "display and window manager did not come up (attempt $attempt): $(cat "$E2E_DIR/openbox.log" 2>/dev/null)" >&2
  done
  e2e_fail "no display with a window manager"
}

e2e_start_display() {
  for pid in $e2e_wm $e2e_xvfb; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -f "$E2E_DIR/display"
  Xvfb ":$((100 + RANDOM % 900))" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$E2E_DIR/display" >/dev/null 2>&1 &
  e2e_xvfb=$!
  E2E_TIMEOUT=10 e2e_poll e2e_display_settled || return 1
  grep -q '^[0-9]' "$E2E_DIR/display" || return 1
  export DISPLAY=:$(head -1 "$E2E_DIR/display")
  openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1 &
  e2e_wm=$!
  E2E_TIMEOUT=5 e2e_poll e2e_wm_ready
}

e2e_copy_program() {
  local folder=${CORVANET_PROGRAM_DIR:?the program folder (CORVANET_PROGRAM_DIR) is not set}
  mkdir -p "$E2E_PROGRAM"
  cp -r "$folder/corvanet-solitaire" "$folder/GAMES.DAT" "$folder/QND.RGF" "$folder/quendrix.hlp" "$E2E_PROGRAM/"
}

# The server writes its display number once it is ready; one that ends has not got it. It
# never resets (-noreset): a reset when the last client goes refuses the next one meanwhile.
e2e_display_settled() { grep -q '^[0-9]' "$E2E_DIR/display" || ! kill -0 "$e2e_xvfb" 2>/dev/null; }
e2e_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

e2e_launch() {
  "$E2E_PROGRAM/corvanet-solitaire" >"$E2E_LOG" 2>&1 &
  E2E_PID=$!
}

e2e_visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }

e2e_wait_window() {
  e2e_poll e2e_has_window "$1" || e2e_fail "no window \"$1\" came up"
  E2E_WINDOW=$(e2e_visible_window "$1")
}
e2e_has_window() { [ -n "$(e2e_visible_window "$1")" ]; }

e2e_wait_gone() { e2e_poll e2e_is_hidden "$1" || e2e_fail "window $1 stayed on the screen"; }
e2e_is_hidden() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
e2e_is_shown() { ! e2e_is_hidden "$1"; }

e2e_wait_active() { e2e_poll e2e_is_active "$1" || e2e_fail "window $1 never had the keyboard"; }
e2e_is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

e2e_wait_top() { e2e_poll e2e_is_top "$1" || e2e_fail "window $1 is not the top window"; }
e2e_is_top() {
  local top
  top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tail -1)
  [ "$(printf '%d' "$top")" = "$1" ]
}

e2e_key() { xdotool key --delay 50 "$@"; }

e2e_wait_exit() {
  local status=0
  e2e_poll e2e_has_ended || e2e_fail "the program did not end"
  wait "$E2E_PID" || status=$?
  E2E_PID=
  if grep -qE 'Sanitizer|runtime error:' "$E2E_LOG"; then e2e_fail "a sanitizer report"; fi
  [ "$status" -eq "$1" ] || e2e_fail "the program ended with status $status, not $1"
}
e2e_has_ended() { ! kill -0 "$E2E_PID" 2>/dev/null; }

e2e_shot() {
  [ -n "${E2E_SHOTS:-}" ] && [ -n "${DISPLAY:-}" ] || return 0
  mkdir -p "$E2E_SHOTS"
  import -display "$DISPLAY" -window root "$E2E_SHOTS/$E2E_CASE-$1.png" 2>/dev/null || true
}

# The table lies below the menu bar and the toolbar.
E2E_TABLE_TOP=80
e2e_table_shot() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x$((HEIGHT - E2E_TABLE_TOP))+$X+$((Y + E2E_TABLE_TOP))" +repage "$E2E_DIR/$2.png"
}
e2e_same_shots() { [ "$(compare -metric AE "$E2E_DIR/$1.png" "$E2E_DIR/$2.png" null: 2>&1)" = "0" ]; }
e2e_settled() {
  e2e_table_shot "$1" settle-a && sleep 0.2 && e2e_table_shot "$1" settle-b && e2e_same_shots settle-a settle-b
}

e2e_expect_startup_stop() {
  e2e_launch
  e2e_wait_window "$1"
  local box=$E2E_WINDOW
  e2e_wait_top "$box"
  e2e_wait_active "$box"
  e2e_shot box
  e2e_key Return
  e2e_wait_exit 1
}
