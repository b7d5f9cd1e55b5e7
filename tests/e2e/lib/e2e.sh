# shellcheck shell=bash
# Everything an end-to-end test script uses, sourced at its top.
e2e_lib=$(dirname "${BASH_SOURCE[0]}")
source "$e2e_lib/session.sh"
source "$e2e_lib/user.sh"
source "$e2e_lib/check.sh"
source "$e2e_lib/screen.sh"
source "$e2e_lib/stored_layout.sh"
