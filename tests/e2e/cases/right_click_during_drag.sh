# A card lifted and dragged, then a right click before the left button is let go: no pop-up
# opens (its loop would take the release and leave the card off the table), and once the
# buttons are up the table shows every card where it was. The table's pop-up still opens
# on the bare table when nothing is lifted, and Esc closes it.
source "$(dirname "$0")/../harness.sh"
e2e_require import compare
e2e_start
# A window of a known size, and no automatic moves after the card comes back.
mkdir -p "$E2E_PROGRAM/Data"
printf '[Preference]\r\nMainWindowState_Maximized=N\r\nMainWindowState_Left=40\r\nMainWindowState_Top=40\r\nMainWindowState_Width=900\r\nMainWindowState_Height=700\r\nAutoPlay=N\r\n' \
  >"$E2E_PROGRAM/Data/CFG.DAT"
e2e_launch
# The chooser opens at the first start; Return deals its game, Freecell.
e2e_wait_window '^Open a game$'
chooser=$E2E_WINDOW
e2e_wait_active "$chooser"
e2e_key Return
e2e_wait_gone "$chooser"
e2e_wait_window '^Corvanet Solitaire \[Freecell\]  \['
main=$E2E_WINDOW

# In the main window's coordinates: the top card of the first tableau pile, a place below
# every pile, where no drop is taken, and another one there, far enough from the first that
# two right clicks make no double click.
card_x=125 card_y=330
away_x=400 away_y=600
bare_x=600 bare_y=450
shows() { e2e_table_shot "$main" now && e2e_same_shots now "$1"; }
differs() { e2e_table_shot "$main" now && ! e2e_same_shots now "$1"; }

e2e_poll e2e_settled "$main" || e2e_fail "the dealt table never came to rest"
e2e_table_shot "$main" before
e2e_shot dealt

xdotool mousemove --window "$main" "$card_x" "$card_y" mousedown 1
xdotool mousemove --window "$main" $(((card_x + away_x) / 2)) $(((card_y + away_y) / 2))
xdotool mousemove --window "$main" "$away_x" "$away_y"
e2e_poll differs before || e2e_fail "the card was not lifted and dragged"
e2e_shot dragged
xdotool mousedown 3
e2e_shot right-pressed
xdotool mouseup 3
xdotool mouseup 1
e2e_key Escape
e2e_poll shows before || e2e_fail "after the right click and the release the table is not as it was"
e2e_shot released

# With nothing lifted the same right click offers the table's pop-up, and Esc closes it.
xdotool mousemove --window "$main" "$bare_x" "$bare_y" click 3
e2e_poll differs before || e2e_fail "a right click on the bare table opened no pop-up"
e2e_shot popup
e2e_key Escape
e2e_poll shows before || e2e_fail "Esc left the pop-up on the table"

e2e_wait_active "$main"
e2e_key alt+F4
e2e_wait_exit 0
