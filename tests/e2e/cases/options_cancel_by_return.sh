# In Options, a change, then Tab to Cancel and Return: the dialog closes as cancelled and
# nothing is saved. The dialog keeps its size: the window manager offers no resizing.
source "$(dirname "$0")/../harness.sh"
e2e_start
# A statistics file keeps the chooser from opening at the first activation.
mkdir -p "$E2E_PROGRAM/Data" && touch "$E2E_PROGRAM/Data/Stat_e00.dat"
e2e_launch
e2e_wait_window '^Corvanet Solitaire'
main=$E2E_WINDOW
e2e_wait_active "$main"

e2e_key ctrl+u
e2e_wait_window '^Customize$'
options=$E2E_WINDOW
e2e_wait_active "$options"
if xprop -id "$options" _NET_WM_ALLOWED_ACTIONS | grep -qE 'RESIZE|MAXIMIZE'; then
  e2e_fail "the window manager may resize or maximise Options"
fi
# Openbox offers minimising whatever the window asks; the dialog comes straight back.
xdotool windowminimize --sync "$options" 2>/dev/null
e2e_poll e2e_is_shown "$options" || e2e_fail "Options stayed minimised"
e2e_wait_active "$options"
# "Confirm on e&xit" ticked; from it, Tab goes to "&?", then to Cancel.
e2e_key alt+x Tab Tab
e2e_shot cancel-focused
e2e_key Return
e2e_wait_gone "$options"
if grep -qi '^ConfirmQuit=Y' "$E2E_PROGRAM/Data/CFG.DAT"; then e2e_fail "Cancel saved the change"; fi

# The exit asks nothing (the change was not kept) and ends the program normally.
e2e_wait_active "$main"
e2e_key alt+F4
e2e_wait_exit 0
