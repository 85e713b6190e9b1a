# A GAMES.DAT cut short stops the start-up with the damaged line's message in front of the splash.
source "$(dirname "$0")/../harness.sh"
e2e_start
games=$E2E_PROGRAM/GAMES.DAT
truncate -s $(($(stat -c %s "$games") / 2)) "$games"
e2e_expect_startup_stop '^Error$'
