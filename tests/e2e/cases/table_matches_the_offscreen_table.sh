# After stock clicks, a refused drop, a redeal and cards played onto a discard pile, the
# window shows what it shows once minimised and restored, when the window system has it
# paint itself from the off-screen table: nothing the moves drew is left over or missing on
# the screen.
source "$(dirname "$0")/../harness.sh"
e2e_require import compare
e2e_start

restored() { e2e_table_shot "$main" restored && e2e_same_shots "$1" restored; }
# Once the table has come to rest: what it shows, then the same after a minimise and restore.
expect_whole() {
  e2e_poll e2e_settled "$main" || e2e_fail "$1: the table never came to rest"
  e2e_table_shot "$main" "$1"
  e2e_shot "$1"
  xdotool windowminimize "$main"
  e2e_poll e2e_is_hidden "$main" || e2e_fail "$1: the window did not minimise"
  xdotool windowactivate "$main"
  e2e_wait_active "$main"
  e2e_poll restored "$1" || e2e_fail "$1: the window showed otherwise than the off-screen table"
}
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; }

# Starts the game of that id and name, dealt by F2, without the chooser.
play() {
  rm -rf "$E2E_PROGRAM/Data"
  mkdir -p "$E2E_PROGRAM/Data" && touch "$E2E_PROGRAM/Data/Stat_e00.dat"
  printf '[Preference]\r\nGame=%s\r\nGame_Name=%s\r\nMainWindowState_Maximized=N\r\nMainWindowState_Left=40\r\nMainWindowState_Top=40\r\nMainWindowState_Width=900\r\nMainWindowState_Height=700\r\nAutoPlay=N\r\n' \
    "$1" "$2" >"$E2E_PROGRAM/Data/CFG.DAT"
  e2e_launch
  e2e_wait_window '^Corvanet Solitaire'
  main=$E2E_WINDOW
  e2e_wait_active "$main"
  e2e_key F2
  e2e_wait_window "^Corvanet Solitaire \\[$2\\]"
}
quit() {
  e2e_wait_active "$main"
  e2e_key alt+F4
  e2e_wait_exit 0
}

# Klondike: the stock at (165, 110) and the waste beside it, in the window's coordinates.
play 2 Klondike
expect_whole dealt
for _ in 1 2 3 4; do click 165 110; done
expect_whole four-cards-turned
xdotool mousemove --window "$main" 258 110 mousedown 1 mousemove --window "$main" 350 300 \
  mousemove --window "$main" 450 500 mouseup 1
expect_whole waste-card-refused
for _ in $(seq 20); do click 165 110; done
expect_whole stock-turned-through
click 165 110
expect_whole waste-turned-over
quit

# Golf: the tableau's top cards along y 170, the stock at (65, 295); a click plays a card.
play 8 Golf
for x in 168 258 350 440 533 623 714; do click "$x" 170; done
expect_whole cards-played
click 65 295
expect_whole stock-card-played
quit
