# Without GAMES.DAT the start-up stops with its message in front of the splash.
source "$(dirname "$0")/../harness.sh"
e2e_start
rm "$E2E_PROGRAM/GAMES.DAT"
e2e_expect_startup_stop '^Error$'
